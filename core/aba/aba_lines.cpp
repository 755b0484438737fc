#include "aba/aba_lines.h"

#include <cstring>

#include "util/parallel_tasks.h"

namespace billpay {
namespace {

struct SplitPart {
    std::vector<AbaLine> lines;
    std::size_t linesRead = 0;
};

// Splits one piece of text that starts at a line start and ends at a line
// end (or at the end of the text).
void SplitInto(std::string_view text, SplitPart& part) {
    const char* p = text.data();
    const char* const end = p + text.size();
    // A 120-character record and its line end take at least 121 bytes.
    part.lines.reserve(text.size() / 121 + 1);
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
        ++part.linesRead;
        std::string_view line(p, static_cast<std::size_t>(stop - p));
        if (!IsBlankLine(line)) part.lines.emplace_back(line);
        if (stop == end) break;
        p = stop + 1;
        if (*stop == '\r' && p < end && *p == '\n') ++p;
    }
}

// The first position at or after `from` that starts a line: just past the
// next line end, a CR LF pair counting as one.
std::size_t NextLineStart(std::string_view text, std::size_t from) {
    const std::size_t stop = text.find_first_of("\r\n", from);
    if (stop == std::string_view::npos) return text.size();
    if (text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') return stop + 2;
    return stop + 1;
}

}  // namespace

bool IsBlankLine(std::string_view line) {
    for (unsigned char c : line) {
        if (c > 32) return false;
    }
    return true;
}

AbaLines AbaLines::FromText(std::string text, unsigned parts, std::size_t minBytesPerPart) {
    auto owned = std::make_shared<const std::string>(std::move(text));
    const std::string_view view(*owned);
    return FromSharedText(std::move(owned), view, parts, minBytesPerPart);
}

AbaLines AbaLines::FromSharedText(std::shared_ptr<const void> owner, std::string_view text, unsigned parts,
                                  std::size_t minBytesPerPart) {
    AbaLines result;
    result.owner_ = std::move(owner);
    if (parts < 1) parts = 1;
    while (parts > 1 && text.size() / parts < minBytesPerPart) --parts;

    std::vector<std::string_view> pieces;
    std::size_t begin = 0;
    for (unsigned k = 1; k < parts && begin < text.size(); ++k) {
        const std::size_t cut = NextLineStart(text, std::max(begin, text.size() * k / parts));
        pieces.push_back(text.substr(begin, cut - begin));
        begin = cut;
    }
    pieces.push_back(text.substr(begin));

    std::vector<SplitPart> split(pieces.size());
    RunParallelTasks(pieces.size(), [&](std::size_t k) { SplitInto(pieces[k], split[k]); });
    for (SplitPart& part : split) {
        result.starts_.push_back(result.size_);
        result.size_ += part.lines.size();
        result.linesRead_ += part.linesRead;
        result.chunks_.push_back(std::move(part.lines));
    }
    return result;
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
    chunks_.clear();
    starts_.clear();
    owner_.reset();
    size_ = 0;
    linesRead_ = 0;
}

}  // namespace billpay
