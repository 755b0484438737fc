#pragma once

// Pieces shared by the fuzz targets.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace billpay::fuzz {

// The 21 format codes in list order.
inline constexpr std::string_view kFormatCodes = "GKJSAHDBEVFLXIZNMTUWP";

// A format code read from one byte: a byte that is a code stands for itself
// (so that a seed can start with its code in plain text), any other byte picks
// a code by its value.
inline char FormatCodeFromByte(std::uint8_t byte) {
    if (kFormatCodes.find(static_cast<char>(byte)) != std::string_view::npos) return static_cast<char>(byte);
    return kFormatCodes[byte % kFormatCodes.size()];
}

// A property that must hold for every input was broken: print what and stop,
// which libFuzzer reports as a crash and saves the input of.
[[noreturn]] inline void Fail(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "\n*** fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!detail.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void Check(bool condition, std::string_view what, std::string_view detail = {}) {
    if (!condition) Fail(what, detail);
}

// Lines joined for a failure message.
inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

// True when every character is below 128.
inline bool IsSevenBit(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 128) return false;
    }
    return true;
}

}  // namespace billpay::fuzz
