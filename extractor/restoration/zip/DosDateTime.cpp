#include "restoration/zip/DosDateTime.h"

namespace zip {

std::optional<platform::LocalDateTime> DecodeDosDateTime(std::uint16_t date, std::uint16_t time) {
    platform::LocalDateTime value;
    value.year = 1980 + (date >> 9);
    value.month = (date >> 5) & 0x0F;
    value.day = date & 0x1F;
    value.hour = time >> 11;
    value.minute = (time >> 5) & 0x3F;
    value.second = (time & 0x1F) * 2;
    if (value.month < 1 || value.month > 12 || value.day < 1 || value.hour > 23 || value.minute > 59 ||
        value.second > 59)
        return std::nullopt;
    static constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (value.year % 4 == 0 && value.year % 100 != 0) || value.year % 400 == 0;
    const int days = value.month == 2 && !leap ? 28 : kDaysInMonth[value.month - 1];
    if (value.day > days) return std::nullopt;
    return value;
}

}  // namespace zip
