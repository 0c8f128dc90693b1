// The MS-DOS date and time of ZIP headers (local time, two-second steps).
#pragma once

#include <cstdint>
#include <optional>

#include "platform/CalendarTime.h"

namespace zip {

// Nothing for values that name no real time of day (month 0, hour 25, ...).
std::optional<CalendarTime> DecodeDosDateTime(std::uint16_t date, std::uint16_t time);

}  // namespace zip
