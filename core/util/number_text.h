#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace billpay {

// Raised for a number text that is not a valid decimal number once its
// currency signs, separators and brackets are dropped (for example "1.2.3").
class NumberConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a number held as a text, as amounts and hash totals are written:
// an empty text is 0; a text in brackets with no sign is negative; of the
// first (trimmed length) characters only "+", "-", "." and the digits are
// kept; what remains, unless empty or a lone "-", must be a decimal number.
// Returns the exact value as a canonical decimal text: "-" for negatives, no
// leading zeros, fractions with "." and no trailing zeros, whole values
// without a decimal point, "0" for zero. Throws NumberConversionError.
std::string StrToNumber(std::string_view text);

// The exact sum of two number texts, written as StrToNumber writes. An empty
// text stands for nothing to add: "0" when both are empty, otherwise the
// other text unchanged. Throws NumberConversionError.
std::string AddNumberTexts(std::string_view a, std::string_view b);

// Sets the text to "0".
void SetToZeroText(std::string& text);

}  // namespace billpay
