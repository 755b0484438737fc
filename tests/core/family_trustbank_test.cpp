// Trust Bank (T) and TSB Bank (U) records, converted end to end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to J Smith for "Wages Dec" (transaction code 50), each detail
// carrying the run's remitter name.
AbaLines MakeLines(const std::vector<Payment>& payments, Date payDate = {2024, 12, 25},
                   const std::string& remitter = "ACME PAYROLL") {
    return MakeAbaRun(payments, {.payDate = payDate, .remitter = remitter, .transactionCode = "50"});
}

// Converted on 10 December 2026 at 9:30.
Converted Convert(char code, const AbaLines& lines, const std::string& batch = "7",
                  const std::string& debitAccount = "123456001234500") {
    return RunConversion(code, lines, DebitAndBatch(debitAccount, batch), {2026, 12, 10});
}

const Payment kSmith{"010123045678900", 123450};  // 01-0123-0456789-00, 1234.50

// ---- T: Trust Bank Payment Format

TEST(TrustBankFormat, OnePaymentGivesHeaderDetailAndTrailerColumnForColumn) {
    const Converted c = Convert('T', MakeLines({kSmith}), "7");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_TRUE(c.messages.empty());

    EXPECT_EQ(c.lines[0],
              Record({"121234560012345000251224", Blanks(7), "ACME PAYROLL", Blanks(8), "0000007"}));
    EXPECT_EQ(c.lines[0].size(), 58u);

    const std::string detail =
        Record({"13", "0101230456789000", "050", "0000123450", "J SMITH", Blanks(13), Blanks(12),
                "ACME PAYROLL", Blanks(12), "WAGES DEC", Blanks(3), " ", "ACME PAYROLL", Blanks(8)});
    EXPECT_EQ(c.lines[1], detail);
    EXPECT_EQ(c.lines[1].size(), 120u);

    EXPECT_EQ(c.lines[2], Record({"1399", "00000456789", "000001", "0000123450"}));
    EXPECT_EQ(c.lines[2].size(), 31u);
}

TEST(TrustBankFormat, HeaderDebitSuffixAndBatchNumber) {
    const struct {
        std::string debit;
        std::string batch;
        std::string columns3to18;
        std::string columns52to58;
    } cases[] = {
        {"123456001234500", "7", "1234560012345000", "0000007"},
        {"1234560012345025", "7", "1234560012345020", "0000007"},  // first two digits of a three-digit suffix
        {"123456001234500", "", "1234560012345000", "0000000"},
        {"123456001234500", "1234567", "1234560012345000", "1234567"},
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('T', MakeLines({kSmith}), tc.batch, tc.debit);
        ASSERT_TRUE(c.ok) << tc.debit << " " << tc.batch;
        EXPECT_EQ(Cols(c.lines[0], 3, 18), tc.columns3to18) << tc.debit;
        EXPECT_EQ(Cols(c.lines[0], 52, 58), tc.columns52to58) << tc.batch;
        EXPECT_EQ(c.lines[0].size(), 58u);
    }
}

TEST(TrustBankFormat, CreditAccountGetsATrailingZeroWhenFifteenDigits) {
    const struct {
        std::string account;
        std::string columns3to18;
    } cases[] = {
        {"010123045678925", "0101230456789250"},   // "0" appended, not put before the suffix
        {"0100010990104000", "0100010990104000"},  // 16 digits unchanged
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('T', MakeLines({{tc.account, 100}}));
        ASSERT_EQ(c.lines.size(), 3u) << tc.account;
        EXPECT_EQ(Cols(c.lines[1], 3, 18), tc.columns3to18) << tc.account;
        EXPECT_EQ(c.lines[1].size(), 120u) << tc.account;
    }
}

// Names are cut to their width before cleaning, so the characters cleaning
// drops leave blanks at the end rather than room for more of the name.
TEST(TrustBankFormat, TextFieldsAreCleanedCutAndSpaceFilled) {
    const Payment payment{"010123045678900", 5, "Smith & Co. Builders Limited", "inv-2020/15 extra"};
    const Converted c = Convert('T', MakeLines({payment}, {2024, 12, 25}, "Acme Ltd & Sons"));
    ASSERT_EQ(c.lines.size(), 3u);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 22, 31), "0000000005");
    EXPECT_EQ(Cols(d, 32, 51), "SMITH  CO BUILDERS  ");
    EXPECT_EQ(Cols(d, 52, 63), Blanks(12));
    EXPECT_EQ(Cols(d, 64, 75), "ACME LTD  S ");  // particulars: first 12 of the remitter name
    EXPECT_EQ(Cols(d, 76, 87), Blanks(12));      // code
    EXPECT_EQ(Cols(d, 88, 99), "INV202015   ");  // reference: first 12 characters, cleaned
    EXPECT_EQ(Cols(d, 100, 100), " ");
    EXPECT_EQ(Cols(d, 101, 120), "ACME LTD  SONS      ");
    EXPECT_EQ(Cols(c.lines[0], 32, 51), "ACME LTD  SONS      ");
}

TEST(TrustBankFormat, TrailerCountsAndTotalsOnlyTheWrittenDetails) {
    // The hash total adds the customer numbers (digits 7-13) of the written details.
    const Converted c = Convert('T', MakeLines({{"010123045678900", 123450},
                                                {"029999999999900", 0},
                                                {"030001000000125", -100},
                                                {"0600020000002001", 50}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[3], Record({"1399", "00000456791", "000002", "0000123500"}));
}

TEST(TrustBankFormat, FileWithoutDetailsIsHeaderAndZeroTrailer) {
    const Converted c = Convert('T', MakeLines({}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0].size(), 58u);
    EXPECT_EQ(c.lines[1], Record({"1399", "00000000000", "000000", "0000000000"}));
}

// ---- U: TSB Bank

TEST(TsbFormat, OnePaymentGivesHeaderDetailAndTrailerColumnForColumn) {
    const Converted c = Convert('U', MakeLines({kSmith}), "7");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_TRUE(c.messages.empty());

    EXPECT_EQ(c.lines[0],
              Record({"A0", "251224", "0007", "061", "123456", "00012345", "0000", "0000", Blanks(123)}));

    const std::string detail = Record({"D0", "010123004567890000", "000000", "00000123450", Blanks(14),
                                       "J SMITH", Blanks(13), "ACME PAYROLL", Blanks(12), "WAGES DEC",
                                       Blanks(3), "ACME PAYROLL", Blanks(8), "0", Blanks(32)});
    EXPECT_EQ(c.lines[1], detail);

    EXPECT_EQ(c.lines[2], Record({"T", "0001", "00000123450", "0009", Blanks(140)}));
    for (const std::string& line : c.lines) EXPECT_EQ(line.size(), 160u);
}

TEST(TsbFormat, HeaderDateCheckDebitAccountAndBatchNumber) {
    const struct {
        Date payDate;
        std::string debit;
        std::string batch;
        std::string columns3to37;
    } cases[] = {
        {{2024, 12, 25},
         "123456001234500",
         "7",
         Record({"251224", "0007", "061", "123456", "00012345", "0000", "0000"})},
        {{2099, 12, 31},
         "123456001234500",
         "7",
         Record({"311299", "0007", "142", "123456", "00012345", "0000", "0000"})},
        {{2001, 1, 1},
         "1234560012345025",
         "",
         Record({"010101", "0000", "003", "123456", "00012345", "0025", "0000"})},
        {{2026, 12, 9},
         "123113012345700",
         "1234",
         Record({"091226", "1234", "047", "123113", "00123457", "0000", "0000"})},
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('U', MakeLines({kSmith}, tc.payDate), tc.batch, tc.debit);
        ASSERT_TRUE(c.ok) << tc.debit;
        EXPECT_EQ(Cols(c.lines[0], 1, 2), "A0");
        EXPECT_EQ(Cols(c.lines[0], 3, 37), tc.columns3to37) << tc.debit << " " << tc.batch;
        EXPECT_EQ(Cols(c.lines[0], 38, 160), Blanks(123));
    }
}

TEST(TsbFormat, CreditAccountIsWrittenTwoFourEightFour) {
    const struct {
        std::string account;
        std::string columns3to20;
    } cases[] = {
        {"010123045678925", "010123004567890025"},
        {"0100010990104000", "010001009901040000"},
        {"0865231954512123", "086523019545120123"},
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('U', MakeLines({{tc.account, 100}}));
        ASSERT_EQ(c.lines.size(), 3u) << tc.account;
        EXPECT_EQ(Cols(c.lines[1], 3, 20), tc.columns3to20) << tc.account;
        EXPECT_EQ(c.lines[1].size(), 160u) << tc.account;
    }
}

TEST(TsbFormat, TextFieldsAreCleanedCutAndSpaceFilled) {
    const Payment payment{"010123045678900", 5, "o'Brien, Mary-Jane Watson", "Pay 2026/12 bonus"};
    const Converted c = Convert('U', MakeLines({payment}, {2026, 12, 9}, "Acme Ltd"));
    ASSERT_EQ(c.lines.size(), 3u);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 21, 26), "000000");
    EXPECT_EQ(Cols(d, 27, 37), "00000000005");
    EXPECT_EQ(Cols(d, 38, 51), Blanks(14));
    EXPECT_EQ(Cols(d, 52, 71), "OBRIEN MARYJANE W   ");
    EXPECT_EQ(Cols(d, 72, 83), "ACME LTD    ");   // particulars
    EXPECT_EQ(Cols(d, 84, 95), Blanks(12));       // code
    EXPECT_EQ(Cols(d, 96, 107), "PAY 202612  ");  // reference: "Pay 2026/12 " cleaned
    EXPECT_EQ(Cols(d, 108, 127), Record({"ACME LTD", Blanks(12)}));
    EXPECT_EQ(Cols(d, 128, 128), "0");
    EXPECT_EQ(Cols(d, 129, 160), Blanks(32));
}

TEST(TsbFormat, TrailerCountsAndTotalsOnlyTheWrittenDetails) {
    // The hash total adds digit 13 (the last digit of the customer number) of each written account.
    const Converted c = Convert('U', MakeLines({{"010123045678900", 123450},
                                                {"029999999999900", 0},
                                                {"030001000000125", -100},
                                                {"0600020000002001", 50}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[3], Record({"T", "0002", "00000123500", "0011", Blanks(140)}));
}

TEST(TsbFormat, TrailerHashTotalKeepsItsLastFourDigits) {
    // 1200 details whose customer numbers end in 9 add up to 10800.
    const std::vector<Payment> payments(1200, Payment{"010123045678900", 1});
    const Converted c = Convert('U', MakeLines(payments));
    ASSERT_EQ(c.lines.size(), 1202u);
    EXPECT_EQ(c.lines.back(), Record({"T", "1200", "00000001200", "0800", Blanks(140)}));
}

TEST(TsbFormat, FileWithoutDetailsIsHeaderAndZeroTrailer) {
    const Converted c = Convert('U', MakeLines({}), "");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0].size(), 160u);
    EXPECT_EQ(c.lines[1], Record({"T", "0000", "00000000000", "0000", Blanks(140)}));
}

}  // namespace
}  // namespace billpay
