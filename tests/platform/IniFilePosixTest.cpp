// POSIX-only behaviour of the INI layer's adapter.
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace {

using platform::IniFile;
using testsupport::TempDir;

// The parser stops at a NUL byte; saving would drop the rest of the file.
TEST(IniFilePosix, FileWithNulByteIsNeverRewritten) {
    TempDir dir;
    using namespace std::string_literals;
    const std::string content = "[S]\nK=v\n\0[T]\nX=y\n"s;
    dir.write("a.ini", content);
    IniFile ini(dir.file("a.ini"));
    EXPECT_THROW(ini.WriteString("S", "New", "1"), platform::IniWriteError);
    EXPECT_THROW(ini.EraseSection("T"), platform::IniWriteError);
    EXPECT_EQ(dir.read("a.ini"), content);
}

TEST(IniFilePosix, WritesKeyEqualsValueLines) {
    TempDir dir;
    IniFile ini(dir.file("a.ini"));
    ini.WriteString("S", "K", "v");
    EXPECT_EQ(dir.read("a.ini"), "[S]\nK=v\n");
}

TEST(IniFilePosix, BareNameIsRelativeToTheWorkingFolder) {
    TempDir dir;
    dir.write("bare.ini", "[S]\nK=here\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const std::string read = IniFile("bare.ini").ReadString("S", "K", "");
    std::filesystem::current_path(previous);
    EXPECT_EQ(read, "here");
}

}  // namespace
