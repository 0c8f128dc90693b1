// The warning extract, list, restore and verify give when an archive had to be
// read from its local headers.
#pragma once

#include <ostream>
#include <string_view>

#include "Readable.h"

namespace cli {

inline constexpr char kRecoveredWarning[] =
    "the central directory is missing or damaged; the items were read from their local headers";

// The warning's line on standard error.
inline void WarnRecovered(std::ostream& err, std::string_view archive) {
    err << "extractor-cli: warning: " << Readable(archive) << ": " << kRecoveredWarning << '\n';
}

}  // namespace cli
