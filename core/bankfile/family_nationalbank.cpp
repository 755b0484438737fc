// National, ANZ PC Diskette (M): fixed-width header (51), details (156) and
// trailer (31). National Bank DirectLink (N): comma-separated detail lines of
// nine fields, no header and no trailer; every text field is cleaned to
// letters, digits and blanks, so nothing needs quoting.
//
// Every record is appended field by field, left to right, so that the
// formatters run in column order (GetAmount raises the error flag, after which
// GetAccountNumber writes nothing).

#include <cstddef>
#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "util/text.h"

namespace billpay::nationalbank {

namespace {

std::string Spaces(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// ---- National, ANZ PC Diskette (M)

std::string DisketteHeader(TBankFile& bf) {
    std::string rec = "12";                            // 1-2
    rec += bf.GetDebitBank();                          // 3-4    debit bank
    rec += PadLeftZeros(bf.GetDebitBranch(), 4);       // 5-8    debit branch
    rec += PadLeftZeros(bf.GetDebitAccountBase(), 7);  // 9-15   debit customer number
    rec += bf.GetHeaderBatchNo();                      // 16-17
    rec += ' ';                                        // 18
    rec += bf.GetPayDate("ddmmyy");                    // 19-24
    rec += Spaces(7);                                  // 25-31
    rec += bf.GetRemitterName();                       // 32-51
    return rec;
}

std::string DisketteDetail(TBankFile& bf) {
    std::string rec = bf.GetDetailRecordType();         // 1-2    "13"
    rec += bf.GetAccountNumber(bf.GetCreditAccount());  // 3-18   16 characters
    rec += bf.GetTransactionCode();                     // 19-21  "050"
    rec += bf.GetAmount();                              // 22-31  whole cents
    rec += bf.GetAccountTitle();                        // 32-51
    rec += "000000000000";                              // 52-63
    rec += bf.GetPayeeField("PayeeCode");               // 64-75  always blank
    rec += bf.GetPayeeField("PayeeReference");          // 76-87
    rec += bf.GetPayeeField("PayeeParticulars");        // 88-99
    rec += ' ';                                         // 100
    rec += bf.GetRemitterName();                        // 101-120
    rec += Spaces(12 + 12 + 11);                        // 121-155
    rec += '.';                                         // 156
    return rec;
}

std::string DisketteTrailer(TBankFile& bf) {
    std::string rec = "1399";     // 1-4
    rec += bf.GetHashTotal(11);   // 5-15   branch and base sum
    rec += Spaces(6);             // 16-21
    rec += bf.GetBatchTotal(10);  // 22-31  whole cents
    return rec;
}

// ---- National Bank DirectLink (N)

std::string DirectLinkDetail(TBankFile& bf) {
    std::string rec = bf.GetAmount();  // 1  dollars with "."
    rec += ',';
    rec += bf.GetAccountNumber(bf.GetCreditAccount());  // 2  17 digits
    rec += ',';
    rec += Trim(bf.GetAccountTitle());                // 3
    rec += ",,,,";                                    // 4-6 empty
    rec += Trim(bf.GetPayeeField("PayeeReference"));  // 7
    rec += ',';
    rec += Trim(bf.GetPayeeField("PayeeCode"));  // 8  always empty
    rec += ',';
    rec += Trim(bf.GetPayeeField("PayeeParticulars"));  // 9
    return rec;
}

}  // namespace

std::string Header(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'M':
            return DisketteHeader(bf);
        case 'N':
            return "";  // DirectLink holds detail lines only
        default:
            bf.ReportFunctionError("GetHeaderText");
            return "";
    }
}

std::string Detail(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'M':
            return DisketteDetail(bf);
        case 'N':
            return DirectLinkDetail(bf);
        default:
            bf.ReportFunctionError("GetTextOut");
            return "";
    }
}

std::string Footer(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'M':
            return DisketteTrailer(bf);
        case 'N':
            return "";  // DirectLink holds detail lines only
        default:
            bf.ReportFunctionError("GetFooterText");
            return "";
    }
}

}  // namespace billpay::nationalbank
