#include "platform/ProgramPath.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/Path.h"

namespace {

TEST(ProgramPath, TitleIsTheNameUpToItsFirstDotWithTheRestLowered) {
    const struct {
        const char* file;
        const char* title;
    } cases[] = {
        {"Extractor.exe", "Extractor"}, {"EXTRACTOR.EXE", "Extractor"}, {"extractor.exe", "extractor"},
        {"My.Tool.exe", "My"},          {"NoDot", "Nodot"},             {".hidden", ""},
        {"A\xC9" "B.exe", "A\xC9" "b"},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::ApplicationTitleOf(c.file), c.title) << c.file;
}

TEST(ProgramPath, NamesThisTestProgram) {
    const std::string path = platform::ProgramFilePath();
    EXPECT_THAT(platform::NameOf(path), testing::StartsWith("platform_tests"));
    EXPECT_EQ(platform::ProgramFolder(), platform::FolderOf(path));
    EXPECT_TRUE(platform::EndsWithSeparator(platform::ProgramFolder()));
    EXPECT_EQ(platform::ApplicationTitle(), "platform_tests");
}

}  // namespace
