#pragma once

#include <cstdint>
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
std::string_view CutField(std::string_view line, AbaField field);

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
