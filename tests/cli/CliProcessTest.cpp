// The built program, run as a process: exit statuses and the two output streams.
#include <gtest/gtest.h>

#include "CliTestSupport.h"
#include "IndexFileWriter.h"
#include "RunProgram.h"
#include "TempDir.h"

namespace {

using testsupport::TempDir;

// Windows writes text-mode line ends; compare with plain line feeds.
std::string Unix(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

testsupport::ProgramResult Cli(const std::vector<std::string>& arguments) {
    auto result = testsupport::RunProgram(EXTRACTOR_CLI_PATH, arguments);
    result.out = Unix(result.out);
    result.err = Unix(result.err);
    return result;
}

TEST(CliProcess, PrintsAnIndexInBothForms) {
    TempDir dir;
    indexwriter::IndexContents contents;
    contents.elements = {{"C:\\Docs\\", false, {"*.tmp"}}};
    dir.write("index.lxi", indexwriter::BinaryIndex(contents).bytes());
    for (const char* json : {"--json", ""}) {
        std::vector<std::string> arguments = {"info", dir.file("index.lxi")};
        if (*json) arguments.insert(arguments.begin() + 1, json);
        const auto result = Cli(arguments);
        const auto expected = clitest::RunCli(arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, expected.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST(CliProcess, ReaderFailuresExit3WithTheMessageOnTheRightStream) {
    TempDir dir;
    dir.write("index.lxi", "LXB");
    auto result = Cli({"info", dir.file("index.lxi")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Wrong file format: " + dir.file("index.lxi") + " is either wrong or corruted file.\n");

    result = Cli({"info", "--json", dir.file("index.lxi")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, clitest::RunCli({"info", "--json", dir.file("index.lxi")}).out);
    EXPECT_NE(result.out.find("\"code\": -3"), std::string::npos) << result.out;

    dir.write("date.lxi", "<Lumavex_backup_index_record type=\"backup\" last_update=\"soon\"/>");
    result = Cli({"info", dir.file("date.lxi")});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "Error: 'soon' is not a valid date and time\n");
}

TEST(CliProcess, UsageMistakesExit2) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{{}, {"info"}, {"restore-everything"}}) {
        const auto result = Cli(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: extractor-cli"), std::string::npos) << result.err;
    }
}

}  // namespace
