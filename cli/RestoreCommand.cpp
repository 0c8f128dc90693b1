#include "RestoreCommand.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <exception>
#include <memory>

#include "ArchiveOpening.h"
#include "ErrorReport.h"
#include "JsonWriter.h"
#include "RecoveryWarning.h"
#include "RestoreProgress.h"
#include "localisation/MessageLists.h"
#include "platform/Path.h"
#include "platform/Console.h"
#include "restoration/RestoreSession.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

constexpr unsigned kPollMilliseconds = 100;

std::string BuiltIn(int number) {
    return std::string(localisation::BuiltInMessage(localisation::MainWindowMessages(), number));
}

std::string AsFolder(std::string path) {
    path = NativePath(path);
    if (!platform::EndsWithSeparator(path)) path += platform::kPathSeparator;
    return path;
}

// The index of the element that ELEMENT names: exactly, or a folder element
// named without its trailing separator.
std::optional<std::size_t> FindElement(const std::vector<std::string>& elements, const std::string& given) {
    const std::string name = platform::WithPlatformSeparators(given);  // "/" typed on Windows means the separator too
    for (const std::string& candidate : {name, AsFolder(name)}) {
        const auto found = std::find(elements.begin(), elements.end(), candidate);
        if (found != elements.end()) return static_cast<std::size_t>(found - elements.begin());
    }
    return std::nullopt;
}

// Applies one --dest ELEMENT=DIR. Names and folders may hold "=" themselves:
// the split is the first "=" whose left side names an element.
void ApplyDestination(const std::string& option, const std::vector<std::string>& elements,
                      std::vector<std::string>& destinations) {
    for (auto equals = option.find('='); equals != std::string::npos; equals = option.find('=', equals + 1)) {
        if (const auto index = FindElement(elements, option.substr(0, equals))) {
            const std::string folder = option.substr(equals + 1);
            if (folder.empty()) break;
            destinations[*index] = AsFolder(folder);
            return;
        }
    }
    if (option.find('=') == std::string::npos) throw UsageError("--dest needs ELEMENT=DIR, not '" + option + "'");
    throw UsageError("--dest '" + option + "' names no element of the backup (see the list command)");
}

// Raised once from the worker's thread when its finished report is queued.
class FinishSignal {
public:
    void Raise() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            raised_ = true;
        }
        changed_.notify_all();
    }
    void WaitFor(unsigned milliseconds) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return raised_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool raised_ = false;
};

ExitStatus ExitStatusOf(std::uint32_t result, int failures) {
    switch (result) {
        case rrCompleted: return failures == 0 ? kExitOk : kExitItemsFailed;
        case rrError: return kExitError;
        default: return kExitCancelled;
    }
}

}  // namespace

int RunRestore(const ParsedArguments& arguments, Console& console) {
    const std::string indexPath = AbsoluteIndexPath(arguments.Positionals().front());
    const bool json = arguments.Has("json");
    ArchiveListing listing;
    const int status = OpenArchiveListing(indexPath, arguments.Value("version"), json, console, listing);
    if (status != kExitOk) return status;

    std::vector<std::string> destinations(listing.elementNames.size(),
                                          AsFolder(arguments.Value("to").value_or(listing.defaultDestination)));
    for (const auto& option : arguments.Values("dest")) ApplyDestination(option, listing.elementNames, destinations);

    std::unique_ptr<TUnZipper> unzipper;
    if (!platform::EndsWithSeparator(listing.archivePath)) {
        unzipper = std::make_unique<TUnZipper>();
        unzipper->ExtractOptions = eoCreateDirs | eoRestorePath;
        try {
            unzipper->OpenArchive(listing.archivePath);
        } catch (const std::exception& error) {
            return ReportErrorText(listing.archivePath + ": " + error.what(), json, console);
        }
    }
    const bool recovered = unzipper && unzipper->Recovered();
    if (recovered) console.err << "extractor-cli: warning: " << listing.archivePath << ": " << kRecoveredWarning << '\n';

    RestoreSession session(BuiltIn);
    // Only the end wakes this thread at once; the reports in between are taken
    // in batches at each poll, so that the worker never waits for a wake-up.
    FinishSignal finished;
    RestoreMessageQueue queue([&finished](const RestoreMessage& message) {
        if (message.message == WM_RESTORE_FINISHED) finished.Raise();
    });
    platform::CatchInterrupts();
    // The user waits for this command; there is no window whose thread needs the
    // processor more, so the worker keeps the normal priority.
    if (const int failure = session.Start(arguments.Has("clear-folders"), listing.elementNames, destinations,
                                          listing.archivePath, unzipper.get(), queue,
                                          platform::ThreadPriority::Normal)) {
        console.err << BuiltIn(localisation::kMsgError) << ": " << BuiltIn(failure) << '\n';
        return kExitError;
    }

    std::optional<RestoreProgress> progress;
    if (!json && platform::StandardErrorIsTerminal()) progress.emplace(console.err, unzipper.get());
    std::uint32_t result = rrCompleted;
    bool cancelled = false;
    while (session.Restoring()) {
        if (!cancelled && platform::InterruptRequested()) {
            session.Cancel();
            cancelled = true;
        }
        finished.WaitFor(kPollMilliseconds);
        while (const auto message = queue.Take()) {
            if (message->message == WM_RESTORE_PROGRESS && progress) progress->FileBegun(message->name);
            if (message->message == WM_RESTORE_FINISHED) result = message->result;
            session.Handle(*message);
        }
    }
    if (progress) progress->Finish();

    const auto& lines = session.Log().Lines();
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject().Key("result").Integer(result);
        if (recovered) writer.Key("recovered").Boolean(true).Key("warning").String(kRecoveredWarning);
        writer.Key("log").BeginArray();
        for (const auto& line : lines) writer.String(line);
        writer.EndArray().EndObject().Finish();
    } else {
        for (const auto& line : lines) console.out << line << '\n';
    }
    return ExitStatusOf(result, session.Log().Failures());
}

}  // namespace cli
