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
    return Join({
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
    });
}

// F and V: the 35 characters as they are, or "-" and 34 blanks when all blank.
std::string FixedPayeeDetails(TBankFile& bf) {
    std::string group = PayeeDetails(bf);
    if (Trim(group).empty()) return PadRightSpaces("-", 35);
    return group;
}

}  // namespace

// 46 "@"-separated fields.
std::string CashDirectCreditDetail(TBankFile& bf) {  // E
    DelimitedLine line('@');
    line << "MT100^3";
    line << bf.GetUniqueReference();
    line << bf.GetPayDate("yyyymmdd");
    line << "NZD";
    line << bf.GetAmount();
    line.Empty(9);
    line << bf.GetBankName();
    line << bf.GetAccountNumber(bf.GetCreditAccount());
    line << Trim(bf.GetAccountTitleWidth(30));
    line << Trim(PayeeDetails(bf));
    line.Empty(25);
    line << bf.GetPreformatReference();
    line.Empty(2);
    return std::move(line).Text();
}

std::string PaylinkDirectCreditDetail(TBankFile& bf) {  // F
    return Join({
        "CHUC/OR",
        bf.GetAccountTitleWidth(30),
        bf.GetAmount(),
        FixedPayeeDetails(bf),
        bf.GetAccountNumber(bf.GetCreditAccount()),
        Blanks(19),
        bf.GetPayDate("dd/mm/yy"),
    });
}

// 113 "@"-separated fields.
std::string PayrollDetail(TBankFile& bf) {  // L
    DelimitedLine line('@');
    line << "PDC";
    line << "NZ";
    line << bf.GetShortDebitAccount();
    line.Empty(1);
    line << Trim(bf.GetAmount());
    line.Empty(1);
    line << bf.GetPayDate("yyyymmdd");
    line.Empty(3);
    line << bf.GetConfidentialFlag();
    line.Empty(2);
    line << Trim(bf.GetOrderingPartyName());
    line.Empty(5);
    line << Trim(bf.GetAccountTitleWidth(70));
    line.Empty(4);
    const std::string account = bf.GetCreditAccount();
    line << PadLeftZeros(GetBasePart(account), 7) + PadLeftZeros(GetSuffixPart(account), 3);
    line.Empty(6);
    line << PadLeftZeros(GetBankPart(account), 2) + PadLeftZeros(GetBranchPart(account), 4);
    line.Empty(3);
    line << Trim(bf.GetPayeeField("PayeeParticulars"));
    line << Trim(bf.GetPayeeField("PayeeCode"));
    line << Trim(bf.GetPayeeField("PayeeReference"));
    line.Empty(75);
    return std::move(line).Text();
}

std::string CitiDirectDetail(TBankFile& bf) {  // V
    return Join({
        "PDCC/OR",
        bf.GetAccountTitleWidth(70),
        Blanks(4 * 35 + 10),
        bf.GetAmount(),
        bf.GetUniqueReference(),
        bf.GetOrderingPartyName(),
        FixedPayeeDetails(bf),
        Blanks(35),
        bf.GetAccountNumber(bf.GetCreditAccount()),
        Blanks(19),
        bf.GetPayDate("dd/mm/yyyy"),
        bf.GetShortDebitAccount(),
        "NZD",
    });
}

}  // namespace billpay::citibank
