#include "CalendarText.h"

#include <cstdio>

namespace cli {

std::string CalendarText(const CalendarTime& time, char between, bool seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u%c%02u:%02u", unsigned(time.year), unsigned(time.month),
                  unsigned(time.day), between, unsigned(time.hour), unsigned(time.minute));
    std::string result = text;
    if (seconds) {
        std::snprintf(text, sizeof text, ":%02u", unsigned(time.second));
        result += text;
    }
    return result;
}

}  // namespace cli
