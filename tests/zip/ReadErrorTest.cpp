// Reads of the archive that fail: the item being read fails alone, nothing
// half-written stays, and a read that fails only at first is tried again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <set>

#include "TempDir.h"
#include "ZipWriter.h"
#include "restoration/zip/ArchiveReader.h"
#include "restoration/zip/ItemExtractor.h"
#include "restoration/zip/LocalHeaderScan.h"
#include "restoration/zip/ZipDirectory.h"
#include "restoration/zip/ZipErrors.h"

namespace {

using ziptest::ZipWriter;
using Names = std::set<std::string>;

// An archive in memory whose reads fail when they touch a byte range: always,
// or only for the first few reads that touch it.
class FailingInput : public zip::ArchiveInput {
public:
    FailingInput(std::string bytes, std::uint64_t badFrom, std::uint64_t badTo, int failures)
        : bytes_(std::move(bytes)), badFrom_(badFrom), badTo_(badTo), failuresLeft_(failures) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::int64_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        if (offset >= bytes_.size()) return 0;
        count = std::min<std::size_t>(count, bytes_.size() - offset);
        if (offset < badTo_ && offset + count > badFrom_ && failuresLeft_ != 0) {
            if (failuresLeft_ > 0) --failuresLeft_;
            // Partly filled, as a real read may leave the buffer.
            std::memset(buffer, 0xEE, count);
            return -1;
        }
        std::memcpy(buffer, bytes_.data() + offset, count);
        return static_cast<std::int64_t>(count);
    }

private:
    std::string bytes_;
    std::uint64_t badFrom_, badTo_;
    int failuresLeft_;  // -1: every time
};

constexpr int kAlways = -1;

const std::string& Big() {
    static const std::string big(600 * 1024, 'B');  // read straight, past the read-ahead buffer
    return big;
}

std::string Archive() {
    return ZipWriter().Add("a.txt", std::string(3000, 'a')).Add("b.bin", Big()).Add("c.txt", std::string(3000, 'c')).Bytes();
}

struct Outcome {
    Names restored;
    Names readFailures;
    Names otherFailures;
    Names leftInOutput;  // every name in the output folder
};

Outcome ExtractAll(const std::string& bytes, std::uint64_t badFrom, std::uint64_t badTo, int failures,
                   bool withoutDirectory) {
    testsupport::TempDir temp;
    temp.mkdir("out");
    zip::ArchiveReader reader(std::make_unique<FailingInput>(bytes, badFrom, badTo, failures));
    std::vector<zip::DirectoryEntry> entries;
    if (withoutDirectory)
        entries = zip::ScanLocalHeaders(reader);
    else
        zip::ReadCentralDirectory(reader, [](std::uint64_t) {}, [&](zip::DirectoryEntry&& e) { entries.push_back(e); });

    zip::ItemExtractor extractor(reader, zip::PlatformNameRules());
    zip::ExtractSettings settings;
    settings.baseDirectory = temp.file("out");
    Outcome outcome;
    for (const zip::DirectoryEntry& entry : entries) {
        try {
            extractor.Extract(entry.name, entry.record, settings, [](int) { return false; });
            outcome.restored.insert(entry.name);
        } catch (const zip::ItemError& e) {
            (e.Code() == zecReadFailed ? outcome.readFailures : outcome.otherFailures).insert(entry.name);
        }
    }
    for (const auto& file : std::filesystem::directory_iterator(temp.file("out")))
        outcome.leftInOutput.insert(file.path().filename().string());
    if (outcome.restored.count("b.bin")) {
        EXPECT_EQ(temp.read("out/b.bin"), Big());
    }
    return outcome;
}

TEST(ZipReadErrors, AFailedReadFailsOnlyTheItemBeingRead) {
    const std::string bytes = Archive();
    const std::uint64_t bData = bytes.find("b.bin") + 5;
    const std::uint64_t cData = bytes.find("c.txt") + 5;
    struct Case {
        const char* name;
        std::uint64_t badFrom, badTo;
        int failures;
        Names restored;
        Names failed;
    } cases[] = {
        {"unreadable in the middle of a large item", bData + 300000, bData + 300512, kAlways,
         {"a.txt", "c.txt"}, {"b.bin"}},
        // a's read-ahead reaches b's bad spot; a is read again on its own.
        {"unreadable spot within a small item's read-ahead", bData + 1000, bData + 1512, kAlways,
         {"a.txt", "c.txt"}, {"b.bin"}},
        {"unreadable in a small item", cData + 700, cData + 900, kAlways, {"a.txt", "b.bin"}, {"c.txt"}},
        {"readable on the last attempt", bData + 300000, bData + 300512, zip::ArchiveReader::kReadAttempts - 1,
         {"a.txt", "b.bin", "c.txt"}, {}},
    };
    for (const bool withoutDirectory : {false, true}) {
        const std::string archive = withoutDirectory ? bytes.substr(0, cData + 1000) : bytes;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (withoutDirectory ? ", without the directory" : ""));
            // Without the directory the archive ends inside c's data: c fails as cut off, not as unreadable.
            Names restored = c.restored, failed = c.failed, cut;
            if (withoutDirectory) {
                restored.erase("c.txt");
                failed.erase("c.txt");
                cut.insert("c.txt");
            }
            const Outcome outcome = ExtractAll(archive, c.badFrom, c.badTo, c.failures, withoutDirectory);
            EXPECT_EQ(outcome.restored, restored);
            EXPECT_EQ(outcome.readFailures, failed);
            EXPECT_EQ(outcome.otherFailures, cut);
            EXPECT_EQ(outcome.leftInOutput, restored);  // no temporary file stays behind
        }
    }
}

TEST(ZipReadErrors, TheScanSkipsBytesItCannotRead) {
    // Without the directory, an unreadable header is passed over and the next one found.
    const std::string bytes = Archive();
    const std::uint64_t bHeader = bytes.find("b.bin") - 30;
    zip::ArchiveReader reader(std::make_unique<FailingInput>(bytes.substr(0, bytes.rfind(std::string("PK\x01\x02", 4))),
                                                             bHeader, bHeader + 10, kAlways));
    std::vector<std::string> names;
    for (const zip::DirectoryEntry& e : zip::ScanLocalHeaders(reader)) names.push_back(e.name);
    EXPECT_THAT(names, testing::ElementsAre("a.txt", "c.txt"));
}

}  // namespace
