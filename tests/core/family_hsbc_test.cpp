// The record layouts of HSBC Bulk Payments (I) and HSBC Batch Payments (X).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"
#include "util/text.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to J Smith for "Wages Dec", paid on 25 December 2024 unless given.
AbaLines MakeRun(const std::vector<Payment>& payments, const std::string& remitter = "ACME PAYROLL",
                 Date payDate = {2024, 12, 25}) {
    return MakeAbaRun(payments, {.payDate = payDate, .remitter = remitter});
}

// Converted on 10 December 2026 at 9:30.
Converted Convert(char code, const AbaLines& run, const std::string& debitAccount = "123456789012") {
    return RunConversion(code, run, DebitAndBatch(debitAccount), {2026, 12, 10});
}

const Payment kExample{"010123045678900", 123450};

// ---------------------------------------------------------------- I

TEST(HsbcBulk, FileIsHeaderDetailsAndTrailerOf120Characters) {
    const Converted c =
        Convert('I', MakeRun({kExample, {"1231130123457001", 5}, {"260600345678500", 100000}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 5u);
    for (const std::string& line : c.lines) EXPECT_EQ(line.size(), 120u) << line;
    EXPECT_EQ(c.lines[0][0], 'H');
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(c.lines[i][0], 'D');
    EXPECT_EQ(c.lines[4][0], 'T');
}

TEST(HsbcBulk, HeaderCarriesPayDateAndTheMomentOfConversion) {
    const Converted c = Convert('I', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines[0],
              "H 20241225"
              "20261210"
              "093000" +
                  Blanks(96));
}

TEST(HsbcBulk, DetailColumns) {
    const Converted c = Convert('I', MakeRun({kExample}, "Acme Payroll Services"));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 1, 2), "D ");
    EXPECT_EQ(Cols(d, 3, 37), "J SMITH" + Blanks(28));
    EXPECT_EQ(Cols(d, 38, 53), "0101230456789000");
    EXPECT_EQ(Cols(d, 54, 56), Blanks(3));
    EXPECT_EQ(Cols(d, 57, 58), "50");
    EXPECT_EQ(Cols(d, 59, 73), "000000000123450");
    EXPECT_EQ(Cols(d, 74, 85), "ACME PAYROLL");  // first 12 characters of the remitter name
    EXPECT_EQ(Cols(d, 86, 97), Blanks(12));
    EXPECT_EQ(Cols(d, 98, 109), "WAGES DEC   ");
    EXPECT_EQ(Cols(d, 110, 120), Blanks(11));
}

TEST(HsbcBulk, DetailFieldsAreCleanedFilledAndCut) {
    const Converted c = Convert(
        'I', MakeRun({{"1231130123457001", 5, "o'Brien, Mary-Jane & Sons Limited", "inv-2020/15 extra"}},
                     "Smith & Co."));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines[1];
    ASSERT_EQ(d.size(), 120u);
    // The title is held to 32 characters; cleaning drops the punctuation.
    EXPECT_EQ(Cols(d, 3, 37), "OBRIEN MARYJANE  SONS LIMITE" + Blanks(7));
    EXPECT_EQ(Cols(d, 38, 53), "1231130123457001");  // a 16-digit account unchanged
    EXPECT_EQ(Cols(d, 59, 73), "000000000000005");
    EXPECT_EQ(Cols(d, 74, 85), "SMITH  CO   ");
    EXPECT_EQ(Cols(d, 98, 109), "INV202015   ");  // "inv-2020/15 " cleaned
}

TEST(HsbcBulk, TrailerOfTheWorkedExample) {
    const Converted c = Convert('I', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.lines.back(),
              "T"
              "6789"
              "000000000123450"
              "0001" +
                  Blanks(96));
}

TEST(HsbcBulk, TrailerHashCountAndTotal) {
    // Customer numbers 0000456 and 9999999 sum to 10000455; a short hash is zero-filled.
    struct Case {
        std::vector<Payment> payments;
        std::string hash, total, count;
    };
    const std::vector<Case> cases = {
        {{{"010123000045600", 1}}, "0456", "000000000000001", "0001"},
        {{{"010123000045600", 1}, {"010123099999990", 99999999}}, "0455", "000000100000000", "0002"},
        // Zero and negative amounts are neither written nor counted.
        {{{"010123000045600", 0}, kExample, {"010123099999990", -500}}, "6789", "000000000123450", "0001"},
    };
    for (const Case& tc : cases) {
        const Converted c = Convert('I', MakeRun(tc.payments));
        ASSERT_TRUE(c.ok);
        const std::string& t = c.lines.back();
        ASSERT_EQ(t.size(), 120u);
        EXPECT_EQ(Cols(t, 2, 5), tc.hash);
        EXPECT_EQ(Cols(t, 6, 20), tc.total);
        EXPECT_EQ(Cols(t, 21, 24), tc.count);
    }
}

TEST(HsbcBulk, NoDetailsGivesHeaderAndZeroTrailer) {
    const Converted c = Convert('I', MakeRun({}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[1],
              "T"
              "0000"
              "000000000000000"
              "0000" +
                  Blanks(96));
}

// ---------------------------------------------------------------- X

TEST(HsbcBatch, HeaderColumns) {
    const Converted c = Convert('X', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    const std::string& h = c.lines[0];
    ASSERT_EQ(h.size(), 135u);
    EXPECT_EQ(Cols(h, 1, 7), "1NZHSBC");
    EXPECT_EQ(Cols(h, 8, 19), "123456789012");
    EXPECT_EQ(Cols(h, 20, 22), "PS1");
    EXPECT_EQ(Cols(h, 23, 45),
              "000001"
              "00000000001234.50");
    EXPECT_EQ(Cols(h, 46, 53), "20241225");
    EXPECT_EQ(Cols(h, 54, 56), "APO");
    EXPECT_EQ(Cols(h, 57, 80), Blanks(24));
    EXPECT_EQ(Cols(h, 81, 81), "A");
    EXPECT_EQ(Cols(h, 82, 134), Blanks(53));
    EXPECT_EQ(Cols(h, 135, 135), "1");
}

TEST(HsbcBatch, HeaderCountsOnlyTheDetailsWritten) {
    const Converted c = Convert(
        'X', MakeRun({kExample, {"010123000045600", 0}, {"1231130123457001", 5}, {"010123000045600", -100}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);  // header and two details, no trailer
    EXPECT_EQ(Cols(c.lines[0], 23, 45),
              "000002"
              "00000000001234.55");
}

TEST(HsbcBatch, DetailColumns) {
    const Converted c = Convert('X', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    const std::string& d = c.lines[1];
    ASSERT_EQ(d.size(), 135u);
    EXPECT_EQ(Cols(d, 1, 1), "2");
    EXPECT_EQ(Cols(d, 2, 13), Blanks(11) + "4");  // one detail: the counting pass used 3
    EXPECT_EQ(Cols(d, 14, 17), "ANZD");
    EXPECT_EQ(Cols(d, 18, 33), "0000000001234.50");
    EXPECT_EQ(Cols(d, 34, 41), Blanks(8));
    EXPECT_EQ(Cols(d, 42, 47), "010123");
    EXPECT_EQ(Cols(d, 48, 49), Blanks(2));
    EXPECT_EQ(Cols(d, 50, 69), "0101230456789000" + Blanks(4));
    EXPECT_EQ(Cols(d, 70, 77), Blanks(8));
    EXPECT_EQ(Cols(d, 78, 97), "J SMITH" + Blanks(13));
    EXPECT_EQ(Cols(d, 98, 109), "   WAGES DEC");
    EXPECT_EQ(Cols(d, 110, 135), Blanks(26));
}

TEST(HsbcBatch, DetailFieldsAreCleanedFilledAndCut) {
    const Converted c =
        Convert('X', MakeRun({{"1231130123457001", 5, "o'Brien, Mary-Jane & Sons", "inv-2020/15 extra"}}));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines[1];
    ASSERT_EQ(d.size(), 135u);
    EXPECT_EQ(Cols(d, 18, 33), "0000000000000.05");
    EXPECT_EQ(Cols(d, 42, 47), "123113");
    EXPECT_EQ(Cols(d, 50, 69), "1231130123457001" + Blanks(4));  // a 16-digit account unchanged
    // Cut to 20 before cleaning: "o'Brien, Mary-Jane &" loses its punctuation.
    EXPECT_EQ(Cols(d, 78, 97), "OBRIEN MARYJANE" + Blanks(5));
    EXPECT_EQ(Cols(d, 98, 109), "   INV202015");  // right-aligned
}

TEST(HsbcBatch, SequenceNumbersContinueAfterTheCountingPass) {
    const Converted five = Convert('X', MakeRun(std::vector<Payment>(5, kExample)));
    ASSERT_TRUE(five.ok);
    ASSERT_EQ(five.lines.size(), 6u);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(Cols(five.lines[i], 2, 13), PadLeftSpaces(std::to_string(i + 7), 12));

    // A skipped detail still takes its number in both passes: 3 details, the
    // second of amount zero, are numbered 6 and 8.
    const Converted gap = Convert('X', MakeRun({kExample, {"010123000045600", 0}, kExample}));
    ASSERT_TRUE(gap.ok);
    ASSERT_EQ(gap.lines.size(), 3u);
    EXPECT_EQ(Cols(gap.lines[1], 2, 13), Blanks(11) + "6");
    EXPECT_EQ(Cols(gap.lines[2], 2, 13), Blanks(11) + "8");
}

TEST(HsbcBatch, NoDetailsGivesHeaderAlone) {
    const Converted c = Convert('X', MakeRun({}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(Cols(c.lines[0], 23, 45),
              "000000"
              "00000000000000.00");
}

}  // namespace
}  // namespace billpay
