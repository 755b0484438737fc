#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "aba/aba_lines.h"

namespace billpay {

// The largest ABA file that is read. A pay period's payments never come near
// it; anything bigger is refused rather than exhausting the machine.
inline constexpr std::size_t kMaxAbaFileBytes = std::size_t{512} * 1024 * 1024;

// The most records an ABA file can hold: one header, 999,999 details (the
// trailer's count has six digits) and one trailer. A file with more
// non-blank lines is refused at reading, so that a file of many short lines
// cannot make validation hold millions of problems.
inline constexpr std::size_t kMaxAbaRecords = 1000001;

struct AbaFileRead {
    std::optional<AbaLines> lines;  // set when the file was read
    std::string error;              // the reason it could not be read
};

// Reads the whole file, decodes it to single-byte characters and splits it
// into lines (blank lines removed), a large file in up to `threads` chunks at once.
AbaFileRead ReadAbaFile(std::string_view path, unsigned threads = 1);

}  // namespace billpay
