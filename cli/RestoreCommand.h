// extractor-cli restore [--to DIR] [--dest ELEMENT=DIR]... [--clear-folders]
//                       [--version N] [--json] INDEX
// Restores every element of a backup with the program's own worker and prints
// the log as the window shows it at the end: the failure lines, then the outcome.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kRestoreOptions[] = {
    {"to", true}, {"dest", true, true}, {"clear-folders", false}, {"version", true}, {"json", false}};

int RunRestore(const ParsedArguments& arguments, Console& console);

}  // namespace cli
