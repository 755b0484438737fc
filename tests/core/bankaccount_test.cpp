#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "bankaccount/bank_account.h"
#include "bankaccount/bank_list.h"

namespace billpay {
namespace {

// Checks a number given in written form; the four parts are taken between the "-" as they stand,
// so a test can give a part of any length or content.
bool CheckWritten(std::string_view written) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dash = written.find('-', start);
        parts.push_back(written.substr(start, dash == std::string_view::npos ? dash : dash - start));
        if (dash == std::string_view::npos) break;
        start = dash + 1;
    }
    EXPECT_EQ(parts.size(), 4u) << written;
    parts.resize(4);
    return CheckBankAccount(parts[0], parts[1], parts[2], parts[3]);
}

struct CheckCase {
    std::string_view written;
    bool valid;
};

void ExpectVerdicts(const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) EXPECT_EQ(CheckWritten(c.written), c.valid) << c.written;
}

TEST(BankAccountCheck, WorkedNumbersAndTheirVariants) {
    ExpectVerdicts({
        // Scheme A (bank 12, customer number below 990000, 2-digit suffix).
        {"12-3113-0123457-00", true},
        {"12-3113-0123458-00", false},
        {"12-3113-0123457-000", false},
        {"12-3114-0123457-00", false},  // the branch number is weighted under scheme A
        // Scheme B (customer number from 990000): branch not weighted, either suffix length.
        {"01-0001-0990104-00", true},
        {"01-9999-0990104-00", true},
        {"01-0001-0990104-000", true},
        {"01-0001-0990105-00", false},
        // Scheme D (bank 08, 3-digit suffix).
        {"08-6523-1954512-000", true},
        {"08-6523-1954512-00", false},
        {"08-6523-1954513-000", false},
        // Scheme F (banks 25 and 33, 3-digit suffix).
        {"25-2500-1234569-000", true},
        {"33-2500-1234569-000", true},
        {"25-2500-1234569-00", false},
        {"25-2500-1234568-000", false},
        // Scheme G (banks 26, 28, 29, 3-digit suffix weighted too, products reduced to one digit).
        {"26-2600-3456785-000", true},
        {"28-2600-3456785-000", true},
        {"29-2600-3456785-000", true},
        {"26-2600-3456785-00", false},
        {"26-2600-3456786-000", false},
        {"26-2600-3456785-001", false},
        {"26-2600-3456785-025", true},  // 7 x 2 = 14 counts 5, so 30 + 5 + 5 = 40
        // Customer number past the scheme B range, and an always-valid one.
        {"12-3113-1234567-00", false},
        {"12-3113-9999999-00", true},
    });
}

TEST(BankAccountCheck, EdgeCases) {
    ExpectVerdicts({
        // Bank 32 is never checked, but its number must still have the right shape.
        {"32-0000-0000001-00", true},
        {"32-1234-7654321-000", true},
        {"32-1234-7654321-0000", false},
        // Banks 09 and 31 follow the general rule like bank 01.
        {"09-3113-0123457-00", true},
        {"31-3113-0123457-00", true},
        {"09-0001-0990104-000", true},
        {"31-3113-0123458-00", false},
        // Bank 35 takes either suffix under scheme A; bank 12 only a 2-digit one, but either under B.
        {"35-3113-0123457-00", true},
        {"35-3113-0123457-000", true},
        {"12-0001-0990104-000", true},
        // Banks with a 3-digit-suffix scheme refuse a 2-digit suffix even where the sum passes.
        {"08-6523-1954512-00", false},
        {"25-2500-1234569-00", false},
        {"26-2600-3456785-00", false},
        {"28-2600-3456785-00", false},
        {"29-2600-3456785-00", false},
        {"33-2500-1234569-00", false},
        // Customer number ranges: the last scheme A number, the first scheme B numbers, and 7-digit
        // numbers past the range, each with a sum that the other scheme would accept or refuse.
        {"01-0001-0989981-00", true},
        {"01-0001-0989998-00", false},
        {"01-0001-0990008-00", true},
        {"01-0001-0990018-00", false},
        {"01-5000-0990000-00", false},
        {"12-3113-0999999-00", false},
        {"12-3113-1000000-00", false},
        // Always-valid customer numbers, whatever the bank, branch and suffix.
        {"04-0000-0999993-00", true},
        {"99-1234-0998907-000", true},
        {"00-0000-9999977-00", true},
        {"10-0000-9999985-0000", true},
        {"12-3113-9999993-99", true},
        // Bank numbers not in use refuse a number whose sum would pass.
        {"99-3113-0123457-00", false},
        {"00-3113-0123457-00", false},
        {"10-3113-0123457-00", false},
        {"04-0001-0990104-00", false},
        // Incomplete or over-long parts.
        {"---", false},
        {"1-3113-0123457-00", false},
        {"12-311-0123457-00", false},
        {"12-3113-012345-00", false},
        {"12-3113-0123457-0", false},
        {"123-3113-0123457-00", false},
        {"12-3113-0123457-0000", false},
        {"12-3113-99999990-00", true},  // customer number cut to 7 digits is always-valid
        // Anything but digits in a part makes the number invalid, even beside an always-valid one.
        {"12-3113-012345X-00", false},
        {"1A-3113-0123457-00", false},
        {" 12-3113-0123457-00", false},
        {"12-3113-0123457-0 ", false},
        {"12-31a3-9999999-00", false},
    });
}

TEST(BankAccountCheck, AcceptsExactlyTheListedBanks) {
    // For every bank number, look for any passing number among many customer numbers in both
    // ranges and with both suffix lengths; a number can pass exactly when the bank is listed.
    for (int bank = 0; bank <= 99; ++bank) {
        const std::string bankNumber = std::string(1, char('0' + bank / 10)) + char('0' + bank % 10);
        bool anyValid = false;
        for (int n = 0; n < 200 && !anyValid; ++n) {
            for (int base : {0, 990000}) {
                std::string customer = std::to_string(base + n);
                customer.insert(0, 7 - customer.size(), '0');
                anyValid = anyValid || CheckBankAccount(bankNumber, "3113", customer, "00") ||
                           CheckBankAccount(bankNumber, "3113", customer, "000");
            }
        }
        EXPECT_EQ(anyValid, !BankName(bankNumber).empty()) << bankNumber;
    }
}

TEST(BankAccountCheck, StoredFormIsSplitIntoItsParts) {
    EXPECT_TRUE(CheckStoredAccount("123113012345700"));
    EXPECT_TRUE(CheckStoredAccount("0865231954512000"));
    EXPECT_FALSE(CheckStoredAccount("086523195451200"));
    EXPECT_FALSE(CheckStoredAccount("12311301234570"));
    EXPECT_FALSE(CheckStoredAccount(""));
}

TEST(BankAccountForms, SplitJoinAndWrittenForm) {
    EXPECT_EQ(SplitStoredForm("123113012345700"), (BankAccountParts{"12", "3113", "0123457", "00"}));
    EXPECT_EQ(SplitStoredForm("0865231954512000"), (BankAccountParts{"08", "6523", "1954512", "000"}));
    EXPECT_EQ(SplitStoredForm("0000"), (BankAccountParts{"00", "00", "", ""}));
    EXPECT_EQ(SplitStoredForm("08652319545120001"), (BankAccountParts{"08", "6523", "1954512", "000"}));

    EXPECT_EQ(JoinParts({"12", "3113", "0123457", "00"}), "123113012345700");
    EXPECT_EQ(JoinParts({"12 ASB Bank", "31134", "01234578", "0009"}), "1231130123457000");

    EXPECT_EQ(WrittenForm("123113012345700"), "12-3113-0123457-00");
    EXPECT_EQ(WrittenForm("0865231954512000"), "08-6523-1954512-000");
    EXPECT_EQ(WrittenForm(""), "");
}

TEST(BankList, NamesByBankNumber) {
    EXPECT_EQ(kBankList.front(), "01 ANZ");
    EXPECT_EQ(kBankList.back(), "38 Kiwibank");
    EXPECT_EQ(BankName("12"), "ASB Bank");
    EXPECT_EQ(BankName("30"), "Hong Kong & Shanghai");
    EXPECT_EQ(BankName("25"), "Countrywide");
    EXPECT_EQ(BankName("35"), "Countrywide");
    EXPECT_EQ(BankName("04"), "");
    EXPECT_EQ(BankName("1"), "");
    EXPECT_EQ(BankName("01 ANZ"), "");
    for (std::string_view entry : kBankList) {
        EXPECT_EQ(BankName(entry.substr(0, 2)), entry.substr(3)) << entry;
    }
}

TEST(BankAccountParse, AcceptedWritings) {
    const struct {
        std::string_view text;
        std::string_view stored;
    } cases[] = {
        {"12-3113-0123457-00", "123113012345700"}, {"08-6523-1954512-000", "0865231954512000"},
        {"12 3113 0123457 00", "123113012345700"}, {"  12 - 3113 - 0123457 - 000 ", "1231130123457000"},
        {"12-3113 0123457-00", "123113012345700"}, {"123113012345700", "123113012345700"},
        {"1231130123457000", "1231130123457000"},
    };
    for (const auto& c : cases) {
        std::string reason;
        const auto stored = ParseAccountNumber(c.text, &reason);
        ASSERT_TRUE(stored.has_value()) << c.text << ": " << reason;
        EXPECT_EQ(*stored, c.stored) << c.text;
    }
}

TEST(BankAccountParse, RefusedWritings) {
    const struct {
        std::string_view text;
        std::string_view reason;
    } cases[] = {
        {"", "no account number given"},
        {"   ", "no account number given"},
        {"12-3113-0123457-0a", "not a number: letters or other characters"},
        {"12/3113/0123457/00", "not a number: letters or other characters"},
        {"12-3113-012345-00", "wrong length: 14 digits, expected 15 or 16"},
        {"12311301234570000", "wrong length: 17 digits, expected 15 or 16"},
        {"123-113-0123457-00", "wrong grouping: 3-3-7-2 digits, expected 2-4-7-2 or 2-4-7-3"},
        {"12-3113-01234570-0", "wrong grouping: 2-4-8-1 digits, expected 2-4-7-2 or 2-4-7-3"},
        {"123113 0123457 00", "wrong grouping: 6-7-2 digits, expected 2-4-7-2 or 2-4-7-3"},
        {"12--3113-0123457-00", "wrong grouping: 2-0-4-7-2 digits, expected 2-4-7-2 or 2-4-7-3"},
        {"-123113012345700", "wrong grouping: 0-15 digits, expected 2-4-7-2 or 2-4-7-3"},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(ParseAccountNumber(c.text, &reason).has_value()) << c.text;
        EXPECT_EQ(reason, c.reason) << c.text;
    }
    EXPECT_FALSE(ParseAccountNumber("12", nullptr).has_value());
}

}  // namespace
}  // namespace billpay
