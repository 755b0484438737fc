// Splitting decoded text into lines in chunks.

#include <gtest/gtest.h>

#include <string>

#include "aba/aba_lines.h"
#include "aba_generator.h"

namespace billpay {
namespace {

using testing::AbaDetailRecord;
using testing::AbaHeaderRecord;
using testing::AbaTrailerRecord;

TEST(AbaLines, ChunksOfAShortTextWhenTheCallerAllowsThem) {
    const std::string account = "123113012345700";
    const std::string records[] = {AbaHeaderRecord("091226"),
                                   AbaDetailRecord(account, 100, "J SMITH", "WAGES", account, "ACME"),
                                   AbaDetailRecord(account, 200, "A TAYLOR", "WAGES", account, "ACME"),
                                   AbaTrailerRecord(300, 300, 0, 2)};
    for (const char* end : {"\r\n", "\n", "\r", "\r\n\r\n"}) {
        std::string text;
        for (const auto& r : records) text += r + end;
        const AbaLines single = AbaLines::FromText(text);
        EXPECT_EQ(AbaLines::FromText(text, 4).ChunkCount(), 1u) << "a short text is not worth a thread";
        const AbaLines chunked = AbaLines::FromText(text, 4, 1);
        EXPECT_EQ(chunked.ChunkCount(), 4u);
        ASSERT_EQ(chunked.size(), single.size());
        EXPECT_EQ(chunked.LinesRead(), single.LinesRead());
        for (std::size_t i = 0; i < single.size(); ++i) EXPECT_EQ(chunked[i].text, single[i].text) << i;
    }
}

}  // namespace
}  // namespace billpay
