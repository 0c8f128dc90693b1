// Hostile archives: no item is ever written outside its base directory, and
// never through a symbolic link or junction of the archive or the destination.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "ZipTestSupport.h"

namespace {

namespace fs = std::filesystem;
using ziptest::Entry;
using ziptest::UnZipperFixture;
using ziptest::ZipWriter;

// Everything below root, as relative paths with "/".
std::vector<std::string> Listing(const fs::path& root) {
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        names.push_back(fs::relative(it->path(), root).generic_string());
        if (it->is_symlink()) it.disable_recursion_pending();
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct HostileCase {
    const char* family;
    std::string name;
    bool refusedOnPosix;  // some names are harmless plain names there
};

class HostileNames : public testing::TestWithParam<HostileCase>, public UnZipperFixture {};

// The base is out/inner/base; the name tries to reach out/escaped.txt (or
// further), so anything but the refusal writes outside the base.
TEST_P(HostileNames, AreNotWrittenAndTheExtractionGoesOn) {
    const HostileCase& c = GetParam();
    const bool refused = c.refusedOnPosix || ziptest::OnWindows();
    temp.mkdir("out/inner/base");
    std::string name = c.name;
    const std::string absolute = temp.file("out/escaped.txt");
    if (name == "ABSOLUTE") name = absolute;  // "/tmp/.../escaped.txt" or "C:\...\escaped.txt"
    ZipWriter zip;
    zip.Add(name, "evil").Add("fine.txt", "fine");
    Open(zip);
    zipper.SetBaseDirectory(temp.file("out/inner/base"));
    zipper.ExtractTaggedItems();

    const auto* failure = FailureOf(zipper.GetItem(0).FileName());
    if (!refused) {
        EXPECT_EQ(failure, nullptr);
    } else {
        ASSERT_NE(failure, nullptr);
        EXPECT_EQ(failure->errorClass, TErrorClass::ecOther);
        EXPECT_EQ(failure->value, zecUnsafeName);
    }
    EXPECT_EQ(temp.read("out/inner/base/fine.txt"), "fine");
    EXPECT_FALSE(fs::exists(absolute));
    // Nothing beside the base at any level above it.
    for (const std::string& entry : Listing(temp.file("out")))
        EXPECT_TRUE(entry.rfind("inner/base", 0) == 0 || entry == "inner") << entry;
    if (refused) {
        EXPECT_THAT(Listing(temp.file("out/inner/base")), testing::ElementsAre("fine.txt"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, HostileNames,
    testing::Values(HostileCase{"ParentLevels", "../../escaped.txt", true},
                    HostileCase{"ParentLevelsInside", "a/../../../escaped.txt", true},
                    HostileCase{"ParentLevelsBackslash", "a\\..\\..\\..\\escaped.txt", true},
                    HostileCase{"AbsolutePath", "ABSOLUTE", true},
                    HostileCase{"RootSlash", "/escaped.txt", true},
                    HostileCase{"RootBackslash", "\\escaped.txt", true},
                    HostileCase{"DriveLetter", "C:escaped.txt", true},
                    HostileCase{"UncPath", "\\\\server\\share\\escaped.txt", true},
                    HostileCase{"DevicePath", "\\\\?\\C:\\escaped.txt", true},
                    HostileCase{"MixedSeparators", "a/..\\..\\..\\escaped.txt", true},
                    HostileCase{"AlternateDataStream", "fine.txt:hidden", false},
                    HostileCase{"DeviceName", "NUL.txt", false}),
    [](const auto& info) { return std::string(info.param.family); });

// Links are made by the test; where the system refuses (Windows without the
// right to create them), the case is skipped.
bool MakeLink(const fs::path& target, const fs::path& link, bool folder) {
    std::error_code error;
    if (folder)
        fs::create_directory_symlink(target, link, error);
    else
        fs::create_symlink(target, link, error);
    return !error;
}

class Links : public testing::Test, public UnZipperFixture {
protected:
    void SetUp() override {
        temp.mkdir("outside");
        temp.write("outside/victim.txt", "untouched");
    }
    void ExpectOutsideUntouched() {
        EXPECT_THAT(Listing(temp.file("outside")), testing::ElementsAre("victim.txt"));
        EXPECT_EQ(temp.read("outside/victim.txt"), "untouched");
    }
    void ExpectRefusedAsLink(const std::string& item) {
        const auto* failure = FailureOf(item);
        ASSERT_NE(failure, nullptr) << item;
        EXPECT_EQ(failure->value, zecLinkInPath) << item;
    }
};

TEST_F(Links, FolderLinksInTheDestinationAreNotFollowed) {
    temp.mkdir("out/a");
    if (!MakeLink(temp.file("outside"), temp.file("out/link"), true) ||
        !MakeLink(temp.file("outside"), temp.file("out/a/deep"), true))
        ZIPTEST_SKIP("cannot create symbolic links here");
    Open(ZipWriter().Add("link/x.txt", "x").Add("a/deep/b/c.txt", "c").Add("link/", "").Add("ok.txt", "ok"));
    Extract();
    ExpectRefusedAsLink("link/x.txt");
    ExpectRefusedAsLink("a/deep/b/c.txt");
    ExpectRefusedAsLink("link/");
    EXPECT_EQ(temp.read("out/ok.txt"), "ok");
    ExpectOutsideUntouched();
}

TEST_F(Links, FileLinksInTheDestinationAreNotWrittenThrough) {
    if (!MakeLink(temp.file("outside/victim.txt"), temp.file("out/f.txt"), false))
        ZIPTEST_SKIP("cannot create symbolic links here");
    Open(ZipWriter().Add("f.txt", "overwritten?").Add("ok.txt", "ok"));
    Extract();
    ExpectRefusedAsLink("f.txt");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(temp.file("out/f.txt"))));
    ExpectOutsideUntouched();
}

TEST_F(Links, LinksStoredInTheArchiveBecomePlainFiles) {
    // A Unix symbolic link entry whose target leads outside, then an item
    // that would be written through it.
    Entry link;
    link.name = "ln";
    link.data = "../outside";
    link.host = ziptest::kHostUnix;
    link.externalAttributes = 0120777u << 16;
    Open(ZipWriter().Add(link).Add("ln/victim.txt", "through the link?"));
    Extract();
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(temp.file("out/ln"))));
    EXPECT_EQ(temp.read("out/ln"), "../outside");
    EXPECT_NE(FailureOf("ln/victim.txt"), nullptr);
    ExpectOutsideUntouched();
}

TEST_F(Links, ALinkAsTheBaseDirectoryItselfIsTheCallersChoice) {
    if (!MakeLink(temp.file("outside"), temp.file("chosen"), true)) ZIPTEST_SKIP("cannot create symbolic links here");
    Open(ZipWriter().Add("new.txt", "new"));
    zipper.SetBaseDirectory(temp.file("chosen"));
    zipper.ExtractTaggedItems();
    EXPECT_TRUE(Failed().empty());
    EXPECT_EQ(temp.read("outside/new.txt"), "new");
}

}  // namespace
