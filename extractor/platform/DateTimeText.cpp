// The portable half of the date-time text service: the reader of the short
// date grammar and the derivation of conventions from the platforms' patterns.
#include "platform/DateTimeText.h"

#include <cctype>
#include <cstddef>
#include <vector>

namespace platform {
namespace {

// A pattern split into its fields and the literal text between them.
struct PatternToken {
    enum class Kind { Literal, Day, Month, Year, Hour, Minute, Second, Other };
    Kind kind;
    std::string text;  // the literal text, or the field as written in the pattern
};
using Pattern = std::vector<PatternToken>;

void AppendLiteral(Pattern& pattern, std::string_view text) {
    if (text.empty()) return;
    if (!pattern.empty() && pattern.back().kind == PatternToken::Kind::Literal) {
        pattern.back().text += text;
    } else {
        pattern.push_back({PatternToken::Kind::Literal, std::string(text)});
    }
}

// Windows pictures: runs of d, M, y, g, h, H, m, s, t are fields; text in single
// quotes is literal ('' is one quote); everything else is literal.
Pattern TokeniseWindowsPicture(std::string_view picture) {
    Pattern pattern;
    std::size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == '\'') {
            std::string literal;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'') {
                        literal += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += picture[i++];
            }
            AppendLiteral(pattern, literal);
            continue;
        }
        if (std::string_view("dMyghHmst").find(c) == std::string_view::npos) {
            AppendLiteral(pattern, std::string_view(&picture[i], 1));
            ++i;
            continue;
        }
        std::size_t run = i;
        while (run < picture.size() && picture[run] == c) ++run;
        const std::size_t length = run - i;
        using K = PatternToken::Kind;
        K kind = K::Other;
        switch (c) {
            case 'd': kind = length <= 2 ? K::Day : K::Other; break;  // ddd, dddd: weekday names
            case 'M': kind = length <= 2 ? K::Month : K::Other; break;  // MMM, MMMM: month names
            case 'y': kind = K::Year; break;
            case 'h': case 'H': kind = K::Hour; break;
            case 'm': kind = K::Minute; break;
            case 's': kind = K::Second; break;
            default: break;  // g (era), t (AM/PM)
        }
        pattern.push_back({kind, std::string(picture.substr(i, length))});
        i = run;
    }
    return pattern;
}

// strftime formats: conversions (with glibc's flags, width and E/O modifiers)
// are fields; %D, %F, %T, %R and %r are expanded; %% is a literal percent sign.
void TokeniseStrftime(std::string_view format, Pattern& pattern, int depth = 0) {
    using K = PatternToken::Kind;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            AppendLiteral(pattern, format.substr(i, 1));
            ++i;
            continue;
        }
        const std::size_t start = i++;
        while (i < format.size() && std::string_view("_-0^#").find(format[i]) != std::string_view::npos) ++i;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
        if (i >= format.size()) {
            AppendLiteral(pattern, format.substr(start));
            break;
        }
        const char c = format[i++];
        const std::string raw(format.substr(start, i - start));
        const char* expansion = nullptr;
        K kind = K::Other;
        switch (c) {
            case '%': AppendLiteral(pattern, "%"); continue;
            case 'n': AppendLiteral(pattern, "\n"); continue;
            case 't': AppendLiteral(pattern, "\t"); continue;
            case 'D': expansion = "%m/%d/%y"; break;
            case 'F': expansion = "%Y-%m-%d"; break;
            case 'T': expansion = "%H:%M:%S"; break;
            case 'R': expansion = "%H:%M"; break;
            case 'r': expansion = "%I:%M:%S %p"; break;
            case 'd': case 'e': kind = K::Day; break;
            case 'm': kind = K::Month; break;
            case 'y': case 'Y': kind = K::Year; break;
            case 'H': case 'I': case 'k': case 'l': kind = K::Hour; break;
            case 'M': kind = K::Minute; break;
            case 'S': kind = K::Second; break;
            default: break;
        }
        if (expansion != nullptr && depth == 0) {
            TokeniseStrftime(expansion, pattern, depth + 1);
        } else {
            pattern.push_back({kind, raw});
        }
    }
}

DateTimeConventions::Order OrderOf(PatternToken::Kind first, PatternToken::Kind second) {
    using K = PatternToken::Kind;
    using O = DateTimeConventions::Order;
    if (first == K::Day && second == K::Month) return O::DayMonthYear;
    if (first == K::Month && second == K::Day) return O::MonthDayYear;
    return O::YearMonthDay;
}

// Fills order, separators and suffix from a date pattern; false (and nothing
// changed) unless the pattern holds exactly one day, month and year field in
// one of the three supported orders and no other field between them.
bool TakeDatePattern(const Pattern& pattern, DateTimeConventions& out) {
    using K = PatternToken::Kind;
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i].kind != K::Literal) fields.push_back(i);
    }
    if (fields.size() != 3) return false;
    const K a = pattern[fields[0]].kind, b = pattern[fields[1]].kind, c = pattern[fields[2]].kind;
    const bool dmy = a == K::Day && b == K::Month && c == K::Year;
    const bool mdy = a == K::Month && b == K::Day && c == K::Year;
    const bool ymd = a == K::Year && b == K::Month && c == K::Day;
    if (!dmy && !mdy && !ymd) return false;

    auto literalBetween = [&](std::size_t from, std::size_t to) {
        std::string text;
        for (std::size_t i = from + 1; i < to; ++i) text += pattern[i].text;
        return text;
    };
    out.order = OrderOf(a, b);
    out.dateSeparators = {literalBetween(fields[0], fields[1]), literalBetween(fields[1], fields[2])};
    out.dateSuffix = literalBetween(fields[2], pattern.size());
    while (!out.dateSuffix.empty() && (out.dateSuffix.back() == ' ' || out.dateSuffix.back() == '\t')) {
        out.dateSuffix.pop_back();
    }
    return true;
}

// The literal between the first hour field and the minute field after it.
void TakeTimeSeparator(const Pattern& pattern, DateTimeConventions& out) {
    using K = PatternToken::Kind;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i].kind != K::Hour) continue;
        std::string separator;
        for (std::size_t j = i + 1; j < pattern.size(); ++j) {
            if (pattern[j].kind == K::Minute) {
                out.timeSeparator = separator;
                return;
            }
            if (pattern[j].kind != K::Literal) return;
            separator += pattern[j].text;
        }
        return;
    }
}

void TakeDesignators(std::string_view am, std::string_view pm, DateTimeConventions& out) {
    out.amDesignator = std::string(am);
    out.pmDesignator = std::string(pm);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A cursor over the text being read.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }

    bool SkipBlanks() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ != start;
    }

    bool Take(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    bool TakeIgnoringCase(std::string_view literal) {
        if (literal.empty() || text_.size() - pos_ < literal.size()) return false;
        for (std::size_t i = 0; i < literal.size(); ++i) {
            if (LowerAscii(text_[pos_ + i]) != LowerAscii(literal[i])) return false;
        }
        pos_ += literal.size();
        return true;
    }

    // One to maxDigits decimal digits; digits receives how many were read.
    std::optional<unsigned> Number(int maxDigits, int& digits) {
        unsigned value = 0;
        digits = 0;
        while (digits < maxDigits && pos_ < text_.size() &&
               std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + static_cast<unsigned>(text_[pos_++] - '0');
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }

    std::optional<unsigned> Number(int maxDigits) {
        int digits = 0;
        return Number(maxDigits, digits);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool ReadDate(Scanner& in, const DateTimeConventions& conventions, CalendarTime& out) {
    using O = DateTimeConventions::Order;
    enum Field { kDay, kMonth, kYear };
    Field order[3];
    switch (conventions.order) {
        case O::DayMonthYear: order[0] = kDay, order[1] = kMonth, order[2] = kYear; break;
        case O::MonthDayYear: order[0] = kMonth, order[1] = kDay, order[2] = kYear; break;
        case O::YearMonthDay: order[0] = kYear, order[1] = kMonth, order[2] = kDay; break;
    }
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !in.Take(conventions.dateSeparators[i - 1])) return false;
        int digits = 0;
        const auto value = in.Number(order[i] == kYear ? 4 : 2, digits);
        if (!value) return false;
        switch (order[i]) {
            case kDay: out.day = static_cast<std::uint16_t>(*value); break;
            case kMonth: out.month = static_cast<std::uint16_t>(*value); break;
            case kYear:
                // Two-digit years follow the common Windows window 1930..2029.
                out.year = static_cast<std::uint16_t>(digits <= 2 ? (*value < 30 ? 2000 + *value : 1900 + *value)
                                                                  : *value);
                break;
        }
    }
    if (!conventions.dateSuffix.empty()) in.Take(conventions.dateSuffix);
    return true;
}

bool ReadTime(Scanner& in, const DateTimeConventions& conventions, CalendarTime& out) {
    const auto hour = in.Number(2);
    if (!hour || !in.Take(conventions.timeSeparator)) return false;
    const auto minute = in.Number(2);
    if (!minute) return false;
    unsigned second = 0, millisecond = 0;
    if (in.Take(conventions.timeSeparator)) {
        const auto s = in.Number(2);
        if (!s) return false;
        second = *s;
        if (in.Take(".")) {
            int digits = 0;
            const auto fraction = in.Number(3, digits);
            if (!fraction) return false;
            millisecond = *fraction * (digits == 1 ? 100 : digits == 2 ? 10 : 1);
        }
    }
    in.SkipBlanks();
    unsigned h = *hour;
    const bool am = in.TakeIgnoringCase(conventions.amDesignator) || in.TakeIgnoringCase("AM");
    const bool pm = !am && (in.TakeIgnoringCase(conventions.pmDesignator) || in.TakeIgnoringCase("PM"));
    if (am || pm) {
        if (h < 1 || h > 12) return false;
        h = (h % 12) + (pm ? 12 : 0);
    }
    out.hour = static_cast<std::uint16_t>(h);
    out.minute = static_cast<std::uint16_t>(*minute);
    out.second = static_cast<std::uint16_t>(second);
    out.millisecond = static_cast<std::uint16_t>(millisecond);
    return true;
}

}  // namespace

std::optional<CalendarTime> ParseDateTimeText(std::string_view text, const DateTimeConventions& conventions) {
    Scanner in(TrimBlanks(text));
    CalendarTime result;
    if (!ReadDate(in, conventions, result)) return std::nullopt;
    if (!in.AtEnd()) {
        if (!in.SkipBlanks() || !ReadTime(in, conventions, result) || !in.AtEnd()) return std::nullopt;
    }
    if (!IsValidCalendarTime(result)) return std::nullopt;
    return result;
}

std::optional<CalendarTime> TextToDateTime(std::string_view text) {
    return ParseDateTimeText(text, UserDateTimeConventions());
}

std::optional<std::string> FormatLongDateAndTime(const CalendarTime& time) {
    auto date = FormatLongDate(time);
    auto clock = FormatTimeWithoutSeconds(time);
    if (!date || !clock) return std::nullopt;
    return *date + " " + *clock;
}

DateTimeConventions ConventionsFromWindowsPictures(std::string_view shortDate, std::string_view timeFormat,
                                                   std::string_view am, std::string_view pm) {
    DateTimeConventions result;
    TakeDatePattern(TokeniseWindowsPicture(shortDate), result);
    TakeTimeSeparator(TokeniseWindowsPicture(timeFormat), result);
    TakeDesignators(am, pm, result);
    return result;
}

DateTimeConventions ConventionsFromStrftimeFormats(std::string_view dateFormat, std::string_view timeFormat,
                                                   std::string_view am, std::string_view pm) {
    DateTimeConventions result;
    Pattern date, time;
    TokeniseStrftime(dateFormat, date);
    TokeniseStrftime(timeFormat, time);
    TakeDatePattern(date, result);
    TakeTimeSeparator(time, result);
    TakeDesignators(am, pm, result);
    return result;
}

int WeekdayOf(const CalendarTime& time) {
    static const int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = time.year;
    if (time.month < 3) --year;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[time.month - 1] + time.day) % 7;
}

std::string StrftimeWithoutSeconds(std::string_view timeFormat) {
    Pattern pattern;
    TokeniseStrftime(timeFormat, pattern);
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto& token = pattern[i];
        if (token.kind == PatternToken::Kind::Second) continue;
        if (token.kind == PatternToken::Kind::Literal) {
            const bool beforeSeconds =
                i + 1 < pattern.size() && pattern[i + 1].kind == PatternToken::Kind::Second;
            if (beforeSeconds) continue;
            for (char c : token.text) {
                if (c == '%') result += '%';  // literal percent signs were unescaped by the tokeniser
                result += c;
            }
        } else {
            result += token.text;
        }
    }
    return result.empty() ? std::string("%H:%M") : result;
}

}  // namespace platform
