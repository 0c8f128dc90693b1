#include "Readable.h"

#include <cstdio>

namespace cli {

std::string Readable(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace cli
