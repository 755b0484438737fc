#include "util/date.h"

#include <array>
#include <stdexcept>

#include "util/clock.h"
#include "util/text.h"

namespace billpay {

namespace {

constexpr char kDateSeparator = '/';
constexpr char kTimeSeparator = ':';
constexpr std::string_view kShortDatePattern = "dd/mm/yyyy";
constexpr std::string_view kLongDatePattern = "dddd, d mmmm yyyy";

constexpr std::array<std::string_view, 12> kLongMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kLongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The length of the run of the same letter (in either case) starting at `at`.
std::size_t RunLength(std::string_view pattern, std::size_t at) {
    const char letter = Lower(pattern[at]);
    std::size_t end = at + 1;
    while (end < pattern.size() && Lower(pattern[end]) == letter) ++end;
    return end - at;
}

// Writes a non-negative number with at least `digits` digits.
void AppendNumber(std::string& out, int value, int digits) {
    std::array<char, 12> buffer{};
    int length = 0;
    unsigned magnitude = value < 0 ? 0U : static_cast<unsigned>(value);
    do {
        buffer[static_cast<std::size_t>(length++)] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    for (int i = length; i < digits; ++i) out.push_back('0');
    while (length > 0) out.push_back(buffer[static_cast<std::size_t>(--length)]);
}

// 0 = Sunday, for a date of the Gregorian calendar.
int DayOfWeek(Date date) {
    static constexpr std::array<int, 12> kMonthOffset = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    const int year = date.month < 3 ? date.year - 1 : date.year;
    return (year + year / 4 - year / 100 + year / 400 +
            kMonthOffset[static_cast<std::size_t>(date.month - 1)] + date.day) %
           7;
}

void AppendName(std::string& out, std::string_view name, bool shortName) {
    out.append(shortName ? name.substr(0, 3) : name);
}

void AppendDayPart(std::string& out, Date date, std::size_t count) {
    const bool valid = IsValidDate(date.year, date.month, date.day);
    switch (count) {
        case 1:
        case 2:
            AppendNumber(out, date.day, static_cast<int>(count));
            break;
        case 3:
        case 4:
            // A date that does not exist has no day name.
            if (valid) AppendName(out, kLongDayNames[static_cast<std::size_t>(DayOfWeek(date))], count == 3);
            break;
        case 5:
            out.append(FormatDate(date, kShortDatePattern));
            break;
        default:
            out.append(FormatDate(date, kLongDatePattern));
            break;
    }
}

void AppendMonthPart(std::string& out, Date date, std::size_t count) {
    if (count <= 2) {
        AppendNumber(out, date.month, static_cast<int>(count));
    } else if (date.month >= 1 && date.month <= 12) {
        AppendName(out, kLongMonthNames[static_cast<std::size_t>(date.month - 1)], count == 3);
    }
}

void AppendYearPart(std::string& out, Date date, std::size_t count) {
    if (count <= 2) {
        AppendNumber(out, date.year % 100, 2);
    } else {
        AppendNumber(out, date.year, 4);
    }
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int centisecond) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59 &&
           centisecond >= 0 && centisecond <= 99;
}

Date NextDay(Date date) {
    if (date.day < DaysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
    if (date.month < 12) return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

bool IsDatePattern(std::string_view pattern) {
    // Only the first (trimmed length) characters are looked at, so a leading
    // blank is rejected and a trailing one is not.
    const auto counted = static_cast<std::size_t>(TrimmedLength(pattern));
    for (std::size_t i = 0; i < counted; ++i) {
        const char c = Lower(pattern[i]);
        if (c != 'd' && c != 'm' && c != 'y' && c != kDateSeparator) return false;
    }
    return true;
}

std::string FormatDate(Date date, std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size() + 4);
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = Lower(pattern[i]);
        if (c == 'd' || c == 'm' || c == 'y') {
            const std::size_t count = RunLength(pattern, i);
            if (c == 'd') AppendDayPart(out, date, count);
            if (c == 'm') AppendMonthPart(out, date, count);
            if (c == 'y') AppendYearPart(out, date, count);
            i += count;
        } else {
            out.push_back(c == '/' ? kDateSeparator : pattern[i]);
            ++i;
        }
    }
    return out;
}

std::string FormatTime(TimeOfDay time, std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size() + 2);
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = Lower(pattern[i]);
        if (c == 'h' || c == 'n' || c == 'm' || c == 's' || c == 'z') {
            const std::size_t count = RunLength(pattern, i);
            const int digits = count == 1 ? 1 : (c == 'z' ? 3 : 2);
            switch (c) {
                case 'h':
                    AppendNumber(out, time.hour, digits);
                    break;
                case 's':
                    AppendNumber(out, time.second, digits);
                    break;
                case 'z':
                    AppendNumber(out, time.centisecond * 10, digits);
                    break;
                default:  // 'n' and 'm': a time of day has no month, so both are the minute
                    AppendNumber(out, time.minute, digits);
                    break;
            }
            i += count;
        } else {
            out.push_back(c == ':' ? kTimeSeparator : pattern[i]);
            ++i;
        }
    }
    return out;
}

std::string GetTodaysDate(const Clock& clock, std::string_view pattern) {
    if (!IsDatePattern(pattern)) throw std::runtime_error("bad format string: Utilities|GetTodaysDate");
    return FormatDate(clock.Today(), pattern);
}

std::string GetTimeNow(Clock& clock, std::string_view pattern) {
    return FormatTime(clock.TimeNow(), pattern);
}

}  // namespace billpay
