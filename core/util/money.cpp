#include "util/money.h"

#include <array>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace billpay {

namespace {

constexpr std::array<std::uint64_t, 5> kPowersOfTen = {1, 10, 100, 1000, 10000};
constexpr int kTickDigits = 4;

void AppendDigits(std::string& out, std::uint64_t value, int minDigits) {
    std::array<char, 24> buffer{};
    int length = 0;
    do {
        buffer[static_cast<std::size_t>(length++)] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = length; i < minDigits; ++i) out.push_back('0');
    while (length > 0) out.push_back(buffer[static_cast<std::size_t>(--length)]);
}

}  // namespace

std::optional<Money> Money::FromCentsChecked(std::int64_t cents) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / kTicksPerCent;
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min() / kTicksPerCent;
    if (cents > kMax || cents < kMin) return std::nullopt;
    return Money{cents * kTicksPerCent};
}

Money Money::FromCents(std::int64_t cents) {
    const std::optional<Money> money = FromCentsChecked(cents);
    if (!money) throw std::overflow_error("amount in cents is too large");
    return *money;
}

std::string FormatFixed(Money value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    const bool negative = value.ticks < 0;
    // The magnitude in unsigned arithmetic, so that the most negative amount
    // has one too.
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value.ticks)
                                             : static_cast<std::uint64_t>(value.ticks);
    const auto perDollar = static_cast<std::uint64_t>(Money::kTicksPerDollar);
    std::uint64_t dollars = magnitude / perDollar;
    std::uint64_t fraction = magnitude % perDollar;  // ticks, four digits
    const int kept = decimals < kTickDigits ? decimals : kTickDigits;
    const std::uint64_t dropped = kPowersOfTen[static_cast<std::size_t>(kTickDigits - kept)];
    const std::uint64_t rest = fraction % dropped;
    fraction /= dropped;
    if (rest * 2 >= dropped) ++fraction;  // half away from zero, on the magnitude
    if (fraction == kPowersOfTen[static_cast<std::size_t>(kept)]) {
        fraction = 0;
        ++dollars;
    }

    std::string number;
    number.reserve(static_cast<std::size_t>(24 + decimals));
    if (negative) number.push_back('-');
    AppendDigits(number, dollars, 1);
    if (decimals > 0) {
        number.push_back('.');
        AppendDigits(number, fraction, kept);
        number.append(static_cast<std::size_t>(decimals - kept), '0');
    }

    const std::size_t field = static_cast<std::size_t>(width < 0 ? -static_cast<long long>(width) : width);
    if (number.size() >= field) return number;
    if (width < 0) return number.append(field - number.size(), ' ');
    std::string result;
    result.reserve(field);
    result.append(field - number.size(), ' ');
    result.append(number);
    return result;
}

}  // namespace billpay
