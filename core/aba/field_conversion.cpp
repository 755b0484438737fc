#include "aba/field_conversion.h"

#include <limits>

namespace billpay {
namespace {

std::string IntegerError(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 32);
    message += '\'';
    message += text;
    message += "' is not a valid integer value";
    return message;
}

// Reads an optional sign and at least one digit, all of the text, within
// [minimum, maximum]. Returns false for anything else.
bool ParseSigned(std::string_view text, std::int64_t minimum, std::int64_t maximum, std::int64_t& out) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return false;
    // Accumulate as a negative number so that the most negative value fits.
    std::int64_t value = 0;
    constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        const int digit = c - '0';
        if (value < (kLowest + digit) / 10) return false;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == kLowest) return false;
        value = -value;
    }
    if (value < minimum || value > maximum) return false;
    out = value;
    return true;
}

}  // namespace

Converted<std::int32_t> ConvertInteger(std::string_view cut) {
    std::int64_t value = 0;
    if (!ParseSigned(cut, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                     value))
        return {IntegerError(cut)};
    return {static_cast<std::int32_t>(value)};
}

Converted<Money> ConvertMoney(std::string_view cut) {
    // Money holds ten-thousandths of a dollar, a hundred per cent.
    constexpr std::int64_t kMaxCents = std::numeric_limits<std::int64_t>::max() / 100;
    std::int64_t cents = 0;
    if (!ParseSigned(cut, -kMaxCents, kMaxCents, cents)) return {IntegerError(cut)};
    return {Money::FromCents(cents)};
}

Converted<Date> ConvertDate(std::string_view cut) {
    int parts[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const std::size_t from = static_cast<std::size_t>(2 * k);
        const std::string_view pair = from < cut.size() ? cut.substr(from, 2) : std::string_view{};
        const auto converted = ConvertInteger(pair);
        if (!converted.ok()) return {converted.error()};
        parts[k] = converted.get();
    }
    const int day = parts[0], month = parts[1], year = 2000 + parts[2];
    if (!IsValidDate(year, month, day)) return {std::string("Invalid argument to date encode")};
    return {Date{year, month, day}};
}

FixedText<16> AccountDigits(std::string_view cut) {
    // Branch-free: every character is written, and only a digit moves on.
    // The field is at most 16 columns, so the digits always fit.
    char digits[16];
    std::size_t n = 0;
    for (std::size_t i = 0; i < cut.size() && i < 16; ++i) {
        const char c = cut[i];
        digits[n] = c;
        n += static_cast<std::size_t>(static_cast<unsigned char>(c - '0') < 10);
    }
    return FixedText<16>(std::string_view(digits, n));
}

}  // namespace billpay
