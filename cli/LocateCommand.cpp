#include "LocateCommand.h"

#include "ArchiveOpening.h"
#include "ErrorReport.h"
#include "backup_index/Backupproindex.h"

namespace cli {

int RunLocate(const ParsedArguments& arguments, Console& console) {
    const std::string path = AbsoluteIndexPath(arguments.Positionals().front());
    const bool json = arguments.Has("json");
    LocatedArchive located;
    if (const auto failed = ReadIndexOrReport(path, json, console, [&] { return LocateArchive(path, located, VersionSearch::kAlways); })) {
        return *failed;
    }
    WriteLocation(located, json, console);
    return kExitOk;
}

}  // namespace cli
