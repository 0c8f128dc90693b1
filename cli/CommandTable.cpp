// The commands of extractor-cli. A new command adds one file with its run
// function and one line here.
#include "Command.h"
#include "ExtractCommand.h"
#include "InfoCommand.h"
#include "ListCommand.h"
#include "LocateCommand.h"
#include "RestoreCommand.h"
#include "ScanCommand.h"
#include "VerifyCommand.h"

namespace cli {

std::span<const Command> Commands() {
    static const Command commands[] = {
        {"info", "info [--json] INDEX", "show every field of a backup index file",
         "0 done, 2 wrong usage, 3 the index file could not be read", kInfoOptions, 1, 1, RunInfo},
        {"extract", "extract [--to DIR] [--json] ARCHIVE",
         "extract every item of a ZIP archive below DIR (the current folder by default)",
         "0 done, 1 some items failed, 2 wrong usage, 4 cancelled, 5 the extraction ended with an error",
         kExtractOptions, 1, 1, RunExtract},
        {"locate", "locate [--json] INDEX", "where the data of a backup is expected, and the versions found beside it",
         "0 done, 2 wrong usage, 3 the index file could not be read", kLocateOptions, 1, 1, RunLocate},
        {"list", "list [--files] [--json] [--version N] INDEX",
         "the elements of a backup with their default destination, or with --files every item of its data",
         "0 done, 1 folders of the data could not be read (--files), 2 wrong usage, "
         "3 the index or its data could not be opened (or versions wait for --version N)",
         kListOptions, 1, 1, RunList},
        {"restore",
         "restore [--to DIR] [--dest ELEMENT=DIR]... [--only ELEMENT]... [--clear-folders] [--dry-run] [--version N] "
         "[--json] INDEX",
         "restore every element of a backup into DIR (the documents folder by default) or its own --dest",
         "0 completed, 1 completed with errors, 2 wrong usage, 3 the index or its data could not be opened, "
         "4 cancelled, 5 aborted due to error",
         kRestoreOptions, 1, 1, RunRestore},
        {"scan", "scan [--json] [DIR]", "the index files the program finds at start-up in DIR and its subfolders",
         "0 done, 2 wrong usage, 3 DIR does not exist or is not a folder", kScanOptions, 0, 1, RunScan},
        {"verify", "verify [--json] [--version N] INDEX|ARCHIVE",
         "read every item of a backup's data (or of a ZIP archive) as a restoration would, writing nothing",
         "0 every item good, 1 some items bad, 2 wrong usage, 3 the index or its data could not be opened, "
         "4 cancelled, 5 the archive could not be read",
         kVerifyOptions, 1, 1, RunVerify},
    };
    return commands;
}

}  // namespace cli
