// How the command-line restorer reports that an index could not be read: with
// the message the program's window shows for the same failure.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "Command.h"

namespace cli {

// A result code of reading or opening an index (-1..-7, -101..-104): the
// message's caption and text (the path filled in) as "Caption: text" on err,
// or with json {"error": {"code": N, "caption": "...", "text": "..."}} on out.
// A text that does not name the index is led by its path ("Caption: PATH: text");
// the JSON object has the path as "path".
// Returns kExitIndexUnread.
int ReportIndexError(std::int32_t code, std::string_view indexPath, bool json, Console& console);

// An error that carries its own text (the conversion error of an XML index's
// "last_update"): "Error: text" on err, or with json the same object with
// "code": null and the caption "Error". Returns kExitIndexUnread.
int ReportErrorText(std::string_view text, bool json, Console& console);

// Runs read, which reads or opens the index at path and returns its result
// code (0 for success), and reports a failure as above: a date conversion error
// with its own text, any other code with its message. Nothing when it
// succeeded, else the exit status. Other exceptions pass through.
std::optional<int> ReadIndexOrReport(std::string_view path, bool json, Console& console,
                                     const std::function<std::int32_t()>& read);

// Any other failure of a command: "Caption: text" on err, or with json
// {"error": {"code": null, "caption": ..., "text": ...}} on out. Returns status.
int ReportError(std::string_view caption, std::string_view text, int status, bool json, Console& console);

}  // namespace cli
