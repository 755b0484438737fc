// The GIFTS (G) and ANZ Direct Online (K) lines, built by the engine from
// hand-made ABA records.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to Smith & Co. from ACME LTD.
AbaLines MakeAbaLines(const std::vector<Payment>& payments, Date payDate = {2020, 12, 31}) {
    return MakeAbaRun(payments, {.payDate = payDate,
                                 .remitter = "ACME LTD",
                                 .title = "Smith & Co.",
                                 .reference = "INV 2020/15",
                                 .debitAccountNumber = "123113012345700"});
}

Converted Convert(char code, const AbaLines& aba) {
    ConversionOptions options = DebitAndBatch("123113012345700", "12");
    options.PreformatRef = "NOT WRITTEN";  // field 12 of the payment line stays empty
    return RunConversion(code, aba, options, {2026, 12, 9});
}

const std::string kSmithLine = "2,123456789012301,50,123450,SMITH  CO,INV 202015,,,ACME LTD,ACME LTD,,,";

class GiftsLines : public ::testing::TestWithParam<char> {};

TEST_P(GiftsLines, OnePaymentGivesHeaderDetailAndTrailer) {
    const char code = GetParam();
    const Converted c = Convert(code, MakeAbaLines({{"123456789012301", 123450}}));
    ASSERT_TRUE(c.ok);
    const std::vector<std::string> expected = {
        code == 'G' ? "1,,,,,,201231,261209," : "1,,,,,,20201231,20261209,",
        kSmithLine,
        "3,123450,1,34567890123",
    };
    EXPECT_EQ(c.lines, expected);
    EXPECT_TRUE(c.messages.empty());
}

TEST_P(GiftsLines, MissingPayDateIsTheDayOfConversion) {
    const char code = GetParam();
    const Converted c = Convert(code, MakeAbaLines({}, Date{}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0], code == 'G' ? "1,,,,,,261209,261209," : "1,,,,,,20261209,20261209,");
    EXPECT_EQ(c.lines[1], "3,000,0,00000000000");
}

TEST_P(GiftsLines, AmountsAreWholeCentsWithoutLeadingZeros) {
    const char code = GetParam();
    // A 16-digit account stays whole; 0.07 is written 007; the zero amount is skipped.
    const Converted c = Convert(
        code, MakeAbaLines({{"0100010990104000", 7}, {"123456789012301", 0}, {"123456789012301", 123450}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[1], "2,0100010990104000,50,007,SMITH  CO,INV 202015,,,ACME LTD,ACME LTD,,,");
    EXPECT_EQ(c.lines[2], kSmithLine);
    EXPECT_EQ(c.lines[3], "3,123457,2,34578880227");  // 00010990104 + 34567890123
}

TEST_P(GiftsLines, HashTotalKeepsItsRightmost11Digits) {
    // 99999999999 + 00000000001 = 100000000000.
    const Converted c =
        Convert(GetParam(), MakeAbaLines({{"129999999999900", 100}, {"120000000000100", 100}}));
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines.back(), "3,200,2,00000000000");
}

TEST_P(GiftsLines, NegativeAmountIsOmitted) {
    const Converted c =
        Convert(GetParam(), MakeAbaLines({{"123456789012301", -100}, {"123456789012301", 123450}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[1], kSmithLine);
    EXPECT_EQ(c.lines[2], "3,123450,1,34567890123");
}

INSTANTIATE_TEST_SUITE_P(Codes, GiftsLines, ::testing::Values('G', 'K'));

TEST(GiftsTrailer, BatchTotalOf12DigitsFitsAnd13DigitsStopTheConversion) {
    {
        const Converted c = Convert('G', MakeAbaLines({{"123456789012301", 999'999'999'999}}));
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.lines.back(), "3,999999999999,1,34567890123");
    }
    {
        const Converted c =
            Convert('K', MakeAbaLines({{"123456789012301", 999'999'999'999}, {"123456789012301", 1}}));
        EXPECT_FALSE(c.ok);
        ASSERT_EQ(c.messages.size(), 1u);
        EXPECT_EQ(c.messages[0].text, "Exception: Overflow Error in  Footer: BatchTotal ");
        EXPECT_EQ(c.messages[0].caption, "Could not convert ABA file");
    }
}

TEST(GiftsTrailer, MoreThan99999PaymentsStopTheConversion) {
    for (const int count : {99'999, 100'000}) {
        const Converted c = Convert(
            'G', MakeAbaLines(std::vector<Payment>(static_cast<std::size_t>(count), {"123456789012301", 1})));
        if (count == 99'999) {
            ASSERT_TRUE(c.ok);
            EXPECT_EQ(c.lines.back(), "3,99999,99999,54444409877");
        } else {
            EXPECT_FALSE(c.ok);
            ASSERT_EQ(c.messages.size(), 1u);
            EXPECT_EQ(c.messages[0].text, "Exception: Overflow Error in  Footer: Transaction Count ");
        }
    }
}

}  // namespace
}  // namespace billpay
