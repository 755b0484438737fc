#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aba/records.h"

namespace billpay {

// One non-blank line of an ABA file and the parsed record validation attached
// to it (none for a line that is not a record).
struct AbaLine {
    std::string_view text;
    std::optional<AbaRecord> record;

    const TABAHeaderRecord* header() const { return record ? std::get_if<TABAHeaderRecord>(&*record) : nullptr; }
    const TABADetailRecord* detail() const { return record ? std::get_if<TABADetailRecord>(&*record) : nullptr; }
    const TABATrailerRecord* trailer() const {
        return record ? std::get_if<TABATrailerRecord>(&*record) : nullptr;
    }
};

// The lines of an ABA file, blank lines removed, each able to carry its parsed
// record. The list owns the decoded text; the lines are views into it, so a
// file of a million records costs one buffer and one small entry per line.
class AbaLines {
public:
    AbaLines() = default;

    // Splits decoded text at CR LF, lone CR and lone LF and drops the blank
    // lines (empty, or nothing but blanks and control characters).
    static AbaLines FromText(std::string text);

    // The same over text that some other object keeps alive (a mapped file).
    static AbaLines FromSharedText(std::shared_ptr<const void> owner, std::string_view text);

    // Builds a list from separate lines (tests and small tools).
    static AbaLines FromLines(const std::vector<std::string>& lines);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const AbaLine& operator[](std::size_t i) const { return lines_[i]; }
    AbaLine& operator[](std::size_t i) { return lines_[i]; }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }
    auto begin() { return lines_.begin(); }
    auto end() { return lines_.end(); }

    // Lines in the file as read, blank ones included.
    std::size_t LinesRead() const { return linesRead_; }

    void Clear();

private:
    void Split(std::string_view text);

    std::shared_ptr<const void> owner_;  // keeps the text alive; moving the list keeps the views valid
    std::vector<AbaLine> lines_;
    std::size_t linesRead_ = 0;
};

// True for a line that is empty or holds only characters of code 32 or lower.
bool IsBlankLine(std::string_view line);

}  // namespace billpay
