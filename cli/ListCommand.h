// extractor-cli list [--json] [--version N] INDEX: the elements of a backup as
// the window lists them, each with its default destination.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kListOptions[] = {kJsonOption, kVersionOption};

int RunList(const ParsedArguments& arguments, Console& console);

}  // namespace cli
