#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aba/records.h"

namespace billpay {

// One non-blank line of an ABA file and the parsed record validation attached
// to it (none for a line that is not a record).
struct AbaLine {
    AbaLine() = default;
    explicit AbaLine(std::string_view line) : text(line) {}

    std::string_view text;
    std::optional<AbaRecord> record;

    const TABAHeaderRecord* header() const {
        return record ? std::get_if<TABAHeaderRecord>(&*record) : nullptr;
    }
    const TABADetailRecord* detail() const {
        return record ? std::get_if<TABADetailRecord>(&*record) : nullptr;
    }
    const TABATrailerRecord* trailer() const {
        return record ? std::get_if<TABATrailerRecord>(&*record) : nullptr;
    }
};

// The lines of an ABA file, blank lines removed, each able to carry its parsed
// record. The list owns the decoded text; the lines are views into it, so a
// file of a million records costs one buffer and one small entry per line.
//
// A large file may be split into a few consecutive chunks, each cut at a line
// end, so that splitting and validation can run on several cores; indexing
// hides the chunks.
class AbaLines {
public:
    AbaLines() = default;

    // Small files are not worth a thread: a chunk holds at least this many bytes.
    static constexpr std::size_t kMinBytesPerPart = std::size_t{1} << 20;

    // Splits decoded text at CR LF, lone CR and lone LF and drops the blank
    // lines (empty, or nothing but blanks and control characters). With
    // `parts` above 1 the text is split in that many chunks at once, fewer
    // when a chunk would hold less than `minBytesPerPart` bytes.
    static AbaLines FromText(std::string text, unsigned parts = 1,
                             std::size_t minBytesPerPart = kMinBytesPerPart);

    // The same, but gives nothing once the text holds more than `maxLines`
    // non-blank lines: the splitting stops there, so the lines of a file
    // that cannot be an ABA file are never all held.
    static std::optional<AbaLines> FromTextUpTo(std::string text, std::size_t maxLines, unsigned parts = 1,
                                                std::size_t minBytesPerPart = kMinBytesPerPart);

    // Builds a list from separate lines (tests and small tools).
    static AbaLines FromLines(const std::vector<std::string>& lines);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const AbaLine& operator[](std::size_t i) const {
        const std::size_t k = ChunkOf(i);
        return chunks_[k][i - starts_[k]];
    }
    AbaLine& operator[](std::size_t i) {
        const std::size_t k = ChunkOf(i);
        return chunks_[k][i - starts_[k]];
    }

    // Lines in the file as read, blank ones included.
    std::size_t LinesRead() const { return linesRead_; }

    std::size_t ChunkCount() const { return chunks_.size(); }
    std::span<AbaLine> Chunk(std::size_t k) { return chunks_[k]; }
    std::size_t ChunkStart(std::size_t k) const { return starts_[k]; }

    void Clear();

private:
    // A text that is mostly blank lines (a file padded out towards the size
    // limit) is copied down to its non-blank lines, so that the padding does
    // not hold memory that validation's problem texts need.
    void DropBlankText();

    std::size_t ChunkOf(std::size_t i) const {
        std::size_t k = 0;
        while (k + 1 < starts_.size() && i >= starts_[k + 1]) ++k;
        return k;
    }

    std::shared_ptr<const std::string> owner_;  // the text; moving the list keeps the views valid
    std::vector<std::vector<AbaLine>> chunks_;
    std::vector<std::size_t> starts_;  // index of each chunk's first line
    std::size_t size_ = 0;
    std::size_t linesRead_ = 0;
};

// True for a line that is empty or holds only characters of code 32 or lower.
bool IsBlankLine(std::string_view line);

}  // namespace billpay
