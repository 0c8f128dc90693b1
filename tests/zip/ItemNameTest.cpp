// The name canonicaliser: every family of hostile names, under both rule sets.
#include "restoration/zip/ItemName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using zip::CanonicalItemPath;
using zip::NameProblem;
using zip::NameRules;

struct RefusedCase {
    const char* name;
    NameProblem posix;    // None: accepted under POSIX rules
    NameProblem windows;
};

class RefusedNames : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedNames, AreRefusedForTheRightReason) {
    const RefusedCase& c = GetParam();
    for (auto [rules, expected] : {std::pair{NameRules::Posix, c.posix}, std::pair{NameRules::Windows, c.windows}}) {
        NameProblem problem = NameProblem::None;
        const auto path = CanonicalItemPath(c.name, rules, &problem);
        EXPECT_EQ(problem, expected) << c.name << (rules == NameRules::Posix ? " (POSIX)" : " (Windows)");
        EXPECT_EQ(path.has_value(), expected == NameProblem::None) << c.name;
    }
}

constexpr NameProblem kOk = NameProblem::None;

INSTANTIATE_TEST_SUITE_P(
    Families, RefusedNames,
    testing::Values(
        RefusedCase{"", NameProblem::Empty, NameProblem::Empty},
        RefusedCase{".", NameProblem::Empty, NameProblem::Empty},
        RefusedCase{"../evil.txt", NameProblem::ParentReference, NameProblem::ParentReference},
        RefusedCase{"a/../../evil.txt", NameProblem::ParentReference, NameProblem::ParentReference},
        RefusedCase{"a/..", NameProblem::ParentReference, NameProblem::ParentReference},
        RefusedCase{"a\\..\\..\\evil.txt", NameProblem::ParentReference, NameProblem::ParentReference},
        RefusedCase{"/etc/passwd", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"\\Windows\\x.dll", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"//server/share/x", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"\\\\server\\share\\x", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"\\\\?\\C:\\x", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"\\\\.\\PhysicalDrive0", NameProblem::Absolute, NameProblem::Absolute},
        RefusedCase{"C:x.txt", NameProblem::DriveLetter, NameProblem::DriveLetter},
        RefusedCase{"c:/x.txt", NameProblem::DriveLetter, NameProblem::DriveLetter},
        RefusedCase{"a/b\\c.txt", NameProblem::MixedSeparators, NameProblem::MixedSeparators},
        RefusedCase{"a\\b/../../c", NameProblem::MixedSeparators, NameProblem::MixedSeparators},
        RefusedCase{"file.txt:stream", kOk, NameProblem::StreamOrColon},
        RefusedCase{"dir/file.txt::$DATA", kOk, NameProblem::StreamOrColon},
        RefusedCase{"a/C:/x", kOk, NameProblem::StreamOrColon},
        RefusedCase{"CON", kOk, NameProblem::ReservedName},
        RefusedCase{"dir/nul.txt", kOk, NameProblem::ReservedName},
        RefusedCase{"Com1.log", kOk, NameProblem::ReservedName},
        RefusedCase{"lpt9", kOk, NameProblem::ReservedName},
        RefusedCase{"CONOUT$", kOk, NameProblem::ReservedName},
        RefusedCase{"aux .txt", kOk, NameProblem::ReservedName},
        RefusedCase{"dir./x", kOk, NameProblem::TrailingDotOrSpace},
        RefusedCase{"... /x", kOk, NameProblem::TrailingDotOrSpace},
        RefusedCase{"x.. ", kOk, NameProblem::TrailingDotOrSpace},
        RefusedCase{"what?.txt", kOk, NameProblem::BadCharacter},
        RefusedCase{"a\x01" "b", kOk, NameProblem::BadCharacter},
        RefusedCase{"a|b", kOk, NameProblem::BadCharacter}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(RefusedNames, NulBytesAreRefusedEverywhere) {
    const std::string name("ok.txt\0/../../evil", 18);
    for (NameRules rules : {NameRules::Posix, NameRules::Windows}) {
        NameProblem problem = NameProblem::None;
        EXPECT_FALSE(CanonicalItemPath(name, rules, &problem));
        EXPECT_EQ(problem, NameProblem::BadCharacter);
    }
}

TEST(AcceptedNames, AreSplitIntoPlainLevels) {
    for (NameRules rules : {NameRules::Posix, NameRules::Windows}) {
        auto file = CanonicalItemPath("Docs/a/b.txt", rules);
        ASSERT_TRUE(file);
        EXPECT_THAT(file->folders, ElementsAre("Docs", "a"));
        EXPECT_EQ(file->file, "b.txt");

        auto backslashes = CanonicalItemPath("Docs\\a\\b.txt", rules);
        ASSERT_TRUE(backslashes);
        EXPECT_THAT(backslashes->folders, ElementsAre("Docs", "a"));

        auto folder = CanonicalItemPath("Docs/", rules);
        ASSERT_TRUE(folder);
        EXPECT_TRUE(folder->IsFolder());
        EXPECT_THAT(folder->folders, ElementsAre("Docs"));

        auto tidied = CanonicalItemPath("./a//./b/.", rules);
        ASSERT_TRUE(tidied);
        EXPECT_TRUE(tidied->IsFolder());
        EXPECT_THAT(tidied->folders, ElementsAre("a", "b"));

        // Dots inside names are ordinary characters.
        auto dots = CanonicalItemPath("..hidden/a..b/.profile", rules);
        ASSERT_TRUE(dots);
        EXPECT_THAT(dots->folders, ElementsAre("..hidden", "a..b"));
        EXPECT_EQ(dots->file, ".profile");

        EXPECT_TRUE(CanonicalItemPath("CONSOLE.txt", rules));
        EXPECT_TRUE(CanonicalItemPath("com10", rules));
    }
    EXPECT_EQ(CanonicalItemPath("...", NameRules::Posix)->file, "...");
    EXPECT_EQ(CanonicalItemPath("10:30 notes.txt", NameRules::Posix)->file, "10:30 notes.txt");
}

}  // namespace
