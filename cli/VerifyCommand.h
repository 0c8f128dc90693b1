// "verify [--json] [--version N] INDEX|ARCHIVE": reads every item of a backup's
// data (the data of an index, or a ZIP archive or folder copy named directly) as a
// restoration would and writes nothing; names each bad item with the reason.
#pragma once

#include "Command.h"

namespace cli {

inline constexpr OptionSpec kVerifyOptions[] = {kJsonOption, kVersionOption};

// Exit: 0 all good, 1 some bad, 3 the index or its data could not be opened,
// 4 cancelled, 5 the archive could not be read at all.
int RunVerify(const ParsedArguments& arguments, Console& console);

}  // namespace cli
