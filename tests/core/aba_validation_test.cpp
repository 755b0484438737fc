// ABA validation: the result lines of whole files, built from records.

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <string>
#include <vector>

#include "aba/validation.h"
#include "aba_generator.h"

namespace billpay {
namespace {

using testing::AbaDetailRecord;
using testing::AbaHeaderRecord;
using testing::AbaTrailerRecord;

constexpr const char* kAccount = "123113012345700";  // 12-3113-0123457-00, valid
constexpr const char* kOther = "0100010990104000";   // 01-0001-0990104-000, valid

std::string Detail(std::int64_t cents, std::string_view account = kAccount, std::string_view debit = kAccount,
                   std::string_view code = "50") {
    return AbaDetailRecord(account, cents, "J SMITH", "WAGES", debit, "ACME LTD", code);
}

// Puts text into a record at a 1-based column.
std::string With(std::string line, std::size_t column, std::string_view text) {
    line.replace(column - 1, text.size(), text);
    return line;
}

ValidationRun Validate(const std::vector<std::string>& lines, char code = 'A') {
    return ValidateAbaLines(AbaLines::FromLines(lines), code);
}

std::vector<std::string> Memo(const std::vector<std::string>& lines, char code = 'A') {
    return Validate(lines, code).memo;
}

TEST(AbaValidation, CleanFileGivesTheSummaryAndAttachesRecords) {
    const auto run = Validate({AbaHeaderRecord("091226"), Detail(123450), Detail(5, kOther),
                               AbaTrailerRecord(123455, 123455, 0, 2)});
    EXPECT_TRUE(run.Validated());
    EXPECT_EQ(run.memo, (std::vector<std::string>{"Validation Completed OK", "File Contains 2 Transactions",
                                                  "Direct Credit Balance is $1234.55"}));
    ASSERT_EQ(run.lines.size(), 4u);
    ASSERT_NE(run.lines[0].header(), nullptr);
    EXPECT_EQ(run.lines[0].header()->PayDate, (Date{2026, 12, 9}));
    ASSERT_NE(run.lines[2].detail(), nullptr);
    EXPECT_EQ(run.lines[2].detail()->CreditAccountNumber.view(), kOther);
    EXPECT_EQ(run.lines[2].detail()->Amount, Money::FromCents(5));
    EXPECT_EQ(run.lines[2].detail()->RemitterName.view(), "ACME LTD");
    ASSERT_NE(run.lines[3].trailer(), nullptr);
    EXPECT_EQ(run.lines[3].trailer()->FileCount, 2);
    EXPECT_EQ(run.DebitAccount, kAccount);
}

struct MemoCase {
    const char* name;
    std::vector<std::string> lines;
    char code;
    std::vector<std::string> expected;  // the memo, exactly
};

// Test names and failure messages show the case by its name.
void PrintTo(const MemoCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string H = AbaHeaderRecord("091226");

std::vector<MemoCase> MemoCases() {
    return {
        {"OnlyBlankLines", {"   ", "", "\t "}, 'A', {"Header record missing", "Trailer record missing"}},
        {"ZeroAmountOnLine5",
         {H, Detail(100), Detail(100), Detail(100), Detail(0), AbaTrailerRecord(300, 300, 0, 4)},
         'A',
         {"Line    5 - (DTL) Amount conversion error - Invalid amount -    0.00"}},
        {"NegativeAmountIsNotCounted",
         {H, With(Detail(0), 21, "-000001000"), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (DTL) Amount conversion error - Amount is negative -  -10.00",
          "Calculated transaction balance (  0.00) does not match Credit Balance on ABA trailer record (  "
          "1.00)"}},
        {"NonDigitAmount",
         {H, With(Detail(0), 21, "00000ABCDE"), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (DTL) Amount conversion error - '00000ABCDE' is not a valid integer value",
          "Calculated transaction balance (  0.00) does not match Credit Balance on ABA trailer record (  "
          "1.00)"}},
        {"DirectDebitCodeAndTrailerDebit",
         {H, Detail(100, kAccount, kAccount, "13"), AbaTrailerRecord(100, 100, 100, 1)},
         'A',
         {"Line    2 - (DTL) Transaction Code conversion error - Invalid Transaction Code - 13",
          "ABA file cannot contain direct debit transactions (Transaction Code 13)"}},
        {"CreditAccountShapes",
         {H, Detail(100, "01-0123-0123456 "), Detail(100, "                "), Detail(100, "123113012345800"),
          AbaTrailerRecord(300, 300, 0, 3)},
         'A',
         {"Line    2 - (DTL) Credit Account Number conversion error - Account Number length incorrect - "
          "0101230123456",
          "Line    3 - (DTL) Credit Account Number conversion error - Account Number not supplied",
          "Line    4 - (DTL) Credit Account Number conversion error - Account Number invalid - "
          "123113012345800"}},
        {"MissingTitleReferenceAndName",
         {H, AbaDetailRecord(kAccount, 100, "", "", kAccount, ""), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (DTL) Title not supplied", "Line    2 - (DTL) Reference not supplied",
          "Line    2 - (DTL) Name not supplied"}},
        {"OnlyTheFirstDebitAccountIsRead",
         {H, Detail(100), Detail(100, kAccount, "999999999999999"), AbaTrailerRecord(200, 200, 0, 2)},
         'A',
         {"Validation Completed OK", "File Contains 2 Transactions", "Direct Credit Balance is $  2.00"}},
        {"BankOwnDebitAccountTooLong",
         {H, Detail(100, kAccount, "12345678901"), AbaTrailerRecord(100, 100, 0, 1)},
         'E',
         {"Line    2 - (DTL) Debit Account Number conversion error - Account Number invalid - 12345678901"}},
        {"EmptyDebitAccountIsReadAgain",
         {H, Detail(100, kAccount, ""), Detail(100, kAccount, ""), AbaTrailerRecord(200, 200, 0, 2)},
         'E',
         {"Line    2 - (DTL) Debit Account Number conversion error - Account Number invalid - ",
          "Line    3 - (DTL) Debit Account Number conversion error - Account Number invalid - "}},
        {"HsbcNeedsTwelveDigits",
         {H, Detail(100, kAccount, kAccount), AbaTrailerRecord(100, 100, 0, 1)},
         'X',
         {"Line    2 - (DTL) Debit Account Number conversion error - Account Number invalid - "
          "123113012345700"}},
        {"NewZealandDebitAccountLength",
         {H, Detail(100, kAccount, "1234567890"), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (DTL) Debit Account Number conversion error - Account Number length incorrect - "
          "1234567890"}},
        {"TrailerZeroNetTotalStillCompared",
         {H, Detail(100), AbaTrailerRecord(0, 100, 0, 1)},
         'A',
         {"Line    3 - (TRL) Net Total Amount conversion error - Invalid amount -    0.00",
          "Net Total on ABA trailer record (  0.00) not equal to Credit Total (  1.00)"}},
        {"TrailerNetTotalAboveCreditTotal",
         {H, Detail(100), AbaTrailerRecord(200, 100, 0, 1)},
         'A',
         {"Net Total on ABA trailer record (  2.00) not equal to Credit Total (  1.00)"}},
        {"LeadingPlusSignInNumberFields",
         {H, With(Detail(0), 21, "+000000100"),
          With(With(With(AbaTrailerRecord(0, 0, 0, 0), 21, "+000000100"), 31, "+000000100"), 75, "+00001")},
         'A',
         {"Validation Completed OK", "File Contains 1 Transactions", "Direct Credit Balance is $  1.00"}},
        {"TwoTrailersStopTheFileChecks",
         {H, Detail(100), AbaTrailerRecord(100, 100, 0, 5), AbaTrailerRecord(100, 100, 0, 5)},
         'A',
         {"Line    3 - (TRL) Trailer record is not the last record", "Multiple trailer records in file (2)"}},
        {"HeaderNotFirstAndCountMismatch",
         {Detail(100), H, AbaTrailerRecord(100, 100, 0, 2)},
         'A',
         {"Line    2 - (HDR) Header record is not the first record",
          "Number of detail records processed (1) does not match transaction count on ABA trailer record "
          "(2)"}},
        {"TwoHeaders",
         {H, H, Detail(100), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (HDR) Header record is not the first record", "Multiple header records in file (2)"}},
        {"LengthAndTypeErrors",
         {H, Detail(100).substr(0, 119), Detail(100) + " ", "9" + Detail(100).substr(1),
          AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - Record length incorrect (119) - record not processed",
          "Line    3 - Record length incorrect (121) - record not processed",
          "Line    4 - (\?\?\?) Unrecognised Record Type conversion error - 9",
          "Number of detail records processed (0) does not match transaction count on ABA trailer record (1)",
          "Calculated transaction balance (  0.00) does not match Credit Balance on ABA trailer record (  "
          "1.00)"}},
        {"ControlCharacterRecordTypeKeptAsRead",
         {H, "\x1b" + Detail(100).substr(1), AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    2 - (\?\?\?) Unrecognised Record Type conversion error - \x1b",
          "Number of detail records processed (0) does not match transaction count on ABA trailer record (1)",
          "Calculated transaction balance (  0.00) does not match Credit Balance on ABA trailer record (  "
          "1.00)"}},
        {"PayDates",
         {AbaHeaderRecord("290223"), With(AbaHeaderRecord("3112  "), 57, "12A456"), Detail(100),
          AbaTrailerRecord(100, 100, 0, 1)},
         'A',
         {"Line    1 - (HDR) Pay Date conversion error - Invalid argument to date encode",
          "Line    2 - (HDR) Header record is not the first record",
          "Line    2 - (HDR) APCA Number conversion error - '12A456' is not a valid integer value",
          "Line    2 - (HDR) Pay Date conversion error - '' is not a valid integer value",
          "Multiple header records in file (2)"}},
        {"FailedTrailerFieldsSkipTheirChecks",
         {H, Detail(100), With(With(AbaTrailerRecord(100, 100, 0, 1), 31, "00000001X0"), 75, "00 001")},
         'A',
         {"Line    3 - (TRL) Credit Amount conversion error - '00000001X0' is not a valid integer value",
          "Line    3 - (TRL) File Count conversion error - '00 001' is not a valid integer value"}},
        {"DebitAmountReadsThirtyTwoColumns",
         {H, Detail(100), With(AbaTrailerRecord(100, 100, 0, 1), 60, "A")},
         'A',
         {"Line    3 - (TRL) Debit Amount conversion error - '0000000000         A' is not a valid integer "
          "value"}},
        {"TrailerCountZeroAndNegative",
         {H, Detail(100), With(AbaTrailerRecord(100, 100, 0, 0), 75, "-00001")},
         'A',
         {"Line    3 - (TRL) File Count conversion error - File Count is negative - -1",
          "Number of detail records processed (1) does not match transaction count on ABA trailer record "
          "(-1)"}},
        {"AmountsBeyondThirtyTwoBits",
         {H, Detail(2147483648), Detail(9999999999), AbaTrailerRecord(9999999999, 9999999999, 0, 2)},
         'A',
         {"Calculated transaction balance (121474836.47) does not match Credit Balance on ABA trailer record "
          "(99999999.99)"}},
        {"DebitAmountBeyondSixtyFourBits",
         {H, Detail(100), With(AbaTrailerRecord(100, 100, 0, 1), 41, "99999999999999999999")},
         'A',
         {"Line    3 - (TRL) Debit Amount conversion error - '99999999999999999999' is not a valid integer "
          "value"}},
    };
}

class AbaValidationMemo : public ::testing::TestWithParam<MemoCase> {};

TEST_P(AbaValidationMemo, ReportsExactly) {
    const MemoCase& c = GetParam();
    EXPECT_EQ(Memo(c.lines, c.code), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AbaValidationMemo, ::testing::ValuesIn(MemoCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbaValidation, FormatIAcceptsAnyDebitAccount) {
    EXPECT_TRUE(Validate({H, Detail(100, kAccount, ""), AbaTrailerRecord(100, 100, 0, 1)}, 'I').Validated());
    EXPECT_TRUE(Validate({H, Detail(100, kAccount, "123456789012"), AbaTrailerRecord(100, 100, 0, 1)}, 'X')
                    .Validated());
}

TEST(AbaValidation, RemitterNameCutIncludesColumn113) {
    std::string detail = AbaDetailRecord(kAccount, 100, "J SMITH", "WAGES", kAccount, "SEVEN C");
    detail[112] = '9';  // column 113
    const auto run = Validate({H, detail, AbaTrailerRecord(100, 100, 0, 1)});
    ASSERT_TRUE(run.Validated());
    EXPECT_EQ(run.lines[1].detail()->RemitterName.view(), "SEVEN C         ");
}

TEST(AbaValidation, BlankLinesDoNotShiftLineNumbers) {
    const auto memo = Memo({H, "", "    ", Detail(0), AbaTrailerRecord(100, 100, 0, 1)});
    ASSERT_FALSE(memo.empty());
    EXPECT_EQ(memo[0], "Line    2 - (DTL) Amount conversion error - Invalid amount -    0.00");
}

TEST(AbaValidation, ProgressCountsLinesReadAndStepsPerRecord) {
    struct Recorder : ProgressSink {
        std::size_t maximum = 0, position = 99, steps = 0;
        void SetMaximum(std::size_t m) override { maximum = m; }
        void SetPosition(std::size_t p) override { position = p; }
        void Step() override { ++steps; }
    } progress;
    ValidateAbaLines(
        AbaLines::FromText(H + "\r\n\r\n" + Detail(100) + "\n\n" + AbaTrailerRecord(100, 100, 0, 1)), 'A',
        CheckAccountDigits, &progress);
    EXPECT_EQ(progress.maximum, 5u);
    EXPECT_EQ(progress.position, 0u);
    EXPECT_EQ(progress.steps, 3u);
}

}  // namespace
}  // namespace billpay

namespace billpay {
namespace {

// A large file validated in chunks on several threads reads exactly as one
// pass over it: same results in the same order, same records.
TEST(AbaValidation, ChunkedRunMatchesSinglePass) {
    testing::AbaGeneratorOptions options;
    options.details = 40000;
    std::string text = testing::GenerateAbaFile(options);
    // Spread problems over the file, the middle (where the chunks meet) included:
    // an empty debit account and name on the first detail, then bad amounts,
    // a short line, a second header and trailer.
    auto lineAt = [&](std::size_t n) { return (n - 1) * 122; };
    text.replace(lineAt(2) + 80, 16, std::string(16, ' '));
    text.replace(lineAt(2) + 96, 16, std::string(16, ' '));
    for (std::size_t n : {3u, 19999u, 20000u, 20001u, 20002u, 39999u})
        text.replace(lineAt(n) + 20, 10, "00000ABCDE");
    text.replace(lineAt(20003) + 119, 1, "\r\n");
    text.insert(lineAt(20005), AbaHeaderRecord("010199") + "\r\n" + AbaTrailerRecord(1, 1, 0, 1) + "\n");

    struct Steps : ProgressSink {
        void SetMaximum(std::size_t) override {}
        void SetPosition(std::size_t) override {}
        void Step() override {}
    } progress;
    const ValidationRun single =
        ValidateAbaLines(AbaLines::FromText(text), 'A', CheckAccountDigits, &progress);
    AbaLines chunked = AbaLines::FromText(text, 3);
    ASSERT_EQ(chunked.ChunkCount(), 3u);
    const ValidationRun parallel = ValidateAbaLines(std::move(chunked), 'A');

    EXPECT_GT(single.errors.size(), 10u);
    EXPECT_EQ(parallel.errors, single.errors);
    EXPECT_EQ(parallel.memo, single.memo);
    EXPECT_EQ(parallel.DebitAccount, single.DebitAccount);
    EXPECT_EQ(parallel.RemitterName, single.RemitterName);
    ASSERT_EQ(parallel.lines.size(), single.lines.size());
    EXPECT_EQ(parallel.lines.LinesRead(), single.lines.LinesRead());
    for (std::size_t i = 0; i < single.lines.size(); ++i) {
        ASSERT_EQ(parallel.lines[i].text, single.lines[i].text) << i;
        const auto* a = single.lines[i].detail();
        const auto* b = parallel.lines[i].detail();
        ASSERT_EQ(a == nullptr, b == nullptr) << i;
        if (a) {
            EXPECT_EQ(a->Amount, b->Amount);
            EXPECT_EQ(a->DebitAccountNumber.view(), b->DebitAccountNumber.view()) << i;
            EXPECT_EQ(a->RemitterName.view(), b->RemitterName.view()) << i;
        }
    }
}

// The file checks run on the joined tallies: a trailer count one short of
// the details is caught whether the file is validated in one pass or in chunks.
TEST(AbaValidation, ChunkedRunChecksTheTrailerCount) {
    testing::AbaGeneratorOptions options;
    options.details = 20000;
    std::string text = testing::GenerateAbaFile(options);
    const std::size_t trailer = (options.details + 1) * 122;
    ASSERT_EQ(text.compare(trailer + 74, 6, "020000"), 0);
    text.replace(trailer + 74, 6, "019999");
    const std::vector<std::string> expected = {
        "Number of detail records processed (20000) does not match transaction count on ABA trailer record "
        "(19999)"};

    AbaLines chunked = AbaLines::FromText(text, 2);
    ASSERT_EQ(chunked.ChunkCount(), 2u);
    EXPECT_EQ(ValidateAbaLines(std::move(chunked), 'A').memo, expected);
    EXPECT_EQ(ValidateAbaLines(AbaLines::FromText(text), 'A').memo, expected);
}

TEST(AbaLines, SplitsEveryKindOfLineEndAlike) {
    const std::string records[] = {AbaHeaderRecord("091226"), Detail(100), AbaTrailerRecord(100, 100, 0, 1)};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const auto& r : records) text += r + end;
        const AbaLines lines = AbaLines::FromText(text);
        ASSERT_EQ(lines.size(), 3u) << end;
        EXPECT_EQ(lines.LinesRead(), 3u);
        EXPECT_EQ(lines[1].text, records[1]);
    }
    const AbaLines mixed = AbaLines::FromText(records[0] + "\r" + records[1] + "\n\n" + records[2]);
    EXPECT_EQ(mixed.size(), 3u);
    EXPECT_EQ(mixed.LinesRead(), 4u);
    EXPECT_EQ(mixed[2].text, records[2]);
}

}  // namespace
}  // namespace billpay
