#include "aba/aba_file.h"

#include "aba/text_decoding.h"
#include "platform/file_system.h"

namespace billpay {

AbaFileRead ReadAbaFile(std::string_view path, unsigned threads) {
    AbaFileRead result;
    WholeFile file = ReadWholeFile(path, kMaxAbaFileBytes);
    if (file.status == ReadStatus::TooLarge) {
        result.error = "The file is larger than 512 MiB and cannot be an ABA file.";
        return result;
    }
    if (file.status == ReadStatus::Failed) {
        result.error = std::move(file.error);
        return result;
    }
    // A plain-ASCII file (the usual case) is its own text; anything else is
    // decoded in its buffer.
    DecodeAbaTextInPlace(file.bytes);
    result.lines = AbaLines::FromTextUpTo(std::move(file.bytes), kMaxAbaRecords, threads);
    if (!result.lines)
        result.error = "The file has more than " + std::to_string(kMaxAbaRecords) +
                       " records and cannot be an ABA file.";
    return result;
}

}  // namespace billpay
