// Files written to take a target's place: the target changes only when a
// complete file is put in place, and no temporary file is ever left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TempDir.h"
#include "platform/ConfinedFolder.h"
#include "platform/FileAttributes.h"
#include "platform/FileCopy.h"
#include "platform/TemporaryName.h"

namespace {

namespace fs = std::filesystem;
using platform::CreateOutcome;
using platform::Placement;
using testsupport::TempDir;
using Names = std::vector<std::string>;

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

bool IsReadOnly(const std::string& path) {
    return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

TEST(TemporaryName, TakenNamesAreSkippedAndAFailureEndsTheAttempts) {
    std::vector<std::string> tried;
    auto created = platform::CreateUnderTemporaryName([&](const std::string& name) {
        tried.push_back(name);
        return tried.size() < 3 ? CreateOutcome::NameTaken : CreateOutcome::Created;
    });
    ASSERT_TRUE(created);
    ASSERT_EQ(tried.size(), 3u);
    EXPECT_EQ(*created, tried.back());
    EXPECT_EQ(std::set<std::string>(tried.begin(), tried.end()).size(), 3u);
    for (const auto& name : tried) {
        EXPECT_TRUE(platform::IsTemporaryName(name)) << name;
        EXPECT_EQ(name.find_first_of("/\\:"), std::string::npos) << name;
    }

    int calls = 0;
    EXPECT_FALSE(platform::CreateUnderTemporaryName([&](const std::string&) {
        ++calls;
        return CreateOutcome::Failed;
    }));
    EXPECT_EQ(calls, 1);
    calls = 0;
    EXPECT_FALSE(platform::CreateUnderTemporaryName([&](const std::string&) {
        ++calls;
        return CreateOutcome::NameTaken;
    }));
    EXPECT_GT(calls, 1);
    EXPECT_FALSE(platform::IsTemporaryName("a.txt"));
}

// One output file written over (or beside) an earlier file, then finished as
// told or dropped unfinished.
struct OutputCase {
    const char* name;
    bool targetThere;
    enum { Replace, Keep, Drop } end;
    const char* expected;  // the target's content afterwards; nullptr for none
};

class OutputFileEnds : public testing::TestWithParam<OutputCase> {};

TEST_P(OutputFileEnds, TheTargetChangesOnlyWhenACompleteFileIsPutInPlace) {
    const OutputCase& c = GetParam();
    TempDir dir;
    if (c.targetThere) dir.write("t.txt", "old");
    platform::TargetError error;
    auto folder = platform::ConfinedFolder::Open(dir.path().string(), {}, false, error);
    ASSERT_TRUE(folder);
    {
        auto file = folder->CreateOutputFile("t.txt", error);
        ASSERT_TRUE(file) << static_cast<int>(error);
        EXPECT_EQ(file->Path(), dir.file("t.txt"));
        ASSERT_TRUE(file->Write("new data", 8));
        // Written, not yet finished: what was there is untouched.
        if (c.targetThere) {
            EXPECT_EQ(dir.read("t.txt"), "old");
        } else {
            EXPECT_FALSE(dir.exists("t.txt"));
        }
        if (c.end != OutputCase::Drop) {
            const Placement placement = c.end == OutputCase::Replace ? Placement::ReplaceExisting
                                                                     : Placement::KeepExisting;
            EXPECT_TRUE(file->Finish(std::nullopt, {}, placement));
        }
    }
    if (c.expected) {
        EXPECT_EQ(dir.read("t.txt"), c.expected);
        EXPECT_EQ(dir.names(), Names{"t.txt"});
    } else {
        EXPECT_EQ(dir.names(), Names{});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputFileEnds,
                         testing::Values(OutputCase{"ReplacesAFile", true, OutputCase::Replace, "new data"},
                                         OutputCase{"ReplacesNothing", false, OutputCase::Replace, "new data"},
                                         OutputCase{"KeepsAFile", true, OutputCase::Keep, "old"},
                                         OutputCase{"KeepsNothing", false, OutputCase::Keep, "new data"},
                                         OutputCase{"DroppedOverAFile", true, OutputCase::Drop, "old"},
                                         OutputCase{"DroppedOverNothing", false, OutputCase::Drop, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutputFile, AReadOnlyTargetIsRefusedAndAReadOnlyResultReplacesAFile) {
    TempDir dir;
    dir.write("ro.txt", "kept");
    MakeReadOnly(dir.file("ro.txt"));
    dir.write("rw.txt", "old");
    platform::TargetError error;
    auto folder = platform::ConfinedFolder::Open(dir.path().string(), {}, false, error);
    ASSERT_TRUE(folder);
    EXPECT_FALSE(folder->CreateOutputFile("ro.txt", error));
    EXPECT_EQ(error, platform::TargetError::CannotCreateFile);
    EXPECT_EQ(dir.read("ro.txt"), "kept");

    auto file = folder->CreateOutputFile("rw.txt", error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write("new", 3));
    platform::StoredAttributes readOnly;
    readOnly.dosAttributes = 0x01;
    readOnly.unixMode = 0444;
    EXPECT_TRUE(file->Finish(std::nullopt, readOnly));
    EXPECT_EQ(dir.read("rw.txt"), "new");
    EXPECT_TRUE(IsReadOnly(dir.file("rw.txt")));
    EXPECT_EQ(dir.names(), (Names{"ro.txt", "rw.txt"}));
}

TEST(FileCopyReplacement, AReadOnlySourceReplacesAWritableTargetAndLeavesNothingElse) {
    TempDir dir;
    dir.write("src", "new");
    MakeReadOnly(dir.file("src"));
    dir.write("dst", "old content");
    std::int32_t cancel = 0;
    ASSERT_TRUE(platform::CopyFileWithCancel(dir.file("src"), dir.file("dst"), &cancel));
    EXPECT_EQ(dir.read("dst"), "new");
    EXPECT_TRUE(IsReadOnly(dir.file("dst")));
    EXPECT_EQ(dir.names(), (Names{"dst", "src"}));
    // Now the target is read-only itself: refused, and it stays.
    dir.write("src2", "newer");
    EXPECT_FALSE(platform::CopyFileWithCancel(dir.file("src2"), dir.file("dst"), &cancel));
    EXPECT_EQ(dir.read("dst"), "new");
    EXPECT_EQ(dir.names(), (Names{"dst", "src", "src2"}));
}

TEST(Replacement, HiddenAndSystemTargetsAreReplacedByBothWriters) {
    TempDir dir;
    dir.write("src", "copied");
    for (const char* name : {"by-copy", "by-output"}) {
        dir.write(name, "old");
        ASSERT_TRUE(platform::MarkHiddenAndSystem(dir.file(name)));
    }
    std::int32_t cancel = 0;
    EXPECT_TRUE(platform::CopyFileWithCancel(dir.file("src"), dir.file("by-copy"), &cancel));
    platform::TargetError error;
    auto folder = platform::ConfinedFolder::Open(dir.path().string(), {}, false, error);
    ASSERT_TRUE(folder);
    auto file = folder->CreateOutputFile("by-output", error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write("written", 7));
    EXPECT_TRUE(file->Finish(std::nullopt, {}));
    EXPECT_EQ(dir.read("by-copy"), "copied");
    EXPECT_EQ(dir.read("by-output"), "written");
    EXPECT_EQ(dir.names(), (Names{"by-copy", "by-output", "src"}));
}

}  // namespace
