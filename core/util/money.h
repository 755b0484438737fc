#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace billpay {

// An exact amount in dollars: a signed count of ten-thousandths of a dollar
// ("ticks"). ABA amounts are whole cents, so totals and comparisons of them
// are exact.
struct Money {
    static constexpr std::int64_t kTicksPerCent = 100;
    static constexpr std::int64_t kTicksPerDollar = 10000;

    std::int64_t ticks = 0;

    // Throws std::overflow_error when the amount does not fit.
    static Money FromCents(std::int64_t cents);
    // Empty when the amount does not fit.
    static std::optional<Money> FromCentsChecked(std::int64_t cents);

    // The whole cents of the amount, truncated toward zero.
    std::int64_t WholeCents() const { return ticks / kTicksPerCent; }

    Money& operator+=(Money other) {
        ticks += other.ticks;
        return *this;
    }
    Money& operator-=(Money other) {
        ticks -= other.ticks;
        return *this;
    }

    friend bool operator==(const Money&, const Money&) = default;
    friend auto operator<=>(const Money&, const Money&) = default;
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }
};

// The amount in dollars as C's printf writes it with "%*.*f" (width,
// decimals): right-aligned in at least `width` characters (left-aligned for a
// negative width), "." as the decimal point, no thousands separators, "-" for
// a negative amount, the dropped ticks rounded half away from zero. Computed
// from the integer, so exact over the whole range. For example
// FormatFixed(Money{}, 7) is "   0.00".
std::string FormatFixed(Money value, int width, int decimals = 2);

}  // namespace billpay
