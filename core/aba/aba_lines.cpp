#include "aba/aba_lines.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

#include "util/parallel_tasks.h"

namespace billpay {
namespace {

struct SplitPart {
    std::vector<AbaLine> lines;
    std::size_t linesRead = 0;
};

// The non-blank lines found so far by all parts of one split, counted in
// batches so that the parts hardly ever touch the shared counter.
struct LineBudget {
    std::size_t maxLines;
    std::atomic<std::size_t> found{0};
    std::atomic<bool> exceeded{false};

    static constexpr std::size_t kBatch = 4096;
    // Adds a batch; false once the parts together hold more than the limit.
    bool Add(std::size_t count) {
        if (found.fetch_add(count, std::memory_order_relaxed) + count > maxLines)
            exceeded.store(true, std::memory_order_relaxed);
        return !exceeded.load(std::memory_order_relaxed);
    }
};

// Splits one piece of text that starts at a line start and ends at a line
// end (or at the end of the text). Stops early once the budget is spent.
void SplitInto(std::string_view text, SplitPart& part, LineBudget& budget) {
    const char* p = text.data();
    const char* const end = p + text.size();
    // A 120-character record and its line end take at least 121 bytes.
    part.lines.reserve(std::min(text.size() / 121, budget.maxLines) + 1);
    // The next CR and the next LF are each searched for once and remembered
    // until the walk passes them, so files with LF, CR or mixed line ends are
    // all read in one linear sweep.
    auto find = [end](const char* from, char c) {
        const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return hit ? static_cast<const char*>(hit) : end;
    };
    const char* nextCr = find(p, '\r');
    const char* nextLf = find(p, '\n');
    std::size_t unbudgeted = 0;
    while (p < end) {
        if (nextCr < p) nextCr = find(p, '\r');
        if (nextLf < p) nextLf = find(p, '\n');
        const char* stop = nextCr < nextLf ? nextCr : nextLf;
        ++part.linesRead;
        std::string_view line(p, static_cast<std::size_t>(stop - p));
        if (!IsBlankLine(line)) {
            part.lines.emplace_back(line);
            if (++unbudgeted == LineBudget::kBatch) {
                if (!budget.Add(unbudgeted)) return;
                unbudgeted = 0;
            }
        }
        if (stop == end) break;
        p = stop + 1;
        if (*stop == '\r' && p < end && *p == '\n') ++p;
    }
    budget.Add(unbudgeted);
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
    return *FromTextUpTo(std::move(text), std::numeric_limits<std::size_t>::max(), parts, minBytesPerPart);
}

std::optional<AbaLines> AbaLines::FromTextUpTo(std::string text, std::size_t maxLines, unsigned parts,
                                               std::size_t minBytesPerPart) {
    AbaLines result;
    result.owner_ = std::make_shared<const std::string>(std::move(text));
    const std::string_view all(*result.owner_);
    if (parts < 1) parts = 1;
    while (parts > 1 && all.size() / parts < minBytesPerPart) --parts;

    std::vector<std::string_view> pieces;
    std::size_t begin = 0;
    for (unsigned k = 1; k < parts && begin < all.size(); ++k) {
        const std::size_t cut = NextLineStart(all, std::max(begin, all.size() * k / parts));
        pieces.push_back(all.substr(begin, cut - begin));
        begin = cut;
    }
    pieces.push_back(all.substr(begin));

    LineBudget budget{maxLines};
    std::vector<SplitPart> split(pieces.size());
    RunParallelTasks(pieces.size(), [&](std::size_t k) { SplitInto(pieces[k], split[k], budget); });
    if (budget.exceeded.load()) return std::nullopt;
    for (SplitPart& part : split) {
        result.starts_.push_back(result.size_);
        result.size_ += part.lines.size();
        result.linesRead_ += part.linesRead;
        result.chunks_.push_back(std::move(part.lines));
    }
    result.DropBlankText();
    return result;
}

void AbaLines::DropBlankText() {
    std::size_t needed = 0;
    for (const auto& chunk : chunks_) {
        for (const AbaLine& line : chunk) needed += line.text.size();
    }
    constexpr std::size_t kSlack = std::size_t{1} << 20;
    if (!owner_ || owner_->size() <= 2 * needed + kSlack) return;
    auto compact = std::make_shared<std::string>();
    compact->reserve(needed);  // no reallocation below: the views stay valid
    for (auto& chunk : chunks_) {
        for (AbaLine& line : chunk) {
            const std::size_t at = compact->size();
            compact->append(line.text);
            line.text = std::string_view(compact->data() + at, line.text.size());
        }
    }
    owner_ = std::move(compact);
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
