#include "RestoreCommand.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <exception>
#include <filesystem>
#include <memory>
#include <set>
#include <system_error>

#include "ArchiveOpening.h"
#include "DryRun.h"
#include "ErrorReport.h"
#include "JsonWriter.h"
#include "RecoveryWarning.h"
#include "ProgressLine.h"
#include "Readable.h"
#include "RestoreTally.h"
#include "Summary.h"
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
    // "/" typed on Windows means the separator too.
    const std::string name = platform::WithPlatformSeparators(given);
    for (const std::string& candidate : {name, AsFolder(name)}) {
        const auto found = std::find(elements.begin(), elements.end(), candidate);
        if (found != elements.end()) return static_cast<std::size_t>(found - elements.begin());
    }
    return std::nullopt;
}

// Applies one --dest ELEMENT=DIR. Names and folders may hold "=" themselves:
// the split is the first "=" whose left side names an element.
// An element given twice is a mistake: which folder was meant is unknown.
void ApplyDestination(const std::string& option, const std::vector<std::string>& elements,
                      std::vector<std::string>& destinations, std::set<std::size_t>& given) {
    for (auto equals = option.find('='); equals != std::string::npos; equals = option.find('=', equals + 1)) {
        if (const auto index = FindElement(elements, option.substr(0, equals))) {
            const std::string folder = option.substr(equals + 1);
            if (folder.empty()) throw UsageError("--dest '" + option + "' gives an empty folder");
            if (!given.insert(*index).second) {
                throw UsageError("--dest names '" + elements[*index] + "' more than once");
            }
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

// Keeps the elements that --only names, each with its destination.
void SelectOnly(const std::vector<std::string>& only, std::vector<std::string>& elements,
                std::vector<std::string>& destinations) {
    std::vector<bool> chosen(elements.size(), false);
    for (const auto& given : only) {
        const auto index = FindElement(elements, given);
        if (!index) throw UsageError("--only '" + given + "' names no element of the backup (see the list command)");
        chosen[*index] = true;
    }
    std::vector<std::string> keptElements, keptDestinations;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (!chosen[i]) continue;
        keptElements.push_back(elements[i]);
        keptDestinations.push_back(destinations[i]);
    }
    elements = std::move(keptElements);
    destinations = std::move(keptDestinations);
}

// Each destination folder is made with its parents when missing, as extract
// does; the text of the first that cannot be, or nothing.
std::optional<std::string> PrepareFolders(const std::vector<std::string>& destinations) {
    for (const std::string& folder : std::set<std::string>(destinations.begin(), destinations.end())) {
        // Without the trailing separator, a file in the way is seen as one.
        const std::filesystem::path path = std::filesystem::path(folder).parent_path();
        std::error_code error;
        if (std::filesystem::is_directory(path, error)) continue;
        if (std::filesystem::exists(path, error)) return folder + ": exists and is not a folder";
        std::filesystem::create_directories(path, error);
        if (error) return folder + ": cannot create the folder: " + error.message();
    }
    return std::nullopt;
}

void WriteReason(const FailedItem& item, Console& console) {
    console.err << "extractor-cli: " << Readable(item.name) << ": "
                << (item.reason.empty() ? "not restored" : item.reason) << '\n';
}

// The end on standard error: what was restored, where to, and how many failed.
void PrintSummary(const RestoreTally& tally, const std::vector<std::string>& destinations, Console& console) {
    std::string where;
    for (const auto& folder : std::set<std::string>(destinations.begin(), destinations.end())) {
        where += (where.empty() ? "" : ", ") + Readable(folder);
    }
    WriteSummary(console.err, "restored", tally.FilesRestored(), tally.BytesRestored(), where,
                 tally.FailedItems().size());
}

void WriteJson(std::uint32_t result, bool recovered, const std::vector<std::string>& lines, const RestoreTally& tally,
               const std::string& abortReason, std::ostream& out) {
    JsonWriter writer(out);
    writer.BeginObject().Key("result").Integer(result);
    if (recovered) writer.Key("recovered").Boolean(true).Key("warning").String(kRecoveredWarning);
    writer.Key("log").BeginArray();
    for (const auto& line : lines) writer.String(line);
    writer.EndArray();
    writer.Key("restored_files").Integer(static_cast<std::int64_t>(tally.FilesRestored()));
    writer.Key("restored_bytes").Integer(static_cast<std::int64_t>(tally.BytesRestored()));
    WriteFailedItems(writer, "failed", tally.FailedItems());
    if (!abortReason.empty()) writer.Key("error").String(abortReason);
    writer.EndObject().Finish();
}

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
    const std::optional<std::string> to = arguments.Value("to");
    if (to && to->empty()) throw UsageError("--to needs a folder, not an empty name");
    ArchiveListing listing;
    const int status = OpenArchiveListing(indexPath, arguments.Value("version"), json, console, listing);
    if (status != kExitOk) return status;

    std::vector<std::string> destinations(listing.elementNames.size(),
                                          AsFolder(to.value_or(listing.defaultDestination)));
    std::set<std::size_t> given;
    for (const auto& option : arguments.Values("dest")) {
        ApplyDestination(option, listing.elementNames, destinations, given);
    }
    std::vector<std::string> elements = listing.elementNames;
    if (const auto only = arguments.Values("only"); !only.empty()) {
        SelectOnly(only, elements, destinations);
    }

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
    if (recovered) WarnRecovered(console.err, listing.archivePath);
    if (arguments.Has("dry-run")) {
        return PrintDryRun({elements, destinations, listing.archivePath, unzipper.get(), arguments.Has("clear-folders")},
                           json, console);
    }
    if (const auto failure = PrepareFolders(destinations)) {
        return ReportError(BuiltIn(localisation::kMsgError), *failure, kExitError, json, console);
    }

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
    if (const int failure = session.Start(arguments.Has("clear-folders"), elements, destinations,
                                          listing.archivePath, unzipper.get(), queue,
                                          platform::ThreadPriority::Normal)) {
        console.err << BuiltIn(localisation::kMsgError) << ": " << BuiltIn(failure) << '\n';
        return kExitError;
    }

    RestoreTally tally(unzipper.get());
    ProgressLine progress(console.err, !json && platform::StandardErrorIsTerminal());
    std::uint32_t result = rrCompleted;
    std::string abortReason;
    bool cancelled = false;
    while (session.Restoring()) {
        if (!cancelled && platform::InterruptRequested()) {
            session.Cancel();
            cancelled = true;
        }
        finished.WaitFor(kPollMilliseconds);
        while (const auto message = queue.Take()) {
            if (message->message == WM_RESTORE_PROGRESS) tally.Begun(message->name);
            if (message->message == WM_RESTORE_ITEM_FAILED) {
                tally.Failed(message->name, message->reason);
                progress.Clear();
                if (!json) WriteReason(tally.FailedItems().back(), console);
            }
            if (message->message == WM_RESTORE_FINISHED) {
                result = message->result;
                abortReason = message->reason;
            }
            session.Handle(*message);
        }
        progress.Show({tally.FilesBegun(), tally.TotalFiles(), tally.BytesBegun(), tally.TotalBytes(), tally.Current()});
    }
    progress.Clear();

    const auto& lines = session.Log().Lines();
    if (json) {
        WriteJson(result, recovered, lines, tally, abortReason, console.out);
    } else {
        for (const auto& line : lines) console.out << Readable(line) << '\n';
        if (result == rrError) {
            console.err << "extractor-cli: " << listing.archivePath << ": "
                        << (abortReason.empty() ? "the extraction ended with an error" : Readable(abortReason))
                        << '\n';
        }
        PrintSummary(tally, destinations, console);
    }
    return ExitStatusOf(result, session.Log().Failures());
}

}  // namespace cli
