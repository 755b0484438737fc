// National, ANZ PC Diskette (M): fixed-width header (51), details (156) and
// trailer (31). National Bank DirectLink (N): comma-separated detail lines of
// nine fields, no header and no trailer; every text field is cleaned to
// letters, digits and blanks, so nothing needs quoting.

#include <string>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::nationalbank {

// ---- National, ANZ PC Diskette (M)

void PcDisketteHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "12",                                       // 1-2
        bf.GetDebitBank(),                          // 3-4    debit bank
        PadLeftZeros(bf.GetDebitBranch(), 4),       // 5-8    debit branch
        PadLeftZeros(bf.GetDebitAccountBase(), 7),  // 9-15   debit customer number
        bf.GetHeaderBatchNo(),                      // 16-17
        " ",                                        // 18
        bf.GetPayDate("ddmmyy"),                    // 19-24
        Blanks(7),                                  // 25-31
        bf.GetRemitterName(),                       // 32-51
    };
}

void PcDisketteDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),                       // 1-2    "13"
        bf.GetAccountNumber(bf.CreditAccountDigits()),  // 3-18   16 characters
        bf.GetTransactionCode(),                        // 19-21  "050"
        bf.GetAmount(),                                 // 22-31  whole cents
        bf.GetAccountTitle(),                           // 32-51
        "000000000000",                                 // 52-63
        bf.GetPayeeField("PayeeCode"),                  // 64-75  always blank
        bf.GetPayeeField("PayeeReference"),             // 76-87
        bf.GetPayeeField("PayeeParticulars"),           // 88-99
        " ",                                            // 100
        bf.GetRemitterName(),                           // 101-120
        Blanks(12 + 12 + 11),                           // 121-155
        ".",                                            // 156
    };
}

void PcDisketteTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "1399",                // 1-4
        bf.GetHashTotal(11),   // 5-15   branch and base sum
        Blanks(6),             // 16-21
        bf.GetBatchTotal(10),  // 22-31  whole cents
    };
}

// ---- National Bank DirectLink (N)

void DirectLinkDetail(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    line << bf.GetAmount();                                  // 1  dollars with "."
    line << bf.GetAccountNumber(bf.CreditAccountDigits());   // 2  17 digits
    line << TrimView(bf.GetAccountTitle());                  // 3
    line.Empty(3);                                           // 4-6
    line << TrimView(bf.GetPayeeField("PayeeReference"));    // 7
    line << TrimView(bf.GetPayeeField("PayeeCode"));         // 8  always empty
    line << TrimView(bf.GetPayeeField("PayeeParticulars"));  // 9
}

}  // namespace billpay::nationalbank
