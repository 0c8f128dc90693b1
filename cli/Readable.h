// Texts for people: bytes as stored, except control characters (a newline or a
// tab in a name), which would disturb the terminal and are shown as \xHH. The
// JSON form of a text is the exact one.
#pragma once

#include <string>
#include <string_view>

namespace cli {

std::string Readable(std::string_view text);

}  // namespace cli
