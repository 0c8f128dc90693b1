#include "ScanCommand.h"

#include <filesystem>
#include <system_error>

#include "ArchiveOpening.h"
#include "JsonWriter.h"
#include "archive_location/IndexFileScan.h"
#include "platform/Path.h"

namespace cli {

int RunScan(const ParsedArguments& arguments, Console& console) {
    std::string folder;
    if (!arguments.Positionals().empty()) {
        folder = NativePath(arguments.Positionals().front());
    } else {
        std::error_code error;
        folder = std::filesystem::current_path(error).string();
        if (error) folder = ".";
    }
    if (!platform::EndsWithSeparator(folder)) folder += platform::kPathSeparator;
    std::vector<std::string> found;
    ScanForIndexFiles(folder, found, 1, 0);
    if (arguments.Has("json")) {
        JsonWriter writer(console.out);
        writer.BeginObject().Key("indexes").BeginArray();
        for (const auto& path : found) writer.String(path);
        writer.EndArray().EndObject().Finish();
    } else {
        for (const auto& path : found) console.out << path << '\n';
    }
    return kExitOk;
}

}  // namespace cli
