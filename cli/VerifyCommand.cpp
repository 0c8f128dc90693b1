#include "VerifyCommand.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "ArchiveOpening.h"
#include "BackupCheck.h"
#include "ErrorReport.h"
#include "JsonWriter.h"
#include "RecoveryWarning.h"
#include "platform/Console.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "restoration/zip/TUnZipper.h"

namespace cli {
namespace {

// A ZIP archive named directly: by its extension, or its first bytes.
bool NamesAnArchive(const std::string& path) {
    std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".zip") return true;
    char start[2] = {};
    std::ifstream file(path, std::ios::binary);
    return file.read(start, 2) && start[0] == 'P' && start[1] == 'K';
}

void WriteReport(const std::string& data, const CheckReport& report, bool json, Console& console) {
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject().Key("data").String(data).Key("recovered").Boolean(report.recovered);
        if (report.recovered) writer.Key("warning").String(kRecoveredWarning);
        writer.Key("checked").Integer(static_cast<std::int64_t>(report.checked))
            .Key("good").Integer(static_cast<std::int64_t>(report.good))
            .Key("bad").Integer(static_cast<std::int64_t>(report.bad.size()))
            .Key("bytes").Integer(static_cast<std::int64_t>(report.bytes))
            .Key("bad_items").BeginArray();
        for (const BadItem& item : report.bad)
            writer.BeginObject().Key("name").String(item.name).Key("reason").String(item.reason).EndObject();
        writer.EndArray().EndObject().Finish();
        return;
    }
    for (const BadItem& item : report.bad) console.out << "BAD " << item.name << ": " << item.reason << '\n';
    console.out << "checked " << report.checked << ", good " << report.good << ", bad " << report.bad.size()
                << ", bytes " << report.bytes << '\n';
}

}  // namespace

int RunVerify(const ParsedArguments& arguments, Console& console) {
    const bool json = arguments.Has("json");
    const std::string named = NativePath(arguments.Positionals().front());
    std::string data = named;
    if (platform::IsFolder(named)) {
        if (!platform::EndsWithSeparator(data)) data += platform::kPathSeparator;
    } else if (!NamesAnArchive(named)) {
        ArchiveListing listing;
        const int status = OpenArchiveListing(AbsoluteIndexPath(named), arguments.Value("version"), json, console, listing);
        if (status != kExitOk) return status;
        data = listing.archivePath;
    }

    platform::CatchInterrupts();
    CheckReport report;
    {
        ProgressLine line(console.err, !json && platform::StandardErrorIsTerminal());
        const CheckProgress progress = [&line](const Progress& done) { line.Show(done); };
        if (platform::EndsWithSeparator(data)) {
            report = CheckFolderCopy(data, platform::InterruptRequested, progress);
        } else {
            try {
                report = CheckZipArchive(data, platform::InterruptRequested, progress);
            } catch (const std::exception& e) {
                line.Clear();
                return ReportError("extractor-cli", data + ": " + e.what(), kExitError, json, console);
            }
        }
    }
    if (report.recovered) WarnRecovered(console.err, data);
    if (report.cancelled) {
        return ReportError("extractor-cli", "verification cancelled", kExitCancelled, json, console);
    }
    WriteReport(data, report, json, console);
    return report.bad.empty() ? kExitOk : kExitItemsFailed;
}

}  // namespace cli
