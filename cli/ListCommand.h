// extractor-cli list [--files] [--json] [--version N] INDEX: the elements of a
// backup as the window lists them, each with its default destination; with
// --files every item of its data instead.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kListOptions[] = {
    {"files", false, false, "", "list every file and folder of the data with its size and date"},
    kJsonOption,
    kVersionOption,
};

int RunList(const ParsedArguments& arguments, Console& console);

}  // namespace cli
