// The record layouts of BNZ PC Diskette (B), BNZ PC Banking (D) and Kiwibank
// Batch Upload (Z).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to Smith & Co. from ACME LTD, unless a payment says otherwise.
AbaLines MakeRun(const std::vector<Payment>& payments, Date payDate = {2020, 12, 31},
                 const std::string& remitter = "ACME LTD") {
    return MakeAbaRun(
        payments,
        {.payDate = payDate, .remitter = remitter, .title = "Smith & Co.", .reference = "INV 2020/15"});
}

ConversionOptions Options(std::string batch = "", std::string preformat = "") {
    ConversionOptions options;
    options.DebitAccount = "020100012345600";
    options.BatchNo = std::move(batch);
    options.PreformatRef = std::move(preformat);
    return options;
}

// Converted on 9 December 2026.
Converted Convert(char code, const AbaLines& run, const ConversionOptions& options) {
    return RunConversion(code, run, options, {2026, 12, 9});
}

std::vector<std::string> Fields(std::string_view line) {
    return SplitFields(line, ',');
}

// ---- B: BNZ PC Diskette

TEST(BnzDisketteFormat, HeaderCarriesPayDateBatchAndDateCheckSum) {
    const Converted c = Convert('B', MakeRun({{"123456789012301", 123450}}), Options("7"));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    // B0, 311220, 0007, 063 (31 + 12 + 20), five blanks.
    EXPECT_EQ(c.lines[0],
              "B0"
              "311220"
              "0007"
              "063"
              "     ");
}

TEST(BnzDisketteFormat, DetailColumns) {
    Payment payment{"1234567890123456", 123450, "Smith & Co.", "inv-2020/15 extra"};
    const Converted c = Convert('B', MakeRun({payment}), Options("7"));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines.at(1);
    ASSERT_EQ(d.size(), 160u);
    EXPECT_EQ(Cols(d, 1, 1), "B");
    EXPECT_EQ(Cols(d, 2, 20), "0123456078901230456");  // 3-4-8-4
    EXPECT_EQ(Cols(d, 21, 26), "      ");
    EXPECT_EQ(Cols(d, 27, 37), "00000123450");
    EXPECT_EQ(Cols(d, 38, 41), "    ");
    EXPECT_EQ(Cols(d, 42, 43), "02");
    EXPECT_EQ(Cols(d, 44, 47), "0100");
    EXPECT_EQ(Cols(d, 48, 51), "0007");
    EXPECT_EQ(Cols(d, 52, 71), "SMITH  CO           ");
    EXPECT_EQ(Cols(d, 72, 83), "INV202015   ");  // first 12 characters, cleaned
    EXPECT_EQ(Cols(d, 84, 95), "ACME LTD    ");
    EXPECT_EQ(Cols(d, 96, 107), std::string(12, ' '));
    EXPECT_EQ(Cols(d, 108, 127), "ACME LTD            ");
    EXPECT_EQ(Cols(d, 128, 146), "0020100001234560000");  // the debit account, laid out as 2-20
    EXPECT_EQ(Cols(d, 147, 160),
              "N"
              "09122026"
              "     ");
}

TEST(BnzDisketteFormat, LongTitleAndRemitterAreCutToTheirColumns) {
    Payment payment{"123456789012301", 5, "Wiremu Ngata Family Trust Account", "Ref"};
    const Converted c = Convert('B', MakeRun({payment}, {2020, 12, 31}, "A VERY LONG NAME"), Options("1"));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines.at(1);
    ASSERT_EQ(d.size(), 160u);
    EXPECT_EQ(Cols(d, 27, 37), "00000000005");
    EXPECT_EQ(Cols(d, 52, 71), "WIREMU NGATA FAMILY ");
    EXPECT_EQ(Cols(d, 84, 95), "A VERY LONG ");
    EXPECT_EQ(Cols(d, 108, 127), "A VERY LONG NAME    ");
}

TEST(BnzDisketteFormat, TrailerCountTotalAndLastDigitHash) {
    // The bases end in 3 and 9: the hash total is 12.
    const Converted c =
        Convert('B', MakeRun({{"123456789012301", 123450}, {"010001099010900", 5}}), Options("7"));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[3],
              "B0"
              "002"
              "00000123455"
              "0012");
}

TEST(BnzDisketteFormat, FullCountAndHashFillTheirFields) {
    // 999 details (the most three digits hold) whose bases end in 9: hash total 8991.
    // One more stops the conversion rather than writing the count cut to "100".
    const Converted c =
        Convert('B', MakeRun(std::vector<Payment>(999, {"010001099010900", 1})), Options("7"));
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines.back(),
              "B0"
              "999"
              "00000000999"
              "8991");
    EXPECT_FALSE(Convert('B', MakeRun(std::vector<Payment>(1000, {"010001099010900", 1})), Options("7")).ok);
}

TEST(BnzDisketteFormat, HugeBatchTotalGrowsTheTrailerWithoutError) {
    const Converted c =
        Convert('B', MakeRun({{"123456789012301", 50'000'000'000}, {"123456789012301", 50'000'000'000}}),
                Options("7"));
    ASSERT_TRUE(c.ok);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.lines.back(),
              "B0"
              "002"
              "100000000000"
              "0006");
    EXPECT_EQ(c.lines.back().size(), 21u);
}

// ---- D and Z: BNZ PC Banking, Kiwibank Batch Upload

TEST(BnzBankingFormat, WorkedExample) {
    const Converted c = Convert('D', MakeRun({{"123456789012301", 123450}}), Options());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[0], "1,,,,020100012345600,7,201231,261209,");
    EXPECT_EQ(Fields(c.lines[0]).size(), 9u);
    EXPECT_EQ(c.lines[1], "2,123456789012301,50,123450,SMITH  CO,INV 202015,,,ACME LTD,ACME LTD,,,");
    EXPECT_EQ(Fields(c.lines[1]).size(), 13u);
    EXPECT_EQ(c.lines[2], "3,123450,1,34567890123");
    EXPECT_EQ(c.hashTotalText, "34567890123");
}

TEST(BnzBankingFormat, SmallAmountsKeepTheirCents) {
    const Converted c = Convert('D', MakeRun({{"123456789012301", 7}, {"123456789012301", 5}}), Options());
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(Fields(c.lines[1])[3], "007");
    EXPECT_EQ(Fields(c.lines[2])[3], "005");
    EXPECT_EQ(Fields(c.lines[3])[1], "012");
}

TEST(BnzBankingFormat, OtherPartyParticularsTrimmedUncleanedWithoutCommas) {
    const Converted c = Convert('D', MakeRun({{"123456789012301", 100}}), Options("", " Pay, dec-26 "));
    ASSERT_TRUE(c.ok);
    const auto fields = Fields(c.lines[1]);
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields[11], "Pay dec-26");
}

TEST(BnzBankingFormat, KiwibankWritesDLinesWithoutOtherPartyParticulars) {
    const AbaLines run = MakeRun({{"123456789012301", 123450}, {"3890000123456700", 99}});
    const Converted d = Convert('D', run, Options("", "PARTS"));
    const Converted z = Convert('Z', run, Options("", "PARTS"));
    ASSERT_TRUE(d.ok);
    ASSERT_TRUE(z.ok);
    ASSERT_EQ(d.lines.size(), z.lines.size());
    EXPECT_EQ(Fields(d.lines[1])[11], "PARTS");
    for (std::size_t i = 0; i < d.lines.size(); ++i) {
        auto fields = Fields(d.lines[i]);
        if (fields.size() == 13) fields[11].clear();
        auto zFields = Fields(z.lines[i]);
        EXPECT_EQ(zFields, fields) << "line " << i;
    }
}

TEST(BnzBankingFormat, HashTotalKeepsItsRightmostElevenDigits) {
    // Branch and base 99999999999 twice: 199999999998.
    const Converted c =
        Convert('D', MakeRun({{"129999999999900", 100}, {"129999999999900", 100}}), Options());
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines.back(), "3,200,2,99999999998");
    EXPECT_EQ(c.hashTotalText, "99999999998");  // what the report prints
}

TEST(BnzBankingFormat, NoDetailsGiveHeaderAndZeroTrailer) {
    const Converted c = Convert('Z', MakeRun({}), Options());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[1], "3,000,0,00000000000");
}

// The payments are made inside the test, so that listing the tests costs nothing.
struct OverflowCase {
    const char* name;
    std::function<std::vector<Payment>()> payments;
    const char* message;  // empty: converts
};

class BnzBankingOverflow : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(BnzBankingOverflow, TrailerFieldsAreChecked) {
    const OverflowCase& oc = GetParam();
    for (const char code : {'D', 'Z'}) {
        const Converted c = Convert(code, MakeRun(oc.payments()), Options());
        if (std::string_view(oc.message).empty()) {
            EXPECT_TRUE(c.ok) << code;
            EXPECT_TRUE(c.messages.empty()) << code;
        } else {
            EXPECT_FALSE(c.ok) << code;
            ASSERT_EQ(c.messages.size(), 1u) << code;
            EXPECT_EQ(c.messages[0].text, oc.message) << code;
            EXPECT_EQ(c.messages[0].caption, "Could not convert ABA file") << code;
            EXPECT_EQ(c.messages[0].icon, MessageIcon::Error) << code;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BnzBankingOverflow,
    ::testing::Values(
        // 9,999,999,999.99 is twelve digits of cents: allowed.
        OverflowCase{"TotalOfTwelveDigits",
                     [] {
                         return std::vector<Payment>{{"123456789012301", 499'999'999'999},
                                                     {"123456789012301", 500'000'000'000}};
                     },
                     ""},
        OverflowCase{"TotalOfThirteenDigits",
                     [] {
                         return std::vector<Payment>{{"123456789012301", 500'000'000'000},
                                                     {"123456789012301", 500'000'000'000}};
                     },
                     "Exception: Overflow Error in  Footer: BatchTotal "},
        OverflowCase{"Count99999", [] { return std::vector<Payment>(99'999, {"123456789012301", 1}); }, ""},
        OverflowCase{"Count100000", [] { return std::vector<Payment>(100'000, {"123456789012301", 1}); },
                     "Exception: Overflow Error in  Footer: Transaction Count "}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace billpay
