// The Citibank formats: Cash Direct Credit (E) and Payroll (L), "@"-delimited;
// Paylink Direct Credit (F), 130 fixed columns; CitiDirect (V), a fixed layout
// of 414 to 420 characters (its transaction reference varies in length).
// None of them has a header or a trailer record.
//
// Every line is assembled piece by piece in column order: GetAmount raises the
// error flag for a negative amount (after which GetAccountNumber gives
// nothing) and GetUniqueReference remembers its result, so the order of the
// calls is part of the layout.

#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "util/text.h"

namespace billpay::citibank {
namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}
std::string At(int n) {
    return RepeatText("@", n);
}

// Particulars, code and reference of the payee, joined (36 characters for E,
// 35 for F and V, whose reference is one character shorter).
std::string PayeeDetails(TBankFile& bf) {
    std::string group = bf.GetPayeeField("PayeeParticulars");
    group += bf.GetPayeeField("PayeeCode");
    group += bf.GetPayeeField("PayeeReference");
    return group;
}

// F and V: the 35 characters as they are, or "-" and 34 blanks when all blank.
std::string FixedPayeeDetails(TBankFile& bf) {
    std::string group = PayeeDetails(bf);
    if (Trim(group).empty()) return PadRightSpaces("-", 35);
    return group;
}

std::string CashDirectCredit(TBankFile& bf) {  // E
    std::string r = "MT100^3@";
    r += bf.GetUniqueReference();
    r += "@";
    r += bf.GetPayDate("yyyymmdd");
    r += "@";
    r += "NZD@";
    r += bf.GetAmount();
    r += At(10);
    r += bf.GetBankName();
    r += "@";
    r += bf.GetAccountNumber(bf.GetCreditAccount());
    r += "@";
    r += Trim(bf.GetAccountTitleWidth(30));
    r += "@";
    r += Trim(PayeeDetails(bf));
    r += At(26);
    r += bf.GetPreformatReference();
    r += At(2);
    return r;
}

std::string PaylinkDirectCredit(TBankFile& bf) {  // F
    std::string r = "CHUC/OR";
    r += bf.GetAccountTitleWidth(30);
    r += bf.GetAmount();
    r += FixedPayeeDetails(bf);
    r += bf.GetAccountNumber(bf.GetCreditAccount());
    r += Blanks(19);
    r += bf.GetPayDate("dd/mm/yy");
    return r;
}

std::string Payroll(TBankFile& bf) {  // L
    std::string r = "PDC@NZ@";
    r += bf.GetShortDebitAccount();
    r += At(2);
    r += Trim(bf.GetAmount());
    r += At(2);
    r += bf.GetPayDate("yyyymmdd");
    r += At(4);
    r += bf.GetConfidentialFlag();
    r += At(3);
    r += Trim(bf.GetOrderingPartyName());
    r += At(6);
    r += Trim(bf.GetAccountTitleWidth(70));
    r += At(5);
    const std::string account = bf.GetCreditAccount();
    r += PadLeftZeros(GetBasePart(account), 7);
    r += PadLeftZeros(GetSuffixPart(account), 3);
    r += At(7);
    r += PadLeftZeros(GetBankPart(account), 2);
    r += PadLeftZeros(GetBranchPart(account), 4);
    r += At(4);
    r += Trim(bf.GetPayeeField("PayeeParticulars"));
    r += At(1);
    r += Trim(bf.GetPayeeField("PayeeCode"));
    r += At(1);
    r += Trim(bf.GetPayeeField("PayeeReference"));
    r += At(75);
    return r;
}

std::string CitiDirect(TBankFile& bf) {  // V
    std::string r = "PDCC/OR";
    r += bf.GetAccountTitleWidth(70);
    r += Blanks(4 * 35 + 10);
    r += bf.GetAmount();
    r += bf.GetUniqueReference();
    r += bf.GetOrderingPartyName();
    r += FixedPayeeDetails(bf);
    r += Blanks(35);
    r += bf.GetAccountNumber(bf.GetCreditAccount());
    r += Blanks(19);
    r += bf.GetPayDate("dd/mm/yyyy");
    r += bf.GetShortDebitAccount();
    r += "NZD";
    return r;
}

bool IsCitibankCode(char code) {
    return code == 'E' || code == 'F' || code == 'L' || code == 'V';
}

}  // namespace

std::string Header(TBankFile& bf) {
    if (!IsCitibankCode(bf.FormatCode)) bf.ReportFunctionError("GetHeaderText");
    return "";
}

std::string Detail(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'E':
            return CashDirectCredit(bf);
        case 'F':
            return PaylinkDirectCredit(bf);
        case 'L':
            return Payroll(bf);
        case 'V':
            return CitiDirect(bf);
        default:
            bf.ReportFunctionError("GetTextOut");
            return "";
    }
}

std::string Footer(TBankFile& bf) {
    if (!IsCitibankCode(bf.FormatCode)) bf.ReportFunctionError("GetFooterText");
    return "";
}

}  // namespace billpay::citibank
