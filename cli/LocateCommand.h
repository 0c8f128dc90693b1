// extractor-cli locate [--json] INDEX: where the data of a backup is expected,
// whether it is there, and otherwise the versions found beside the index.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kLocateOptions[] = {kJsonOption};

int RunLocate(const ParsedArguments& arguments, Console& console);

}  // namespace cli
