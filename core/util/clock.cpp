#include "util/clock.h"

#include <chrono>
#include <ctime>
#include <stdexcept>

namespace billpay {

namespace {

struct LocalInstant {
    std::tm fields{};
    int centisecond = 0;
};

LocalInstant ReadLocalClock() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    LocalInstant instant;
#ifdef _WIN32
    localtime_s(&instant.fields, &seconds);
#else
    localtime_r(&seconds, &instant.fields);
#endif
    const auto sinceSecond = now - time_point_cast<std::chrono::seconds>(now);
    const auto hundredths = duration_cast<milliseconds>(sinceSecond).count() / 10;
    instant.centisecond = hundredths < 0 ? 0 : (hundredths > 99 ? 99 : static_cast<int>(hundredths));
    return instant;
}

// Reads `count` digits at `at`; -1 when any of them is not a digit.
int ReadDigits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

Clock::~Clock() = default;

Date SystemClock::Today() const {
    const std::tm& t = ReadLocalClock().fields;
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

TimeOfDay SystemClock::TimeNow() {
    const LocalInstant instant = ReadLocalClock();
    // A leap second is shown as the last second of its minute.
    const int second = instant.fields.tm_sec > 59 ? 59 : instant.fields.tm_sec;
    return {instant.fields.tm_hour, instant.fields.tm_min, second, instant.centisecond};
}

TickingClock::TickingClock(Date date, TimeOfDay time) : date_(date), time_(time) {
    if (!IsValidDate(date.year, date.month, date.day))
        throw std::invalid_argument("TickingClock: invalid date");
    if (!IsValidTime(time.hour, time.minute, time.second, time.centisecond)) {
        throw std::invalid_argument("TickingClock: invalid time");
    }
}

Date TickingClock::Today() const {
    return date_;
}

TimeOfDay TickingClock::TimeNow() {
    const TimeOfDay now = time_;
    if (++time_.centisecond == 100) {
        time_.centisecond = 0;
        if (++time_.second == 60) {
            time_.second = 0;
            if (++time_.minute == 60) {
                time_.minute = 0;
                if (++time_.hour == 24) {
                    time_.hour = 0;
                    date_ = NextDay(date_);
                }
            }
        }
    }
    return now;
}

std::optional<std::pair<Date, TimeOfDay>> ParseIsoInstant(std::string_view text) {
    constexpr std::size_t kBaseLength = 19;  // YYYY-MM-DDTHH:MM:SS
    if (text.size() != kBaseLength && text.size() != kBaseLength + 3) return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const Date date{ReadDigits(text, 0, 4), ReadDigits(text, 5, 2), ReadDigits(text, 8, 2)};
    TimeOfDay time{ReadDigits(text, 11, 2), ReadDigits(text, 14, 2), ReadDigits(text, 17, 2), 0};
    if (text.size() > kBaseLength) {
        if (text[kBaseLength] != '.') return std::nullopt;
        time.centisecond = ReadDigits(text, kBaseLength + 1, 2);
    }
    if (!IsValidDate(date.year, date.month, date.day)) return std::nullopt;
    if (!IsValidTime(time.hour, time.minute, time.second, time.centisecond)) return std::nullopt;
    return std::pair{date, time};
}

}  // namespace billpay
