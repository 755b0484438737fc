// The ASB records: Fastnet Office (A), Fastnet Business (S), Gateway (H) and
// EPW CSV (J), built by the engine from hand-made ABA records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to Smith & Co. from ACME LTD, unless a payment says otherwise.
AbaLines MakeAbaLines(const std::vector<Payment>& payments, Date payDate = {2020, 12, 31},
                      const std::string& remitter = "ACME LTD") {
    return MakeAbaRun(payments, {.payDate = payDate,
                                 .remitter = remitter,
                                 .title = "Smith & Co.",
                                 .reference = "INV 2020/15",
                                 .debitAccountNumber = "123113012345700"});
}

Converted Convert(char code, const AbaLines& aba, const ConversionOptions& options) {
    return RunConversion(code, aba, options, {2026, 12, 9});
}

ConversionOptions DefaultOptions() {
    ConversionOptions options;
    options.DebitAccount = "123113012345700";  // 12-3113-0123457-00
    return options;
}

const Payment kSmith{"123456789012301", 123450};

class FixedWidthAsb : public ::testing::TestWithParam<char> {};

TEST_P(FixedWidthAsb, EveryRecordIs160ColumnsAndEndsAsTheFormatSays) {
    const char code = GetParam();
    const Converted c = Convert(code, MakeAbaLines({kSmith, {"0100010990104000", 5}, {"123456789012301", 0}}),
                                DefaultOptions());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);  // header, two payments (the zero amount is skipped), trailer
    for (const std::string& record : c.lines) {
        EXPECT_EQ(record.size(), 160u) << record;
        EXPECT_EQ(record.back(), code == 'H' ? '0' : ' ') << record;
        EXPECT_EQ(Cols(record, 157, 159), Blanks(3)) << record;
    }
    EXPECT_TRUE(c.messages.empty());
}

TEST_P(FixedWidthAsb, HeaderCarriesDebitAccountBatchPayDateAndRemitter) {
    const char code = GetParam();
    ConversionOptions options = DefaultOptions();
    options.BatchNo = code == 'H' ? "5" : "";  // only Gateway offers a batch number
    const Converted c = Convert(code, MakeAbaLines({kSmith}), options);
    ASSERT_TRUE(c.ok);
    const std::string expected =
        "12"
        "12"
        "3113"
        "0123457" +
        std::string(code == 'H' ? "05" : "00") + " " + "311220" + Blanks(7) + "ACME LTD" + Blanks(12) +
        (code == 'H' ? Blanks(108) + "0" : Blanks(109));
    EXPECT_EQ(c.lines.front(), expected);
}

TEST_P(FixedWidthAsb, DetailLaysOutTheWorkedExample) {
    const char code = GetParam();
    const Converted c = Convert(code, MakeAbaLines({kSmith}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    const std::string expected =
        "13"
        "123456789012301 "
        "051"
        "0000123450"
        "SMITH  CO" +
        Blanks(11) + Blanks(12) + Blanks(12) + "INV 202015  " + "ACME LTD    " + " " + "ACME LTD" +
        Blanks(12) + Blanks(36) + (code == 'H' ? "   0" : Blanks(4));
    EXPECT_EQ(c.lines[1], expected);
}

TEST_P(FixedWidthAsb, TrailerCarriesHashTotalAndBatchTotalInCents) {
    const char code = GetParam();
    // Branch and customer numbers 34567890123 + 00010990104 = 34578880227.
    const Converted c = Convert(code, MakeAbaLines({kSmith, {"0100010990104000", 5}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    const std::string expected =
        "1399"
        "34578880227" +
        Blanks(6) + "0000123455" + (code == 'H' ? Blanks(128) + "0" : Blanks(129));
    EXPECT_EQ(c.lines.back(), expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, FixedWidthAsb, ::testing::Values('A', 'S', 'H'));

TEST(FixedWidthAsbDetail, AccountNumberOf16DigitsFillsItsColumns) {
    const Converted c = Convert('A', MakeAbaLines({{"0100010990104000", 5}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(Cols(c.lines[1], 3, 18), "0100010990104000");
    EXPECT_EQ(Cols(c.lines[1], 22, 31), "0000000005");
}

TEST(FixedWidthAsbDetail, PayerFieldsOfFastnetBusinessAreWrittenAsEnteredAndCutTo12) {
    ConversionOptions options = DefaultOptions();
    options.PayerCode = "code-1";
    options.PayerReference = "ref/2026 abc";
    options.PayerParticulars = "particulars-too-long";
    for (const char code : {'S', 'A', 'H'}) {
        const Converted c = Convert(code, MakeAbaLines({kSmith}), options);
        ASSERT_TRUE(c.ok);
        const std::string payer = Cols(c.lines[1], 121, 156);
        if (code == 'S') {
            EXPECT_EQ(payer,
                      "code-1      "
                      "ref/2026 abc"
                      "particulars-");
        } else {
            EXPECT_EQ(payer, Blanks(36)) << code;
        }
        EXPECT_EQ(c.lines[1].size(), 160u);
    }
}

TEST(FixedWidthAsbDetail, StatementFieldsAreCleanedAndCut) {
    const Converted c = Convert(
        'A',
        MakeAbaLines({{"123456789012301", 100, "o'Brien, Mary-Jane & Sons Limited", "inv-2020/15 extra"}},
                     {2020, 12, 31}, "Acme Payroll Ltd"),
        DefaultOptions());
    ASSERT_TRUE(c.ok);
    const std::string& detail = c.lines[1];
    EXPECT_EQ(Cols(detail, 32, 51), "OBRIEN MARYJANE     ");
    EXPECT_EQ(Cols(detail, 64, 75), Blanks(12));
    EXPECT_EQ(Cols(detail, 76, 87), "INV202015   ");
    EXPECT_EQ(Cols(detail, 88, 99), "ACME PAYROLL");
    EXPECT_EQ(Cols(detail, 101, 120), "ACME PAYROLL LTD    ");
}

TEST(FixedWidthAsbTrailer, OnlyZeroAmountsGiveHeaderAndAllZeroTrailer) {
    const Converted c =
        Convert('A', MakeAbaLines({{"123456789012301", 0}, {"0100010990104000", 0}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[1],
              "1399"
              "00000000000" +
                  Blanks(6) + "0000000000" + Blanks(129));
}

TEST(FixedWidthAsbTrailer, HashTotalKeepsItsRightmost11Digits) {
    // 99999999999 + 00000000001 = 100000000000: twelve digits, the trailer keeps 00000000000.
    const Converted c =
        Convert('S', MakeAbaLines({{"129999999999900", 100}, {"120000000000100", 100}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(Cols(c.lines.back(), 5, 15), "00000000000");
}

TEST(FixedWidthAsbTrailer, AmountsOfAHundredMillionDollarsGrowTheirRecords) {
    const Converted c = Convert('H', MakeAbaLines({{"123456789012301", 10'000'000'000}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(Cols(c.lines[1], 22, 32), "10000000000");
    EXPECT_EQ(c.lines[1].size(), 161u);
    EXPECT_EQ(Cols(c.lines[1], 33, 41), "SMITH  CO");
    EXPECT_EQ(Cols(c.lines[2], 22, 32), "10000000000");
    EXPECT_EQ(c.lines[2].size(), 161u);
    EXPECT_EQ(c.lines[2].back(), '0');
    EXPECT_TRUE(c.messages.empty());
}

TEST(FixedWidthAsbDetail, NegativeAmountIsOmittedAndLeftOutOfTheTrailer) {
    const Converted c = Convert('A', MakeAbaLines({kSmith, {"0100010990104000", -500}}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(Cols(c.lines[2], 5, 31), "34567890123" + Blanks(6) + "0000123450");
}

TEST(AsbEpwCsv, HeaderSumsUpTheLinesThatFollowAndThereIsNoTrailer) {
    ConversionOptions options = DefaultOptions();
    options.BatchNo = "7";
    const Converted c =
        Convert('J', MakeAbaLines({kSmith, {"0100010990104000", 5}, {"123456789012301", 0}}), options);
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[0], "12,123113012345707,311220,\"ACME LTD\",\"34578880227\",1234.55,2");
    EXPECT_EQ(c.lines[1],
              "12-3456-7890123-001,051,1234.50,\"SMITH  CO\",\"\",\"\",\"INV 202015\",\"ACME "
              "LTD\",\"\",\"\",\"\",\"\"");
    EXPECT_EQ(c.lines[2],
              "01-0001-0990104-000,051,0.05,\"SMITH  CO\",\"\",\"\",\"INV 202015\",\"ACME "
              "LTD\",\"\",\"\",\"\",\"\"");
}

TEST(AsbEpwCsv, WithoutPaymentsTheHeaderCountsNothing) {
    const Converted c = Convert('J', MakeAbaLines({}), DefaultOptions());
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(c.lines[0], "12,123113012345700,311220,\"\",\"00000000000\",0.00,0");
}

}  // namespace
}  // namespace billpay
