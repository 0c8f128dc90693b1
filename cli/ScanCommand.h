// extractor-cli scan [--json] [DIR]: the index files that the program's start-up
// search finds in DIR (default: the current folder) and its first-level
// subfolders, in the order it finds them.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kScanOptions[] = {kJsonOption};

int RunScan(const ParsedArguments& arguments, Console& console);

}  // namespace cli
