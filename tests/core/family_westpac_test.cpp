// Westpac PC Diskette (P) and DeskBank (W) records, converted end to end.

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
Converted Convert(char code, const AbaLines& lines, const std::string& batch = "",
                  const std::string& debitAccount = "123456001234500") {
    return RunConversion(code, lines, DebitAndBatch(debitAccount, batch), {2026, 12, 10});
}

const Payment kSmith{"010123045678900", 123450};  // 01-0123-0456789-00, 1234.50

// ---- P: Westpac PC Diskette

TEST(WestpacPcDiskette, OnePaymentGivesHeaderDetailAndTrailerColumnForColumn) {
    const Converted c = Convert('P', MakeLines({kSmith}), "123");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_TRUE(c.messages.empty());

    const std::string header =
        Record({"12", "12", "3456", "0012345", "23", " ", "251224", Blanks(7), "ACME PAYROLL", Blanks(8)});
    EXPECT_EQ(c.lines[0], header);
    EXPECT_EQ(c.lines[0].size(), 51u);

    const std::string detail = Record({"13", "0101230456789000", "050", "0000123450", "J SMITH", Blanks(13),
                                       "000000000000", Blanks(12), "WAGES DEC", Blanks(3), "ACME PAYROLL",
                                       " ", "ACME PAYROLL", Blanks(8), Blanks(35), "."});
    EXPECT_EQ(c.lines[1], detail);
    EXPECT_EQ(c.lines[1].size(), 156u);

    EXPECT_EQ(c.lines[2], Record({"1399", "01230456789", Blanks(6), "0000123450"}));
    EXPECT_EQ(c.lines[2].size(), 31u);
}

TEST(WestpacPcDiskette, BatchNumberKeepsItsLastTwoCharactersAndIsZeroFilled) {
    const struct {
        std::string batch;
        std::string columns16to17;
    } cases[] = {{"123", "23"}, {"7", "07"}, {"45", "45"}, {"999", "99"}};
    for (const auto& tc : cases) {
        const Converted c = Convert('P', MakeLines({kSmith}), tc.batch);
        ASSERT_TRUE(c.ok) << tc.batch;
        EXPECT_EQ(Cols(c.lines[0], 16, 17), tc.columns16to17) << tc.batch;
        EXPECT_EQ(c.lines[0].size(), 51u) << tc.batch;
    }
}

TEST(WestpacPcDiskette, CreditAccountIsWrittenTwoFourSevenThree) {
    const struct {
        std::string account;
        std::string columns3to18;
    } cases[] = {
        {"010123045678900", "0101230456789000"},  // two-digit suffix gets one leading zero
        {"010123045678925", "0101230456789025"},
        {"0100010990104000", "0100010990104000"},  // three-digit suffix unchanged
        {"0865231954512123", "0865231954512123"},
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('P', MakeLines({{tc.account, 500}}), "1");
        ASSERT_EQ(c.lines.size(), 3u) << tc.account;
        EXPECT_EQ(Cols(c.lines[1], 3, 18), tc.columns3to18) << tc.account;
        EXPECT_EQ(c.lines[1].size(), 156u) << tc.account;
    }
}

// Names are cut to their width before cleaning, so the characters cleaning
// drops leave blanks at the end rather than room for more of the name.
TEST(WestpacPcDiskette, TextFieldsAreCleanedCutAndSpaceFilled) {
    const Payment payment{"010123045678900", 5, "Smith & Co. Builders Limited", "inv-2020/15 extra"};
    const Converted c = Convert('P', MakeLines({payment}, {2024, 12, 25}, "Acme Ltd & Sons"), "1");
    ASSERT_EQ(c.lines.size(), 3u);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 22, 31), "0000000005");
    EXPECT_EQ(Cols(d, 32, 51), "SMITH  CO BUILDERS  ");
    EXPECT_EQ(Cols(d, 52, 63), "000000000000");
    EXPECT_EQ(Cols(d, 64, 75), Blanks(12));      // code
    EXPECT_EQ(Cols(d, 76, 87), "INV202015   ");  // reference: first 12 characters, cleaned
    EXPECT_EQ(Cols(d, 88, 99), "ACME LTD  S ");  // particulars: first 12 of the remitter name
    EXPECT_EQ(Cols(d, 100, 100), " ");
    EXPECT_EQ(Cols(d, 101, 120), "ACME LTD  SONS      ");
    EXPECT_EQ(Cols(d, 121, 155), Blanks(35));
    EXPECT_EQ(Cols(d, 156, 156), ".");
    EXPECT_EQ(Cols(c.lines[0], 32, 51), "ACME LTD  SONS      ");
}

TEST(WestpacPcDiskette, TrailerTotalsOnlyTheWrittenDetails) {
    // Zero and negative amounts are neither written nor added; the hash total
    // adds digits 3-13 (branch and customer number) of each written account.
    const Converted c = Convert('P',
                                MakeLines({{"010123045678900", 123450},
                                           {"029999999999900", 0},
                                           {"030001000000125", -100},
                                           {"0600020000002001", 50}}),
                                "1");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[3], Record({"1399", "01250456791", Blanks(6), "0000123500"}));
}

TEST(WestpacPcDiskette, TrailerFieldsKeepTheLastHashDigitsAndGrowForLargeTotals) {
    // 99999999999 + 1 has 12 digits: the last 11 are written. Two payments of
    // 99,999,999.99 make a total of 11 digits, which widens the trailer.
    const Converted c =
        Convert('P', MakeLines({{"019999999999900", 9999999999}, {"010000000000100", 9999999999}}), "1");
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[3], Record({"1399", "00000000000", Blanks(6), "19999999998"}));
}

TEST(WestpacPcDiskette, FileWithoutDetailsIsHeaderAndZeroTrailer) {
    const Converted c = Convert('P', MakeLines({}), "5");
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);
    EXPECT_EQ(c.lines[0].size(), 51u);
    EXPECT_EQ(Cols(c.lines[0], 32, 51), Blanks(20));
    EXPECT_EQ(c.lines[1], Record({"1399", "00000000000", Blanks(6), "0000000000"}));
}

// ---- W: Westpac DeskBank

TEST(WestpacDeskBank, OnePaymentGivesHeaderAndDetailColumnForColumnAndNoTrailer) {
    const Converted c = Convert('W', MakeLines({kSmith}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 2u);

    EXPECT_EQ(c.lines[0], Record({"A000002", "12", "3456", Blanks(56), "251224"}));
    EXPECT_EQ(c.lines[0].size(), 75u);

    const std::string detail = Record({"D", "000003", "010123004567890000", "50", "DC", "000000000123450",
                                       "J SMITH", Blanks(13), "ACME PAYROLL", Blanks(12), "WAGES DEC",
                                       Blanks(3), "123456000123450000", "ACME PAYROLL", Blanks(8)});
    EXPECT_EQ(c.lines[1], detail);
    EXPECT_EQ(c.lines[1].size(), 138u);
}

TEST(WestpacDeskBank, AccountsAreWrittenTwoFourEightFour) {
    const struct {
        std::string credit;
        std::string debit;
        std::string columns8to25;
        std::string columns101to118;
    } cases[] = {
        {"010123045678900", "123456001234500", "010123004567890000", "123456000123450000"},
        {"0100010990104000", "1234560012345025", "010001009901040000", "123456000123450025"},
    };
    for (const auto& tc : cases) {
        const Converted c = Convert('W', MakeLines({{tc.credit, 100}}), "", tc.debit);
        ASSERT_EQ(c.lines.size(), 2u) << tc.credit;
        EXPECT_EQ(Cols(c.lines[0], 8, 13), "123456") << tc.debit;
        EXPECT_EQ(Cols(c.lines[1], 8, 25), tc.columns8to25) << tc.credit;
        EXPECT_EQ(Cols(c.lines[1], 101, 118), tc.columns101to118) << tc.debit;
        EXPECT_EQ(c.lines[1].size(), 138u) << tc.credit;
    }
}

TEST(WestpacDeskBank, TextFieldsAreCleanedCutAndSpaceFilled) {
    const Payment payment{"010123045678900", 5, "o'Brien, Mary-Jane Watson", "Pay 2026/12 bonus"};
    const Converted c = Convert('W', MakeLines({payment}, {2026, 12, 9}, "Acme Ltd"));
    ASSERT_EQ(c.lines.size(), 2u);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 30, 44), "000000000000005");
    EXPECT_EQ(Cols(d, 45, 64), "OBRIEN MARYJANE W   ");
    EXPECT_EQ(Cols(d, 65, 76), "ACME LTD    ");   // particulars
    EXPECT_EQ(Cols(d, 77, 88), Blanks(12));       // code
    EXPECT_EQ(Cols(d, 89, 100), "PAY 202612  ");  // reference: "Pay 2026/12 " cleaned
    EXPECT_EQ(Cols(d, 119, 138), Record({"ACME LTD", Blanks(12)}));
    EXPECT_EQ(Cols(c.lines[0], 70, 75), "091226");
}

TEST(WestpacDeskBank, SequenceNumbersAdvanceForEveryDetailBuilt) {
    // A zero amount and a negative amount are not written but use up their numbers.
    const Converted c = Convert('W', MakeLines({{"010123045678900", 100},
                                                {"010123045678900", 0},
                                                {"010123045678900", 200},
                                                {"010123045678900", -300},
                                                {"010123045678900", 400}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(Cols(c.lines[1], 1, 7), "D000003");
    EXPECT_EQ(Cols(c.lines[2], 1, 7), "D000005");
    EXPECT_EQ(Cols(c.lines[3], 1, 7), "D000007");
    for (const std::string& line : c.lines) EXPECT_NE(line.substr(0, 4), "1399");
}

TEST(WestpacDeskBank, FileWithoutDetailsIsTheHeaderAlone) {
    const Converted c = Convert('W', MakeLines({}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(c.lines[0].size(), 75u);
}

}  // namespace
}  // namespace billpay
