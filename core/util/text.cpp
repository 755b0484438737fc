#include "util/text.h"

#include <algorithm>
#include <cstddef>

namespace billpay {

namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

// The leftmost `width` characters of (count copies of fill) followed by text,
// for a non-negative width; count is positive.
std::string FillThenCut(char fill, int count, std::string_view text, int width) {
    if (count >= width) return std::string(static_cast<std::size_t>(width), fill);
    std::string result;
    result.reserve(static_cast<std::size_t>(width));
    result.append(static_cast<std::size_t>(count), fill);
    result.append(text.substr(0, static_cast<std::size_t>(width - count)));
    return result;
}

// PadLeftWith with a single fill character, then cut to `width`.
std::string PadLeftAndCut(std::string_view text, char fill, int width) {
    if (width < 0 || Length(text) >= width) {
        // Nothing to pad; only the cut applies (and not for a negative width).
        return std::string(width < 0 ? text : text.substr(0, static_cast<std::size_t>(width)));
    }
    return FillThenCut(fill, width - TrimmedLength(text), text, width);
}

}  // namespace

std::string_view TrimView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin])) ++begin;
    while (end > begin && IsTrimmed(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

int TrimmedLength(std::string_view text) {
    return Length(TrimView(text));
}

std::string SubText(std::string_view text, int from, int to) {
    if (text.empty() || to < from) return {};
    const int first = std::max(from, 1);
    const int last = std::min(to, Length(text));
    if (first > last) return {};
    return std::string(
        text.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
}

std::string LeftText(std::string_view text, int n) {
    return SubText(text, 1, n);
}

std::string RightText(std::string_view text, int n) {
    if (n >= TrimmedLength(text)) return std::string(text);
    if (n <= 0) return {};
    return std::string(text.substr(text.size() - static_cast<std::size_t>(n)));
}

std::string RepeatText(std::string_view text, int n) {
    std::string result;
    if (n <= 0 || text.empty()) return result;
    result.reserve(text.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) result.append(text);
    return result;
}

std::string RemoveFirstChar(std::string_view text, std::string_view character) {
    if (character.empty()) return std::string(text);
    const std::size_t at = text.find(character.front());
    if (at == std::string_view::npos) return std::string(text);
    std::string result;
    result.reserve(text.size() - 1);
    result.append(text.substr(0, at));
    result.append(text.substr(at + 1));
    return result;
}

std::string PadLeftWith(std::string_view text, std::string_view fill, int width) {
    // An empty fill has no character to pad with.
    if (Length(text) >= width || fill.empty()) return std::string(text);
    const int count = width - TrimmedLength(text);
    std::string result;
    result.reserve(static_cast<std::size_t>(count) + text.size());
    result.append(static_cast<std::size_t>(count), fill.front());
    result.append(text);
    return result;
}

std::string PadLeftZeros(std::string_view text, int width) {
    return PadLeftAndCut(text, '0', width);
}

std::string PadLeftSpaces(std::string_view text, int width) {
    return PadLeftAndCut(text, ' ', width);
}

std::string PadRightWith(std::string_view text, std::string_view fill, int width) {
    const int trimmed = TrimmedLength(text);
    if (trimmed >= width) return std::string(text);
    const int count = width - trimmed;
    std::string result;
    result.reserve(text.size() + fill.size() * static_cast<std::size_t>(count));
    result.append(text);
    for (int i = 0; i < count; ++i) result.append(fill);
    return result;
}

std::string PadRightSpaces(std::string_view text, int width) {
    if (width < 0) return std::string(text);
    // Padding always reaches the width (the untrimmed text is at least as long
    // as the trimmed one), so the result is the text cut or blank-filled to it.
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w) return std::string(text.substr(0, w));
    std::string result;
    result.reserve(w);
    result.append(text);
    result.append(w - text.size(), ' ');
    return result;
}

std::string GetBankPart(std::string_view account) {
    return SubText(account, 1, 2);
}

std::string GetBranchPart(std::string_view account) {
    return SubText(account, 3, 6);
}

std::string GetBasePart(std::string_view account) {
    return SubText(account, 7, 13);
}

std::string GetSuffixPart(std::string_view account) {
    return SubText(account, 14, TrimmedLength(account) == 15 ? 15 : 16);
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

}  // namespace billpay
