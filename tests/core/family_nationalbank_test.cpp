// The record layouts of National, ANZ PC Diskette (M) and National Bank DirectLink (N).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

// Payments to J Smith for "Wages Dec", paid on 25 December 2024 unless given.
AbaLines MakeRun(const std::vector<Payment>& payments, const std::string& remitter = "ACME PAYROLL",
                 Date payDate = {2024, 12, 25}) {
    return MakeAbaRun(payments, {.payDate = payDate, .remitter = remitter});
}

// Converted on 10 December 2026 at 9:30.
Converted Convert(char code, const AbaLines& run, const std::string& debitAccount = "123456001234500",
                  const std::string& batchNo = "7") {
    return RunConversion(code, run, DebitAndBatch(debitAccount, batchNo), {2026, 12, 10});
}

const Payment kExample{"010123045678900", 123450};

// ---------------------------------------------------------------- M

TEST(NationalDiskette, RecordLengths) {
    const Converted c = Convert('M', MakeRun({kExample, {"1231130123457001", 5}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 4u);
    EXPECT_EQ(c.lines[0].size(), 51u);
    EXPECT_EQ(c.lines[1].size(), 156u);
    EXPECT_EQ(c.lines[2].size(), 156u);
    EXPECT_EQ(c.lines[3].size(), 31u);
}

TEST(NationalDiskette, HeaderOfTheWorkedExample) {
    const std::string expected = "12123456001234507 251224" + Blanks(7) + "ACME PAYROLL" + Blanks(8);
    // The debit account's suffix is not written, so a three-digit suffix changes nothing.
    for (const std::string account : {"123456001234500", "1234560012345001"}) {
        const Converted c = Convert('M', MakeRun({kExample}), account);
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.lines[0], expected) << account;
    }
}

TEST(NationalDiskette, HeaderBatchNumberAndRemitterName) {
    struct Case {
        std::string batch, remitter, columns16to17, columns32to51;
    };
    const std::vector<Case> cases = {
        {"7", "ACME PAYROLL", "07", "ACME PAYROLL" + Blanks(8)},
        {"12", "Smith & Co.", "12", "SMITH  CO" + Blanks(11)},
        {"99", "Acme Payroll Services", "99", "ACME PAYROLL SER" + Blanks(4)},  // held to 16
    };
    for (const Case& tc : cases) {
        const Converted c = Convert('M', MakeRun({kExample}, tc.remitter), "123456001234500", tc.batch);
        ASSERT_TRUE(c.ok);
        const std::string& h = c.lines[0];
        ASSERT_EQ(h.size(), 51u) << h;
        EXPECT_EQ(Cols(h, 16, 17), tc.columns16to17);
        EXPECT_EQ(Cols(h, 32, 51), tc.columns32to51);
    }
}

TEST(NationalDiskette, DetailColumns) {
    const Converted c = Convert('M', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines[1];
    EXPECT_EQ(Cols(d, 1, 2), "13");
    EXPECT_EQ(Cols(d, 3, 18), "010123045678900 ");
    EXPECT_EQ(Cols(d, 19, 21), "050");
    EXPECT_EQ(Cols(d, 22, 31), "0000123450");
    EXPECT_EQ(Cols(d, 32, 51), "J SMITH" + Blanks(13));
    EXPECT_EQ(Cols(d, 52, 63), "000000000000");
    EXPECT_EQ(Cols(d, 64, 75), Blanks(12));
    EXPECT_EQ(Cols(d, 76, 87), "WAGES DEC   ");
    EXPECT_EQ(Cols(d, 88, 99), "ACME PAYROLL");
    EXPECT_EQ(Cols(d, 100, 100), " ");
    EXPECT_EQ(Cols(d, 101, 120), "ACME PAYROLL" + Blanks(8));
    EXPECT_EQ(Cols(d, 121, 155), Blanks(35));
    EXPECT_EQ(Cols(d, 156, 156), ".");
}

TEST(NationalDiskette, DetailFieldsAreCleanedFilledAndCut) {
    const Converted c = Convert(
        'M',
        MakeRun({{"1231130123457001", 5, "o'Brien, Mary-Jane & Sons", "inv-2020/15 extra"}}, "Smith & Co."));
    ASSERT_TRUE(c.ok);
    const std::string& d = c.lines[1];
    ASSERT_EQ(d.size(), 156u);
    EXPECT_EQ(Cols(d, 3, 18), "1231130123457001");  // a 16-digit account unchanged
    EXPECT_EQ(Cols(d, 22, 31), "0000000005");
    // Cut to 20 before cleaning: "o'Brien, Mary-Jane &" loses its punctuation.
    EXPECT_EQ(Cols(d, 32, 51), "OBRIEN MARYJANE" + Blanks(5));
    EXPECT_EQ(Cols(d, 76, 87), "INV202015   ");
    EXPECT_EQ(Cols(d, 88, 99), "SMITH  CO   ");
    EXPECT_EQ(Cols(d, 101, 120), "SMITH  CO" + Blanks(11));
    EXPECT_EQ(Cols(d, 156, 156), ".");
}

TEST(NationalDiskette, TrailerHashAndTotal) {
    struct Case {
        std::vector<Payment> payments;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // The worked example: branch and customer number 0123 0456789.
        {{kExample},
         "1399"
         "01230456789" +
             Blanks(6) + "0000123450"},
        // A sum of 12 digits keeps its rightmost 11.
        {{{"019999999999900", 1}, {"019999999999900", 1}},
         "1399"
         "99999999998" +
             Blanks(6) + "0000000002"},
        // Zero and negative amounts stay out of both totals.
        {{{"010000000000100", 0}, {"010000000000200", 7}, {"010000000000300", -7}},
         "1399"
         "00000000002" +
             Blanks(6) + "0000000007"},
        {{},
         "1399"
         "00000000000" +
             Blanks(6) + "0000000000"},
    };
    for (const Case& tc : cases) {
        const Converted c = Convert('M', MakeRun(tc.payments));
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.lines.back(), tc.expected);
    }
}

// ---------------------------------------------------------------- N

TEST(NationalDirectLink, LineOfTheWorkedExample) {
    const Converted c = Convert('N', MakeRun({kExample}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 1u);  // no header, no trailer
    EXPECT_EQ(c.lines[0], "1234.50,01012300456789000,J SMITH,,,,WAGES DEC,,ACME PAYROLL");
}

TEST(NationalDirectLink, FieldsAreCleanedAndTrimmed) {
    struct Case {
        Payment payment;
        std::string remitter, expected;
    };
    const std::vector<Case> cases = {
        {{"010123045678900", 75, "Smith, J", "Wages Dec"},
         "ACME PAYROLL",
         "0.75,01012300456789000,SMITH J,,,,WAGES DEC,,ACME PAYROLL"},
        {{"1231130123457001", 5, "  o'Brien, Mary-Jane & Sons", "inv-2020/15 extra"},
         "Smith & Co.",
         "0.05,12311300123457001,OBRIEN MARYJANE,,,,INV202015,,SMITH  CO"},
        {{"260600345678500", 9876543, "KIWI LTD", ""},
         "Acme Ltd",
         "98765.43,26060003456785000,KIWI LTD,,,,,,ACME LTD"},
    };
    for (const Case& tc : cases) {
        const Converted c = Convert('N', MakeRun({tc.payment}, tc.remitter));
        ASSERT_TRUE(c.ok);
        ASSERT_EQ(c.lines.size(), 1u);
        EXPECT_EQ(c.lines[0], tc.expected);
    }
}

TEST(NationalDirectLink, OnlyWrittenDetailsMakeLines) {
    EXPECT_TRUE(Convert('N', MakeRun({})).lines.empty());
    const Converted c = Convert('N', MakeRun({{"010123045678900", 0}, kExample, {"010123045678900", -5}}));
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 1u);
    EXPECT_EQ(c.lines[0].substr(0, 8), "1234.50,");
}

}  // namespace
}  // namespace billpay
