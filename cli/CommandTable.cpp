// The commands of extractor-cli. A new command adds one file with its run
// function and one line here.
#include "Command.h"
#include "ExtractCommand.h"
#include "InfoCommand.h"

namespace cli {

std::span<const Command> Commands() {
    static const Command commands[] = {
        {"info", "info [--json] INDEX", "show every field of a backup index file",
         "0 done, 3 the index file could not be read", kInfoOptions, 1, 1, RunInfo},
        {"extract", "extract [--to DIR] ARCHIVE",
         "extract every item of a ZIP archive below DIR (the current folder by default)",
         "0 done, 1 some items failed, 4 cancelled, 5 the extraction ended with an error", kExtractOptions, 1, 1,
         RunExtract},
    };
    return commands;
}

}  // namespace cli
