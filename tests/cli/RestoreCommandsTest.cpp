// locate, list, restore and scan, run in-process on small backups.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestSupport.h"
#include "IndexFileWriter.h"
#include "TempDir.h"
#include "ZipWriter.h"

namespace {

namespace fs = std::filesystem;
using clitest::RunCli;
using testsupport::kSep;
using testsupport::Sep;
using testsupport::TempDir;

// A JSON string literal of a plain ASCII text (paths of the temporary folder).
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

class Commands : public ::testing::Test {
protected:
    // Index "Docs" in the temporary folder; with stamped, its data is expected
    // at "Docs 2005-03-01_09-30" + ".zip" or a separator.
    std::string Index(bool compressed, bool stamped = false) {
        dir.write("Docs.lxi", indexwriter::BinaryIndex(indexwriter::DocsIndex(compressed, stamped)).bytes());
        return dir.file("Docs.lxi");
    }

    TempDir dir;
};

TEST_F(Commands, LocateShowsTheExpectedPlaceAndTheVersionsInSearchOrder) {
    const std::string index = Index(true, true);
    dir.write("Docs 2005-02-30_10-00.zip", "");
    dir.write("Docs.zip", "");
    const auto outcome = RunCli({"locate", "--json", index});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "{\n  \"expected\": " + Quoted(dir.file("Docs 2005-03-01_09-30.zip")) +
                               ",\n  \"exists\": false,\n  \"versions\": [\n"
                               "    {\n      \"location\": \"Docs.zip\",\n      \"date\": \"Unknown\",\n"
                               "      \"current\": false\n    },\n"
                               "    {\n      \"location\": \"Docs 2005-02-30_10-00.zip\",\n"
                               "      \"date\": \"Unknown\",\n      \"current\": false\n    }\n  ]\n}\n");
}

// The data at its place comes first, once, and every other version found
// stays listed and can be picked.
TEST_F(Commands, LocateListsTheCurrentDataFirstAndTheOthersAfterIt) {
    const std::string index = Index(true, true);
    ziptest::ZipWriter().Add("new.txt", "new").WriteTo(dir.file("Docs 2005-03-01_09-30.zip"));
    ziptest::ZipWriter().Add("old.txt", "old").WriteTo(dir.file("Docs.zip"));

    auto outcome = RunCli({"locate", index});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "expected: " + dir.file("Docs 2005-03-01_09-30.zip") + "  (exists)\n" +
                               "versions found in " + dir.folder() +
                               ", the current data first, then in search order:\n"
                               "  1. Docs 2005-03-01_09-30.zip    (current)\n"
                               "  2. Docs.zip    Unknown\n");
    EXPECT_NE(RunCli({"locate", "--json", index}).out.find("\"date\": \"Unknown\",\n      \"current\": true\n"),
              std::string::npos);

    const std::vector<std::pair<std::vector<std::string>, std::string>> picks = {
        {{"list", "--json", index}, "new.txt"},
        {{"list", "--json", "--version", "1", index}, "new.txt"},
        {{"list", "--json", "--version", "2", index}, "old.txt"},
    };
    for (const auto& [arguments, element] : picks) {
        outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_NE(outcome.out.find("\"name\": \"" + element + "\""), std::string::npos) << outcome.out;
    }
    EXPECT_EQ(RunCli({"list", "--version", "3", index}).status, 2);

    outcome = RunCli({"restore", "--version", "2", "--to", dir.file("out"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(dir.read("out/old.txt"), "old");
    EXPECT_FALSE(fs::exists(dir.file("out/new.txt")));
}

TEST_F(Commands, ListNeedsAVersionWhenTheDataIsNotAtItsPlace) {
    const std::string index = Index(false, true);
    dir.write("Docs/b.txt", "b");
    dir.write("Docs/Sub/c.txt", "c");
    ziptest::ZipWriter().Add("z.txt", "z").WriteTo(dir.file("Docs.zip"));

    auto outcome = RunCli({"list", index});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(outcome.out.find("1. Docs.zip"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("2. " + Sep("Docs/")), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.err.find("--version N"), std::string::npos);

    outcome = RunCli({"list", "--json", "--version", "2", index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.find("{\n  \"archive\": " + Quoted(dir.file("Docs/")) +
                               ",\n  \"elements\": [\n    {\n      \"name\": " + Quoted(Sep("Sub/")) +
                               ",\n      \"destination\": "),  // the user's documents folder follows
              0u)
        << outcome.out;
    EXPECT_NE(outcome.out.find("\"name\": \"b.txt\""), std::string::npos);

    EXPECT_EQ(RunCli({"list", "--version", "3", index}).status, 2);
    EXPECT_EQ(RunCli({"list", "--version", "x", index}).status, 2);
}

// Every item, as archive tools list them: a ZIP archive's details in columns,
// a folder copy's files and folders below the elements too.
TEST_F(Commands, ListFilesShowsEveryItemWithItsSizeAndDate) {
    std::string index = Index(true);
    ziptest::ZipWriter().Add("Docs/", "").Add("Docs/a.txt", std::string(300, 'a'), 8).Add("b\nc.txt", "bc")
        .WriteTo(dir.file("Docs.zip"));
    auto outcome = RunCli({"list", "--files", index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    const std::string lines = outcome.out.substr(outcome.out.find('\n') + 1);
    EXPECT_EQ(lines.substr(0, lines.find("         300  ")),
              "        Size    Compressed  Method      Modified          Name\n"
              "    <folder>                Stored      2024-06-15 13:45  " + Sep("Docs/") + "\n")
        << lines;
    EXPECT_NE(lines.find("  Deflated    2024-06-15 13:45  " + Sep("Docs/a.txt") + "\n"
                         "           2             2  Stored      2024-06-15 13:45  b\\x0ac.txt\n"
                         "2 files, 302 bytes ("),
              std::string::npos)
        << lines;

    outcome = RunCli({"list", "--files", "--json", index});
    EXPECT_NE(outcome.out.find("\"name\": \"b\\nc.txt\",\n      \"kind\": \"file\",\n      \"size\": 2,\n"
                               "      \"modified\": \"2024-06-15T13:45:20\",\n      \"method\": \"Stored\",\n"
                               "      \"method_code\": 0,\n      \"compressed_size\": 2,\n"
                               "      \"crc32\": "),
              std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("\"files\": 2,\n  \"bytes\": 302,\n  \"unread_folders\": []\n}"),
              std::string::npos);

    fs::remove(dir.file("Docs.zip"));
    index = Index(false);
    dir.write("Docs/Sub/deep.txt", "deep");
    dir.write("Docs/top.txt", "t");
    outcome = RunCli({"list", "--files", index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> rows = {"        Size  Modified          Name\n",
                                           "    <folder>  ", "  " + Sep("Sub/") + "\n",
                                           "           4  ", "  " + Sep("Sub/deep.txt") + "\n",
                                           "           1  ", "  top.txt\n", "2 files, 5 bytes\n"};
    std::size_t at = 0;
    for (const std::string& row : rows) {
        at = outcome.out.find(row, at);
        ASSERT_NE(at, std::string::npos) << row << " in\n" << outcome.out;
    }
}

TEST_F(Commands, OpenErrorsExit3WithTheWindowsMessage) {
    auto outcome = RunCli({"restore", "--json", dir.file("none.lxi")});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.out,
              "{\n  \"error\": {\n    \"code\": -101,\n    \"caption\": \"Error\",\n"
              "    \"text\": \"Archive index file does not exist.\",\n    \"path\": " + Quoted(dir.file("none.lxi")) +
                  "\n  }\n}\n");
    outcome = RunCli({"locate", dir.file("none.lxi")});
    EXPECT_EQ(outcome.err, "Error: " + dir.file("none.lxi") + ": Archive index file does not exist.\n");

    const std::string index = Index(true);
    outcome = RunCli({"restore", index});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err, "No data to restore: No appropriate archive files or folders found for " + index + ".\n");

    dir.mkdir("Docs.zip");  // expected place exists but holds no archive
    outcome = RunCli({"list", index});
    EXPECT_EQ(outcome.status, 3);
}

TEST_F(Commands, RestorePrintsTheFinalLogAndExitsByOutcome) {
    const std::string index = Index(false);
    dir.write("Docs/Sub/a.txt", "a");
    dir.write("Docs/b.txt", "b");
    dir.write("Docs/c.txt", "c");
    dir.mkdir("one");
    dir.mkdir("two");

    auto outcome = RunCli({"restore", "--to", dir.file("one"), "--dest", "b.txt=" + dir.file("two"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Operation completed successfully.\n");
    EXPECT_EQ(outcome.err, "extractor-cli: restored 3 files, 3 bytes to " + dir.file("one/") + ", " +
                               dir.file("two/") + "; 0 items failed\n");
    EXPECT_EQ(dir.read("one/Sub/a.txt"), "a");
    EXPECT_EQ(dir.read("two/b.txt"), "b");
    EXPECT_EQ(dir.read("one/c.txt"), "c");
    EXPECT_FALSE(dir.exists("one/b.txt"));

    // A folder where a file goes: one failure line with its reason, exit 1.
    dir.mkdir("three/c.txt");
    outcome = RunCli({"restore", "--to", dir.file("three/"), index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "*** " + dir.file("Docs/c.txt") + " -- FAILED!\nOperation completed. There were errors.\n");
    EXPECT_EQ(outcome.err, "extractor-cli: " + dir.file("Docs/c.txt") + ": a folder stands where the file goes\n" +
                               "extractor-cli: restored 2 files, 2 bytes to " + dir.file("three/") +
                               "; 1 item failed\n");
    outcome = RunCli({"restore", "--json", "--to", dir.file("three/"), index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "{\n  \"result\": 0,\n  \"log\": [\n    " + Quoted("*** " + dir.file("Docs/c.txt") + " -- FAILED!") +
                               ",\n    \"Operation completed. There were errors.\"\n  ],\n  \"restored_files\": 2,\n"
                               "  \"restored_bytes\": 2,\n  \"failed\": [\n    {\n      \"name\": " +
                               Quoted(dir.file("Docs/c.txt")) +
                               ",\n      \"reason\": \"a folder stands where the file goes\"\n    }\n  ]\n}\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(Commands, RestoreClearsFolderDestinationsWhenAsked) {
    const std::string index = Index(false);
    dir.write("Docs/Sub/new.txt", "new");
    dir.write("out/Sub/old.txt", "old");
    EXPECT_EQ(RunCli({"restore", "--to", dir.file("out"), index}).status, 0);
    EXPECT_TRUE(dir.exists("out/Sub/old.txt"));
    EXPECT_EQ(RunCli({"restore", "--clear-folders", "--to", dir.file("out"), index}).status, 0);
    EXPECT_FALSE(dir.exists("out/Sub/old.txt"));
    EXPECT_EQ(dir.read("out/Sub/new.txt"), "new");
}

TEST_F(Commands, RestoreCreatesMissingFoldersAndRefusesFiles) {
    const std::string index = Index(true);
    ziptest::ZipWriter().Add("Docs/a.txt", "a").Add("b.txt", "b").WriteTo(dir.file("Docs.zip"));
    auto outcome = RunCli({"restore", "--to", dir.file("out/deep"), "--dest", "Docs=" + dir.file("in/x"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(dir.read("in/x/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("out/deep/b.txt"), "b");

    // A file where the folder should be: named, nothing restored.
    dir.write("plain", "p");
    outcome = RunCli({"restore", "--to", dir.file("plain"), index});
    EXPECT_EQ(outcome.status, 5);
    EXPECT_EQ(outcome.err, "Error: " + dir.file("plain") + kSep + ": exists and is not a folder\n");
    outcome = RunCli({"restore", "--json", "--dest", "b.txt=" + dir.file("plain"), index});
    EXPECT_EQ(outcome.status, 5);
    EXPECT_EQ(outcome.out.find("{\n  \"error\": {\n    \"code\": null,"), 0u) << outcome.out;
    EXPECT_EQ(dir.read("plain"), "p");
}

TEST_F(Commands, ArgumentMistakesAreUsageErrorsThatWriteNothing) {
    const std::string index = Index(false);
    dir.write("Docs/b.txt", "b");
    const auto before = std::distance(fs::recursive_directory_iterator(dir.path()), {});
    const std::vector<std::vector<std::string>> mistakes = {
        {"restore", "--to", "", index},
        {"restore", "--dest", "b.txt=", index},
        {"restore", "--dest", "b.txt=" + dir.file("one"), "--dest", "b.txt=" + dir.file("two"), index},
        {"restore", "--nosuch", index},
        {"restore"},
        {"list", "--version", "x", index},
    };
    for (auto arguments : mistakes) {
        SCOPED_TRACE(arguments.size() > 2 ? arguments[2] : arguments[0]);
        auto outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find("extractor-cli: "), 0u) << outcome.err;

        // With --json the same mistake is also one JSON object on standard output.
        arguments.insert(arguments.begin() + 1, "--json");
        outcome = RunCli(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out.find("{\n  \"error\": {\n    \"code\": null,\n    \"caption\": \"Usage error\",\n"),
                  0u)
            << outcome.out;
        EXPECT_EQ(outcome.out.back(), '\n');
    }
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), before);
}

TEST_F(Commands, ScanOfAMissingOrPlainFolderIsAnError) {
    dir.write("plain", "p");
    auto outcome = RunCli({"scan", dir.file("gone")});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err, "Error: " + dir.file("gone") + ": the folder does not exist\n");
    outcome = RunCli({"scan", "--json", dir.file("plain")});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(outcome.out.find(Quoted(dir.file("plain") + ": is not a folder")), std::string::npos) << outcome.out;
}

TEST_F(Commands, RestoreNamesWhatItCannotRestoreAndExits1) {
    // A ZIP backup whose items would leave the destination: each one is named.
    const std::string index = Index(true);
    ziptest::ZipWriter().Add("../evil.txt", "e").Add("/abs.txt", "a").Add("ok.txt", "ok").WriteTo(dir.file("Docs.zip"));
    dir.mkdir("out");
    const auto outcome = RunCli({"restore", "--to", dir.file("out"), index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "*** " + Sep("../evil.txt") + " -- FAILED!\n*** " + Sep("/abs.txt") +
                               " -- FAILED!\nOperation completed. There were errors.\n");
    const std::string refused = ": refused: the name leaves the destination folder\n";
    EXPECT_EQ(outcome.err, "extractor-cli: " + Sep("../evil.txt") + refused + "extractor-cli: " + Sep("/abs.txt") +
                               refused + "extractor-cli: restored 1 file, 2 bytes to " + dir.file("out/") +
                               "; 2 items failed\n");
    EXPECT_EQ(dir.read("out/ok.txt"), "ok");
    EXPECT_FALSE(dir.exists("evil.txt"));
}

TEST_F(Commands, ListAndRestoreWarnWhenTheArchiveLostItsDirectory) {
    const std::string index = Index(true);
    const std::string whole = ziptest::ZipWriter().Add("Docs/a.txt", "a", 8).Add("b.txt", "b").Bytes();
    dir.write("Docs.zip", whole.substr(0, whole.rfind(std::string("PK\x05\x06", 4))));
    dir.mkdir("out");
    const auto outcome = RunCli({"restore", "--json", "--to", dir.file("out"), index});
    EXPECT_EQ(outcome.status, 0);
    const std::string warning =
        "the central directory is missing or damaged; the items were read from their local headers";
    EXPECT_EQ(outcome.out, "{\n  \"result\": 0,\n  \"recovered\": true,\n  \"warning\": \"" + warning +
                               "\",\n  \"log\": [\n    \"Operation completed successfully.\"\n  ],\n"
                               "  \"restored_files\": 2,\n  \"restored_bytes\": 2,\n  \"failed\": []\n}\n");
    EXPECT_EQ(outcome.err, "extractor-cli: warning: " + dir.file("Docs.zip") + ": " + warning + "\n");
    EXPECT_EQ(dir.read("out/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("out/b.txt"), "b");

    const auto listed = RunCli({"list", "--json", index});
    EXPECT_EQ(listed.status, 0);
    EXPECT_NE(listed.out.find("\"recovered\": true"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\"name\": \"b.txt\""), std::string::npos) << listed.out;
    EXPECT_EQ(listed.err, outcome.err);
}

TEST_F(Commands, DestinationsMustNameAnElement) {
    const std::string index = Index(false);
    dir.write("Docs/a=b.txt", "ab");
    dir.mkdir("x=y");
    EXPECT_EQ(RunCli({"restore", "--dest", "nothing=" + dir.file("x"), index}).status, 2);
    EXPECT_EQ(RunCli({"restore", "--dest", "a.txt", index}).status, 2);
    // "=" inside the element's name and inside the folder.
    const auto outcome = RunCli({"restore", "--dest", "a=b.txt=" + dir.file("x=y"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(dir.read("x=y/a=b.txt"), "ab");
}

TEST_F(Commands, ScanFindsIndexesAsTheStartUpSearchDoes) {
    dir.write("b.lxi", "");
    dir.write("sub/a.lxi", "");
    dir.write("sub/deeper/c.lxi", "");
    const auto outcome = RunCli({"scan", dir.folder()});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, dir.file("b.lxi") + "\n" + dir.file("sub/a.lxi") + "\n");
}

}  // namespace

namespace {

TEST_F(Commands, OnlyRestoresTheNamedElements) {
    const std::string index = Index(false);
    dir.write("Docs/Sub/a.txt", "a");
    dir.write("Docs/b.txt", "b");
    dir.write("Docs/c.txt", "c");
    auto outcome = RunCli({"restore", "--to", dir.file("out"), "--only", "Sub", "--only", "c.txt", index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(dir.read("out/Sub/a.txt"), "a");
    EXPECT_EQ(dir.read("out/c.txt"), "c");
    EXPECT_FALSE(dir.exists("out/b.txt"));
    EXPECT_EQ(RunCli({"restore", "--to", dir.file("out"), "--only", "nothing", index}).status, 2);
}

TEST_F(Commands, DryRunWritesNothingAndTellsWhatWouldBeDone) {
    std::string index = Index(false);
    dir.write("Docs/Sub/a.txt", "a");
    dir.write("Docs/b.txt", "b");
    dir.write("out/b.txt", "old");
    dir.write("out/Sub/stale.txt", "s");
    const auto before = std::distance(fs::recursive_directory_iterator(dir.path()), {});
    auto outcome = RunCli({"restore", "--dry-run", "--clear-folders", "--to", dir.file("out"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "delete " + dir.file("out/Sub/stale.txt") + "\ndelete " + dir.file("out/Sub") +
                               "\nwrite " + dir.file("out/Sub/a.txt") + "\nreplace " + dir.file("out/b.txt") + "\n");
    // A missing destination is not made either.
    outcome = RunCli({"restore", "--dry-run", "--json", "--to", dir.file("new/deep"), index});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.find("{\n  \"write\": [\n    " + Quoted(dir.file("new/deep/Sub/a.txt"))), 0u) << outcome.out;
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir.path()), {}), before);
    EXPECT_EQ(dir.read("out/b.txt"), "old");

    // A ZIP backup: a refused name is told as a failure, exit 1.
    index = Index(true);
    ziptest::ZipWriter().Add("../evil.txt", "e").Add("ok.txt", "ok").WriteTo(dir.file("Docs.zip"));
    outcome = RunCli({"restore", "--dry-run", "--to", dir.file("zip"), index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "write " + dir.file("zip/ok.txt") + "\nfail " + Sep("../evil.txt") +
                               ": refused: the name leaves the destination folder\n");
    EXPECT_FALSE(dir.exists("zip"));
}

}  // namespace

namespace {

#ifndef _WIN32  // Windows names hold no control characters
TEST_F(Commands, ControlCharactersInNamesAreShownEscaped) {
    const std::string index = Index(false);
    dir.write("Docs/a\tb\n.txt", "ab");
    dir.mkdir("out/a\tb\n.txt");  // a folder in the way: a failure line naming the file
    auto outcome = RunCli({"list", index});
    EXPECT_NE(outcome.out.find("  a\\x09b\\x0a.txt  ->  "), std::string::npos) << outcome.out;
    outcome = RunCli({"restore", "--to", dir.file("out"), index});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.find("*** " + dir.file("Docs/a\\x09b\\x0a.txt -- FAILED!\n")), 0u) << outcome.out;
    EXPECT_EQ(outcome.err.find("extractor-cli: " + dir.file("Docs/a\\x09b\\x0a.txt: ")), 0u) << outcome.err;
}
#endif

}  // namespace
