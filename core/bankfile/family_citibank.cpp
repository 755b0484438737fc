// The Citibank formats: Cash Direct Credit (E) and Payroll (L), "@"-delimited;
// Paylink Direct Credit (F), 130 fixed columns; CitiDirect (V), a fixed layout
// of 414 to 420 characters (its transaction reference varies in length).
// None of them has a header or a trailer record.
//
// GetUniqueReference remembers its result, so E's and V's references come
// out in the order the lines are built.

#include <string>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::citibank {

namespace {

// Particulars, code and reference of the payee, joined (36 characters for E,
// 35 for F and V, whose reference is one character shorter).
std::string PayeeDetails(TBankFile& bf) {
    std::string group;
    Append(group) << Fields{
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
    };
    return group;
}

// F and V: the 35 characters as they are, or "-" and 34 blanks when all blank.
std::string FixedPayeeDetails(TBankFile& bf) {
    std::string group = PayeeDetails(bf);
    if (TrimView(group).empty()) return PadRightSpaces("-", 35);
    return group;
}

}  // namespace

// 46 "@"-separated fields.
void CashDirectCreditDetail(TBankFile& bf, std::string& record) {  // E
    DelimitedLine line(record, '@');
    line << "MT100^3";
    line << bf.GetUniqueReference();
    line << bf.GetPayDate("yyyymmdd");
    line << "NZD";
    line << bf.GetAmount();
    line.Empty(9);
    line << bf.GetBankName();
    line << bf.GetAccountNumber(bf.CreditAccountDigits());
    line << TrimView(bf.GetAccountTitleWidth(30));
    line << TrimView(PayeeDetails(bf));
    line.Empty(25);
    line << bf.GetPreformatReference();
    line.Empty(2);
}

void PaylinkDirectCreditDetail(TBankFile& bf, std::string& record) {  // F
    Append(record) << Fields{
        "CHUC/OR",
        bf.GetAccountTitleWidth(30),
        bf.GetAmount(),
        FixedPayeeDetails(bf),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        Blanks(19),
        bf.GetPayDate("dd/mm/yy"),
    };
}

// 113 "@"-separated fields.
void PayrollDetail(TBankFile& bf, std::string& record) {  // L
    DelimitedLine line(record, '@');
    line << "PDC";
    line << "NZ";
    line << bf.GetShortDebitAccount();
    line.Empty(1);
    line << TrimView(bf.GetAmount());
    line.Empty(1);
    line << bf.GetPayDate("yyyymmdd");
    line.Empty(3);
    line << bf.GetConfidentialFlag();
    line.Empty(2);
    line << TrimView(bf.GetOrderingPartyName());
    line.Empty(5);
    line << TrimView(bf.GetAccountTitleWidth(70));
    line.Empty(4);
    const std::string_view account = bf.CreditAccountDigits();
    line << PadLeftZeros(GetBasePart(account), 7) + PadLeftZeros(GetSuffixPart(account), 3);
    line.Empty(6);
    line << PadLeftZeros(GetBankPart(account), 2) + PadLeftZeros(GetBranchPart(account), 4);
    line.Empty(3);
    line << TrimView(bf.GetPayeeField("PayeeParticulars"));
    line << TrimView(bf.GetPayeeField("PayeeCode"));
    line << TrimView(bf.GetPayeeField("PayeeReference"));
    line.Empty(75);
}

void CitiDirectDetail(TBankFile& bf, std::string& record) {  // V
    Append(record) << Fields{
        "PDCC/OR",
        bf.GetAccountTitleWidth(70),
        Blanks(4 * 35 + 10),
        bf.GetAmount(),
        bf.GetUniqueReference(),
        bf.GetOrderingPartyName(),
        FixedPayeeDetails(bf),
        Blanks(35),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        Blanks(19),
        bf.GetPayDate("dd/mm/yyyy"),
        bf.GetShortDebitAccount(),
        "NZD",
    };
}

}  // namespace billpay::citibank
