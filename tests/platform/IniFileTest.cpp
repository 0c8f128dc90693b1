#include "platform/IniFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TempDir.h"

namespace {

using platform::IniFile;
using testsupport::TempDir;

TEST(IniFile, MissingFileSectionOrKeyGiveTheDefault) {
    TempDir dir;
    IniFile missing(dir.file("none.ini"));
    EXPECT_EQ(missing.ReadString("S", "K", "dflt"), "dflt");
    EXPECT_EQ(missing.ReadInteger("S", "K", -1), -1);

    dir.write("a.ini", "[S]\nK=v\nEmpty=\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.ReadString("Other", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "Other", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "Empty", "dflt"), "");  // present but empty is not missing
    EXPECT_FALSE(dir.exists("none.ini"));                  // reading creates nothing
}

TEST(IniFile, NamesMatchWithoutCaseAndValuesAreTrimmed) {
    TempDir dir;
    dir.write("a.ini",
              "[First]\r\n"
              "Caption=one\r\n"
              "  Padded  =   two words \t \r\n"
              "Brackets=<  kept blanks  >\r\n"
              "Equals=a=b\r\n"
              "Bytes=\xC0\xE9\xFF\r\n"
              "[Second]\r\n"
              "Caption=other section\r\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.ReadString("FIRST", "caption", ""), "one");
    EXPECT_EQ(ini.ReadString("first", "PADDED", ""), "two words");
    EXPECT_EQ(ini.ReadString("First", "Brackets", ""), "<  kept blanks  >");
    EXPECT_EQ(ini.ReadString("First", "Equals", ""), "a=b");
    EXPECT_EQ(ini.ReadString("First", "Bytes", ""), "\xC0\xE9\xFF");
    EXPECT_EQ(ini.ReadString("second", "Caption", ""), "other section");
}

TEST(IniFile, LongValuesAreCut) {
    TempDir dir;
    const std::string longValue = std::string(2000, 'a') + std::string(1000, 'b');
    dir.write("a.ini", "[S]\nK=" + longValue + "\n");
    const std::string read = IniFile(dir.file("a.ini")).ReadString("S", "K", "");
    EXPECT_EQ(read, longValue.substr(0, IniFile::kMaxValueLength));
}

TEST(IniFile, FirstOfDuplicateKeysWins) {
    TempDir dir;
    dir.write("a.ini", "[S]\nK=first\nk=second\n");
    EXPECT_EQ(IniFile(dir.file("a.ini")).ReadString("S", "K", ""), "first");
}

TEST(IniFile, WritesCreateFileSectionAndKeyAndKeepTheRest) {
    TempDir dir;
    IniFile ini(dir.file("new.ini"));
    ini.WriteString("Sect", "Key", "value one");
    ASSERT_TRUE(dir.exists("new.ini"));
    ini.WriteString("Sect", "Other", "");
    ini.WriteInteger("Second", "Size", -12);
    ini.WriteString("SECT", "KEY", "<replaced>");  // the existing key, found without case

    EXPECT_EQ(ini.ReadString("Sect", "Key", "dflt"), "<replaced>");
    EXPECT_EQ(ini.ReadString("Sect", "Other", "dflt"), "");
    EXPECT_EQ(ini.ReadInteger("Second", "Size", 0), -12);
    EXPECT_THAT(dir.read("new.ini"), testing::Not(testing::HasSubstr("value one")));
}

TEST(IniFile, EraseSectionRemovesOnlyThatSection) {
    TempDir dir;
    dir.write("a.ini", "[Keep]\nA=1\n[Drop]\nB=2\nC=3\n[Also]\nD=4\n");
    IniFile ini(dir.file("a.ini"));
    ini.EraseSection("drop");
    EXPECT_EQ(ini.ReadString("Drop", "B", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("Drop", "C", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("Keep", "A", ""), "1");
    EXPECT_EQ(ini.ReadString("Also", "D", ""), "4");
}

TEST(IniFile, FailedWriteNamesTheFile) {
    TempDir dir;
    const std::string path = dir.file("no-such-folder/a.ini");
    IniFile ini(path);
    try {
        ini.WriteString("S", "K", "v");
        FAIL() << "the write should fail";
    } catch (const platform::IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_THROW(ini.WriteInteger("S", "K", 1), platform::IniWriteError);
}

TEST(IniFile, IntegersAreDecimalOrHexadecimal) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"10", 10},           {"0", 0},          {"-5", -5},       {"+7", 7},
        {"0x0A", 10},         {"0X1f", 31},      {"$ff", 255},     {"-$10", -16},
        {"2147483647", 2147483647},              {"-2147483648", -2147483647 - 1},
        {"0x7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},            {"0x80000000", std::nullopt},
        {"", std::nullopt},   {"abc", std::nullopt}, {"12abc", std::nullopt}, {"1.5", std::nullopt},
        {"0x", std::nullopt}, {"$", std::nullopt},   {"-", std::nullopt},     {"--1", std::nullopt},
        {"+-1", std::nullopt}, {"0x-1", std::nullopt}, {"<10>", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ParseIniInteger(c.text), c.value) << "text: \"" << c.text << '"';
    }

    TempDir dir;
    dir.write("a.ini", "[S]\nHex=0x0A\nWord=ten\n");
    IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.ReadInteger("S", "Hex", 0), 10);
    EXPECT_EQ(ini.ReadInteger("S", "Word", -1), -1);
}

}  // namespace
