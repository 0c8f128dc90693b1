#include "restoration/zip/DosDateTime.h"

namespace zip {

std::optional<CalendarTime> DecodeDosDateTime(std::uint16_t date, std::uint16_t time) {
    CalendarTime value;
    value.year = static_cast<std::uint16_t>(1980 + (date >> 9));
    value.month = static_cast<std::uint16_t>((date >> 5) & 0x0F);
    value.day = static_cast<std::uint16_t>(date & 0x1F);
    value.hour = static_cast<std::uint16_t>(time >> 11);
    value.minute = static_cast<std::uint16_t>((time >> 5) & 0x3F);
    value.second = static_cast<std::uint16_t>((time & 0x1F) * 2);
    if (!IsValidCalendarTime(value)) return std::nullopt;
    return value;
}

}  // namespace zip
