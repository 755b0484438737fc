#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace billpay {

// An ordered list of text lines kept in one buffer, so that a bank file of a
// million records costs one allocation that grows geometrically rather than
// one per line. The buffer holds every line followed by CR LF, which is the
// file as it is written, so writing it needs no copy.
class TextLines {
public:
    void push_back(std::string_view line) {
        text_.append(line);
        ends_.push_back(text_.size());
        text_.append("\r\n");
    }
    void clear() {
        text_.clear();
        ends_.clear();
    }
    void reserve(std::size_t lines, std::size_t bytes) {
        ends_.reserve(lines);
        text_.reserve(bytes + 2 * lines);
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1] + 2;
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    std::string_view back() const { return (*this)[size() - 1]; }

    std::vector<std::string> ToVector() const {
        std::vector<std::string> out;
        out.reserve(size());
        for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
        return out;
    }

    // The whole list as a file: every line, the last included, followed by CR LF.
    std::string_view CrLfText() const { return text_; }
    std::string ToCrLfText() const { return text_; }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace billpay
