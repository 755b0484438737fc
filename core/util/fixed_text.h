#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace billpay {

// A text of at most N single-byte characters held in place. The parsed ABA
// records use it so that a million of them cost no allocations; assigning a
// longer text keeps its first N characters, which is how the record fields
// enforce their maximum lengths.
template <std::size_t N>
class FixedText {
    static_assert(N > 0 && N < 256);

public:
    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose

    void assign(std::string_view text) {
        size_ = static_cast<std::uint8_t>(text.size() < N ? text.size() : N);
        if (size_ > 0) std::memcpy(data_.data(), text.data(), size_);
    }
    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    std::string_view view() const { return {data_.data(), size_}; }
    operator std::string_view() const { return view(); }  // NOLINT: implicit on purpose
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    static constexpr std::size_t capacity() { return N; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, N> data_{};
    std::uint8_t size_ = 0;
};

}  // namespace billpay
