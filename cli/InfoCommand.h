// extractor-cli info [--json] INDEX: every field of a backup index file.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kInfoOptions[] = {{"json", false}};

int RunInfo(const ParsedArguments& arguments, Console& console);

}  // namespace cli
