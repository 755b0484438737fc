#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "util/date.h"

namespace billpay {

// Today's date and the time of day to the hundredth of a second.
class Clock {
public:
    virtual ~Clock();
    virtual Date Today() const = 0;
    virtual TimeOfDay TimeNow() = 0;
};

// The computer's local date and time.
class SystemClock final : public Clock {
public:
    Date Today() const override;
    TimeOfDay TimeNow() override;
};

// A clock that starts at a given instant and moves on by one hundredth of a
// second each time it is read, so that runs can be repeated exactly. Today()
// is the date of the next reading; it moves to the next day when the time
// passes midnight.
class TickingClock final : public Clock {
public:
    // Throws std::invalid_argument for an invalid date or time.
    TickingClock(Date date, TimeOfDay time);

    Date Today() const override;
    // The current instant; then the clock moves on by a hundredth of a second.
    TimeOfDay TimeNow() override;

private:
    Date date_;
    TimeOfDay time_;
};

// Reads "YYYY-MM-DDTHH:MM:SS" with an optional ".cc" (hundredths of a second).
// Empty for any other text and for a date or time that does not exist.
std::optional<std::pair<Date, TimeOfDay>> ParseIsoInstant(std::string_view text);

}  // namespace billpay
