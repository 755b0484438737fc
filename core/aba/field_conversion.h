#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "aba/field_table.h"
#include "util/date.h"
#include "util/fixed_text.h"
#include "util/money.h"

namespace billpay {

// The text of a field: the characters from its start column onward (at most
// its length), with leading and trailing blanks and control characters removed.
// Inline: it runs eight times per payment, and the field positions fold to constants.
inline std::string_view CutField(std::string_view line, AbaField field) {
    const AbaFieldPosition& pos = PositionOf(field);
    const std::size_t start = static_cast<std::size_t>(pos.start - 1);
    if (start >= line.size()) return {};
    std::string_view cut = line.substr(start, static_cast<std::size_t>(pos.length));
    while (!cut.empty() && static_cast<unsigned char>(cut.front()) <= 32) cut.remove_prefix(1);
    // Text fields are mostly blank-filled on the right: skip blanks eight at a time.
    constexpr std::uint64_t kEightBlanks = 0x2020202020202020ULL;
    while (cut.size() >= 8) {
        std::uint64_t tail;
        std::memcpy(&tail, cut.data() + cut.size() - 8, 8);
        if (tail != kEightBlanks) break;
        cut.remove_suffix(8);
    }
    while (!cut.empty() && static_cast<unsigned char>(cut.back()) <= 32) cut.remove_suffix(1);
    return cut;
}

// A conversion either gives its value or fails with the message the results
// list shows for it.
template <typename T>
struct Converted {
    std::variant<T, std::string> value;

    bool ok() const { return value.index() == 0; }
    const T& get() const { return std::get<0>(value); }
    const std::string& error() const { return std::get<1>(value); }
};

// A signed decimal integer in the 32-bit range (optional sign, then digits).
// Fails with "'%s' is not a valid integer value".
Converted<std::int32_t> ConvertInteger(std::string_view cut);

// Whole cents as money in dollars. The text is read as a 64-bit integer so
// that the 10-column amounts hold up to 9,999,999,999 cents; a text outside
// money's range fails with the integer message.
Converted<Money> ConvertMoney(std::string_view cut);

// A ddmmyy date in the years 2000 to 2099. A missing or non-numeric pair fails
// with the integer message, an impossible date with "Invalid argument to date encode".
Converted<Date> ConvertDate(std::string_view cut);

// Account digits: every character that is not a decimal digit is dropped.
// The field has 16 columns, so at most 16 digits result.
FixedText<16> AccountDigits(std::string_view cut);

}  // namespace billpay
