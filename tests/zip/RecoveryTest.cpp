// Opening damaged archives from their local headers: which items come back,
// which are reported, and that an intact directory is still what is read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "ZipTestSupport.h"

namespace {

using testing::UnorderedElementsAreArray;
using ziptest::Entry;
using ziptest::UnZipperFixture;
using ziptest::ZipWriter;

using Names = std::set<std::string>;

std::string Text(char seed, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) text += std::string("line ") + seed + std::to_string(i) + "\n";
    text.resize(size);
    return text;
}

Entry Item(std::string name, std::string data, std::uint16_t method, bool descriptor) {
    Entry e;
    e.name = std::move(name);
    e.data = std::move(data);
    e.method = method;
    e.dataDescriptor = descriptor;
    if (descriptor) e.flags = 8;
    return e;
}

// The contents of the archive below: names with what they should restore to.
const std::map<std::string, std::string>& Contents() {
    static const std::map<std::string, std::string> contents = [] {
        std::map<std::string, std::string> c;
        c["a.txt"] = Text('a', 3000);
        // A whole archive stored inside: its headers are data, not items.
        c["b.zip"] = ZipWriter().Add("inner.txt", "inside", 0).Bytes();
        c["dir/c.txt"] = Text('c', 5000);
        // Stored data behind a descriptor, holding a descriptor signature of its own.
        c["d.txt"] = "before PK\x07\x08 fake descriptor, then more" + Text('d', 100);
        c["e.txt"] = Text('e', 2000);
        return c;
    }();
    return contents;
}

ZipWriter FiveItems() {
    const auto& c = Contents();
    ZipWriter zip;
    zip.Add(Item("a.txt", c.at("a.txt"), 8, false));
    zip.Add(Item("b.zip", c.at("b.zip"), 0, false));
    zip.Add(Item("dir/c.txt", c.at("dir/c.txt"), 8, true));
    zip.Add(Item("d.txt", c.at("d.txt"), 0, true));
    Entry e = Item("e.txt", c.at("e.txt"), 8, false);
    e.zip64 = true;
    e.versionNeeded = 45;
    zip.Add(e);
    return zip;
}

const std::string& Good() {
    static const std::string bytes = FiveItems().Bytes();
    return bytes;
}

// Where the data of a name starts (the first copy of the name is in its local header).
std::size_t DataOf(const std::string& bytes, const std::string& name) {
    return bytes.find(name) + name.size() + (name == "e.txt" ? 20 : 0);  // e.txt carries a ZIP64 field
}
// Counted from the end: the stored archive inside has central headers too.
std::size_t DirectoryOf(const std::string& bytes, int entries = 5) {
    std::size_t at = bytes.rfind(std::string("PK\x01\x02", 4));
    for (int entry = 1; entry < entries; ++entry) at = bytes.rfind(std::string("PK\x01\x02", 4), at - 1);
    return at;
}
std::size_t EndOf(const std::string& bytes) { return bytes.rfind(std::string("PK\x05\x06", 4)); }

std::string Zeroed(std::string bytes, std::size_t from, std::size_t to) {
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(to), '\0');
    return bytes;
}

struct Outcome {
    Names restored;   // files on disk with their right content
    Names failed;     // items reported through the failure event
    Names damaged;    // files on disk with other content
    bool recovered = false;
};

Outcome ExtractAll(const std::string& bytes) {
    UnZipperFixture f;
    f.temp.write("archive.zip", bytes);
    f.OpenFile(f.archivePath);
    f.Extract();
    Outcome outcome;
    outcome.recovered = f.zipper.Recovered();
    for (const std::string& name : f.Failed()) outcome.failed.insert(name);
    for (const auto& [name, data] : Contents()) {
        if (!f.temp.exists("out/" + name)) continue;
        (f.temp.read("out/" + name) == data ? outcome.restored : outcome.damaged).insert(name);
    }
    EXPECT_FALSE(f.temp.exists("out/inner.txt"));
    return outcome;
}

const Names kAll = {"a.txt", "b.zip", "dir/c.txt", "d.txt", "e.txt"};

TEST(ZipRecovery, RestoresEveryIntactItemAndReportsTheOthers) {
    const std::string& good = Good();
    const std::size_t directory = DirectoryOf(good);
    struct Case {
        const char* name;
        std::string bytes;
        Names restored;
        Names failed;
        Names damaged = {};
        bool recovered = true;
    } cases[] = {
        {"good archive", good, kAll, {}, {}, false},
        {"cut right after the last item", good.substr(0, directory), kAll, {}},
        {"cut inside the directory", good.substr(0, directory + 60), kAll, {}},
        {"end record missing", good.substr(0, EndOf(good)), kAll, {}},
        {"directory zeroed", Zeroed(good, directory, EndOf(good)), kAll, {}},
        {"directory signature damaged", Zeroed(good, directory, directory + 1), kAll, {}},
        // Sizes in the header: the data runs past the end and is not believed.
        {"cut inside the last item", good.substr(0, DataOf(good, "e.txt") + 100),
         {"a.txt", "b.zip", "dir/c.txt", "d.txt"}, {"e.txt"}},
        // Deflate behind a descriptor that ends early; later items are gone with the cut.
        {"cut inside a deflated item with a descriptor", good.substr(0, DataOf(good, "dir/c.txt") + 50),
         {"a.txt", "b.zip"}, {"dir/c.txt"}},
        // Stored behind a descriptor: no descriptor matches what is left.
        {"cut inside a stored item with a descriptor", good.substr(0, DataOf(good, "d.txt") + 30),
         {"a.txt", "b.zip", "dir/c.txt"}, {"d.txt"}},
        // Damaged deflated data fails its item and leaves no file.
        {"damaged deflate data, directory cut", Zeroed(good, DataOf(good, "a.txt") + 100, DataOf(good, "a.txt") + 400).substr(0, directory),
         {"b.zip", "dir/c.txt", "d.txt", "e.txt"}, {"a.txt"}},
        // Damage over the end of b's stored data and c's header: the directory
        // still says where c is. b's data is kept, as for any wrong CRC-32 with
        // nothing at the target.
        {"damaged region, directory intact", Zeroed(good, DataOf(good, "dir/c.txt") - 80, DataOf(good, "dir/c.txt")),
         {"a.txt", "d.txt", "e.txt"}, {"b.zip", "dir/c.txt"}, {"b.zip"}, false},
        // The same without the directory: c's name went with its header, the
        // scan picks up again at d.
        {"damaged region, directory cut", Zeroed(good, DataOf(good, "dir/c.txt") - 80, DataOf(good, "dir/c.txt")).substr(0, directory),
         {"a.txt", "d.txt", "e.txt"}, {"b.zip"}, {"b.zip"}},
        // Damage inside a deflated descriptor item without a directory.
        {"damaged deflate data with a descriptor",
         Zeroed(good, DataOf(good, "dir/c.txt") + 10, DataOf(good, "dir/c.txt") + 200).substr(0, directory),
         {"a.txt", "b.zip", "d.txt", "e.txt"}, {"dir/c.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = ExtractAll(c.bytes);
        EXPECT_EQ(outcome.recovered, c.recovered);
        EXPECT_THAT(outcome.restored, UnorderedElementsAreArray(c.restored));
        EXPECT_THAT(outcome.failed, UnorderedElementsAreArray(c.failed));
        EXPECT_THAT(outcome.damaged, UnorderedElementsAreArray(c.damaged));
    }
}

TEST(ZipRecovery, ReadsItemDataFromTheLocalHeaders) {
    UnZipperFixture f;
    f.temp.write("archive.zip", Good().substr(0, DirectoryOf(Good())));
    f.OpenFile(f.archivePath);
    ASSERT_TRUE(f.zipper.Recovered());
    ASSERT_EQ(f.zipper.GetCount(), 5);
    std::vector<std::string> names;
    for (int i = 0; i < f.zipper.GetCount(); ++i) names.push_back(f.zipper.GetItem(i).FileName());
    EXPECT_THAT(names, testing::ElementsAre("a.txt", "b.zip", "dir/c.txt", "d.txt", "e.txt"));
    const TZipItem& c = f.zipper.GetItem(2);
    EXPECT_EQ(c.UncompressedSize(), 5000u);
    EXPECT_EQ(c.CompressionMethod(), 8);
    EXPECT_EQ(f.zipper.GetItem(3).UncompressedSize(), Contents().at("d.txt").size());
    EXPECT_EQ(f.zipper.GetItem(4).UncompressedSize(), 2000u);
    EXPECT_EQ(f.zipper.GetItem(0).TargetName, "a.txt");

    f.zipper.CloseArchive();
    EXPECT_FALSE(f.zipper.Recovered());
}

TEST(ZipRecovery, ANameFoundTwiceKeepsItsLastCopy) {
    ZipWriter zip;
    zip.Add("dup.txt", "old copy").Add("other.txt", "other", 8).Add("dup.txt", "new copy", 8);
    const std::string bytes = zip.Bytes();
    UnZipperFixture f;
    f.temp.write("archive.zip", bytes.substr(0, DirectoryOf(bytes, 3)));
    f.OpenFile(f.archivePath);
    ASSERT_EQ(f.zipper.GetCount(), 2);
    EXPECT_EQ(f.zipper.GetItem(0).FileName(), "other.txt");
    EXPECT_EQ(f.zipper.GetItem(1).FileName(), "dup.txt");
    f.Extract();
    EXPECT_TRUE(f.Failed().empty());
    EXPECT_EQ(f.temp.read("out/dup.txt"), "new copy");
}

TEST(ZipRecovery, KeepsTheNamesEncodingOfTheLocalHeader) {
    ZipWriter zip;
    Entry e = Item("caf\xC3\xA9.txt", "utf-8 name", 0, false);
    e.flags = 1u << 11;
    zip.Add(e);
    zip.Add(Item("na\xEFve.txt", "code page 437 name", 0, false));  // not UTF-8: read as OEM
    const std::string bytes = zip.Bytes();
    UnZipperFixture f;
    f.temp.write("archive.zip", bytes.substr(0, DirectoryOf(bytes, 2)));
    f.OpenFile(f.archivePath);
    ASSERT_EQ(f.zipper.GetCount(), 2);

    UnZipperFixture intact;
    intact.temp.write("archive.zip", bytes);
    intact.OpenFile(intact.archivePath);
    ASSERT_EQ(intact.zipper.GetCount(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(f.zipper.GetItem(i).FileName(), intact.zipper.GetItem(i).FileName());
}

TEST(ZipRecovery, RefusesFilesWithoutAnyItem) {
    ZipWriter one;
    one.Add("one.txt", "first item");
    const std::string bytes = one.Bytes();
    // A signature whose header is not plausible (method 300).
    std::string implausible = bytes.substr(0, DirectoryOf(bytes, 1));
    implausible[8] = '\x2C';
    implausible[9] = '\x01';
    for (const std::string& content : {std::string(), std::string(1000, 'x'), bytes.substr(0, 20), implausible}) {
        UnZipperFixture f;
        f.temp.write("archive.zip", content);
        EXPECT_THROW(f.zipper.OpenArchive(f.archivePath), EArchiveException);
        EXPECT_EQ(f.zipper.FileName(), "");
        EXPECT_FALSE(f.zipper.Recovered());
    }
}

}  // namespace
