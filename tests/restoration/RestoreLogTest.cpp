#include "restoration/RestoreLog.h"

#include <gtest/gtest.h>

#include "BuiltInMessages.h"
#include "restoration/RestoreMessages.h"

namespace {

using testsupport::BuiltIn;

using Lines = std::vector<std::string>;

TEST(RestoreLog, LastLineFollowsTheFileInHandAndBecomesTheOutcome) {
    RestoreLog log(BuiltIn);
    log.Progress("a.txt");
    log.Progress("b.txt");
    EXPECT_EQ(log.Lines(), Lines{"b.txt"});
    log.Progress("c.txt");
    log.Finished(rrCompleted);
    EXPECT_EQ(log.Lines(), Lines{"Operation completed successfully."});
}

TEST(RestoreLog, FailureLinesStayInOrderAboveTheOutcome) {
    RestoreLog log(BuiltIn);
    log.Progress("/src/a.txt");
    log.ItemFailed("/src/a.txt");
    EXPECT_EQ(log.Lines(), (Lines{"*** /src/a.txt -- FAILED!", "/src/a.txt"}));
    log.Progress("/src/b.txt");
    log.Progress("/src/c.txt");
    log.ItemFailed("/src/c.txt");
    log.Finished(rrCompleted);
    EXPECT_EQ(log.Lines(), (Lines{"*** /src/a.txt -- FAILED!", "*** /src/c.txt -- FAILED!",
                                  "Operation completed. There were errors."}));
    EXPECT_EQ(log.Failures(), 2);
}

TEST(RestoreLog, OutcomeOfEveryResult) {
    struct Case {
        std::uint32_t result;
        const char* outcome;
    };
    const Case cases[] = {
        {rrCompleted, "Operation completed successfully."},
        {rrCancelledWhileClearing, "Operation canceled by user."},
        {rrCancelledWhileCopying, "Operation canceled by user."},
        {rrAborted, "Operation canceled by user."},
        {rrError, "Operation aborted due to error."},
        {77, "Operation canceled by user."},
    };
    for (const auto& c : cases) {
        RestoreLog log(BuiltIn);
        log.Progress("x");
        log.Finished(c.result);
        EXPECT_EQ(log.Lines(), Lines{c.outcome}) << c.result;
    }
}

TEST(RestoreLog, NothingShownAndNothingFailedIsASuccess) {
    // Only empty folders: no progress line at all.
    RestoreLog log(BuiltIn);
    log.Finished(rrCompleted);
    EXPECT_EQ(log.Lines(), Lines{"Operation completed successfully."});
}

TEST(RestoreLog, ErrorKeepsEarlierFailureLinesAndClearStartsAfresh) {
    RestoreLog log(BuiltIn);
    log.Progress("a");
    log.ItemFailed("a");
    log.Progress("b");
    log.Finished(rrError);
    EXPECT_EQ(log.Lines(), (Lines{"*** a -- FAILED!", "Operation aborted due to error."}));
    log.Clear();
    log.Finished(rrCompleted);
    EXPECT_EQ(log.Lines(), Lines{"Operation completed successfully."});
}

TEST(RestoreLog, UsesTheTranslatedSuffixButNotAPrefix) {
    RestoreLog log([](int number) { return number == 31 ? std::string(" -- FEHLER!") : BuiltIn(number); });
    log.Progress("a");
    log.ItemFailed("a");
    EXPECT_EQ(log.Lines().front(), "*** a -- FEHLER!");
}

TEST(RestoreMessageQueue, KeepsOrderAndNamesAndNotifiesEach) {
    std::vector<unsigned> notified;
    RestoreMessageQueue queue([&](const RestoreMessage& m) { notified.push_back(m.message); });
    queue.RestoreProgress("one");
    queue.RestoreItemFailed("one");
    queue.RestoreProgress("two");
    queue.RestoreFinished(rrCompleted);
    EXPECT_EQ(notified, (std::vector<unsigned>{1026, 1027, 1026, 1025}));
    EXPECT_EQ(queue.Take()->name, "one");
    EXPECT_EQ(queue.Take()->message, WM_RESTORE_ITEM_FAILED);
    EXPECT_EQ(queue.Take()->name, "two");
    const auto finished = queue.Take();
    EXPECT_EQ(finished->message, WM_RESTORE_FINISHED);
    EXPECT_EQ(finished->result, rrCompleted);
    EXPECT_FALSE(queue.Take());
    EXPECT_FALSE(queue.WaitAndTake(10));
}

}  // namespace
