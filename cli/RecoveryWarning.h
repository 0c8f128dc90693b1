// The warning extract and restore give when an archive had to be read from
// its local headers.
#pragma once

namespace cli {

inline constexpr char kRecoveredWarning[] =
    "the central directory is missing or damaged; the items were read from their local headers";

}  // namespace cli
