// Restorations driven as a front end drives them: the worker on its own thread,
// its messages queued and handled in order on the test's thread.
#include "restoration/RestoreSession.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "BuiltInMessages.h"
#include "TempDir.h"

namespace {

using testsupport::BuiltIn;

namespace fs = std::filesystem;
using testsupport::kSep;
using testsupport::TempDir;
using Lines = std::vector<std::string>;

// Handles queued messages until the finished one; the session is idle then.
void HandleUntilFinished(RestoreSession& session, RestoreMessageQueue& queue) {
    while (session.Restoring()) {
        if (auto message = queue.WaitAndTake(60000)) {
            session.Handle(*message);
        } else {
            FAIL() << "the worker sent no finished message";
        }
    }
}

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("backup/a.txt", "a");
        dir.write("backup/b.txt", "b");
        dir.write("backup/c.txt", "c");
        dir.mkdir("dest");
        elements = {"a.txt", "b.txt", "c.txt"};
        destinations.assign(3, dir.file("dest/"));
    }

    TempDir dir;
    std::vector<std::string> elements;
    std::vector<std::string> destinations;
    RestoreSession session{BuiltIn};
    RestoreMessageQueue queue;
};

TEST_F(Session, CompletedRestorationLeavesOneLine) {
    ASSERT_EQ(session.Start(false, elements, destinations, dir.file("backup/"), nullptr, queue), 0);
    EXPECT_TRUE(session.Restoring());
    HandleUntilFinished(session, queue);
    EXPECT_EQ(session.Log().Lines(), Lines{"Operation completed successfully."});
    EXPECT_EQ(dir.read("dest/c.txt"), "c");
}

TEST_F(Session, OneFailureOfThreeGivesAFailureLineAndTheErrorOutcome) {
    dir.write("dest/b.txt", "old");
    fs::permissions(dir.file("dest/b.txt"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_EQ(session.Start(false, elements, destinations, dir.file("backup/"), nullptr, queue), 0);
    HandleUntilFinished(session, queue);
    EXPECT_EQ(session.Log().Lines(), (Lines{"*** " + dir.file("backup/b.txt") + " -- FAILED!",
                                            "Operation completed. There were errors."}));
}

TEST_F(Session, CancelAtTheFirstReportEndsAsCancelledAndTheSessionCanStartAgain) {
    // A stop signalled before the start is reset by the start itself; the cancel
    // comes with the first report, on the worker's thread, before that file's copy.
    RestoreMessageQueue cancelling([&](const RestoreMessage&) { session.Cancel(); });
    ASSERT_EQ(session.Start(true, elements, destinations, dir.file("backup/"), nullptr, cancelling), 0);
    HandleUntilFinished(session, cancelling);
    EXPECT_EQ(session.Log().Lines(), Lines{"Operation canceled by user."});
    EXPECT_FALSE(dir.exists("dest/b.txt"));  // nothing after the file in hand

    ASSERT_EQ(session.Start(false, elements, destinations, dir.file("backup/"), nullptr, queue), 0);
    HandleUntilFinished(session, queue);
    EXPECT_EQ(session.Log().Lines(), Lines{"Operation completed successfully."});
}

}  // namespace
