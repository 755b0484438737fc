// The conversion driver: passes, counters, totals, the result summary and the
// failures that stop a conversion.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "aba/aba_lines.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_table.h"
#include "conversion_fixture.h"
#include "recording_host.h"
#include "util/clock.h"
#include "util/number_text.h"
#include "util/text.h"
#include "util/text_lines.h"

namespace billpay {
namespace {

struct Payment {
    std::string account = "123456789012301";
    std::int64_t cents = 123450;
};

// An ABA run with its parsed records attached, as validation leaves it.
AbaLines MakeRun(const std::vector<Payment>& payments, std::string_view remitter = "Acme Ltd") {
    std::vector<testing::Payment> run;
    for (const Payment& p : payments) run.push_back({p.account, p.cents});
    return testing::MakeAbaRun(run, {.payDate = Date{2026, 12, 9},
                                     .remitter = std::string(remitter),
                                     .title = "Smith & Co.",
                                     .reference = "inv-2020/15 extra"});
}

std::vector<Payment> Payments(int count, std::int64_t cents = 100) {
    return std::vector<Payment>(static_cast<std::size_t>(count), Payment{"123456789012301", cents});
}

constexpr std::string_view kNzDebitAccount = "12-3113-0123457-00";
constexpr std::string_view kHsbcDebitAccount = "123456789012";

// One engine with its recording host and a ticking clock.
struct Engine {
    RecordingHost host;
    TickingClock clock{Date{2026, 12, 10}, TimeOfDay{9, 30, 0, 0}};
    TBankFile bf{host, clock};
    TextLines out;

    bool Convert(const AbaLines& run, char code, ConversionOptions options = {}) {
        if (options.DebitAccount.empty()) {
            options.DebitAccount = std::string(code == 'X' ? kHsbcDebitAccount : kNzDebitAccount);
        }
        const bool ok = bf.CreateBankFile(run, code, options, out);
        // However the conversion ends, the normal cursor is back and no
        // message was shown under the busy one.
        EXPECT_FALSE(host.busy);
        EXPECT_EQ(host.messagesWhileBusy, 0);
        return ok;
    }
};

constexpr std::string_view kCouldNotConvert = "Could not convert ABA file";

TEST(BankFileEngine, HeaderAndTrailerOnlyGiveTheHeaderAndTrailerRecords) {
    Engine e;
    ASSERT_TRUE(e.Convert(MakeRun({}), 'A'));
    ASSERT_EQ(e.out.size(), 2u);
    EXPECT_EQ(e.out[0].substr(0, 2), "12");
    EXPECT_EQ(e.out[1].substr(0, 4), "1399");
    EXPECT_TRUE(e.host.messages.empty());
    EXPECT_EQ(e.host.progressMaximum, 0);
    EXPECT_EQ(e.host.steps, 0);
    // No detail: the remitter name is blank.
    EXPECT_EQ(e.out[0].substr(31, 20), std::string(20, ' '));
}

TEST(BankFileEngine, ZeroAmountIsNeitherWrittenNorCounted) {
    Engine e;
    ASSERT_TRUE(e.Convert(
        MakeRun({{"123456789012301", 100}, {"123456789012301", 0}, {"123456789012301", 250}}), 'A'));
    EXPECT_EQ(e.out.size(), 4u);  // header, two details, trailer
    EXPECT_EQ(e.bf.WrittenCount, 2);
    EXPECT_EQ(e.bf.OmittedCount, 0);
    EXPECT_EQ(e.bf.FailedCount, 0);
    EXPECT_EQ(e.bf.BatchTotal, Money::FromCents(350));
    EXPECT_EQ(e.bf.HashTotal, "69135780246");  // twice 34567890123
    EXPECT_TRUE(e.host.messages.empty());
}

TEST(BankFileEngine, NegativeAmountIsOmittedAndSummarised) {
    Engine e;
    ASSERT_TRUE(e.Convert(
        MakeRun({{"123456789012301", 100}, {"123456789012301", -500}, {"123456789012301", 250}}), 'A'));
    EXPECT_EQ(e.out.size(), 4u);
    EXPECT_EQ(e.bf.WrittenCount, 2);
    EXPECT_EQ(e.bf.OmittedCount, 1);
    EXPECT_EQ(e.bf.FailedCount, 0);  // after the omitted ones are taken off
    EXPECT_EQ(e.bf.BatchTotal, Money::FromCents(350));
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(e.host.messages[0].text,
              "Of 3 bank deductions calculated in this payroll period:-\r"
              "\r2 deductions were successfully written to the bank file."
              "\r1 deduction was omitted due to a negative net pay or secondary deduction amount."
              "\r\rBanking File Name: ");
    EXPECT_EQ(e.host.messages[0].caption, "Electronic Bank File - File Creation Results");
    EXPECT_EQ(e.host.messages[0].icon, MessageIcon::Warning);
}

TEST(BankFileEngine, ResultSummaryWording) {
    struct Case {
        std::int32_t written, omitted, failed;
        std::string_view expected;
    };
    const Case cases[] = {
        {1, 0, 0,
         "Of 1 bank deductions calculated in this payroll period:-\r"
         "\r1 deduction was successfully written to the bank file.\r\rBanking File Name: out.txt"},
        {12, 1, 0,
         "Of 13 bank deductions calculated in this payroll period:-\r"
         "\r12 deductions were successfully written to the bank file."
         "\r1 deduction was omitted due to a negative net pay or secondary deduction amount."
         "\r\rBanking File Name: out.txt"},
        {0, 2, 1,
         "Of 3 bank deductions calculated in this payroll period:-\r"
         "\r2 deductions were omitted due to negative net pay or secondary deduction amounts."
         "\r1 deduction could not be processed due to a data error.\r\rBanking File Name: out.txt"},
        {0, 0, 3,
         "Of 3 bank deductions calculated in this payroll period:-\r"
         "\r3 deductions could not be processed due to data errors.\r\rBanking File Name: out.txt"},
        {0, 0, 0, "Of 0 bank deductions calculated in this payroll period:-\r\r\rBanking File Name: out.txt"},
    };
    Engine e;
    e.bf.BankingFileName = "out.txt";
    for (const Case& c : cases) {
        e.bf.WrittenCount = c.written;
        e.bf.OmittedCount = c.omitted;
        e.bf.FailedCount = c.failed;
        EXPECT_EQ(e.bf.ResultSummary(), c.expected) << c.written << "/" << c.omitted << "/" << c.failed;
    }
}

TEST(BankFileEngine, HsbcBatchPaymentsTakeAtMost300Details) {
    const std::string limitMessage =
        "The number of detail records being generated exceeds the \rmaximum limit for this file format. The "
        "HSBC "
        "Batch Payments \rfile format is limited to a maximum of 300 detail records.\rFile creation failed.";
    {
        Engine e;
        // A zero amount is not a detail record of the file, so 300 still pass.
        std::vector<Payment> payments = Payments(300);
        payments.push_back({"123456789012301", 0});
        ASSERT_TRUE(e.Convert(MakeRun(payments), 'X'));
        EXPECT_EQ(e.out.size(), 301u);  // the header and 300 details
        EXPECT_TRUE(e.host.messages.empty());
    }
    {
        Engine e;
        EXPECT_FALSE(e.Convert(MakeRun(Payments(301)), 'X'));
        EXPECT_TRUE(e.out.empty());
        ASSERT_EQ(e.host.messages.size(), 1u);
        EXPECT_EQ(e.host.messages[0].text, limitMessage);
        EXPECT_EQ(e.host.messages[0].caption, kCouldNotConvert);
        EXPECT_EQ(e.host.messages[0].icon, MessageIcon::Error);
    }
}

TEST(BankFileEngine, HsbcBatchPaymentsNeedA12DigitDebitAccount) {
    for (std::string_view account : {"12345678901", "1234567890123"}) {
        Engine e;
        ConversionOptions options;
        options.DebitAccount = account;
        EXPECT_FALSE(e.Convert(MakeRun(Payments(2)), 'X', options)) << account;
        EXPECT_TRUE(e.out.empty());
        ASSERT_EQ(e.host.messages.size(), 1u);
        EXPECT_EQ(e.host.messages[0].text,
                  "The Debit Account Number is not a valid HSBC bank account number.");
        EXPECT_EQ(e.host.messages[0].caption, kCouldNotConvert);
        EXPECT_EQ(e.host.messages[0].icon, MessageIcon::Error);
    }
    // The dashes shown on the page are not part of the number.
    Engine e;
    ConversionOptions options;
    options.DebitAccount = "1234-5678-9012";
    EXPECT_TRUE(e.Convert(MakeRun(Payments(2)), 'X', options));
    EXPECT_EQ(e.bf.DebitAccount, "123456789012");
}

TEST(BankFileEngine, TwoPassHeaderDescribesTheDetailsThatFollow) {
    Engine e;
    std::vector<std::pair<std::int32_t, int>> endOfPass;  // (pass, progress) after each detail
    e.host.onPendingEvents = [&] { endOfPass.emplace_back(e.bf.Pass, e.host.progressPosition); };
    ASSERT_TRUE(e.Convert(
        MakeRun({{"123456789012301", 123450}, {"123456789012301", 0}, {"0100010990104000", 5}}), 'J'));
    ASSERT_EQ(e.out.size(), 3u);  // the header and two details, no trailer
    // Count, total and hash total of the two written details.
    EXPECT_EQ(e.out[0], "12,123113012345700,091226,\"ACME LTD\",\"34578880227\",1234.55,2");
    EXPECT_EQ(e.out[1].substr(0, 28), "12-3456-7890123-001,051,1234");

    // The bar's maximum covers both passes and is reached exactly at the end.
    EXPECT_EQ(e.host.progressMaximum, 6);
    EXPECT_EQ(e.host.progressPosition, 6);
    EXPECT_EQ(e.host.stepsBeyondMaximum, 0);
    const std::vector<std::pair<std::int32_t, int>> expected = {{1, 1}, {1, 2}, {1, 3},
                                                                {2, 4}, {2, 5}, {2, 6}};
    EXPECT_EQ(endOfPass, expected);
    // The writing pass counted again from zero.
    EXPECT_EQ(e.bf.WrittenCount, 2);
    EXPECT_EQ(e.bf.HashTotal, "34578880227");
}

TEST(BankFileEngine, HsbcSequenceNumbersContinueAfterTheCountingPass) {
    Engine e;
    // Three details: the counting pass uses 3 to 5, the writing pass 6 to 8;
    // the zero amount leaves a gap.
    ASSERT_TRUE(e.Convert(
        MakeRun({{"123456789012301", 100}, {"123456789012301", 0}, {"123456789012301", 200}}), 'X'));
    ASSERT_EQ(e.out.size(), 3u);
    EXPECT_EQ(e.out[1].substr(1, 12), PadLeftSpaces("6", 12));
    EXPECT_EQ(e.out[2].substr(1, 12), PadLeftSpaces("8", 12));
    EXPECT_EQ(e.bf.SequenceNo, 8);
}

TEST(BankFileEngine, EachConversionStartsAfresh) {
    Engine e;
    const AbaLines run = MakeRun({{"123456789012301", 100}, {"123456789012301", -100}});
    e.bf.ErrorFlag = true;  // left over from elsewhere
    ASSERT_TRUE(e.Convert(run, 'W'));
    const std::vector<std::string> first = e.out.ToVector();
    ASSERT_EQ(first.size(), 2u);  // the header and the written detail
    EXPECT_EQ(first[1].substr(1, 6), "000003");
    ASSERT_TRUE(e.Convert(run, 'W'));
    // Sequence numbers, counts and totals restart.
    EXPECT_EQ(e.out.ToVector(), first);
    EXPECT_EQ(e.bf.WrittenCount, 1);
    EXPECT_EQ(e.bf.OmittedCount, 1);
    EXPECT_EQ(e.host.messages.size(), 2u);
}

TEST(BankFileEngine, HashTotalSlicePerFormat) {
    // 34567890123 + 00010990104 (positions 3-13), 7890123 + 0990104 (7-13), 3 + 4 (13).
    const AbaLines run = MakeRun({{"123456789012301", 100}, {"0100010990104000", 100}});
    for (const BankFormat& format : BankFormats()) {
        std::string_view expected = "0";
        if (std::string_view("ADGHJKMPSZ").find(format.code) != std::string_view::npos)
            expected = "34578880227";
        if (std::string_view("ITX").find(format.code) != std::string_view::npos) expected = "8880227";
        if (std::string_view("BU").find(format.code) != std::string_view::npos) expected = "7";
        Engine e;
        ASSERT_TRUE(e.Convert(run, format.code)) << format.code;
        EXPECT_EQ(e.bf.WrittenCount, 2) << format.code;
        // Some trailers write the hash total back cut to their width; none of these is cut.
        EXPECT_EQ(StrToNumber(e.bf.HashTotal), expected) << format.code;
    }
}

TEST(BankFileEngine, ResultCarriesTheHashTotalTheRecordsWrite) {
    const AbaLines run = MakeRun({{"123456789012301", 100}, {"0100010990104000", -100}});
    for (const BankFormat& format : BankFormats()) {
        Engine e;
        ASSERT_TRUE(e.Convert(run, format.code)) << format.code;
        const ConversionResult& result = e.bf.Result();
        EXPECT_EQ(result.WrittenCount, 1) << format.code;
        EXPECT_EQ(result.OmittedCount, 1) << format.code;
        EXPECT_EQ(result.FailedCount, 0) << format.code;
        EXPECT_EQ(result.BatchTotal, Money::FromCents(100)) << format.code;
        ASSERT_EQ(e.host.messages.size(), 1u) << format.code;
        EXPECT_EQ(result.Summary, e.host.messages[0].text) << format.code;
        // The report prints the hash total as a record of the file carries it.
        if (result.HashTotalText.empty()) continue;
        bool written = false;
        for (std::size_t i = 0; i < e.out.size(); ++i) {
            written = written || e.out[i].find(result.HashTotalText) != std::string_view::npos;
        }
        EXPECT_TRUE(written) << format.code << " " << result.HashTotalText;
    }
    // Texts the report prints for a few formats: 11 digits, U's last four, none.
    const std::pair<char, std::string_view> expected[] = {
        {'A', "34567890123"}, {'U', "0003"}, {'E', ""}, {'B', ""}};
    for (const auto& [code, text] : expected) {
        Engine e;
        ASSERT_TRUE(e.Convert(MakeRun({{"123456789012301", 100}}), code));
        EXPECT_EQ(e.bf.Result().HashTotalText, text) << code;
        EXPECT_EQ(e.bf.Result().Summary, "") << code;
    }
}

TEST(BankFileEngine, CommasOfOptionTextsAreDroppedInCommaSeparatedFormats) {
    const AbaLines run = MakeRun(Payments(2));
    for (const char code : std::string_view("DZGKJ")) {
        ConversionOptions withCommas;
        withCommas.BatchNo = "1,";
        withCommas.PreformatRef = ",Pay, Dec,";
        ConversionOptions without;
        without.BatchNo = "1";
        without.PreformatRef = "Pay Dec";
        Engine a, b;
        ASSERT_TRUE(a.Convert(run, code, withCommas)) << code;
        ASSERT_TRUE(b.Convert(run, code, without)) << code;
        EXPECT_EQ(a.out.ToVector(), b.out.ToVector()) << code;
    }
}

TEST(BankFileEngine, HashTotalIsExactBeyondItsWidth) {
    Engine e;
    // 25 times 99999999999 = 2499999999975; the trailer keeps the rightmost 11 digits.
    ASSERT_TRUE(e.Convert(MakeRun(std::vector<Payment>(25, Payment{"129999999999900", 100})), 'A'));
    EXPECT_EQ(e.bf.HashTotal, "2499999999975");
    EXPECT_EQ(e.out.back().substr(4, 11), "99999999975");
}

TEST(BankFileEngine, HashTotalOfManyAccountsIsExact) {
    // Accounts of 15 and 16 digits with every digit value, zeros leading the slices included.
    std::vector<Payment> payments;
    std::uint64_t seed = 12345;
    for (int i = 0; i < 300; ++i) {
        std::string account;
        const int length = i % 2 == 0 ? 15 : 16;
        for (int d = 0; d < length; ++d) {
            seed = seed * 6364136223846793005u + 1442695040888963407u;
            account.push_back(static_cast<char>('0' + (seed >> 33) % (i % 7 == 0 ? 2 : 10)));
        }
        payments.push_back({account, 100});
    }
    ASSERT_EQ(payments[0].account, "010100100111101");
    ASSERT_EQ(payments[1].account, "8376506176176734");
    const AbaLines run = MakeRun(payments);
    // The sums of the slices (positions 3-13, 7-13 and 13), worked out apart from the engine.
    const std::pair<char, std::string_view> cases[] = {
        {'A', "12608957555186"}, {'I', "1407555186"}, {'U', "1216"}};
    for (const auto& [code, expected] : cases) {
        Engine e;
        ASSERT_TRUE(e.Convert(run, code));
        EXPECT_EQ(e.bf.HashTotal, expected) << code;
    }
}

TEST(BankFileEngine, TrailerOverflowStopsTheConversion) {
    // More than 12 digits of cents: 500 payments of $21,474,836.47.
    const AbaLines run = MakeRun(Payments(500, 2147483647));
    for (char code : {'D', 'G', 'K', 'Z'}) {
        Engine e;
        EXPECT_FALSE(e.Convert(run, code)) << code;
        ASSERT_EQ(e.host.messages.size(), 1u) << code;
        EXPECT_EQ(e.host.messages[0].text, "Exception: Overflow Error in  Footer: BatchTotal ") << code;
        EXPECT_EQ(e.host.messages[0].caption, kCouldNotConvert);
        EXPECT_EQ(e.host.messages[0].icon, MessageIcon::Error);
    }
}

TEST(BankFileEngine, LineThatIsNoDetailStopsTheConversion) {
    AbaLines run = MakeRun(Payments(3));
    run[2].record.reset();  // the third line carries no parsed record
    Engine e;
    EXPECT_FALSE(e.Convert(run, 'A'));
    ASSERT_EQ(e.host.messages.size(), 1u);
    EXPECT_EQ(e.host.messages[0].text, "Exception: Line 3 is not a detail record");
    EXPECT_EQ(e.host.messages[0].caption, kCouldNotConvert);
    EXPECT_EQ(e.host.messages[0].icon, MessageIcon::Error);

    run[2].record = TABATrailerRecord{};
    Engine other;
    EXPECT_FALSE(other.Convert(run, 'J'));
    ASSERT_EQ(other.host.messages.size(), 1u);
    EXPECT_EQ(other.host.messages[0].text, "Exception: Line 3 is not a detail record");
}

TEST(BankFileEngine, FileWithoutHeaderAndTrailerIsAFailureNotACrash) {
    for (std::size_t lines : {0u, 1u}) {
        AbaLines run = AbaLines::FromLines(std::vector<std::string>(lines, "record"));
        Engine e;
        EXPECT_FALSE(e.Convert(run, 'A')) << lines;
        ASSERT_EQ(e.host.messages.size(), 1u);
        EXPECT_EQ(e.host.messages[0].text.rfind("Exception: ", 0), 0u) << e.host.messages[0].text;
        EXPECT_EQ(e.host.messages[0].caption, kCouldNotConvert);
        EXPECT_TRUE(e.out.empty());
    }
}

TEST(BankFileEngine, UnknownFormatCodeIsReportedAndTheConversionGoesOn) {
    const std::vector<std::string> expected = {
        " An error has occurred in function GetHeaderText",
        " An error has occurred in function GetTextOut",
        " An error has occurred in function  GetAmount ",
        " An error has occurred in function GetFooterText",
    };
    // The letters without a format, and a format's letter in lower case.
    for (const char code : {'C', 'O', 'Q', 'R', 'Y', 'a'}) {
        Engine e;
        EXPECT_TRUE(e.Convert(MakeRun(Payments(1)), code)) << code;
        EXPECT_TRUE(e.out.empty()) << code;
        std::vector<std::string> texts;
        for (const RecordingHost::Message& m : e.host.messages) {
            EXPECT_EQ(m.caption, "") << code;  // the application's title
            EXPECT_EQ(m.icon, MessageIcon::Information) << code;
            texts.push_back(m.text);
        }
        EXPECT_EQ(texts, expected) << code;
    }
}

TEST(BankFileEngine, DefaultFileNames) {
    Engine e;
    EXPECT_EQ(e.bf.GetDefaultFileName('B'), "A:\\PTMD0000.dat");  // before any conversion
    ConversionOptions options;
    options.BatchNo = "12";
    ASSERT_TRUE(e.Convert(MakeRun(Payments(1)), 'A', options));
    const std::pair<char, std::string_view> cases[] = {
        {'B', "A:\\PTMD0012.dat"}, {'D', "A:\\bankfile.afi"}, {'U', "C:\\bankfile.txt"},
        {'J', "A:\\bankfile.csv"}, {'Z', "A:\\bankfile.kbb"}, {'M', "A:\\bankfile.txt"},
        {'P', "A:\\bankfile.pc1"}, {'G', "C:\\bankfile.txt"}, {'Q', "C:\\bankfile.txt"},
        {'?', "C:\\bankfile.txt"}, {'b', "C:\\bankfile.txt"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(e.bf.GetDefaultFileName(code), name) << code;
}

TEST(BankFileEngine, FormatTableInListOrder) {
    std::string codes;
    for (const BankFormat& format : BankFormats()) {
        codes.push_back(format.code);
        EXPECT_EQ(FindBankFormat(format.code), &format);
        EXPECT_EQ(format.passes, format.code == 'J' || format.code == 'X' ? 2 : 1) << format.code;
    }
    EXPECT_EQ(codes, "GKJSAHDBEVFLXIZNMTUWP");
    EXPECT_EQ(BankFormats()[0].listText, "ANZ, BNZ, National Bank GIFTS");
    EXPECT_EQ(FindBankFormat('M')->listText, "National, ANZ PC Diskette(MT9)");
    EXPECT_EQ(FindBankFormat('Q'), nullptr);
    EXPECT_EQ(FindBankFormat('a'), nullptr);
}

}  // namespace
}  // namespace billpay

namespace billpay {
namespace {

// A payment count that its trailer field cannot hold stops the conversion
// rather than being cut to its leftmost digits (B: three digits, U and I: four).
TEST(BankFileEngine, CountTooWideForItsTrailerFieldStopsTheConversion) {
    struct Case {
        char code;
        int fits;  // the most payments the trailer's count holds
    } cases[] = {{'B', 999}, {'U', 9999}, {'I', 9999}};
    for (const Case& c : cases) {
        for (int payments : {c.fits, c.fits + 1}) {
            const std::vector<testing::Payment> run(static_cast<std::size_t>(payments),
                                                    {"123113012345700", 100});
            const auto converted =
                testing::RunConversion(c.code, testing::MakeAbaRun(run),
                                       testing::DebitAndBatch("123113012345700", "1"), {2026, 12, 10});
            if (payments == c.fits) {
                EXPECT_TRUE(converted.ok) << c.code;
                EXPECT_TRUE(converted.messages.empty()) << c.code;
            } else {
                EXPECT_FALSE(converted.ok) << c.code;
                ASSERT_EQ(converted.messages.size(), 1u) << c.code;
                EXPECT_EQ(converted.messages[0].text,
                          "Exception: Overflow Error in  Footer: Transaction Count ");
                EXPECT_EQ(converted.messages[0].caption, "Could not convert ABA file");
            }
        }
    }
}

}  // namespace
}  // namespace billpay
