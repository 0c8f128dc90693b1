#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "IndexFileWriter.h"
#include "JsonWriter.h"
#include "TempDir.h"

namespace {

using clitest::RunCli;
using testsupport::TempDir;

// An index whose texts hold a quote, a backslash, a tab and a byte of the
// system code page that is not UTF-8.
indexwriter::IndexContents Contents() {
    indexwriter::IndexContents c;
    c.version = 7;
    c.name = "Caf\xE9 \"Q\"\t1";
    c.last_update = {2005, 2, 28, 12, 0, 0, 0};
    c.elements = {{"C:\\Docs\\", false, {"C:\\Docs\\tmp\\", "*.bak"}}, {"D:\\a.txt", true, {}}};
    c.include_mask = "*.*";
    c.exclude_mask = "";
    c.apply_masks_to_folders = true;
    c.device = "E:";
    c.backup_folder = "Backups\\";
    c.writing_speed = -1;
    c.use_compression = false;
    c.compression_level = 2;
    c.use_timestamps = true;
    c.timestamps_using_method = 1;
    return c;
}

TEST(InfoCommand, JsonHoldsExactlyTheIndexFields) {
    TempDir dir;
    dir.write("index.lxi", indexwriter::BinaryIndex(Contents()).bytes());
    const auto outcome = RunCli({"info", "--json", dir.file("index.lxi")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "{\n"
              "  \"name\": \"Caf\\udce9 \\\"Q\\\"\\t1\",\n"
              "  \"last_update\": 38411.5,\n"
              "  \"include_mask\": \"*.*\",\n"
              "  \"exclude_mask\": \"\",\n"
              "  \"apply_masks_to_folders\": true,\n"
              "  \"device\": \"E:\",\n"
              "  \"backup_folder\": \"Backups\\\\\",\n"
              "  \"writing_speed\": -1,\n"
              "  \"compression_level\": 2,\n"
              "  \"use_timestamps\": true,\n"
              "  \"timestamps_using_method\": 1,\n"
              "  \"use_compression\": false,\n"
              "  \"version\": 7,\n"
              "  \"elements\": [\n"
              "    {\n"
              "      \"name\": \"C:\\\\Docs\\\\\",\n"
              "      \"is_excluded\": false,\n"
              "      \"exclusions\": [\n"
              "        \"C:\\\\Docs\\\\tmp\\\\\",\n"
              "        \"*.bak\"\n"
              "      ]\n"
              "    },\n"
              "    {\n"
              "      \"name\": \"D:\\\\a.txt\",\n"
              "      \"is_excluded\": true,\n"
              "      \"exclusions\": []\n"
              "    }\n"
              "  ]\n"
              "}\n");
}

TEST(InfoCommand, PrintsEveryFieldForPeople) {
    TempDir dir;
    dir.write("index.lxi", indexwriter::BinaryIndex(Contents()).bytes());
    const auto outcome = RunCli({"info", dir.file("index.lxi")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out,
              "index file:               " + dir.file("index.lxi") + "\n"
              "name:                     Caf\xE9 \"Q\"\\x091\n"
              "last_update:              2005-02-28 12:00:00 (38411.5)\n"
              "include_mask:             *.*\n"
              "exclude_mask:             \n"
              "apply_masks_to_folders:   yes\n"
              "device:                   E:\n"
              "backup_folder:            Backups\\\n"
              "writing_speed:            -1\n"
              "compression_level:        2\n"
              "use_timestamps:           yes\n"
              "timestamps_using_method:  1 (as a folder level)\n"
              "use_compression:          no (folder copy)\n"
              "version:                  7\n"
              "elements:                 2\n"
              "  1. C:\\Docs\\\n"
              "       excludes C:\\Docs\\tmp\\\n"
              "       excludes *.bak\n"
              "  2. D:\\a.txt  (excluded)\n");
}

TEST(InfoCommand, ReadsTheXmlFormToo) {
    TempDir dir;
    dir.write("index.lxi", indexwriter::XmlIndex(Contents(), platform::UserDateTimeConventions()));
    dir.write("binary.lxi", indexwriter::BinaryIndex(Contents()).bytes());
    const auto xml = RunCli({"info", "--json", dir.file("index.lxi")});
    const auto binary = RunCli({"info", "--json", dir.file("binary.lxi")});
    EXPECT_EQ(xml.status, 0);
    // The XML form has no version: the index keeps its initial 100.
    std::string expected = binary.out;
    expected.replace(expected.find("\"version\": 7"), 12, "\"version\": 100");
    EXPECT_EQ(xml.out, expected);
}

TEST(InfoCommand, NoDateAndOddValuesAreShownPlainly) {
    TempDir dir;
    indexwriter::BinaryBuilder b;
    b.Raw("LXBI").Int32(100).Text("").Double(-1.0).Int32(0).Text("").Text("").Flag(0).Text("").Text("");
    b.Int32(0).Flag(1).Int32(0).Flag(0).Int32(5);
    dir.write("none.lxi", b.bytes());
    auto outcome = RunCli({"info", dir.file("none.lxi")});
    EXPECT_NE(outcome.out.find("last_update:              none recorded (-1)\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("timestamps_using_method:  5 (acts as no time stamp)\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("elements:                 0\n"), std::string::npos);

    indexwriter::BinaryBuilder nan;
    nan.Raw("LXBI").Int32(100).Text("").Raw(std::string("\0\0\0\0\0\0\xF8\x7F", 8)).Int32(0).Text("").Text("");
    nan.Flag(0).Text("").Text("").Int32(0).Flag(1).Int32(0).Flag(0).Int32(0);
    dir.write("nan.lxi", nan.bytes());
    outcome = RunCli({"info", "--json", dir.file("nan.lxi")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("\"last_update\": null,"), std::string::npos) << outcome.out;
    outcome = RunCli({"info", dir.file("nan.lxi")});
    EXPECT_NE(outcome.out.find("last_update:              not a date (nan)\n"), std::string::npos) << outcome.out;
}

TEST(InfoCommand, AReaderFailureShowsTheWindowsMessageAndExits3) {
    TempDir dir;
    const struct {
        const char* file;
        std::string bytes;
        int code;
        std::string caption;
        std::string text;  // "%s" stands for the path
    } cases[] = {
        {"empty.lxi", "", -3, "Wrong file format", "%s is either wrong or corruted file."},
        {"long.lxi", std::string("LXBI\x64\0\0\0\x00\x10\0\0", 12), -4, "Wrong data length",
         "%s contains wrong field length record.\nThis file is either broken or it is not Lumavex backup index "
         "file. It cannot be imported."},
        {"missing.lxi", "", -5, "Error importing file", "Cannot open file %s for reading."},
        {"other.lxi", "<settings/>", -6, "Wrong file format", "%s is not a Lumavex backup index file."},
        {"newer.lxi", std::string("LXBI\x65\0\0\0", 8), -7, "Wrong file version",
         "It is a file from a newer version of Lumavex. Cannot read it with this version."},
    };
    for (const auto& c : cases) {
        if (c.code != -5) dir.write(c.file, c.bytes);
        const std::string path = dir.file(c.file);
        std::string text = c.text;
        // A text that does not name the file is led by its path (in JSON: "path").
        const bool named = text.find("%s") != std::string::npos;
        if (named) text.replace(text.find("%s"), 2, path);

        auto outcome = RunCli({"info", path});
        EXPECT_EQ(outcome.status, 3) << c.file;
        EXPECT_EQ(outcome.out, "") << c.file;
        EXPECT_EQ(outcome.err, c.caption + ": " + (named ? "" : path + ": ") + text + "\n") << c.file;

        outcome = RunCli({"info", "--json", path});
        EXPECT_EQ(outcome.status, 3) << c.file;
        EXPECT_EQ(outcome.err, "") << c.file;
        EXPECT_EQ(outcome.out, "{\n  \"error\": {\n    \"code\": " + std::to_string(c.code) +
                                   ",\n    \"caption\": " + cli::JsonString(c.caption) +
                                   ",\n    \"text\": " + cli::JsonString(text) +
                                   (named ? "" : ",\n    \"path\": " + cli::JsonString(path)) + "\n  }\n}\n")
            << c.file;
    }
}

TEST(InfoCommand, TheDateConversionErrorIsReportedWithItsOwnText) {
    TempDir dir;
    dir.write("index.lxi", "<Lumavex_backup_index_record type=\"backup\" last_update=\"Caf\xE9\"/>");
    auto outcome = RunCli({"info", dir.file("index.lxi")});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err, "Error: 'Caf\xE9' is not a valid date and time\n");
    outcome = RunCli({"info", "--json", dir.file("index.lxi")});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.out,
              "{\n  \"error\": {\n    \"code\": null,\n    \"caption\": \"Error\",\n"
              "    \"text\": \"'Caf\\udce9' is not a valid date and time\"\n  }\n}\n");
}

TEST(InfoCommand, UsageMistakesExit2) {
    const std::vector<std::vector<std::string>> mistakes = {
        {}, {"bogus"}, {"info"}, {"info", "a", "b"}, {"info", "--bogus", "a"}, {"info", "--json=yes", "a"},
        {"INFO", "a"}, {"help", "nosuch"}, {"help", "info", "list"},
    };
    for (const auto& arguments : mistakes) {
        const auto outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.rfind("extractor-cli: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find("usage: extractor-cli "), std::string::npos) << outcome.err;
    }
}

TEST(InfoCommand, HelpGoesToStandardOutput) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--help"}, {"help"}, {"info", "--help"}}) {
        const auto outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_NE(outcome.out.find("info [--json] INDEX"), std::string::npos);
        EXPECT_EQ(outcome.err, "");
    }
    // "help COMMAND" is that command's --help.
    const auto own = RunCli({"restore", "--help"});
    EXPECT_NE(own.out.find("restore [--to DIR]"), std::string::npos) << own.out;
    EXPECT_EQ(RunCli({"help", "restore"}).out, own.out);
    // Each option on a line of its own with its help, then the exit statuses in order.
    for (const char* option : {"\n  --to DIR ", "\n  --dest ELEMENT=DIR ", "\n  --only ELEMENT ", "\n  --dry-run ",
                               "\n  --clear-folders ", "\n  --version N ", "\n  --json ", "\n  --help, -h "}) {
        EXPECT_NE(own.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(own.out.find("\nexit status: 0 completed, 1 completed with errors, 2 wrong usage, 3 "), std::string::npos);

    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("extractor-cli ", 0), 0u) << version.out;
    EXPECT_NE(version.out.find_first_of("0123456789"), std::string::npos) << version.out;

    // After "--" a path may look like an option.
    const auto outcome = RunCli({"info", "--", "--help"});
    EXPECT_EQ(outcome.status, 3);
}

}  // namespace
