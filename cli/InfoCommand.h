// extractor-cli info [--json] INDEX: every field of a backup index file.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kInfoOptions[] = {kJsonOption};

int RunInfo(const ParsedArguments& arguments, Console& console);

}  // namespace cli
