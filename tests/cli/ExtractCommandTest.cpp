// "extractor-cli extract": exit statuses, failure lines, cancelling.
#include "ExtractCommand.h"

#include <gtest/gtest.h>

#include <sstream>

#include "JsonWriter.h"
#include "TempDir.h"
#include "platform/Path.h"
#include "ZipWriter.h"

namespace {

using ziptest::Entry;
using ziptest::ZipWriter;

struct Outcome {
    int status;
    std::string out, err;
};

class ExtractCommand : public testing::Test {
protected:
    Outcome Extract(const ZipWriter& zip, std::function<bool()> interrupted = [] { return false; }) {
        zip.WriteTo(temp.file("a.zip"));
        return ExtractFile(temp.file("a.zip"), std::move(interrupted));
    }
    Outcome ExtractFile(const std::string& archive, std::function<bool()> interrupted = [] { return false; },
                        bool json = false) {
        cli::ExtractRequest request;
        request.archive = archive;
        request.json = json;
        request.destination = temp.file("dest/sub");
        request.interrupted = std::move(interrupted);
        std::ostringstream out, err;
        const int status = cli::ExtractArchive(request, out, err);
        return {status, out.str(), err.str()};
    }
    testsupport::TempDir temp;
};

TEST_F(ExtractCommand, ExtractsEverythingIntoANewDestination) {
    const Outcome run = Extract(ZipWriter().Add("Docs/", "").Add("Docs/a.txt", "a", 8).Add("b.txt", "b"));
    EXPECT_EQ(run.status, cli::kExtractOk);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "extractor-cli: extracted 2 files, 2 bytes to " + temp.file("dest/sub") + "; 0 items failed\n");
    EXPECT_EQ(temp.read("dest/sub/Docs/a.txt"), "a");
    EXPECT_EQ(temp.read("dest/sub/b.txt"), "b");
}

// Cut inside its last item's data, the directory gone with it.
TEST_F(ExtractCommand, AnArchiveWithoutItsDirectoryIsReadWithAWarning) {
    const std::string whole = ZipWriter().Add("a.txt", "first", 8).Add("b.txt", std::string(500, 'b')).Bytes();
    temp.write("cut.zip", whole.substr(0, whole.find("b.txt") + 5 + 100));
    const Outcome run = ExtractFile(temp.file("cut.zip"));
    EXPECT_EQ(run.status, cli::kExtractItemsFailed);
    EXPECT_EQ(run.out, "*** b.txt -- FAILED!\n");
    EXPECT_EQ(run.err, "extractor-cli: warning: " + temp.file("cut.zip") +
                           ": the central directory is missing or damaged; the items were read from their local headers\n"
                           "extractor-cli: b.txt: damaged data\n"
                           "extractor-cli: extracted 1 file, 5 bytes to " + temp.file("dest/sub") + "; 1 item failed\n");
    EXPECT_EQ(temp.read("dest/sub/a.txt"), "first");
    EXPECT_FALSE(temp.exists("dest/sub/b.txt"));
}

TEST_F(ExtractCommand, FailedItemsGetTheirLineAndTheRestGoesOn) {
    Entry encrypted;
    encrypted.name = "secret.txt";
    encrypted.data = "s";
    encrypted.flags = 1;
    const Outcome run = Extract(ZipWriter().Add("a.txt", "a").Add(encrypted).Add("../evil.txt", "e").Add("z.txt", "z"));
    EXPECT_EQ(run.status, cli::kExtractItemsFailed);
    // Names are shown with the platform's separator, as the restoration's log shows them.
    EXPECT_EQ(run.out, std::string("*** secret.txt -- FAILED!\n*** ..") + platform::kPathSeparator + "evil.txt -- FAILED!\n");
    EXPECT_EQ(temp.read("dest/sub/z.txt"), "z");
    EXPECT_FALSE(temp.exists("dest/evil.txt"));
    const std::string evil = std::string("..") + platform::kPathSeparator + "evil.txt";
    EXPECT_EQ(run.err, "extractor-cli: secret.txt: encrypted\nextractor-cli: " + evil +
                           ": refused: the name leaves the destination folder\n"
                           "extractor-cli: extracted 2 files, 2 bytes to " + temp.file("dest/sub") + "; 2 items failed\n");

    // With --json: only the object, with the failed items and their reasons.
    const Outcome json = ExtractFile(temp.file("a.zip"), [] { return false; }, true);
    EXPECT_EQ(json.status, cli::kExtractItemsFailed);
    EXPECT_EQ(json.err, "");
    EXPECT_EQ(json.out, "{\n  \"archive\": " + cli::JsonString(temp.file("a.zip")) + ",\n  \"destination\": " +
                            cli::JsonString(temp.file("dest/sub")) +
                            ",\n  \"recovered\": false,\n  \"cancelled\": false,\n  \"extracted_files\": 2,\n"
                            "  \"extracted_bytes\": 2,\n  \"failed\": [\n    {\n      \"name\": \"secret.txt\",\n"
                            "      \"reason\": \"encrypted\"\n    },\n    {\n      \"name\": " + cli::JsonString(evil) +
                            ",\n      \"reason\": \"refused: the name leaves the destination folder\"\n    }\n  ]\n}\n");
}

TEST_F(ExtractCommand, AnUnreadableArchiveEndsWithAnError) {
    temp.write("bad.zip", "not a zip at all");
    for (const std::string& archive : {temp.file("bad.zip"), temp.file("missing.zip")}) {
        const Outcome run = ExtractFile(archive);
        EXPECT_EQ(run.status, cli::kExtractError) << archive;
        EXPECT_NE(run.err, "") << archive;
        const Outcome json = ExtractFile(archive, [] { return false; }, true);
        EXPECT_EQ(json.status, cli::kExtractError) << archive;
        EXPECT_EQ(json.out.rfind("{\n  \"error\": {", 0), 0u) << json.out;
    }
}

TEST_F(ExtractCommand, InterruptCancelsAndLeavesNoPartlyWrittenFile) {
    std::string big(6 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
    int polls = 0;
    // The interrupt arrives while the big item is being written.
    const Outcome run = Extract(ZipWriter().Add("first.txt", "1").Add("big.bin", big).Add("last.txt", "l"),
                            [&] { return ++polls > 3; });
    EXPECT_EQ(run.status, cli::kExtractCancelled);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(temp.read("dest/sub/first.txt"), "1");
    EXPECT_FALSE(temp.exists("dest/sub/big.bin"));
    EXPECT_FALSE(temp.exists("dest/sub/last.txt"));
}

}  // namespace
