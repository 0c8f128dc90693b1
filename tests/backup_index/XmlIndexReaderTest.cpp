#include <gtest/gtest.h>

#include <string>

#include "IndexFixtures.h"
#include "TempDir.h"
#include "backup_index/Backupproindex.h"
#include "backup_index/DateTimeValue.h"

namespace {

using fixtures::Fields;
using fixtures::FieldsOf;
using testsupport::TempDir;

const CalendarTime kDate{2005, 2, 28, 10, 15, 30, 0};

// "last_update" as the user's locale writes kDate.
std::string DateText() { return indexwriter::ShortDateTimeText(kDate, platform::UserDateTimeConventions()); }
double DateValue() { return *EncodeDateTime(kDate); }

// A record root with the given extra attributes and content.
std::string Record(const std::string& attributes, const std::string& content = "") {
    return "<Lumavex_backup_index_record type=\"backup\" last_update=\"" + DateText() + "\"" + attributes + ">" +
           content + "</Lumavex_backup_index_record>";
}

std::int32_t ImportText(VUvivuzOvuDodid& index, const TempDir& dir, const std::string& text,
                        const std::string& name = "index.lxi") {
    dir.write(name, text);
    return index.ImportXml(dir.file(name));
}

TEST(XmlIndexReader, ReadsEveryAttributeAndElement) {
    TempDir dir;
    VUvivuzOvuDodid index;
    const auto contents = fixtures::FullContents();
    ASSERT_EQ(ImportText(index, dir, indexwriter::XmlIndex(contents, platform::UserDateTimeConventions())), 0);
    Fields expected = FieldsOf(contents);
    expected["version"] = "100";  // the XML form has no version
    EXPECT_EQ(FieldsOf(index), expected);
    EXPECT_TRUE(index.file_name.empty());
}

TEST(XmlIndexReader, AMinimalRecordEmptiesTheTextsAndKeepsIntegersAndFlags) {
    TempDir dir;
    VUvivuzOvuDodid fresh;
    ASSERT_EQ(ImportText(fresh, dir, Record("")), 0);
    Fields expected = FieldsOf(VUvivuzOvuDodid());
    expected["name"] = "";
    expected["include_mask"] = "";
    expected["last_update"] = FieldsOf(fixtures::FullContents())["last_update"];
    EXPECT_EQ(FieldsOf(fresh), expected);

    // An index that holds another file's values keeps its integers and flags.
    VUvivuzOvuDodid reused;
    dir.write("binary.lxi", indexwriter::BinaryIndex(fixtures::FullContents()).bytes());
    ASSERT_EQ(reused.ImportBinary(dir.file("binary.lxi")), 0);
    ASSERT_EQ(ImportText(reused, dir, Record("")), 0);
    expected = FieldsOf(fixtures::FullContents());
    for (const char* text : {"name", "include_mask", "exclude_mask", "device", "backup_folder", "elements"}) {
        expected[text] = "";
    }
    EXPECT_EQ(FieldsOf(reused), expected);
}

TEST(XmlIndexReader, FilesThatAreNoIndexRecordGiveMinus2AndChangeNothing) {
    const std::string date = DateText();
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty file", ""},
        {"blanks only", "  \n\t "},
        {"binary index", indexwriter::BinaryIndex(fixtures::FullContents()).bytes()},
        {"not well-formed", "<Lumavex_backup_index_record type=\"backup\" last_update=\"" + date + "\">"},
        {"text before the root", "junk" + Record("")},
        {"type Backup", "<Lumavex_backup_index_record type=\"Backup\" last_update=\"" + date + "\"/>"},
        {"no type", "<Lumavex_backup_index_record last_update=\"" + date + "\"/>"},
        {"other root", "<Lumavex_backup_index type=\"backup\" last_update=\"" + date + "\"/>"},
        {"root in other case", "<lumavex_backup_index_record type=\"backup\" last_update=\"" + date + "\"/>"},
        {"record below another root", "<backups>" + Record("") + "</backups>"},
        {"duplicate attribute", "<Lumavex_backup_index_record type=\"backup\" type=\"backup\"/>"},
        {"declaration only", "<?xml version=\"1.0\"?>"},
        {"UTF-16", std::string("\xFF\xFE<\0a\0/\0>\0", 10)},
    };
    for (const auto& c : cases) {
        TempDir dir;
        VUvivuzOvuDodid index;
        index.elements.push_back({{}, "kept", false});
        EXPECT_EQ(ImportText(index, dir, c.text), kIndexReadFailed) << c.what;
        Fields expected = FieldsOf(VUvivuzOvuDodid());
        expected["elements"] = "kept|0|";
        EXPECT_EQ(FieldsOf(index), expected) << c.what;
    }
    TempDir dir;
    VUvivuzOvuDodid index;
    EXPECT_EQ(index.ImportXml(dir.file("missing.lxi")), kIndexReadFailed);
}

TEST(XmlIndexReader, DeclarationCommentsAndByteOrderMarkMayPrecedeTheRecord) {
    TempDir dir;
    VUvivuzOvuDodid index;
    EXPECT_EQ(ImportText(index, dir, "\xEF\xBB\xBF \r\n<?xml version=\"1.0\"?>\n<!-- written by a test -->\n" +
                                         Record(" name=\"n\"")),
              0);
    EXPECT_EQ(index.name, "n");
    EXPECT_EQ(index.last_update, DateValue());
}

TEST(XmlIndexReader, FlagsAndIntegersConvertLikeAtoi) {
    const struct {
        const char* value;
        std::int32_t integer;
        bool flag;
    } cases[] = {
        {"1", 1, true},     {"2", 2, true},       {"-1", -1, true},   {"0", 0, false},
        {"no", 0, false},   {"", 0, false},       {"12abc", 12, true}, {" -5", -5, true},
        {"\t\n+7", 7, true}, {"- 5", 0, false},   {"0x10", 0, false},  {"007", 7, true},
        {"2147483647", 2147483647, true},          {"99999999999", 2147483647, true},
        {"-2147483648", -2147483647 - 1, true},    {"-99999999999", -2147483647 - 1, true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        VUvivuzOvuDodid index;
        const std::string v = c.value;
        ASSERT_EQ(ImportText(index, dir,
                             Record(" writing_speed=\"" + v + "\" compression_level=\"" + v +
                                        "\" timestamps_using_method=\"" + v + "\" apply_masks_to_folders=\"" + v +
                                        "\" use_compression=\"" + v + "\" use_timestamps=\"" + v + "\"",
                                    "<backup_element name=\"e\" is_excluded=\"" + v + "\"/>")),
                  0)
            << c.value;
        EXPECT_EQ(index.writing_speed, c.integer) << c.value;
        EXPECT_EQ(index.compression_level, c.integer) << c.value;
        EXPECT_EQ(index.timestamps_using_method, c.integer) << c.value;
        EXPECT_EQ(index.apply_masks_to_folders, c.flag) << c.value;
        EXPECT_EQ(index.use_compression, c.flag) << c.value;
        EXPECT_EQ(index.use_timestamps, c.flag) << c.value;
        ASSERT_EQ(index.elements.size(), 1u);
        EXPECT_EQ(index.elements[0].is_excluded, c.flag) << c.value;
    }
}

TEST(XmlIndexReader, ElementsAndExclusionsInDocumentOrderDirectlyBelowTheirParents) {
    TempDir dir;
    VUvivuzOvuDodid index;
    const std::string content =
        "<backup_element name=\"first\">"
        "  <exclusion name=\"x1\"/><note/><exclusion name=\"x2\"/><exclusion/>"
        "  <group><exclusion name=\"deeper\"/></group>"
        "</backup_element>"
        "<settings><backup_element name=\"nested\"/></settings>"
        "<backup_element is_excluded=\"1\"><backup_element name=\"inner\"/></backup_element>"
        "<backup_element name=\"third\" extra=\"ignored\">text</backup_element>";
    ASSERT_EQ(ImportText(index, dir, Record("", content)), 0);
    ASSERT_EQ(index.elements.size(), 3u);
    EXPECT_EQ(index.elements[0].name, "first");
    EXPECT_EQ(index.elements[0].exclusions, (std::vector<std::string>{"x1", "x2", ""}));
    EXPECT_FALSE(index.elements[0].is_excluded);
    EXPECT_EQ(index.elements[1].name, "");
    EXPECT_TRUE(index.elements[1].is_excluded);
    EXPECT_TRUE(index.elements[1].exclusions.empty());
    EXPECT_EQ(index.elements[2].name, "third");
}

TEST(XmlIndexReader, ABadOrMissingLastUpdateRaisesTheConversionErrorAfterTheName) {
    const struct {
        std::string attribute;
        const char* message;
    } cases[] = {
        {" last_update=\"yesterday\"", "'yesterday' is not a valid date and time"},
        {" last_update=\"\"", "'' is not a valid date and time"},
        {"", "'' is not a valid date and time"},
        {" last_update=\"a &amp; b\"", "'a & b' is not a valid date and time"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("index.lxi", "<Lumavex_backup_index_record type=\"backup\" name=\"Named\" include_mask=\"*.x\"" +
                                   c.attribute + "><backup_element name=\"e\"/></Lumavex_backup_index_record>");
        VUvivuzOvuDodid index;
        index.elements.push_back({{}, "kept", false});
        try {
            ImportIndexFile(index, dir.file("index.lxi"));
            ADD_FAILURE() << "no conversion error for" << c.attribute;
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        Fields expected = FieldsOf(VUvivuzOvuDodid());
        expected["name"] = "Named";
        expected["elements"] = "kept|0|";
        EXPECT_EQ(FieldsOf(index), expected) << c.attribute;
        EXPECT_TRUE(index.file_name.empty()) << "the binary reader must not be tried";
    }
}

TEST(XmlIndexReader, TextsAreDecodedAndPassedOnAsBytes) {
    const struct {
        const char* what;
        std::string prolog;
        std::string value;
        std::string expected;
    } cases[] = {
        {"named entities", "", "a &amp; b &lt;c&gt; &quot;d&quot; &apos;e&apos;", "a & b <c> \"d\" 'e'"},
        {"code page bytes", "", "Caf\xE9 \x80", "Caf\xE9 \x80"},
        {"character references", "", "&#65;&#x42;&#x0a;", "AB\n"},
        {"reference above 255 without UTF-8", "", "&#8364;", "&#8364;"},
        {"reference in a code page document", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "&#233;", "\xE9"},
        {"reference in a UTF-8 document", "<?xml version=\"1.0\" encoding=\"utf-8\"?>", "&#233;&#8364;",
         "\xC3\xA9\xE2\x82\xAC"},
        {"declaration without encoding", "<?xml version=\"1.0\"?>", "&#233;", "\xC3\xA9"},
        {"byte order mark", "\xEF\xBB\xBF", "&#233;", "\xC3\xA9"},
        {"unknown and broken references", "", "&foo; &#; &#xZZ; & x &#0;", "&foo; &#; &#xZZ; & x &#0;"},
        {"line ends", "", "a\r\nb\rc\td", "a\nb\nc\td"},
        {"percent and backslash", "", "C:\\new\\%s", "C:\\new\\%s"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        VUvivuzOvuDodid index;
        ASSERT_EQ(ImportText(index, dir, c.prolog + Record(" device=\"" + c.value + "\"")), 0) << c.what;
        EXPECT_EQ(index.device, c.expected) << c.what;
    }
}

TEST(XmlIndexReader, TheVersionIsLeftAlone) {
    TempDir dir;
    VUvivuzOvuDodid index;
    index.version = 7;
    ASSERT_EQ(ImportText(index, dir, Record(" version=\"55\"")), 0);
    EXPECT_EQ(index.version, 7);
}

}  // namespace
