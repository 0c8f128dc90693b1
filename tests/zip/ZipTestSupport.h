// Shared by the ZIP component's tests: an archive and an output folder in a
// temporary folder, and handlers that record every event.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "ZipWriter.h"
#include "restoration/zip/TUnZipper.h"

// Skips the rest of a test. GoogleTest's own skip ends the Windows test
// programs abnormally when they run under Wine's emulated loader here, so on
// Windows a skipped case says why and returns (it then counts as passed).
#define ZIPTEST_SKIP(why)                                   \
    do {                                                    \
        if (ziptest::OnWindows()) {                         \
            std::printf("[  SKIPPED ] %s\n", (why));        \
            return;                                         \
        }                                                   \
        GTEST_SKIP() << (why);                              \
    } while (0)

namespace ziptest {

struct RecordedEvent {
    enum Kind { Confirm, Progress, Failure } kind;
    std::string item;
    int value = 0;  // progress percentage, or error code
    TErrorClass errorClass = TErrorClass::ecOther;
};

// True on Windows builds (the rules and the separator differ there).
bool OnWindows();

class UnZipperFixture {
public:
    UnZipperFixture();

    // Writes the archive, opens it, tags every item and binds recording handlers.
    void Open(const ZipWriter& writer);
    void OpenFile(const std::string& path);
    void TagAll();
    // Extracts into out() as the base directory.
    void Extract();

    std::vector<std::string> Failed() const;        // names of items reported failed
    const RecordedEvent* FailureOf(const std::string& item) const;
    std::vector<int> ProgressOf(const std::string& item) const;

    testsupport::TempDir temp;
    std::string archivePath;
    std::string out;  // output folder, without a trailing separator
    TUnZipper zipper;
    std::vector<RecordedEvent> events;
    // Called from the recording handlers, when set.
    std::function<void(TZipItem&, bool&)> onConfirm;
    std::function<void(TZipItem&, int, bool&)> onProgress;
};

}  // namespace ziptest
