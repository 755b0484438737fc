// The field formatters of the conversion engine, per format code.

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "aba/aba_lines.h"
#include "bankfile/bank_file.h"
#include "recording_host.h"
#include "util/clock.h"

namespace billpay {
namespace {

struct Detail {
    std::string account = "123456789012301";
    std::int64_t cents = 123450;
    std::string title = "Smith & Co.";
    std::string reference = "inv-2020/15 extra";
    std::string remitter = "Acme Ltd";
};

// An engine looking at one ABA run, with the first detail as the current one.
class Formatters : public testing::Test {
protected:
    Formatters() { Use({Detail{}}); }

    void Use(const std::vector<Detail>& details, Date payDate = Date{2026, 12, 9}) {
        lines_ = AbaLines::FromLines(std::vector<std::string>(details.size() + 2, "record"));
        TABAHeaderRecord header;
        header.PayDate = payDate;
        lines_[0].record = header;
        for (std::size_t i = 0; i < details.size(); ++i) {
            TABADetailRecord record;
            record.CreditAccountNumber = details[i].account;
            record.Amount = Money::FromCents(details[i].cents);
            record.AccountTitle = details[i].title;
            record.LodgementReference = details[i].reference;
            record.RemitterName = details[i].remitter;
            lines_[i + 1].record = record;
        }
        lines_[details.size() + 1].record = TABATrailerRecord{};
        bf.SetAbaLines(&lines_);
        bf.CurrentLine = 1;
    }
    void UseAmount(std::int64_t cents) {
        Detail detail;
        detail.cents = cents;
        Use({detail});
    }

    RecordingHost host;
    TickingClock clock{Date{2026, 12, 10}, TimeOfDay{9, 30, 0, 0}};
    TBankFile bf{host, clock};

private:
    AbaLines lines_;
};

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST_F(Formatters, AccountNumberLayouts) {
    struct Case {
        std::string_view codes;
        std::string_view account;
        std::string expected;
    };
    const Case cases[] = {
        {"AHMS", "123456789012301", "123456789012301 "},   {"AHMS", "1234567890123001", "1234567890123001"},
        {"AHMST", "12345678901230", Blanks(16)},           {"T", "123456789012301", "1234567890123010"},
        {"T", "1234567890123001", "1234567890123001"},     {"X", "123456789012301", "1234567890123001    "},
        {"X", "1234567890123001", "1234567890123001    "}, {"X", "12345678901230", Blanks(20)},
        {"DGKZ", "123456789012301", "123456789012301"},    {"DGKZ", "1234567890123001", "1234567890123001"},
        {"B", "123456789012301", "0123456078901230001"},   {"B", "1234567890123001", "0123456078901230001"},
        {"EFIPV", "123456789012301", "1234567890123001"},  {"N", "123456789012301", "12345607890123001"},
        {"UW", "123456789012301", "123456078901230001"},   {"J", "123456789012301", "12-3456-7890123-001"},
        {"J", "1234567890123045", "12-3456-7890123-045"},
    };
    for (const Case& c : cases) {
        for (char code : c.codes) {
            bf.FormatCode = code;
            EXPECT_EQ(bf.GetAccountNumber(c.account), c.expected) << code << " " << c.account;
        }
    }
    EXPECT_TRUE(host.messages.empty());

    // A detail that has already failed gets no account number.
    bf.FormatCode = 'A';
    bf.ErrorFlag = true;
    EXPECT_EQ(bf.GetAccountNumber("123456789012301"), "");

    bf.ErrorFlag = false;
    bf.FormatCode = 'Q';
    EXPECT_EQ(bf.GetAccountNumber("123456789012301"), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " An error has occurred in function GetAccountNumber");
}

TEST_F(Formatters, AmountPictures) {
    struct Case {
        std::string_view codes;
        std::int64_t cents;
        std::string_view expected;
    };
    const Case cases[] = {
        {"AHMPST", 123450, "0000123450"},
        {"AHMPST", 5, "0000000005"},
        {"AHMPST", 2147483647, "2147483647"},
        {"BU", 123450, "00000123450"},
        {"IW", 123450, "000000000123450"},
        {"X", 123450, "0000000001234.50"},
        {"X", 5, "0000000000000.05"},
        {"DGKZ", 123450, "123450"},
        {"DGKZ", 5, "005"},
        {"DGKZ", 7, "007"},
        {"DGKZ", 100, "100"},
        {"EJN", 123450, "1234.50"},
        {"EJN", 5, "0.05"},
        {"FLV", 123450, "        1234.50"},
        {"FLV", 1230, "          12.30"},
        {"FLV", 0, "           0.00"},
    };
    for (const Case& c : cases) {
        UseAmount(c.cents);
        for (char code : c.codes) {
            bf.FormatCode = code;
            EXPECT_EQ(bf.GetAmount(), c.expected) << code << " " << c.cents;
        }
    }
    EXPECT_FALSE(bf.ErrorFlag);
    EXPECT_EQ(bf.OmittedCount, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Formatters, NegativeAmountRaisesTheErrorFlagAndIsOmittedOnce) {
    UseAmount(-123450);
    bf.FormatCode = 'E';
    EXPECT_EQ(bf.GetAmount(), "-1234.50");
    EXPECT_TRUE(bf.ErrorFlag);
    EXPECT_EQ(bf.OmittedCount, 1);
    // Asked again for the same detail: still one omitted detail.
    EXPECT_EQ(bf.GetAmountValue(), Money::FromCents(-123450));
    EXPECT_EQ(bf.OmittedCount, 1);
    // The flag also empties the account number that follows it.
    bf.FormatCode = 'A';
    EXPECT_EQ(bf.GetAccountNumber("123456789012301"), "");
}

TEST_F(Formatters, AmountOfAnUnknownCodeIsReported) {
    bf.FormatCode = '?';
    EXPECT_EQ(bf.GetAmount(), "");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " An error has occurred in function  GetAmount ");
}

TEST_F(Formatters, BatchTotalPictures) {
    struct Case {
        std::int64_t ticks;
        int width;
        std::string_view expected;
    };
    const Case cases[] = {
        {12345000, 10, "0000123450"},
        {12345000, 11, "00000123450"},
        {12345000, 15, "000000000123450"},
        {12345000, 17, "00000000001234.50"},
        {12345000, -1, "1234.50"},
        {0, -1, "0.00"},
        {0, 10, "0000000000"},
        {12345000, 12, "????????????"},
        {12345000, 3, "???"},
        // More whole dollars than the picture has digits: all are written.
        {1000000000000, 10, "10000000000"},
        // Below a cent: rounded half away from zero.
        {12345, -1, "1.23"},
        {12350, -1, "1.24"},
        {-12350, -1, "-1.24"},
        {99995, 17, "00000000000010.00"},
    };
    for (const Case& c : cases) {
        bf.BatchTotal = Money{c.ticks};
        EXPECT_EQ(bf.GetBatchTotal(c.width), c.expected) << c.ticks << " " << c.width;
    }
}

TEST_F(Formatters, HeaderBatchNumber) {
    struct Case {
        std::string_view codes;
        std::string_view batch;
        std::string_view expected;
    };
    const Case cases[] = {
        {"ADGHJKMSZ", "123", "12"}, {"ADGHJKMSZ", "5", "05"}, {"ADGHJKMSZ", "", "00"}, {"BU", "12", "0012"},
        {"BU", "1", "0001"},        {"P", "123", "23"},       {"P", "5", "05"},        {"P", " 123 ", "23"},
        {"P", "12", "12"},          {"T", "1234", "0001234"},
    };
    for (const Case& c : cases) {
        for (char code : c.codes) {
            bf.FormatCode = code;
            bf.BatchNo = c.batch;
            EXPECT_EQ(bf.GetHeaderBatchNo(), c.expected) << code << " '" << c.batch << "'";
        }
    }
    EXPECT_TRUE(host.messages.empty());

    bf.FormatCode = 'E';
    bf.BatchNo = "123";
    EXPECT_EQ(bf.GetHeaderBatchNo(), "123");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, " An error has occurred in function GetHeaderBatchNo codein = E");
}

TEST_F(Formatters, RecordTypesAndTransactionCodes) {
    struct Case {
        char code;
        std::string_view recordType;  // empty: the format has none
        std::string_view transactionCode;
    };
    const Case cases[] = {
        {'A', "13", "051"}, {'H', "13", "051"}, {'S', "13", "051"}, {'J', "", "051"}, {'M', "13", "050"},
        {'P', "13", "050"}, {'T', "13", "050"}, {'U', "13", ""},    {'B', "B", ""},   {'D', "2", "50"},
        {'G', "2", "50"},   {'K', "2", "50"},   {'Z', "2", "50"},   {'I', "D", "50"}, {'W', "D", "50"},
        {'X', "D", ""},     {'E', "", ""},      {'F', "", ""},      {'L', "", ""},    {'N', "", ""},
        {'V', "", ""},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        bf.FormatCode = c.code;
        EXPECT_EQ(bf.GetDetailRecordType(), c.recordType) << c.code;
        EXPECT_EQ(bf.GetTransactionCode(), c.transactionCode) << c.code;
        std::vector<std::string> expected;
        if (c.recordType.empty()) {
            expected.push_back(
                std::string(" An error has occurred in function GetDetailRecordType: Undefined case for ") +
                c.code);
        }
        if (c.transactionCode.empty())
            expected.push_back(" An error has occurred in function GetTransactionCode");
        std::vector<std::string> shown;
        for (const RecordingHost::Message& m : host.messages) {
            shown.push_back(m.text);
            EXPECT_EQ(m.caption, "");
            EXPECT_EQ(m.icon, MessageIcon::Information);
        }
        EXPECT_EQ(shown, expected) << c.code;
    }
}

TEST_F(Formatters, CleanFieldText) {
    struct Case {
        std::string_view text;
        int width;
        std::string_view expected;
    };
    const Case cases[] = {
        {"Smith & Co.", 20, "SMITH  CO"},
        {"  o'Brien, Mary-Jane  ", 20, "OBRIEN MARYJANE"},
        {"a-b-c-d", 3, "ABC"},
        {"\tWAGES\r", 12, "WAGES"},
        {"Ngaio Tamaki", 5, "NGAIO"},
        {"\xE9t\xE9", 5, "T"},
        {"", 5, ""},
    };
    for (const Case& c : cases) {
        std::string text(c.text);
        bf.CleanFieldText(text, c.width, "field", false);
        EXPECT_EQ(text, c.expected) << c.text;
    }

    // The overflow check measures the text as given, before cleaning.
    std::string fits = "123456789012";
    EXPECT_NO_THROW(bf.CleanFieldText(fits, 12, " Footer: BatchTotal ", true));
    EXPECT_EQ(fits, "123456789012");
    for (std::string_view tooLong : {"1234567890123", "  ab  "}) {
        std::string text(tooLong);
        try {
            bf.CleanFieldText(text, tooLong.size() == 6 ? 3 : 12, " Footer: BatchTotal ", true);
            ADD_FAILURE() << "no overflow for " << tooLong;
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), "Overflow Error in  Footer: BatchTotal ");
        }
    }
}

TEST_F(Formatters, TrimField) {
    EXPECT_EQ(bf.TrimField("  abc  ", true, 2, true), "AB");
    EXPECT_EQ(bf.TrimField(" abc", false, 3, false), " ab");
    EXPECT_EQ(bf.TrimField(" abc ", false, 10, true), "abc");
    EXPECT_EQ(bf.TrimField("abc", true, 0, true), "");
}

TEST_F(Formatters, RemitterName) {
    for (char code : std::string_view("AHSJBEFLVXIKNMTUWP")) {
        bf.FormatCode = code;
        EXPECT_EQ(bf.GetRemitterName(), "ACME LTD" + Blanks(12)) << code;
    }
    for (char code : {'G', 'D', 'Z'}) {
        bf.FormatCode = code;
        EXPECT_EQ(bf.GetRemitterName(), "ACME LTD") << code;
    }
    // Without any detail the name is empty.
    Use({});
    bf.FormatCode = 'A';
    EXPECT_EQ(bf.GetRemitterName(), Blanks(20));
    bf.FormatCode = 'G';
    EXPECT_EQ(bf.GetRemitterName(), "");
}

TEST_F(Formatters, AccountTitles) {
    bf.FormatCode = 'A';
    EXPECT_EQ(bf.GetAccountTitle(), "SMITH  CO" + Blanks(11));
    bf.FormatCode = 'E';
    EXPECT_EQ(bf.GetAccountTitleWidth(30), "SMITH  CO" + Blanks(21));
    bf.FormatCode = 'L';
    EXPECT_EQ(bf.GetAccountTitleWidth(70), "SMITH  CO");
    EXPECT_EQ(bf.GetAccountTitle(), "SMITH  CO" + Blanks(11));  // only the width variant leaves L unpadded

    Detail longTitle;
    longTitle.title = "The Longest Account Title Here!!";  // 32 characters
    Use({longTitle});
    bf.FormatCode = 'A';
    EXPECT_EQ(bf.GetAccountTitle(), "THE LONGEST ACCOUNT ");
    EXPECT_EQ(bf.GetAccountTitleWidth(35), "THE LONGEST ACCOUNT TITLE HERE     ");
}

TEST_F(Formatters, PayeeFields) {
    struct Case {
        std::string_view codes;
        std::string_view field;
        std::string expected;
    };
    const Case cases[] = {
        // The first 12 characters, up to and including the blank after "15".
        {"ASHJBDGKZEILNMTUWP", "PayeeReference", "INV202015   "},
        {"X", "PayeeReference", "   INV202015"},
        {"FV", "PayeeReference", "INV202015  "},
        {"AFVX", "PayeeParticulars", "ACME LTD    "},
        {"AFVX", "PayeeCode", Blanks(12)},
        {"A", "Unknown", Blanks(12)},
        {"A", "", Blanks(12)},
    };
    for (const Case& c : cases) {
        for (char code : c.codes) {
            bf.FormatCode = code;
            EXPECT_EQ(bf.GetPayeeField(c.field), c.expected) << code << " " << c.field;
        }
    }
}

TEST_F(Formatters, BankNames) {
    struct Case {
        std::string_view account;
        std::string_view expected;
    };
    const Case cases[] = {
        {"380100012345600", "KIWIBANK"},
        {"040100012345600", ""},
        {"030100012345600", "WESTPAC  SUPERBANK"},
        {"010100012345600", "ANZ"},
        {"300100012345600", "HONG KONG SHANGHAI BANK"},
        {"390100012345600", ""},
        {"000100012345600", ""},
    };
    for (const Case& c : cases) {
        Detail detail;
        detail.account = c.account;
        Use({detail});
        EXPECT_EQ(bf.GetBankName(), c.expected) << c.account;
    }
}

TEST_F(Formatters, PayDate) {
    const std::pair<std::string_view, std::string_view> patterns[] = {
        {"ddmmyy", "091226"},     {"yymmdd", "261209"},         {"yyyymmdd", "20261209"},
        {"dd/mm/yy", "09/12/26"}, {"dd/mm/yyyy", "09/12/2026"}, {"ddyymm", "092612"},
        {"hhmmss", ""},
    };
    for (const auto& [pattern, expected] : patterns) EXPECT_EQ(bf.GetPayDate(pattern), expected) << pattern;
    // Today only when the header has no pay date; an old date stays.
    Use({Detail{}}, Date{});
    EXPECT_EQ(bf.GetPayDate("ddmmyy"), "101226");
    Use({Detail{}}, Date{2000, 1, 1});
    EXPECT_EQ(bf.GetPayDate("ddmmyy"), "010100");
}

TEST_F(Formatters, DatesTimesAndDateCheckSum) {
    EXPECT_EQ(bf.GetDateCheckSum("311299"), "142");
    EXPECT_EQ(bf.GetDateCheckSum("091226"), "047");
    EXPECT_EQ(bf.GetDateCheckSum("010101"), "003");
    EXPECT_EQ(bf.GetTodaysDate("ddmmyyyy"), "10122026");
    EXPECT_EQ(bf.GetTodaysDate("yymmdd"), "261210");
    EXPECT_THROW(bf.GetTodaysDate("hhmmss"), std::runtime_error);
    EXPECT_EQ(bf.GetTimeNow("hhmmss"), "093000");
}

TEST_F(Formatters, DebitAccountParts) {
    bf.DebitAccount = "123113012345700";
    bf.FormatCode = 'A';
    EXPECT_EQ(bf.GetDebitBank(), "12");
    EXPECT_EQ(bf.GetDebitBranch(), "3113");
    EXPECT_EQ(bf.GetDebitAccountBase(), "0123457");
    EXPECT_EQ(bf.GetDebitSuffix(), "00");
    bf.DebitAccount = "1231130123457001";
    EXPECT_EQ(bf.GetDebitSuffix(), "001");
    // B zero-fills the branch; the others take what is there.
    bf.DebitAccount = "12311";
    EXPECT_EQ(bf.GetDebitBranch(), "311");
    bf.FormatCode = 'B';
    EXPECT_EQ(bf.GetDebitBranch(), "0311");
    bf.DebitAccount = "1";
    EXPECT_EQ(bf.GetDebitBank(), "01");
}

TEST_F(Formatters, ShortDebitAccount) {
    struct Case {
        char code;
        std::string_view account;
        std::string_view expected;
    };
    const Case cases[] = {
        {'V', "0001234567", "1234567   "},   {'E', "1234567890", "1234567890"},
        {'V', "123456789012", "1234567890"}, {'L', "0001234567", "1234567"},
        {'L', " 00-12 34 ", "1234"},         {'L', "000", ""},
    };
    for (const Case& c : cases) {
        bf.FormatCode = c.code;
        bf.DebitAccount = c.account;
        EXPECT_EQ(bf.GetShortDebitAccount(), c.expected) << c.code << " '" << c.account << "'";
    }
}

TEST_F(Formatters, OptionFields) {
    bf.PreformatRef = "Pay, Dec-26";
    EXPECT_EQ(bf.GetPreformatReference(), "PAY DEC26");
    EXPECT_EQ(bf.GetOrderingPartyName(), "PAY DEC26" + Blanks(26));
    bf.PreformatRef = "A very long preformat reference that goes on";
    EXPECT_EQ(bf.GetPreformatReference(), "A VERY LONG PREF");
    EXPECT_EQ(bf.GetOrderingPartyName(), "A VERY LONG PREFORMAT REFERENCE THA");
    bf.PreformatRef = "Payroll ending 12 ";
    EXPECT_EQ(bf.GetPreformatReference(), "PAYROLL ENDING 1");
    bf.PreformatRef = "Payroll ending   4";
    EXPECT_EQ(bf.GetPreformatReference(), "PAYROLL ENDING");  // cut to 16, then trimmed
    bf.Confidential = false;
    EXPECT_EQ(bf.GetConfidentialFlag(), "N");
    bf.Confidential = true;
    EXPECT_EQ(bf.GetConfidentialFlag(), "C");
}

TEST_F(Formatters, SequenceNumbers) {
    bf.FormatCode = 'X';
    EXPECT_EQ(bf.GetNextSequenceNo(), Blanks(11) + "3");
    EXPECT_EQ(bf.GetNextSequenceNo(), Blanks(11) + "4");
    bf.FormatCode = 'W';
    bf.SequenceNo = 2;
    EXPECT_EQ(bf.GetNextSequenceNo(), "000003");
    bf.SequenceNo = 1234566;
    EXPECT_EQ(bf.GetNextSequenceNo(), "123456");  // zero-filling keeps the leftmost digits
}

TEST_F(Formatters, TrailerCounts) {
    bf.HashTotal = "123";
    EXPECT_EQ(bf.GetHashTotal(11), "00000000123");
    bf.HashTotal = "2499999999975";
    EXPECT_EQ(bf.GetHashTotal(11), "99999999975");  // the rightmost digits
    bf.WrittenCount = 7;
    EXPECT_EQ(bf.GetDetailCount(6), "000007");
    bf.WrittenCount = 999;
    EXPECT_EQ(bf.GetDetailCount(3), "999");
    // Cut to "100", the count would name another batch: the conversion stops.
    bf.WrittenCount = 1000;
    EXPECT_THROW(
        {
            try {
                bf.GetDetailCount(3);
            } catch (const ConversionError& e) {
                EXPECT_STREQ(e.what(), "Overflow Error in  Footer: Transaction Count ");
                throw;
            }
        },
        ConversionError);
}

TEST_F(Formatters, UniqueReference) {
    // "Acme Ltd" sums to 698; 10 December 2026 is day 344; 09:30:00.00 is 3420000 hundredths.
    bf.FormatCode = 'E';
    EXPECT_EQ(bf.GetUniqueReference(), "0698263443420000");
    EXPECT_EQ(bf.LastReference, "0698263443420000");
    EXPECT_EQ(bf.GetUniqueReference(), "0698263443420001");

    // V drops the last digit, so the next reading that differs is ten hundredths on.
    TickingClock vClock{Date{2024, 1, 1}, TimeOfDay{0, 0, 1, 5}};
    RecordingHost vHost;
    TBankFile v(vHost, vClock);
    AbaLines none;
    v.SetAbaLines(&none);
    v.FormatCode = 'V';
    EXPECT_EQ(v.GetUniqueReference(), "00002400110");  // no remitter: "0000"; 1 January is day 001
    EXPECT_EQ(v.GetUniqueReference(), "00002400111");
    EXPECT_EQ(vClock.TimeNow(), (TimeOfDay{0, 0, 1, 11}));
}

// A clock that gives the same reading a few times before it moves on, as the
// computer's clock does within one hundredth of a second.
class SlowClock final : public Clock {
public:
    Date Today() const override { return {2026, 12, 10}; }
    TimeOfDay TimeNow() override {
        ++reads;
        return {9, 30, 0, reads / 4};
    }
    int reads = 0;
};

TEST_F(Formatters, UniqueReferenceWaitsForTheClock) {
    SlowClock slow;
    TBankFile engine(host, slow);
    AbaLines none;
    engine.SetAbaLines(&none);
    engine.FormatCode = 'E';
    const std::string first = engine.GetUniqueReference();
    const std::string second = engine.GetUniqueReference();
    EXPECT_NE(first, second);
    EXPECT_EQ(first, "0000263443420000");
    EXPECT_EQ(second, "0000263443420001");
}

}  // namespace
}  // namespace billpay
