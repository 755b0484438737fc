// The record layouts of the Citibank formats: Cash Direct Credit (E),
// CitiDirect (V), Paylink Direct Credit (F) and Payroll (L).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "bankfile/bank_file.h"
#include "conversion_fixture.h"

namespace billpay {
namespace {

using namespace billpay::testing;

const Payment kWages{"010123045678900", 123450};  // 01-0123-0456789-00

// Payments to Smith & Co. for "Wages Dec", paid on 31 December 2020.
AbaLines MakeRun(const std::vector<Payment>& payments, const std::string& remitter = "ACME PAYROLL") {
    return MakeAbaRun(
        payments,
        {.payDate = {2020, 12, 31}, .remitter = remitter, .title = "Smith & Co.", .reference = "Wages Dec"});
}

struct Options {
    std::string preformat = "Acme Payroll Ltd.";
    bool confidential = false;
    std::string debitAccount = "0012345";
    TimeOfDay time{9, 30, 0, 0};
};

// Converted on 9 December 2026 (day 343 of the year).
Converted Convert(char code, const AbaLines& run, const Options& o = {}) {
    ConversionOptions options;
    options.DebitAccount = o.debitAccount;
    options.PreformatRef = o.preformat;
    options.Confidential = o.confidential;
    return RunConversion(code, run, options, {2026, 12, 9}, o.time);
}

std::string Only(const Converted& c) {
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.lines.size(), 1u);  // no header, no trailer
    return c.lines.empty() ? std::string() : c.lines[0];
}

std::vector<std::string> Fields(std::string_view line) {
    return SplitFields(line, '@');
}

std::size_t CountAt(const std::string& line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '@'));
}

std::string At(int n) {
    return std::string(static_cast<std::size_t>(n), '@');
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "ACME PAYROLL" sums to 857; 9 December 2026 is day 343 of 2026.
constexpr std::string_view kReferencePrefix =
    "0857"
    "26343";

// ---- E: Cash Direct Credit

TEST(CitibankCashDirectCredit, Line) {
    const std::string line = Only(Convert('E', MakeRun({kWages}), {.preformat = "pay-run 12, dec"}));
    ASSERT_EQ(CountAt(line), 45u);
    const auto fields = Fields(line);
    ASSERT_EQ(fields.size(), 46u);
    const std::string& reference = fields[1];
    EXPECT_EQ(reference.substr(0, kReferencePrefix.size()), kReferencePrefix);
    EXPECT_TRUE(AllDigits(reference)) << reference;
    EXPECT_GE(reference.size(), 10u);
    EXPECT_LE(reference.size(), 16u);
    EXPECT_EQ(line, "MT100^3@" + reference + "@20201231@NZD@1234.50" + At(10) +
                        "ANZ@0101230456789000@SMITH  CO@ACME PAYROLL            WAGES DEC" + At(26) +
                        "PAYRUN 12 DEC@@");
}

TEST(CitibankCashDirectCredit, PreformatReferenceIsCutToSixteen) {
    const std::string line = Only(Convert('E', MakeRun({kWages}), {.preformat = "abc-def ghi jkl mno"}));
    EXPECT_EQ(Fields(line)[43], "ABCDEF GHI JKL M");
}

TEST(CitibankCashDirectCredit, BankNameOfTheCreditAccount) {
    struct Case {
        const char* account;
        const char* name;
    };
    for (const Case& c :
         {Case{"010123045678900", "ANZ"}, Case{"030123045678900", "WESTPAC  SUPERBANK"},
          Case{"040123045678900", ""}, Case{"3890000123456700", "KIWIBANK"}, Case{"390123045678900", ""}}) {
        Payment payment = kWages;
        payment.account = c.account;
        const auto fields = Fields(Only(Convert('E', MakeRun({payment}))));
        ASSERT_EQ(fields.size(), 46u) << c.account;
        EXPECT_EQ(fields[14], c.name) << c.account;
    }
}

TEST(CitibankCashDirectCredit, AmountAndAccountForms) {
    Payment payment = kWages;
    payment.cents = 75;
    payment.account = "3890000123456701";
    const auto fields = Fields(Only(Convert('E', MakeRun({payment}))));
    EXPECT_EQ(fields[4], "0.75");
    EXPECT_EQ(fields[15], "3890000123456701");
}

TEST(CitibankCashDirectCredit, BlankPayeeDetailsLeaveAnEmptyField) {
    Payment payment = kWages;
    payment.reference = "";
    const std::string line = Only(Convert('E', MakeRun({payment}, "")));
    EXPECT_EQ(CountAt(line), 45u);
    const auto fields = Fields(line);
    EXPECT_EQ(fields[16], "SMITH  CO");
    EXPECT_EQ(fields[17], "");
    EXPECT_NE(line.find("SMITH  CO@@"), std::string::npos);
    EXPECT_EQ(fields[1].substr(0, 9),
              "0000"
              "26343");  // an empty remitter name sums to 0
}

TEST(CitibankCashDirectCredit, ConsecutiveDetailsGetDifferentReferences) {
    const Converted c = Convert('E', MakeRun({kWages, kWages, kWages}), {.time = {0, 0, 0, 0}});
    ASSERT_TRUE(c.ok);
    ASSERT_EQ(c.lines.size(), 3u);
    std::vector<std::string> references;
    for (const std::string& line : c.lines) references.push_back(Fields(line)[1]);
    EXPECT_NE(references[0], references[1]);
    EXPECT_NE(references[1], references[2]);
    EXPECT_EQ(references[0], std::string(kReferencePrefix) + "0");  // midnight: time code 0
}

// ---- F: Paylink Direct Credit

TEST(CitibankPaylink, Line) {
    const std::string line = Only(Convert('F', MakeRun({kWages})));
    ASSERT_EQ(line.size(), 130u);
    EXPECT_EQ(line,
              "CHUC/OR"
              "SMITH  CO" +
                  Blanks(21) + Blanks(8) + "1234.50" + "ACME PAYROLL" + Blanks(12) + "WAGES DEC" + Blanks(2) +
                  "0101230456789000" + Blanks(19) + "31/12/20");
}

TEST(CitibankPaylink, ColumnsOfAnUnusualDetail) {
    Payment payment = kWages;
    payment.cents = 1230;
    payment.title = "Wiremu Ngata Family Trust Account";  // 32 characters are kept by the ABA record
    payment.reference = "";
    const std::string line = Only(Convert('F', MakeRun({payment}, "")));
    ASSERT_EQ(line.size(), 130u);
    EXPECT_EQ(Cols(line, 8, 37), "WIREMU NGATA FAMILY TRUST ACCO");
    EXPECT_EQ(Cols(line, 38, 52), Blanks(10) + "12.30");
    EXPECT_EQ(Cols(line, 53, 87), "-" + Blanks(34));  // no payee details at all
}

TEST(CitibankPaylink, PayeeReferenceIsElevenCharacters) {
    Payment payment = kWages;
    payment.reference = "inv-2020/15 extra";
    const std::string line = Only(Convert('F', MakeRun({payment})));
    EXPECT_EQ(Cols(line, 53, 87), "ACME PAYROLL" + Blanks(12) + "INV202015" + Blanks(2));
}

// ---- L: Payroll

TEST(CitibankPayroll, Line) {
    const std::string line = Only(Convert('L', MakeRun({kWages}), {.confidential = true}));
    EXPECT_EQ(CountAt(line), 112u);
    EXPECT_EQ(Fields(line).size(), 113u);
    EXPECT_EQ(line,
              "PDC@NZ@12345@@1234.50@@20201231@@@@C@@@ACME PAYROLL LTD@@@@@@SMITH  CO@@@@@0456789000@@@@@@@"
              "010123@@@@ACME PAYROLL@@WAGES DEC" +
                  At(75));
}

TEST(CitibankPayroll, UntickedAndBlankFields) {
    Payment payment = kWages;
    payment.reference = "";
    payment.cents = 5;
    payment.account = "3890000123456701";
    payment.title = "Wiremu Ngata Family Trust Account";
    const std::string line = Only(Convert('L', MakeRun({payment}, ""), {.preformat = ""}));
    EXPECT_EQ(CountAt(line), 112u);
    const auto fields = Fields(line);
    ASSERT_EQ(fields.size(), 113u);
    EXPECT_EQ(fields[4], "0.05");
    EXPECT_EQ(fields[10], "N");
    EXPECT_EQ(fields[13], "");
    EXPECT_EQ(fields[19], "WIREMU NGATA FAMILY TRUST ACCOUN");  // cleaned to 70, not padded
    EXPECT_EQ(fields[24], "0123456701");
    EXPECT_EQ(fields[31], "389000");
    EXPECT_EQ(fields[35], "");
    EXPECT_EQ(fields[36], "");
    EXPECT_EQ(fields[37], "");
}

// ---- V: CitiDirect

// Splits a V line into the columns before the reference, the reference, and
// the 163 columns after it.
struct VLine {
    std::string head, reference, tail;
};
VLine SplitV(const std::string& line) {
    EXPECT_GE(line.size(), 414u);
    EXPECT_LE(line.size(), 420u);
    if (line.size() < 405) return {};
    return {line.substr(0, 242), line.substr(242, line.size() - 405), line.substr(line.size() - 163)};
}

TEST(CitibankCitiDirect, Line) {
    const std::string line = Only(Convert('V', MakeRun({kWages})));
    const VLine v = SplitV(line);
    EXPECT_EQ(v.head,
              "PDCC/OR"
              "SMITH  CO" +
                  Blanks(61) + Blanks(150) + Blanks(8) + "1234.50");
    EXPECT_EQ(v.reference.substr(0, kReferencePrefix.size()), kReferencePrefix);
    EXPECT_TRUE(AllDigits(v.reference)) << v.reference;
    EXPECT_EQ(v.tail, "ACME PAYROLL LTD" + Blanks(19) + "ACME PAYROLL" + Blanks(12) + "WAGES DEC" +
                          Blanks(2) + Blanks(35) + "0101230456789000" + Blanks(19) + "31/12/2020" + "12345" +
                          Blanks(5) + "NZD");
}

TEST(CitibankCitiDirect, BlankPayeeDetailsAndLongOrderingPartyName) {
    Payment payment = kWages;
    payment.reference = "";
    const std::string line = Only(Convert(
        'V', MakeRun({payment}, ""),
        {.preformat = "The Acme Payroll & Accounting Services Company", .debitAccount = "1234567890"}));
    const VLine v = SplitV(line);
    EXPECT_EQ(v.tail.substr(0, 35), "THE ACME PAYROLL  ACCOUNTING SERVIC");
    EXPECT_EQ(v.tail.substr(35, 35), "-" + Blanks(34));
    EXPECT_EQ(v.tail.substr(70 + 35 + 16 + 19 + 10, 10), "1234567890");
}

TEST(CitibankCitiDirect, LineLengthFollowsTheTimeCode) {
    // At midnight the time code is one digit, which V drops: a 9-digit
    // reference and a 414-character line. The next detail waits until the
    // shortened time code changes.
    const Converted midnight = Convert('V', MakeRun({kWages, kWages}), {.time = {0, 0, 0, 0}});
    ASSERT_TRUE(midnight.ok);
    ASSERT_EQ(midnight.lines.size(), 2u);
    EXPECT_EQ(midnight.lines[0].size(), 414u);
    EXPECT_EQ(SplitV(midnight.lines[0]).reference, kReferencePrefix);
    EXPECT_EQ(SplitV(midnight.lines[1]).reference, std::string(kReferencePrefix) + "1");
    EXPECT_EQ(midnight.lines[1].size(), 415u);

    // 23:59:59.00 is the seven-digit time code 8639900.
    const std::string late = Only(Convert('V', MakeRun({kWages}), {.time = {23, 59, 59, 0}}));
    EXPECT_EQ(late.size(), 420u);
    EXPECT_EQ(SplitV(late).reference, std::string(kReferencePrefix) + "863990");
}

// ---- the family as a whole

TEST(CitibankFamily, NoHeaderOrTrailerEvenWithoutDetails) {
    for (const char code : {'E', 'F', 'L', 'V'}) {
        const Converted c = Convert(code, MakeRun({}));
        EXPECT_TRUE(c.ok) << code;
        EXPECT_TRUE(c.lines.empty()) << code;
        EXPECT_TRUE(c.messages.empty()) << code;
    }
}

}  // namespace
}  // namespace billpay

namespace billpay {
namespace {

// A ticking clock that notes, at every reading, how far the progress had moved.
class ProgressNotingClock final : public Clock {
public:
    explicit ProgressNotingClock(const RecordingHost& host) : host_(host) {}
    Date Today() const override { return ticking_.Today(); }
    TimeOfDay TimeNow() override {
        stepsAtReading.push_back(host_.steps);
        return ticking_.TimeNow();
    }
    std::vector<int> stepsAtReading;

private:
    const RecordingHost& host_;
    TickingClock ticking_{{2026, 12, 9}, {9, 30, 0, 0}};
};

// E and V read the clock until it gives a new reference (V: a new tenth of a
// second). The progress still moves on once per payment, right after it, so
// a long wait shows as a bar moving with every payment.
TEST(CitibankFamily, ProgressStepsWithEveryPaymentThatWaitedForTheClock) {
    constexpr int kPayments = 4;
    for (const char code : {'E', 'V'}) {
        RecordingHost host;
        ProgressNotingClock clock(host);
        TBankFile bf(host, clock);
        TextLines out;
        ConversionOptions options;
        options.DebitAccount = "0012345";
        options.PreformatRef = "Acme Payroll Ltd.";
        const AbaLines run =
            testing::MakeAbaRun(std::vector<testing::Payment>(kPayments, {"010123045678900", 100}));
        ASSERT_TRUE(bf.CreateBankFile(run, code, options, out)) << code;
        EXPECT_EQ(out.size(), static_cast<std::size_t>(kPayments)) << code;
        EXPECT_EQ(host.progressMaximum, kPayments) << code;
        EXPECT_EQ(host.steps, kPayments) << code;

        // Readings for payment k come after exactly k steps.
        ASSERT_TRUE(std::is_sorted(clock.stepsAtReading.begin(), clock.stepsAtReading.end())) << code;
        std::vector<int> readings(kPayments + 1, 0);
        for (const int steps : clock.stepsAtReading) ++readings.at(static_cast<std::size_t>(steps));
        EXPECT_EQ(readings[kPayments], 0) << code;
        for (int k = 0; k < kPayments; ++k) EXPECT_GE(readings[static_cast<std::size_t>(k)], 1) << code << k;
        // V waited for the tenth after each first payment: ten hundredths.
        if (code == 'V') {
            for (int k = 1; k < kPayments; ++k) EXPECT_EQ(readings[static_cast<std::size_t>(k)], 10) << k;
        }
    }
}

}  // namespace
}  // namespace billpay
