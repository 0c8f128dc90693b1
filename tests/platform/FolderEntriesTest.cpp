#include "platform/FolderEntries.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"

namespace {

using testsupport::TempDir;

std::vector<std::string> Names(const std::vector<platform::FolderEntry>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    return names;
}

// Patterns are written with "#" for "?", which keeps "??" trigraphs out of the source.
std::string Q(std::string pattern) {
    for (char& c : pattern) {
        if (c == '#') c = '?';
    }
    return pattern;
}

TEST(Wildcard, MatchesLikeTheSystemPatterns) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"Docs 2005-02-28_10-00.zip", "Docs ####-##-##_##-##.zip", true},
        {"docs 2005-02-28_10-00.ZIP", "Docs ####-##-##_##-##.zip", true},    // case-insensitive
        {"Docs 2005-02-28_10-0.zip", "Docs ####-##-##_##-##.zip", false},    // "?" is exactly one
        {"Docs 2005-02-28_10-000.zip", "Docs ####-##-##_##-##.zip", false},
        {"2005-02-28_10-00", "####-##-##_##-##", true},
        {"2005-02-28_10-0", "####-##-##_##-##", false},  // Windows' "?" may match nothing at the end; ours may not
        {"a.lxi", "*.lxi", true},
        {"A.LXI", "*.lxi", true},
        {"a.lxi2", "*.lxi", false},  // no short-name match
        {".lxi", "*.lxi", true},
        {"noext", "*.*", true},
        {"x.y.z", "*.z", true},
        {"abc", "a*b*c", true},
        {"abxc", "a*b*c", true},
        {"acb", "a*b*c", false},
        {"", "*", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::MatchesWildcard(c.name, Q(c.pattern)), c.matches) << c.name << " ~ " << c.pattern;
    }
}

TEST(FolderEntries, ListsMatchingEntriesWithHiddenOnesInNameOrder) {
    TempDir dir;
    dir.write("b.lxi", "");
    dir.write("A.lxi", "");
    dir.write(".hidden.lxi", "");
    dir.write("c.txt", "");
    dir.mkdir("d.lxi");
    const auto entries = platform::FindEntries(dir.file("*.lxi"));
    EXPECT_EQ(Names(entries), (std::vector<std::string>{".hidden.lxi", "A.lxi", "b.lxi", "d.lxi"}));
    EXPECT_FALSE(entries[1].isFolder);
    EXPECT_TRUE(entries[3].isFolder);

    const auto all = Names(platform::FindEntries(dir.file("*.*")));
    EXPECT_EQ(all.size(), 5u);  // never "." or ".."
}

TEST(FolderEntries, MissingFolderGivesNothing) {
    TempDir dir;
    EXPECT_TRUE(platform::FindEntries(dir.file("none/*.*")).empty());
}

TEST(FolderEntries, OrderFollowsUpperCasedNames) {
    // The order NTFS gives: "_" (0x5F) sorts after upper-case letters, so after
    // "b" folded to "B"; a digit sorts before letters.
    EXPECT_TRUE(platform::NameOrderLess("a", "B"));
    EXPECT_TRUE(platform::NameOrderLess("B", "_"));
    EXPECT_TRUE(platform::NameOrderLess("b", "_"));
    EXPECT_TRUE(platform::NameOrderLess("1", "a"));
    EXPECT_TRUE(platform::NameOrderLess("ab", "abc"));
    EXPECT_FALSE(platform::NameOrderLess("abc", "ABC") && platform::NameOrderLess("ABC", "abc"));
}

// Not built for Windows: Wine creates no symbolic links or junctions (its
// CreateSymbolicLinkA answers success and makes nothing), and GTEST_SKIP crashes
// the test process under the emulated Wine loader.
#ifndef _WIN32
TEST(FolderEntries, ReportsLinksAsLinks) {
    TempDir dir;
    dir.mkdir("target");
    std::error_code ec;
    std::filesystem::create_directory_symlink(dir.file("target"), dir.file("link"), ec);
    if (ec) GTEST_SKIP() << "no symbolic links here: " << ec.message();
    const auto entries = platform::FindEntries(dir.file("link"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].isLink);
    EXPECT_TRUE(entries[0].isFolder);
}
#endif

}  // namespace
