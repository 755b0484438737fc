// BNZ PC Diskette (B): fixed-width records, a 20-character header and trailer
// around 160-character details. BNZ PC Banking (D) and Kiwibank Batch Upload
// (Z): one comma-separated layout; nothing is quoted, so every text field is
// cleaned (or, for D's other party particulars, stripped of commas) before it
// is written.
//
// Every record is assembled field by field in column order: some formatters
// have side effects (GetAmount raises the error flag for a negative amount,
// after which GetAccountNumber gives nothing), so the order of the calls is
// part of the layout.

#include <string>
#include <string_view>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "util/text.h"

namespace billpay::bnz {
namespace {

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// D's other party particulars: written as entered and trimmed, but a comma
// would add a field to the line, so commas are dropped.
std::string OtherPartyParticulars(std::string_view entered) {
    std::string text;
    for (const char c : Trim(entered)) {
        if (c != ',') text += c;
    }
    return Trim(text);
}

// ---- B: BNZ PC Diskette

std::string DisketteHeader(TBankFile& bf) {
    std::string r = "B0";
    r += bf.GetPayDate("ddmmyy");
    r += bf.GetHeaderBatchNo();
    r += bf.GetDateCheckSum(bf.GetPayDate("yymmdd"));
    r += Blanks(5);
    return r;
}

std::string DisketteDetail(TBankFile& bf) {
    std::string r = bf.GetDetailRecordType();
    r += bf.GetAccountNumber(bf.GetCreditAccount());
    r += Blanks(6);
    r += bf.GetAmount();
    r += Blanks(4);
    r += bf.GetDebitBank();
    r += bf.GetDebitBranch();
    r += bf.GetHeaderBatchNo();
    r += bf.GetAccountTitle();
    r += bf.GetPayeeField("PayeeReference");
    r += bf.GetPayeeField("PayeeParticulars");
    r += bf.GetPayeeField("PayeeCode");
    r += bf.GetRemitterName();
    r += bf.GetAccountNumber(bf.DebitAccount);
    r += "N";
    r += bf.GetTodaysDate("ddmmyyyy");
    r += Blanks(5);
    return r;
}

std::string DisketteFooter(TBankFile& bf) {
    std::string r = "B0";
    r += bf.GetDetailCount(3);
    r += bf.GetBatchTotal(11);
    // Zero-filled: a hash total of more than four digits keeps its leftmost four.
    r += PadLeftZeros(bf.HashTotal, 4);
    return r;
}

// ---- D and Z: BNZ PC Banking, Kiwibank Batch Upload

std::string BankingHeader(TBankFile& bf) {
    std::string r = "1,,,,";
    r += bf.DebitAccount;
    r += ",7,";
    r += bf.GetPayDate("yymmdd");
    r += ",";
    r += bf.GetTodaysDate("yymmdd");
    r += ",";
    return r;
}

std::string BankingDetail(TBankFile& bf) {
    std::string r = bf.GetDetailRecordType();
    r += ",";
    r += bf.GetAccountNumber(bf.GetCreditAccount());
    r += ",";
    r += bf.GetTransactionCode();
    r += ",";
    r += bf.GetAmount();
    r += ",";
    r += Trim(bf.GetAccountTitle());
    r += ",";
    r += Trim(bf.GetPayeeField("PayeeReference"));
    r += ",";
    r += Trim(bf.GetPayeeField("PayeeCode"));
    r += ",,";
    r += Trim(bf.GetPayeeField("PayeeParticulars"));
    r += ",";
    r += Trim(bf.GetRemitterName());
    r += ",,";
    // Kiwibank's layout has no other party particulars.
    if (bf.FormatCode == 'D') r += OtherPartyParticulars(bf.PreformatRef);
    r += ",";
    return r;
}

std::string BankingFooter(TBankFile& bf) {
    // Whole cents without leading zeros ("########0.00" without its ".").
    std::string total = RemoveFirstChar(bf.GetBatchTotal(-1), ".");
    bf.CleanFieldText(total, 12, " Footer: BatchTotal ", true);

    std::string count = std::to_string(bf.WrittenCount);
    bf.CleanFieldText(count, 5, " Footer: Transaction Count ", true);

    bf.HashTotal = bf.GetHashTotal(11);
    std::string hash = bf.HashTotal;
    bf.CleanFieldText(hash, 11, " Footer: hashTotal ", true);

    return "3," + total + "," + count + "," + hash;
}

}  // namespace

std::string Header(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'B':
            return DisketteHeader(bf);
        case 'D':
        case 'Z':
            return BankingHeader(bf);
        default:
            bf.ReportFunctionError("GetHeaderText");
            return "";
    }
}

std::string Detail(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'B':
            return DisketteDetail(bf);
        case 'D':
        case 'Z':
            return BankingDetail(bf);
        default:
            bf.ReportFunctionError("GetTextOut");
            return "";
    }
}

std::string Footer(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'B':
            return DisketteFooter(bf);
        case 'D':
        case 'Z':
            return BankingFooter(bf);
        default:
            bf.ReportFunctionError("GetFooterText");
            return "";
    }
}

}  // namespace billpay::bnz
