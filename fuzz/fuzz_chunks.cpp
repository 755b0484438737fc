// The chunked reading against the single pass. Byte 0 picks the number of
// chunks (2 to 8), byte 1 the format code, byte 2 the smallest chunk in bytes
// (0 to 31, so that even a short input is cut); the rest is an ABA file.
//
// Split in chunks, the decoded text must give the same lines as split in one
// pass, and validating the chunks on their own threads, or one after another
// with a progress sink, must give the same errors, memo and run-wide fields
// as validating the single pass.

#include <cstdint>
#include <string>

#include "aba/text_decoding.h"
#include "aba/validation.h"
#include "fuzz_support.h"

using namespace billpay;
using namespace billpay::fuzz;

namespace {

class CountingSink final : public ProgressSink {
public:
    void SetMaximum(std::size_t value) override { maximum = value; }
    void SetPosition(std::size_t value) override { position = value; }
    void Step() override { ++position; }

    std::size_t maximum = 0;
    std::size_t position = 0;
};

void CheckSameRun(const ValidationRun& expected, const ValidationRun& actual, const char* how) {
    const std::string what = std::string(how) + ": ";
    Check(actual.errors == expected.errors, what + "other errors", Joined(actual.errors));
    Check(actual.Memo() == expected.Memo(), what + "another memo", Joined(actual.Memo()));
    Check(actual.DebitAccount == expected.DebitAccount, what + "another debit account", actual.DebitAccount);
    Check(actual.RemitterName == expected.RemitterName, what + "another remitter name", actual.RemitterName);
    Check(actual.detailCount == expected.detailCount, what + "another detail count");
    for (std::size_t i = 0; i < expected.lines.size(); ++i)
        Check(actual.lines[i].record.has_value() == expected.lines[i].record.has_value() &&
                  (!expected.lines[i].record ||
                   actual.lines[i].record->index() == expected.lines[i].record->index()),
              what + "another record attached to a line", std::string(expected.lines[i].text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const unsigned parts = 2 + data[0] % 7;
    const char code = FormatCodeFromByte(data[1]);
    const std::size_t minBytesPerPart = data[2] % 32;
    const std::string text = DecodeAbaText({reinterpret_cast<const char*>(data) + 3, size - 3});

    AbaLines single = AbaLines::FromText(text);
    AbaLines chunked = AbaLines::FromText(text, parts, minBytesPerPart);
    Check(single.ChunkCount() == 1, "one pass gave several chunks");
    Check(chunked.ChunkCount() >= 1 && chunked.ChunkCount() <= parts, "chunk count out of range");
    Check(chunked.size() == single.size(), "chunks hold another number of lines",
          std::to_string(chunked.size()) + " against " + std::to_string(single.size()));
    Check(chunked.LinesRead() == single.LinesRead(), "chunks read another number of lines",
          std::to_string(chunked.LinesRead()) + " against " + std::to_string(single.LinesRead()));
    std::size_t start = 0;
    for (std::size_t k = 0; k < chunked.ChunkCount(); ++k) {
        Check(chunked.ChunkStart(k) == start, "a chunk does not start where the last one ended");
        start += chunked.Chunk(k).size();
    }
    for (std::size_t i = 0; i < single.size(); ++i)
        Check(chunked[i].text == single[i].text, "chunks hold another line", std::string(chunked[i].text));

    AbaLines chunkedAgain = AbaLines::FromText(text, parts, minBytesPerPart);
    const ValidationRun one = ValidateAbaLines(std::move(single), code);
    const ValidationRun threaded = ValidateAbaLines(std::move(chunked), code);
    CheckSameRun(one, threaded, "chunks on threads");
    CountingSink sink;
    const ValidationRun stepped = ValidateAbaLines(std::move(chunkedAgain), code, CheckAccountDigits, &sink);
    CheckSameRun(one, stepped, "chunks one after another");
    Check(sink.maximum == one.lines.LinesRead(), "progress maximum is not the lines read");
    Check(sink.position == one.lines.size(), "progress did not step once per line");
    return 0;
}
