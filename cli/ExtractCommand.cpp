#include "ExtractCommand.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "ErrorReport.h"
#include "JsonWriter.h"
#include "ProgressLine.h"
#include "Readable.h"
#include "Summary.h"
#include "RecoveryWarning.h"
#include "FailedItem.h"
#include "platform/Console.h"
#include "restoration/FailureReasons.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

struct ExtractOutcome {
    std::uint64_t files = 0;  // extracted whole
    std::uint64_t bytes = 0;
    std::vector<FailedItem> failed;
    bool recovered = false;
    bool cancelled = false;
};

void WriteJson(const ExtractRequest& request, const ExtractOutcome& outcome, std::ostream& out) {
    JsonWriter writer(out);
    writer.BeginObject().Key("archive").String(request.archive).Key("destination").String(request.destination);
    writer.Key("recovered").Boolean(outcome.recovered);
    if (outcome.recovered) writer.Key("warning").String(kRecoveredWarning);
    writer.Key("cancelled").Boolean(outcome.cancelled);
    writer.Key("extracted_files").Integer(static_cast<std::int64_t>(outcome.files));
    writer.Key("extracted_bytes").Integer(static_cast<std::int64_t>(outcome.bytes));
    WriteFailedItems(writer, "failed", outcome.failed);
    writer.EndObject().Finish();
}

void PrintSummary(const ExtractRequest& request, const ExtractOutcome& outcome, std::ostream& err) {
    WriteSummary(err, "extracted", outcome.files, outcome.bytes,
                 request.destination.empty() ? std::string("the current folder") : Readable(request.destination),
                 outcome.failed.size());
}

int Fail(const ExtractRequest& request, const std::string& text, std::ostream& out, std::ostream& err) {
    Console console{out, err};
    return ReportError("extractor-cli", text, kExtractError, request.json, console);
}

}  // namespace

int ExtractArchive(const ExtractRequest& request, std::ostream& out, std::ostream& err) {
    if (!request.destination.empty()) {
        std::error_code error;
        std::filesystem::create_directories(request.destination, error);
        if (error) return Fail(request, "cannot create " + request.destination + ": " + error.message(), out, err);
    }
    TUnZipper zipper;
    zipper.ExtractOptions = eoCreateDirs | eoRestorePath;
    zipper.SetBaseDirectory(request.destination);
    try {
        zipper.OpenArchive(request.archive);
    } catch (const std::exception& e) {
        return Fail(request, e.what(), out, err);
    }
    ExtractOutcome outcome;
    outcome.recovered = zipper.Recovered();
    if (outcome.recovered && !request.json) WarnRecovered(err, request.archive);
    Progress progress;
    const int count = zipper.GetCount();
    for (int i = 0; i < count; ++i) {
        TZipItem& item = zipper.GetItem(i);
        item.Tagged = true;
        if (item.IsFolder()) continue;
        ++progress.totalFiles;
        progress.totalBytes += item.UncompressedSize();
    }

    ProgressLine line(err, request.showProgress && !request.json);
    std::uint64_t bytesBefore = 0;  // of the items before the one in hand
    std::uint64_t current = 0;      // the size of the item in hand
    bool inHand = false;
    const auto endItem = [&](bool good) {
        if (!inHand) return;
        inHand = false;
        bytesBefore += current;
        if (!good) return;
        ++outcome.files;
        outcome.bytes += current;
    };
    zipper.OnConfirmProcessItem = [&](TUnZipper&, TZipItem& item, TProcessType, bool&) {
        if (request.interrupted()) throw EUserAbort("Interrupted");
        endItem(true);
        if (item.IsFolder()) return;
        inHand = true;
        current = item.UncompressedSize();
        progress.files += 1;
        progress.bytes = bytesBefore;
        progress.item = item.TargetName;
        line.Show(progress);
    };
    zipper.OnArchiveItemProgress = [&](TUnZipper&, TZipItem&, int percent, bool& abort) {
        if (request.interrupted()) abort = true;
        progress.bytes = bytesBefore + current * static_cast<std::uint64_t>(percent) / 100;
        line.Show(progress);
    };
    zipper.OnProcessItemFailure = [&](TUnZipper& sender, TZipItem& item, TProcessType, TErrorClass errorClass,
                                      int code) {
        if (request.interrupted()) return;
        endItem(false);
        outcome.failed.push_back({item.TargetName, ZipFailureReason(errorClass, code, sender.FailureSystemText())});
        if (request.json) return;
        line.Clear();
        out << "*** " << Readable(item.TargetName) << " -- FAILED!\n" << std::flush;
        err << "extractor-cli: " << Readable(item.TargetName) << ": " << outcome.failed.back().reason << '\n';
    };

    try {
        zipper.ExtractTaggedItems();
        endItem(true);
    } catch (const EUserAbort&) {
        outcome.cancelled = true;
    } catch (const EAbortProgress&) {
        outcome.cancelled = true;
    } catch (const std::exception& e) {
        line.Clear();
        return Fail(request, e.what(), out, err);
    }
    line.Clear();
    if (request.interrupted()) outcome.cancelled = true;
    if (request.json) {
        WriteJson(request, outcome, out);
    } else {
        if (outcome.cancelled) err << "extractor-cli: extraction cancelled\n";
        PrintSummary(request, outcome, err);
    }
    if (outcome.cancelled) return kExtractCancelled;
    return outcome.failed.empty() ? kExtractOk : kExtractItemsFailed;
}

int RunExtract(const ParsedArguments& arguments, Console& console) {
    ExtractRequest request;
    request.archive = arguments.Positionals().front();
    const std::optional<std::string> to = arguments.Value("to");
    if (to && to->empty()) throw UsageError("--to needs a folder, not an empty name");
    request.destination = to.value_or(std::string());
    request.json = arguments.Has("json");
    request.showProgress = platform::StandardErrorIsTerminal();
    platform::CatchInterrupts();
    request.interrupted = platform::InterruptRequested;
    return ExtractArchive(request, console.out, console.err);
}

}  // namespace cli
