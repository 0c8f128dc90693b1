// ZIP backups: listing the archive's elements and restoring them through the
// ZIP component, with the worker on the test's own thread.
#include <gtest/gtest.h>

#include <filesystem>

#include "BuiltInMessages.h"
#include "CancelRequest.h"
#include "RecordingReceiver.h"
#include "TempDir.h"
#include "ZipWriter.h"
#include "platform/Event.h"
#include "restoration/OpenIndex.h"
#include "restoration/RestoreLog.h"
#include "restoration/RestoreWorker.h"
#include "restoration/zip/TUnZipper.h"

namespace {

using testsupport::BuiltIn;

namespace fs = std::filesystem;
using testsupport::kSep;
using testsupport::Sep;
using testsupport::Seps;
using testsupport::TempDir;
using ziptest::ZipWriter;
using Names = std::vector<std::string>;

class ZipBackup : public ::testing::Test {
protected:
    // Writes the archive and lists it as an open would; the destinations all
    // become dest/ unless a test changes them.
    void Make(const ZipWriter& zip) {
        zip.WriteTo(archive);
        dir.mkdir("dest");
        ASSERT_EQ(ListArchive(archive, listing), 0);
        destinations.assign(listing.elementNames.size(), dir.file("dest/"));
    }

    TRestoreResult Restore() {
        unzipper.ExtractOptions = eoCreateDirs | eoRestorePath;
        unzipper.OpenArchive(archive);
        TRestoreJob job;
        job.ElementNames = &listing.elementNames;
        job.DestinationFolders = &destinations;
        job.ArchivePath = archive;
        job.CancelRequested = &cancel;
        job.StopEvent = stop.get();
        job.Unzipper = &unzipper;
        job.MainForm = &receiver;
        return RestoreThreadProc(job);
    }

    // The log as the window would show it after this restoration.
    Names Log() const {
        RestoreLog log(BuiltIn);
        for (const auto& m : receiver.messages) {
            if (m.message == WM_RESTORE_PROGRESS) log.Progress(m.name);
            if (m.message == WM_RESTORE_ITEM_FAILED) log.ItemFailed(m.name);
            if (m.message == WM_RESTORE_FINISHED) log.Finished(m.result);
        }
        return log.Lines();
    }

    void CancelNow() { testsupport::CancelNow(*stop, cancel); }

    TempDir dir;
    std::string archive = dir.file("backup.zip");
    ArchiveListing listing;
    Names destinations;
    TUnZipper unzipper;
    RecordingReceiver receiver;
    std::unique_ptr<platform::ManualResetEvent> stop = platform::ManualResetEvent::Create();
    std::int32_t cancel = 0;
};

TEST_F(ZipBackup, ListsTopLevelFoldersOnceThenEveryFile) {
    Make(ZipWriter()
             .Add("Docs/x.txt", "x")
             .Add("readme.txt", "1")
             .Add("Docs/y/z.txt", "z")
             .Add("Docs/", "")
             .Add("readme.txt", "2")
             .Add("Apps/a.exe", "a"));
    EXPECT_EQ(listing.archivePath, archive);
    EXPECT_EQ(listing.elementNames, Seps({"Docs/", "Apps/", "readme.txt", "readme.txt"}));
    EXPECT_EQ(listing.destinationFolders, Names(4, listing.defaultDestination));
    EXPECT_EQ(listing.defaultDestination.back(), kSep);
}

TEST_F(ZipBackup, StoredBackslashesCountAsSeparators) {
    Make(ZipWriter().Add("Tools\\bin\\run.exe", "r").Add("Tools\\b.txt", "b").Add("c.txt", "c"));
    EXPECT_EQ(listing.elementNames, Seps({"Tools/", "c.txt"}));
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/Tools/bin/run.exe"), "r");
    EXPECT_EQ(dir.read("dest/Tools/b.txt"), "b");
    EXPECT_EQ(receiver.Progress(), Seps({"Tools/bin/run.exe", "Tools/b.txt", "c.txt"}));
}

TEST_F(ZipBackup, NamesThatReachTheDestinationItselfOrAboveAreNotListed) {
    Make(ZipWriter().Add("../up.txt", "u").Add("/root.txt", "r").Add("./here/x.txt", "x").Add("ok.txt", "ok"));
    EXPECT_EQ(listing.elementNames, Names{"ok.txt"});
}

// The listing asks the extraction's own name check: a folder that holds only
// names the extraction refuses is no element; "\" separators count as "/".
TEST_F(ZipBackup, AFolderHoldingOnlyRefusedNamesIsListedAndItsItemsAreNamed) {
    // Listed, so that a restoration says what it could not write.
    Make(ZipWriter().Add("Bad/../../up.txt", "u").Add("Docs\\a.txt", "a").Add("ok.txt", "ok"));
    EXPECT_EQ(listing.elementNames, Seps({"Bad/", "Docs/", "ok.txt"}));
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(Log(), (Names{"*** " + Sep("Bad/../../up.txt") + " -- FAILED!", "Operation completed. There were errors."}));
    EXPECT_EQ(dir.read("dest/ok.txt"), "ok");
    EXPECT_FALSE(dir.exists("up.txt"));
}

TEST_F(ZipBackup, AnArchiveWithoutItemsHasNothingToRestore) {
    ZipWriter().WriteTo(archive);
    ArchiveListing untouched;
    untouched.archivePath = "earlier";
    EXPECT_EQ(ListArchive(archive, untouched), kOpenArchiveEmpty);
    EXPECT_EQ(untouched.archivePath, "earlier");
}

TEST_F(ZipBackup, ThreeItemsWithoutFailuresEndWithTheSuccessLine) {
    Make(ZipWriter().Add("Docs/a/b.txt", "b").Add("Docs/c.txt", std::string(5000, 'c'), 8).Add("readme.txt", "r"));
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/Docs/a/b.txt"), "b");
    EXPECT_EQ(dir.read("dest/Docs/c.txt"), std::string(5000, 'c'));
    EXPECT_EQ(dir.read("dest/readme.txt"), "r");
    EXPECT_EQ(receiver.Progress(), Seps({"Docs/a/b.txt", "Docs/c.txt", "readme.txt"}));
    EXPECT_EQ(Log(), Names{"Operation completed successfully."});
}

TEST_F(ZipBackup, EachElementGoesToItsOwnDestinationAndFilesClaimOnlyTheirOwnName) {
    Make(ZipWriter().Add("Docs/x.txt", "x").Add("a.txt", "a").Add("a.txt.bak", "bak"));
    ASSERT_EQ(listing.elementNames, Seps({"Docs/", "a.txt", "a.txt.bak"}));
    dir.mkdir("one");
    dir.mkdir("two");
    dir.mkdir("three");
    destinations = {dir.file("one/"), dir.file("two/"), dir.file("three/")};
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("one/Docs/x.txt"), "x");
    EXPECT_EQ(dir.read("two/a.txt"), "a");
    EXPECT_EQ(dir.read("three/a.txt.bak"), "bak");
    EXPECT_FALSE(dir.exists("two/a.txt.bak"));
}

TEST_F(ZipBackup, AFolderEntryIsLoggedAsAFolderAndCreatesIt) {
    Make(ZipWriter().Add("Empty/", ""));
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_TRUE(fs::is_directory(dir.file("dest/Empty")));
    EXPECT_EQ(receiver.Progress(), Seps({"Empty/"}));
}

TEST_F(ZipBackup, ATargetThatCannotBeWrittenGivesAFailureLineAndTheRestGoesOn) {
    // A folder where the file should go stops every writer, privileged or not.
    Make(ZipWriter().Add("a.txt", "new a").Add("b.txt", "new b").Add("c.txt", "new c"));
    dir.write("dest/b.txt/inside.txt", "stays");
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/b.txt/inside.txt"), "stays");
    EXPECT_EQ(dir.read("dest/c.txt"), "new c");
    EXPECT_EQ(Log(), (Names{"*** b.txt -- FAILED!", "Operation completed. There were errors."}));
}

TEST_F(ZipBackup, AMissingDestinationEndsTheRestorationAsAnError) {
    Make(ZipWriter().Add("a.txt", "a").Add("Docs/x.txt", "x").Add("Docs/y.txt", "y"));
    ASSERT_EQ(listing.elementNames, Seps({"Docs/", "a.txt"}));
    destinations = {dir.file("gone/"), dir.file("dest/")};
    EXPECT_EQ(Restore(), rrError);
    EXPECT_EQ(dir.read("dest/a.txt"), "a");  // the item before it stays
    EXPECT_FALSE(dir.exists("gone"));
    EXPECT_EQ(receiver.Progress(), Names{"a.txt"});  // nothing logged for the item that ended it
    EXPECT_EQ(Log(), Names{"Operation aborted due to error."});
}

TEST_F(ZipBackup, CancelDuringAnItemDeletesItsPartAndKeepsWhatCameBefore) {
    std::string big(4 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 5);
    Make(ZipWriter().Add("first.txt", "first").Add("big.bin", big, 8).Add("last.txt", "last"));
    dir.write("dest/big.bin", "earlier copy");
    receiver.onProgress = [&](const std::string& name) {
        if (name == "big.bin") CancelNow();
    };
    EXPECT_EQ(Restore(), rrAborted);
    EXPECT_EQ(dir.read("dest/first.txt"), "first");
    EXPECT_EQ(dir.read("dest/big.bin"), "earlier copy");
    EXPECT_FALSE(dir.exists("dest/last.txt"));
    EXPECT_EQ(dir.names("dest"), (Names{"big.bin", "first.txt"}));
    EXPECT_TRUE(receiver.Failures().empty());
    EXPECT_EQ(Log(), Names{"Operation canceled by user."});
}

TEST_F(ZipBackup, ADamagedItemIsNamedAndNeverReplacesAnEarlierCopy) {
    ziptest::Entry bad;
    bad.data = "content";
    bad.crc = 12345;
    bad.name = "Docs/bad.txt";
    ZipWriter zip;
    zip.Add(bad);
    bad.name = "Docs/over.txt";
    zip.Add(bad).Add("Docs/good.txt", "good");
    Make(zip);
    dir.write("dest/Docs/over.txt", "earlier copy");
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/Docs/good.txt"), "good");
    EXPECT_EQ(dir.read("dest/Docs/bad.txt"), "content");  // nothing was there: the best we could read
    EXPECT_EQ(dir.read("dest/Docs/over.txt"), "earlier copy");
    EXPECT_EQ(receiver.Failures(), Seps({"Docs/bad.txt", "Docs/over.txt"}));
    EXPECT_EQ(Log().back(), "Operation completed. There were errors.");
}

TEST_F(ZipBackup, ItemsThatNoElementClaimsAreNamedAsFailedAndNotWritten) {
    Make(ZipWriter().Add("a.txt", "a").Add("b.txt", "b"));
    listing.elementNames = {"a.txt"};
    destinations = {dir.file("dest/")};
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/a.txt"), "a");
    EXPECT_FALSE(dir.exists("dest/b.txt"));
    EXPECT_FALSE(fs::exists(fs::current_path() / "b.txt"));
    EXPECT_EQ(receiver.Failures(), Names{"b.txt"});
}

TEST_F(ZipBackup, EveryItemWithARefusedNameIsNamedInAFailureLine) {
    Make(ZipWriter()
             .Add("../evil.txt", "e")
             .Add("/abs.txt", "a")
             .Add("Docs/../../up.txt", "u")
             .Add("Docs/ok.txt", "ok")
             .Add("ok.txt", "ok"));
    ASSERT_EQ(listing.elementNames, Seps({"Docs/", "ok.txt"}));
    EXPECT_EQ(Restore(), rrCompleted);
    EXPECT_EQ(dir.read("dest/Docs/ok.txt"), "ok");
    EXPECT_EQ(dir.read("dest/ok.txt"), "ok");
    EXPECT_EQ(Log(), (Names{"*** " + Sep("../evil.txt") + " -- FAILED!", "*** " + Sep("/abs.txt") + " -- FAILED!",
                            "*** " + Sep("Docs/../../up.txt") + " -- FAILED!",
                            "Operation completed. There were errors."}));
    EXPECT_EQ(dir.names(), (Names{"backup.zip", "dest"}));
    EXPECT_EQ(dir.names("dest"), (Names{"Docs", "ok.txt"}));
}

}  // namespace
