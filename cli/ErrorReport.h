// How the command-line restorer reports that an index could not be read: with
// the message the program's window shows for the same failure.
#pragma once

#include <cstdint>
#include <string_view>

#include "Command.h"

namespace cli {

// A result code of reading or opening an index (-1..-7, -101..-104): the
// message's caption and text (the path filled in) as "Caption: text" on err,
// or with json {"error": {"code": N, "caption": "...", "text": "..."}} on out.
// Returns kExitIndexUnread.
int ReportIndexError(std::int32_t code, std::string_view indexPath, bool json, Console& console);

// An error that carries its own text (the conversion error of an XML index's
// "last_update"): "Error: text" on err, or with json the same object with
// "code": null and the caption "Error". Returns kExitIndexUnread.
int ReportErrorText(std::string_view text, bool json, Console& console);

}  // namespace cli
