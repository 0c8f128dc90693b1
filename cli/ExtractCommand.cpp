#include "ExtractCommand.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "RecoveryWarning.h"
#include "platform/Console.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

// One line on a terminal, rewritten in place at most a few times a second.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}
    ~ProgressLine() { Clear(); }

    void Show(int index, int count, const std::string& name, int percent, bool force) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && now - last_ < std::chrono::milliseconds(100)) return;
        last_ = now;
        std::string line = "[" + std::to_string(index) + "/" + std::to_string(count) + "] ";
        if (percent >= 0) line += std::to_string(percent) + "% ";
        line += name;
        if (line.size() > 78) line = line.substr(0, 75) + "...";
        err_ << '\r' << line << std::string(width_ > line.size() ? width_ - line.size() : 0, ' ') << std::flush;
        width_ = line.size();
    }
    void Clear() {
        if (!enabled_ || width_ == 0) return;
        err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
        width_ = 0;
    }

private:
    std::ostream& err_;
    bool enabled_;
    std::size_t width_ = 0;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace

int ExtractArchive(const ExtractRequest& request, std::ostream& out, std::ostream& err) {
    if (!request.destination.empty()) {
        std::error_code error;
        std::filesystem::create_directories(request.destination, error);
        if (error) {
            err << "extractor-cli: cannot create " << request.destination << ": " << error.message() << '\n';
            return kExtractError;
        }
    }
    TUnZipper zipper;
    zipper.ExtractOptions = eoCreateDirs | eoRestorePath;
    zipper.SetBaseDirectory(request.destination);
    try {
        zipper.OpenArchive(request.archive);
    } catch (const std::exception& e) {
        err << "extractor-cli: " << e.what() << '\n';
        return kExtractError;
    }
    if (zipper.Recovered()) err << "extractor-cli: warning: " << request.archive << ": " << kRecoveredWarning << '\n';
    const int count = zipper.GetCount();
    for (int i = 0; i < count; ++i) zipper.GetItem(i).Tagged = true;

    ProgressLine progress(err, request.showProgress);
    int index = 0;
    int failed = 0;
    zipper.OnConfirmProcessItem = [&](TUnZipper&, TZipItem& item, TProcessType, bool&) {
        if (request.interrupted()) throw EUserAbort("Interrupted");
        ++index;
        progress.Show(index, count, item.TargetName, -1, false);
    };
    zipper.OnArchiveItemProgress = [&](TUnZipper&, TZipItem& item, int percent, bool& abort) {
        if (request.interrupted()) abort = true;
        progress.Show(index, count, item.TargetName, percent, false);
    };
    zipper.OnProcessItemFailure = [&](TUnZipper&, TZipItem& item, TProcessType, TErrorClass, int) {
        if (request.interrupted()) return;
        ++failed;
        progress.Clear();
        out << "*** " << item.TargetName << " -- FAILED!\n" << std::flush;
    };

    try {
        zipper.ExtractTaggedItems();
    } catch (const EUserAbort&) {
        progress.Clear();
        err << "extractor-cli: extraction cancelled\n";
        return kExtractCancelled;
    } catch (const EAbortProgress&) {
        progress.Clear();
        err << "extractor-cli: extraction cancelled\n";
        return kExtractCancelled;
    } catch (const std::exception& e) {
        progress.Clear();
        err << "extractor-cli: " << e.what() << '\n';
        return kExtractError;
    }
    progress.Clear();
    if (request.interrupted()) return kExtractCancelled;
    return failed == 0 ? kExtractOk : kExtractItemsFailed;
}

int RunExtract(const ParsedArguments& arguments, Console& console) {
    ExtractRequest request;
    request.archive = arguments.Positionals().front();
    request.destination = arguments.Value("to").value_or(std::string());
    request.showProgress = platform::StandardErrorIsTerminal();
    platform::CatchInterrupts();
    request.interrupted = platform::InterruptRequested;
    return ExtractArchive(request, console.out, console.err);
}

}  // namespace cli
