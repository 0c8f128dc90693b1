#include "ScanCommand.h"

#include <filesystem>
#include <system_error>

#include "ArchiveOpening.h"
#include "ErrorReport.h"
#include "JsonWriter.h"
#include "Readable.h"
#include "archive_location/IndexFileScan.h"
#include "platform/Path.h"

namespace cli {

int RunScan(const ParsedArguments& arguments, Console& console) {
    const bool json = arguments.Has("json");
    std::string folder;
    if (!arguments.Positionals().empty()) {
        folder = NativePath(arguments.Positionals().front());
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error)) {
            const bool exists = std::filesystem::exists(folder, error);
            return ReportErrorText(folder + (exists ? ": is not a folder" : ": the folder does not exist"), json,
                                   console);
        }
    } else {
        std::error_code error;
        folder = std::filesystem::current_path(error).string();
        if (error) folder = ".";
    }
    if (!platform::EndsWithSeparator(folder)) folder += platform::kPathSeparator;
    std::vector<std::string> found;
    ScanForIndexFiles(folder, found, 1, 0);
    if (json) {
        JsonWriter writer(console.out);
        writer.BeginObject().Key("indexes").BeginArray();
        for (const auto& path : found) writer.String(path);
        writer.EndArray().EndObject().Finish();
    } else {
        for (const auto& path : found) console.out << Readable(path) << '\n';
    }
    return kExitOk;
}

}  // namespace cli
