// "extract [--to DIR] ARCHIVE": every item of a ZIP archive below DIR (the
// current folder by default), with the events handled as a restoration does:
// a failed item gives its failure line on standard output and the rest goes on.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "Command.h"

namespace cli {

// Exit statuses of the extract command.
enum ExtractStatus : int {
    kExtractOk = kExitOk,                   // every item extracted
    kExtractItemsFailed = kExitItemsFailed,  // some items failed; the others were extracted
    kExtractCancelled = kExitCancelled,      // interrupted; the item in hand was removed
    kExtractError = kExitError,              // the extraction ended with an error (archive unreadable, destination missing)
};

struct ExtractRequest {
    std::string archive;
    std::string destination;  // "" for the current folder
    bool showProgress = false;  // a progress line on err (for terminals)
    bool json = false;          // the outcome as one JSON object on out, also for an error
    std::function<bool()> interrupted = [] { return false; };
};

int ExtractArchive(const ExtractRequest& request, std::ostream& out, std::ostream& err);

inline constexpr OptionSpec kExtractOptions[] = {
    {"to", true, false, "DIR", "extract below DIR, made with its parents when missing (default: the current folder)"},
    kJsonOption};
// The command-line entry: "--to DIR", "--json" and one ARCHIVE; Ctrl+C cancels.
int RunExtract(const ParsedArguments& arguments, Console& console);

}  // namespace cli
