#include "aba/aba_lines.h"

#include <cstring>

namespace billpay {

bool IsBlankLine(std::string_view line) {
    for (unsigned char c : line) {
        if (c > 32) return false;
    }
    return true;
}

AbaLines AbaLines::FromText(std::string text) {
    auto owned = std::make_shared<const std::string>(std::move(text));
    const std::string_view view(*owned);
    return FromSharedText(std::move(owned), view);
}

AbaLines AbaLines::FromSharedText(std::shared_ptr<const void> owner, std::string_view text) {
    AbaLines result;
    result.owner_ = std::move(owner);
    result.Split(text);
    return result;
}

void AbaLines::Split(std::string_view text) {
    AbaLines& result = *this;
    const char* p = text.data();
    const char* const end = p + text.size();
    // A 120-character record and its line end take at least 121 bytes.
    result.lines_.reserve(text.size() / 121 + 1);
    // The next CR and the next LF are each searched for once and remembered
    // until the walk passes them, so files with LF, CR or mixed line ends are
    // all read in one linear sweep.
    auto find = [end](const char* from, char c) {
        const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return hit ? static_cast<const char*>(hit) : end;
    };
    const char* nextCr = find(p, '\r');
    const char* nextLf = find(p, '\n');
    while (p < end) {
        if (nextCr < p) nextCr = find(p, '\r');
        if (nextLf < p) nextLf = find(p, '\n');
        const char* stop = nextCr < nextLf ? nextCr : nextLf;
        ++result.linesRead_;
        std::string_view line(p, static_cast<std::size_t>(stop - p));
        if (!IsBlankLine(line)) result.lines_.push_back(AbaLine{line, std::nullopt});
        if (stop == end) break;
        p = stop + 1;
        if (*stop == '\r' && p < end && *p == '\n') ++p;
    }
}

AbaLines AbaLines::FromLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return FromText(std::move(text));
}

void AbaLines::Clear() {
    lines_.clear();
    owner_.reset();
    linesRead_ = 0;
}

}  // namespace billpay
