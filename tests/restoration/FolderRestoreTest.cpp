// The worker on folder backups, run on the test's own thread.
#include <gtest/gtest.h>

#include <filesystem>

#include "CancelRequest.h"
#include "CaseName.h"
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif
#include "RecordingReceiver.h"
#include "TempDir.h"
#include "platform/Event.h"
#include "platform/File.h"
#include "platform/FileAttributes.h"
#include "restoration/RestoreWorker.h"

namespace {

namespace fs = std::filesystem;
using testsupport::kSep;
using testsupport::Sep;
using testsupport::Seps;
using testsupport::TempDir;
using Names = std::vector<std::string>;

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// One run of the worker with its job's parts.
struct WorkerRun {
    Names elements;
    Names destinations;
    std::string archive;
    bool clearFolders = false;
    RecordingReceiver receiver;
    std::unique_ptr<platform::ManualResetEvent> stop = platform::ManualResetEvent::Create();
    std::int32_t cancel = 0;

    TRestoreResult Run() {
        TRestoreJob job;
        job.ClearFolders = clearFolders;
        job.ElementNames = &elements;
        job.DestinationFolders = &destinations;
        job.ArchivePath = archive;
        job.CancelRequested = &cancel;
        job.StopEvent = stop.get();
        job.MainForm = &receiver;
        return RestoreThreadProc(job);
    }
    // What the Cancel action does: the event first, then the flag.
    void CancelNow() { testsupport::CancelNow(*stop, cancel); }
};

class FolderRestore : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("backup/Docs/a.txt", "a");
        dir.write("backup/Docs/sub/b.txt", "b");
        dir.write("backup/Docs/.hidden", "h");
        ASSERT_TRUE(platform::MarkHiddenAndSystem(dir.file("backup/Docs/.hidden")));
        dir.write("backup/x.txt", "x");
        dir.write("backup/y.txt", "y");
        dir.mkdir("dest");
        run.archive = dir.file("backup/");
    }

    std::string Source(const std::string& relative) const { return dir.file("backup/" + relative); }
    void AllTo(const std::string& destination) {
        run.destinations.assign(run.elements.size(), dir.file(destination));
    }

    TempDir dir;
    WorkerRun run;
};

TEST_F(FolderRestore, CopiesEveryElementAndReportsEachFileBySourcePath) {
    run.elements = Seps({"Docs/", "x.txt"});
    AllTo("dest/");
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_EQ(dir.read("dest/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("dest/Docs/sub/b.txt"), "b");
    EXPECT_EQ(dir.read("dest/Docs/.hidden"), "h");
    EXPECT_EQ(dir.read("dest/x.txt"), "x");
    EXPECT_FALSE(dir.exists("dest/y.txt"));  // not an element
    EXPECT_EQ(run.receiver.Progress(),
              (Names{Source("Docs/.hidden"), Source("Docs/a.txt"), Source("Docs/sub/b.txt"), Source("x.txt")}));
    EXPECT_TRUE(run.receiver.Failures().empty());
    ASSERT_EQ(run.receiver.FinishedCount(), 1);
    EXPECT_EQ(run.receiver.messages.back().message, WM_RESTORE_FINISHED);
    EXPECT_EQ(run.receiver.messages.back().result, rrCompleted);
}

TEST_F(FolderRestore, OverwritesAndReportsTargetsThatCannotBeWritten) {
    dir.write("dest/Docs/a.txt", "old a");
    dir.write("dest/x.txt", "read-only x");
    MakeReadOnly(dir.file("dest/x.txt"));
    dir.write("dest/y.txt", "locked y");
    run.elements = Seps({"Docs/", "x.txt", "y.txt"});
    AllTo("dest/");
    {
        auto lock = platform::File::OpenExclusiveForReading(dir.file("dest/y.txt"));
        ASSERT_TRUE(lock);
        EXPECT_EQ(run.Run(), rrCompleted);
    }
    EXPECT_EQ(dir.read("dest/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("dest/x.txt"), "read-only x");
    EXPECT_EQ(dir.read("dest/y.txt"), "locked y");
    EXPECT_EQ(run.receiver.Failures(), (Names{Source("x.txt"), Source("y.txt")}));
}

TEST_F(FolderRestore, EachElementGoesToItsOwnDestination) {
    dir.mkdir("one");
    dir.mkdir("two");
    run.elements = Seps({"Docs/", "x.txt"});
    run.destinations = {dir.file("one/"), dir.file("two/")};
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_EQ(dir.read("one/Docs/sub/b.txt"), "b");
    EXPECT_EQ(dir.read("two/x.txt"), "x");
    EXPECT_FALSE(dir.exists("one/x.txt"));
    EXPECT_FALSE(dir.exists("two/Docs"));
}

TEST_F(FolderRestore, AMissingDestinationNamesEveryElementAsFailed) {
    run.elements = Seps({"Docs/", "x.txt", "y.txt"});
    AllTo("missing/");
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_FALSE(dir.exists("missing"));
    const Names all{Source("Docs/"), Source("x.txt"), Source("y.txt")};
    EXPECT_EQ(run.receiver.Progress(), all);
    EXPECT_EQ(run.receiver.Failures(), all);
}

TEST_F(FolderRestore, AFolderThatCannotBeMadeIsNamedOnceAndTheRestGoesOn) {
    dir.write("dest/Docs/sub", "a file where the folder goes");
    dir.write("dest/Other", "a file where the element goes");
    dir.write("backup/Other/o.txt", "o");
    run.elements = Seps({"Other/", "Docs/", "x.txt"});
    AllTo("dest/");
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_EQ(run.receiver.Failures(), (Names{Source("Other/"), Source("Docs/sub/")}));
    EXPECT_EQ(dir.read("dest/Docs/sub"), "a file where the folder goes");
    EXPECT_EQ(dir.read("dest/Other"), "a file where the element goes");
    EXPECT_EQ(dir.read("dest/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("dest/x.txt"), "x");
}

TEST_F(FolderRestore, EmptyFoldersAreCreatedWithoutAnyReport) {
    dir.mkdir("backup/Empty/inner");
    run.elements = Seps({"Empty/"});
    AllTo("dest/");
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_TRUE(dir.exists("dest/Empty/inner"));
    EXPECT_TRUE(run.receiver.Progress().empty());
}

TEST_F(FolderRestore, ClearingEmptiesFolderElementsOnly) {
    dir.write("dest/Docs/old.txt", "old");
    ASSERT_TRUE(platform::MarkHiddenAndSystem(dir.file("dest/Docs/old.txt")));
    dir.write("dest/Docs/deep/er/old2.txt", "old");
    ASSERT_TRUE(platform::MarkHiddenAndSystem(dir.file("dest/Docs/deep")));
    dir.write("dest/beside.txt", "stays");
    dir.write("dest/gone.txt", "a file element is never cleared");
    run.elements = Seps({"Docs/", "Absent/", "gone.txt"});  // gone.txt is not in the backup
    AllTo("dest/");
    run.clearFolders = true;
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_FALSE(dir.exists("dest/Docs/old.txt"));
    EXPECT_FALSE(dir.exists("dest/Docs/deep"));
    EXPECT_EQ(dir.read("dest/Docs/a.txt"), "a");
    EXPECT_EQ(dir.read("dest/beside.txt"), "stays");
    EXPECT_EQ(dir.read("dest/gone.txt"), "a file element is never cleared");
    EXPECT_EQ(run.receiver.Failures(), Names{Source("gone.txt")});
}

TEST_F(FolderRestore, ReadOnlyFilesSurviveClearingAndTheRestoreGoesOn) {
    dir.write("dest/Docs/a.txt", "read-only old a");
    MakeReadOnly(dir.file("dest/Docs/a.txt"));
    dir.write("dest/Docs/other.txt", "old");
    run.elements = Seps({"Docs/"});
    AllTo("dest/");
    run.clearFolders = true;
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_FALSE(dir.exists("dest/Docs/other.txt"));
    EXPECT_EQ(dir.read("dest/Docs/a.txt"), "read-only old a");
    EXPECT_EQ(run.receiver.Failures(), Names{Source("Docs/a.txt")});
    EXPECT_EQ(dir.read("dest/Docs/sub/b.txt"), "b");
}

TEST_F(FolderRestore, CancelBeforeClearingEndsRestoresNothingAndKeepsContent) {
    dir.write("dest/Docs/old.txt", "old");
    dir.mkdir("dest/Empty");
    dir.mkdir("backup/Empty");
    run.elements = Seps({"Docs/", "Empty/", "x.txt"});
    AllTo("dest/");
    run.clearFolders = true;
    run.CancelNow();
    EXPECT_EQ(run.Run(), rrCancelledWhileClearing);
    EXPECT_EQ(dir.read("dest/Docs/old.txt"), "old");
    EXPECT_FALSE(dir.exists("dest/Empty"));  // visited, found empty, removed
    EXPECT_FALSE(dir.exists("dest/x.txt"));
    EXPECT_TRUE(run.receiver.Progress().empty());
    EXPECT_EQ(run.receiver.FinishedCount(), 1);
    EXPECT_EQ(run.receiver.messages.back().result, rrCancelledWhileClearing);
}

TEST_F(FolderRestore, CancelDuringACopyAbandonsItWithoutAFailureOrAPartialFile) {
    run.elements = Seps({"Docs/", "x.txt"});
    AllTo("dest/");
    run.receiver.onProgress = [&](const std::string& name) {
        if (name == Source("Docs/a.txt")) run.CancelNow();
    };
    EXPECT_EQ(run.Run(), rrCancelledWhileCopying);
    EXPECT_EQ(dir.read("dest/Docs/.hidden"), "h");
    EXPECT_FALSE(dir.exists("dest/Docs/a.txt"));
    EXPECT_FALSE(dir.exists("dest/Docs/sub"));
    EXPECT_FALSE(dir.exists("dest/x.txt"));
    EXPECT_EQ(run.receiver.Progress(), (Names{Source("Docs/.hidden"), Source("Docs/a.txt")}));
    EXPECT_TRUE(run.receiver.Failures().empty());
    EXPECT_EQ(run.receiver.messages.back().result, rrCancelledWhileCopying);
}

// A cancel that ends the copy of the last file is a cancel, never a success,
// and the earlier copy of that file stays.
struct LastCopyCase {
    const char* name;
    Names elements;
    const char* lastFile;  // below the backup and the destination
};

class CancelDuringTheLastCopy : public FolderRestore, public testing::WithParamInterface<LastCopyCase> {};

TEST_P(CancelDuringTheLastCopy, EndsAsCancelledAndKeepsTheEarlierFile) {
    const LastCopyCase& c = GetParam();
    dir.write(std::string("dest/") + c.lastFile, "earlier copy");
    run.elements = Seps(c.elements);
    AllTo("dest/");
    run.receiver.onProgress = [&](const std::string& name) {
        if (name == Source(c.lastFile)) run.CancelNow();
    };
    EXPECT_EQ(run.Run(), rrCancelledWhileCopying);
    EXPECT_EQ(run.receiver.Progress().back(), Source(c.lastFile));
    EXPECT_TRUE(run.receiver.Failures().empty());
    EXPECT_EQ(run.receiver.messages.back().result, rrCancelledWhileCopying);
    EXPECT_EQ(dir.read(std::string("dest/") + c.lastFile), "earlier copy");
}

INSTANTIATE_TEST_SUITE_P(Elements, CancelDuringTheLastCopy,
                         testing::Values(LastCopyCase{"FileElement", {"Docs/", "x.txt", "y.txt"}, "y.txt"},
                                         LastCopyCase{"InAFolderElement", {"x.txt", "Docs/"}, "Docs/sub/b.txt"}),
                         testsupport::CaseName());

#ifndef _WIN32
TEST_F(FolderRestore, AFullDiskInTheMiddleOfAFileKeepsTheEarlierCopyAndNamesIt) {
    dir.write("backup/big.bin", std::string(3 << 20, 'b'));
    dir.write("dest/big.bin", "earlier copy");
    run.elements = Seps({"big.bin", "x.txt"});
    AllTo("dest/");
    {
        testsupport::FileSizeLimit full(1 << 20);
        ASSERT_TRUE(full.Active());
        EXPECT_EQ(run.Run(), rrCompleted);
    }
    EXPECT_EQ(run.receiver.Failures(), Names{Source("big.bin")});
    EXPECT_EQ(dir.read("dest/big.bin"), "earlier copy");
    EXPECT_EQ(dir.read("dest/x.txt"), "x");
    EXPECT_EQ(dir.names("dest"), (Names{"big.bin", "x.txt"}));
}
#endif

TEST_F(FolderRestore, CancelBetweenElementsStopsBeforeTheNext) {
    run.elements = Seps({"x.txt", "y.txt"});
    AllTo("dest/");
    run.receiver.onProgress = [&](const std::string&) { run.stop->Signal(); };  // event only, flag still 0
    EXPECT_EQ(run.Run(), rrCancelledWhileCopying);
    EXPECT_EQ(dir.read("dest/x.txt"), "x");  // the copy in hand was not told to stop
    EXPECT_FALSE(dir.exists("dest/y.txt"));
}

// Not built for Windows: Wine makes no symbolic links or junctions.
#ifndef _WIN32
TEST_F(FolderRestore, ClearingRemovesLinksButNeverWhatTheyLeadTo) {
    dir.write("outside/kept/file.txt", "kept");
    dir.write("outside/kept.txt", "kept too");
    dir.write("outside2/inner.txt", "kept three");
    dir.mkdir("dest/Docs");
    fs::create_directory_symlink(dir.file("outside/kept"), dir.file("dest/Docs/folderlink"));
    fs::create_symlink(dir.file("outside/kept.txt"), dir.file("dest/Docs/filelink"));
    fs::create_symlink(dir.file("nowhere"), dir.file("dest/Docs/dangling"));
    fs::create_directory_symlink(dir.file("outside2"), dir.file("dest/Linked"));
    dir.write("backup/Linked/new.txt", "new");
    run.elements = Seps({"Docs/", "Linked/"});
    AllTo("dest/");
    run.clearFolders = true;
    EXPECT_EQ(run.Run(), rrCompleted);
    EXPECT_EQ(dir.read("outside/kept/file.txt"), "kept");
    EXPECT_EQ(dir.read("outside/kept.txt"), "kept too");
    EXPECT_EQ(dir.read("outside2/inner.txt"), "kept three");
    EXPECT_FALSE(dir.exists("dest/Docs/folderlink"));
    EXPECT_FALSE(dir.exists("dest/Docs/filelink"));
    EXPECT_FALSE(dir.exists("dest/Docs/dangling"));
    // The element reached through a link became a real folder of its own.
    EXPECT_FALSE(fs::is_symlink(dir.file("dest/Linked")));
    EXPECT_EQ(dir.read("dest/Linked/new.txt"), "new");
    EXPECT_FALSE(dir.exists("outside2/new.txt"));
}
#endif

}  // namespace
