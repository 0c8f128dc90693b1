// extractor-cli restore [--to DIR] [--dest ELEMENT=DIR]... [--clear-folders]
//                       [--version N] [--json] INDEX
// Restores every element of a backup with the program's own worker and prints
// the log as the window shows it at the end: the failure lines, then the outcome.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kRestoreOptions[] = {
    {"to", true, false, "DIR", "restore into DIR, made when missing (default: the documents folder)"},
    {"dest", true, true, "ELEMENT=DIR", "restore ELEMENT into DIR instead (repeatable, once per element)"},
    {"only", true, true, "ELEMENT", "restore only ELEMENT (repeatable); the others are left alone"},
    {"clear-folders", false, false, "", "empty the destinations of folder elements first"},
    {"dry-run", false, false, "", "write nothing: print each file that would be written, replaced or deleted"},
    kVersionOption,
    kJsonOption};

int RunRestore(const ParsedArguments& arguments, Console& console);

}  // namespace cli
