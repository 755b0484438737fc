#pragma once

#include <string>
#include <string_view>

namespace billpay {

// Helpers for fixed-width text records. Positions are 1-based; texts are
// single-byte characters.
//
// Several helpers work with the trimmed length of a text: its length after
// removing leading and trailing characters with codes of 32 or lower (blanks
// and control characters). Where a text has leading or trailing blanks the
// two lengths differ, and the bank files depend on which one each helper uses.

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when every character is a decimal digit (also for an empty text).
constexpr bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

// The text without leading and trailing characters with codes of 32 or lower.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);
int TrimmedLength(std::string_view text);

// The characters from position `from` to position `to` (fewer where the text
// ends earlier); empty when to < from or `from` lies beyond the end.
std::string SubText(std::string_view text, int from, int to);
// The first n characters.
std::string LeftText(std::string_view text, int n);
// The last n characters of the untrimmed text when n is smaller than the
// trimmed length; otherwise the text unchanged.
std::string RightText(std::string_view text, int n);
// The text written n times in a row; empty for n of 0 or less.
std::string RepeatText(std::string_view text, int n);
// The text without the first occurrence of the first character of
// `character`; unchanged when it does not occur.
std::string RemoveFirstChar(std::string_view text, std::string_view character);

// When the text is shorter than `width`: (width - trimmed length) copies of
// the first character of `fill`, then the untrimmed text. Otherwise the text
// unchanged.
std::string PadLeftWith(std::string_view text, std::string_view fill, int width);
// PadLeftWith "0" / a blank, then cut to the leftmost `width` characters
// (a negative width skips the cut).
std::string PadLeftZeros(std::string_view text, int width);
std::string PadLeftSpaces(std::string_view text, int width);
// When the trimmed length is less than `width`: the untrimmed text followed by
// (width - trimmed length) copies of `fill`. Otherwise the text unchanged;
// nothing is cut.
std::string PadRightWith(std::string_view text, std::string_view fill, int width);
// PadRightWith a blank, then cut to the leftmost `width` characters (a
// negative width skips the cut).
std::string PadRightSpaces(std::string_view text, int width);

// Parts of a bank account number held as 15 or 16 digits: bank (1-2),
// branch (3-6), base or customer number (7-13) and suffix (14-15 when the
// trimmed length is 15, otherwise 14-16).
std::string GetBankPart(std::string_view account);
std::string GetBranchPart(std::string_view account);
std::string GetBasePart(std::string_view account);
std::string GetSuffixPart(std::string_view account);

// "a" to "z" become "A" to "Z"; every other character stays as it is.
std::string UpperCase(std::string_view text);

}  // namespace billpay
