#include "LocateCommand.h"

#include "ArchiveOpening.h"
#include "ErrorReport.h"
#include "backup_index/Backupproindex.h"

namespace cli {

int RunLocate(const ParsedArguments& arguments, Console& console) {
    const std::string path = AbsoluteIndexPath(arguments.Positionals().front());
    const bool json = arguments.Has("json");
    LocatedArchive located;
    std::int32_t code;
    try {
        code = LocateArchive(path, located);
    } catch (const EConvertError& error) {
        return ReportErrorText(error.what(), json, console);
    }
    if (code != kOpenIndexOk) return ReportIndexError(code, path, json, console);
    WriteLocation(located, json, console);
    return kExitOk;
}

}  // namespace cli
