// The GIFTS (G) and ANZ Direct Online (K) lines, built by the engine from
// hand-made ABA records.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "aba/aba_lines.h"
#include "aba/records.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "recording_host.h"
#include "util/clock.h"
#include "util/text_lines.h"

namespace billpay {
namespace {

struct Payment {
    std::string account;
    std::int64_t cents;
};

// An ABA file of a header, the payments (all to Smith & Co.) and a trailer,
// with the parsed records attached as validation would attach them.
AbaLines MakeAbaLines(const std::vector<Payment>& payments, Date payDate = {2020, 12, 31}) {
    std::vector<std::string> texts(payments.size() + 2, "record");
    AbaLines lines = AbaLines::FromLines(texts);
    TABAHeaderRecord header;
    header.PayDate = payDate;
    lines[0].record = header;
    for (std::size_t i = 0; i < payments.size(); ++i) {
        TABADetailRecord detail;
        detail.CreditAccountNumber = payments[i].account;
        detail.Amount = Money{payments[i].cents * Money::kTicksPerCent};
        detail.AccountTitle = "Smith & Co.";
        detail.LodgementReference = "INV 2020/15";
        detail.DebitAccountNumber = "123113012345700";
        detail.RemitterName = "ACME LTD";
        lines[i + 1].record = detail;
    }
    lines[payments.size() + 1].record = TABATrailerRecord{};
    return lines;
}

struct Conversion {
    bool ok = false;
    std::vector<std::string> lines;
    RecordingHost host;
};

void Convert(char code, const AbaLines& aba, Conversion& result) {
    ConversionOptions options;
    options.DebitAccount = "123113012345700";
    options.BatchNo = "12";
    options.PreformatRef = "NOT WRITTEN";  // field 12 of the payment line stays empty
    TickingClock clock({2026, 12, 9}, {9, 30, 0, 0});
    TBankFile bf(result.host, clock);
    TextLines out;
    result.ok = bf.CreateBankFile(aba, code, options, out);
    result.lines = out.ToVector();
}

const std::string kSmithLine = "2,123456789012301,50,123450,SMITH  CO,INV 202015,,,ACME LTD,ACME LTD,,,";

class GiftsLines : public ::testing::TestWithParam<char> {};

TEST_P(GiftsLines, OnePaymentGivesHeaderDetailAndTrailer) {
    const char code = GetParam();
    Conversion c;
    Convert(code, MakeAbaLines({{"123456789012301", 123450}}), c);
    ASSERT_TRUE(c.ok);
    const std::vector<std::string> expected = {
        code == 'G' ? "1,,,,,,201231,261209," : "1,,,,,,20201231,20261209,",
        kSmithLine,
        "3,123450,1,34567890123",
    };
    EXPECT_EQ(c.lines, expected);
    EXPECT_TRUE(c.host.messages.empty());
}

TEST_P(GiftsLines, MissingPayDateIsTheDayOfConversion) {
    const char code = GetParam();
    Conversion c;
    Convert(code, MakeAbaLines({}, Date{}), c);
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0], code == 'G' ? "1,,,,,,261209,261209," : "1,,,,,,20261209,20261209,");
    EXPECT_EQ(c.lines[1], "3,000,0,00000000000");
}

TEST_P(GiftsLines, AmountsAreWholeCentsWithoutLeadingZeros) {
    const char code = GetParam();
    Conversion c;
    // A 16-digit account stays whole; 0.07 is written 007; the zero amount is skipped.
    Convert(code,
            MakeAbaLines({{"0100010990104000", 7}, {"123456789012301", 0}, {"123456789012301", 123450}}), c);
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[1], "2,0100010990104000,50,007,SMITH  CO,INV 202015,,,ACME LTD,ACME LTD,,,");
    EXPECT_EQ(c.lines[2], kSmithLine);
    EXPECT_EQ(c.lines[3], "3,123457,2,34578880227");  // 00010990104 + 34567890123
}

TEST_P(GiftsLines, HashTotalKeepsItsRightmost11Digits) {
    Conversion c;
    // 99999999999 + 00000000001 = 100000000000.
    Convert(GetParam(), MakeAbaLines({{"129999999999900", 100}, {"120000000000100", 100}}), c);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines.back(), "3,200,2,00000000000");
}

TEST_P(GiftsLines, NegativeAmountIsOmitted) {
    Conversion c;
    Convert(GetParam(), MakeAbaLines({{"123456789012301", -100}, {"123456789012301", 123450}}), c);
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[1], kSmithLine);
    EXPECT_EQ(c.lines[2], "3,123450,1,34567890123");
}

INSTANTIATE_TEST_SUITE_P(Codes, GiftsLines, ::testing::Values('G', 'K'));

TEST(GiftsTrailer, BatchTotalOf12DigitsFitsAnd13DigitsStopTheConversion) {
    {
        Conversion c;
        Convert('G', MakeAbaLines({{"123456789012301", 999'999'999'999}}), c);
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.lines.back(), "3,999999999999,1,34567890123");
    }
    {
        Conversion c;
        Convert('K', MakeAbaLines({{"123456789012301", 999'999'999'999}, {"123456789012301", 1}}), c);
        EXPECT_FALSE(c.ok);
        ASSERT_EQ(c.host.messages.size(), 1u);
        EXPECT_EQ(c.host.messages[0].text, "Exception: Overflow Error in  Footer: BatchTotal ");
        EXPECT_EQ(c.host.messages[0].caption, "Could not convert ABA file");
    }
}

TEST(GiftsTrailer, MoreThan99999PaymentsStopTheConversion) {
    for (const int count : {99'999, 100'000}) {
        Conversion c;
        Convert('G',
                MakeAbaLines(std::vector<Payment>(static_cast<std::size_t>(count), {"123456789012301", 1})),
                c);
        if (count == 99'999) {
            ASSERT_TRUE(c.ok);
            EXPECT_EQ(c.lines.back(), "3,99999,99999,54444409877");
        } else {
            EXPECT_FALSE(c.ok);
            ASSERT_EQ(c.host.messages.size(), 1u);
            EXPECT_EQ(c.host.messages[0].text, "Exception: Overflow Error in  Footer: Transaction Count ");
        }
    }
}

TEST(GiftsBuilders, AnotherFormatCodeIsReportedAndGivesNothing) {
    struct Case {
        std::string (*builder)(TBankFile&);
        const char* function;
    };
    const Case cases[] = {
        {gifts::Header, "GetHeaderText"}, {gifts::Detail, "GetTextOut"}, {gifts::Footer, "GetFooterText"}};
    for (const Case& tc : cases) {
        RecordingHost host;
        TickingClock clock({2026, 12, 9}, {9, 30, 0, 0});
        TBankFile bf(host, clock);
        bf.FormatCode = 'A';
        EXPECT_EQ(tc.builder(bf), "");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, std::string(" An error has occurred in function ") + tc.function);
    }
}

}  // namespace
}  // namespace billpay
