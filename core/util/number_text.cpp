#include "util/number_text.h"

#include <algorithm>
#include <cstddef>

#include "util/text.h"

namespace billpay {

namespace {

bool IsNumberChar(char c) {
    return IsDigit(c) || c == '+' || c == '-' || c == '.';
}

// An exact decimal value: magnitude digits before and after the point, with no
// leading zeros in the whole part and no trailing zeros in the fraction. Zero
// has both parts empty and is never negative.
struct Decimal {
    bool negative = false;
    std::string whole;
    std::string fraction;

    bool IsZero() const { return whole.empty() && fraction.empty(); }
};

std::string_view WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

std::string_view WithoutTrailingZeros(std::string_view digits) {
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view{} : digits.substr(0, last + 1);
}

Decimal MakeDecimal(bool negative, std::string_view whole, std::string_view fraction) {
    Decimal value;
    value.whole = WithoutLeadingZeros(whole);
    value.fraction = WithoutTrailingZeros(fraction);
    value.negative = negative && !value.IsZero();
    return value;
}

std::string Format(const Decimal& value) {
    if (value.IsZero()) return "0";
    std::string result;
    result.reserve(value.whole.size() + value.fraction.size() + 3);
    if (value.negative) result.push_back('-');
    if (value.whole.empty()) {
        result.push_back('0');
    } else {
        result.append(value.whole);
    }
    if (!value.fraction.empty()) {
        result.push_back('.');
        result.append(value.fraction);
    }
    return result;
}

[[noreturn]] void ThrowNotANumber(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message.append("'").append(text).append("' is not a valid floating point value");
    throw NumberConversionError(message);
}

// [sign] digits [. digits], with at least one digit.
Decimal ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t wholeStart = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    const std::string_view whole = text.substr(wholeStart, pos - wholeStart);
    std::string_view fraction;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        fraction = text.substr(fractionStart, pos - fractionStart);
    }
    if (pos != text.size() || (whole.empty() && fraction.empty())) ThrowNotANumber(text);
    return MakeDecimal(negative, whole, fraction);
}

Decimal ReadNumber(std::string_view text) {
    if (text.empty()) return {};
    // An amount in brackets without a sign of its own is negative.
    std::string bracketed;
    if (text.find_first_of("+-") == std::string_view::npos && text.find('(') != std::string_view::npos) {
        bracketed.reserve(text.size() + 1);
        bracketed.push_back('-');
        bracketed.append(text);
        text = bracketed;
    }
    // Only the first (trimmed length) characters count: with leading blanks
    // this drops as many characters from the end.
    const auto counted = static_cast<std::size_t>(TrimmedLength(text));
    std::string kept;
    kept.reserve(counted);
    for (std::size_t i = 0; i < counted; ++i) {
        if (IsNumberChar(text[i])) kept.push_back(text[i]);
    }
    if (kept.empty() || kept == "-") return {};
    return ParseDecimal(kept);
}

// Sum of two digit texts of any lengths, without leading zeros ("0" for zero).
std::string AddDigitTexts(std::string_view x, std::string_view y) {
    if (x.size() < y.size()) std::swap(x, y);
    std::string sum(x.size() + 1, '0');
    int carry = 0;
    std::size_t xi = x.size();
    std::size_t yi = y.size();
    std::size_t si = sum.size();
    while (xi > 0) {
        int digit = (x[--xi] - '0') + carry;
        if (yi > 0) digit += y[--yi] - '0';
        carry = digit >= 10 ? 1 : 0;
        sum[--si] = static_cast<char>('0' + digit - 10 * carry);
    }
    sum[0] = static_cast<char>('0' + carry);
    const std::size_t first = sum.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    sum.erase(0, first);
    return sum;
}

// The digits of a magnitude laid out with `wholeWidth` whole and
// `fractionWidth` fraction digits.
std::string Aligned(const Decimal& value, std::size_t wholeWidth, std::size_t fractionWidth) {
    std::string digits;
    digits.reserve(wholeWidth + fractionWidth);
    digits.append(wholeWidth - value.whole.size(), '0');
    digits.append(value.whole);
    digits.append(value.fraction);
    digits.append(fractionWidth - value.fraction.size(), '0');
    return digits;
}

Decimal Add(const Decimal& a, const Decimal& b) {
    // One extra whole digit takes the carry.
    const std::size_t wholeWidth = std::max(a.whole.size(), b.whole.size()) + 1;
    const std::size_t fractionWidth = std::max(a.fraction.size(), b.fraction.size());
    std::string x = Aligned(a, wholeWidth, fractionWidth);
    std::string y = Aligned(b, wholeWidth, fractionWidth);
    bool negative = a.negative;
    std::string result(x.size(), '0');
    if (a.negative == b.negative) {
        int carry = 0;
        for (std::size_t i = x.size(); i-- > 0;) {
            const int digit = (x[i] - '0') + (y[i] - '0') + carry;
            carry = digit >= 10 ? 1 : 0;
            result[i] = static_cast<char>('0' + digit - 10 * carry);
        }
    } else {
        // Subtract the smaller magnitude from the larger; the sum takes the
        // larger one's sign.
        if (x < y) {
            std::swap(x, y);
            negative = b.negative;
        }
        int borrow = 0;
        for (std::size_t i = x.size(); i-- > 0;) {
            int digit = (x[i] - '0') - (y[i] - '0') - borrow;
            borrow = digit < 0 ? 1 : 0;
            result[i] = static_cast<char>('0' + digit + 10 * borrow);
        }
    }
    const std::string_view digits = result;
    return MakeDecimal(negative, digits.substr(0, wholeWidth), digits.substr(wholeWidth));
}

}  // namespace

std::string StrToNumber(std::string_view text) {
    return Format(ReadNumber(text));
}

std::string AddNumberTexts(std::string_view a, std::string_view b) {
    if (a.empty()) return b.empty() ? std::string("0") : std::string(b);
    if (b.empty()) return std::string(a);
    // Hash totals add plain digit texts, once per payment.
    if (AllDigits(a) && AllDigits(b)) return AddDigitTexts(a, b);
    return Format(Add(ReadNumber(a), ReadNumber(b)));
}

void SetToZeroText(std::string& text) {
    text.assign(1, '0');
}

}  // namespace billpay
