// Trust Bank (T) and TSB Bank (U) record layouts.
//
// Every record is its fields joined in column order; the fields are built from
// left to right (a braced list is evaluated in order). Both trailers carry the
// count, total and hash total of the details written in the pass.

#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::trustbank {

// ---- T: Trust Bank Payment Format (header 58, detail 120, trailer 31 characters)

// The debit account is written bank 2, branch 4, customer number 7 and suffix
// 2 (the first two digits of a three-digit suffix), then "0".
void TrustBankHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "12",
        bf.GetDebitBank(),
        PadLeftZeros(bf.GetDebitBranch(), 4),
        PadLeftZeros(bf.GetDebitAccountBase(), 7),
        PadLeftZeros(bf.GetDebitSuffix(), 2),
        "0",
        bf.GetPayDate("ddmmyy"),
        Blanks(7),
        bf.GetRemitterName(),
        bf.GetHeaderBatchNo(),
    };
}

void TrustBankDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        bf.GetTransactionCode(),
        bf.GetAmount(),
        bf.GetAccountTitle(),
        Blanks(12),
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
        " ",
        bf.GetRemitterName(),
    };
}

void TrustBankTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "1399",
        bf.GetHashTotal(11),
        bf.GetDetailCount(6),
        bf.GetBatchTotal(10),
    };
}

// ---- U: TSB Bank (160 characters, every line)

// The date check is day + year + month of the payment date.
void TsbHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "A0",
        bf.GetPayDate("ddmmyy"),
        PadLeftZeros(bf.GetHeaderBatchNo(), 4),
        bf.GetDateCheckSum(bf.GetPayDate("ddyymm")),
        bf.GetDebitBank(),
        PadLeftZeros(bf.GetDebitBranch(), 4),
        PadLeftZeros(bf.GetDebitAccountBase(), 8),
        PadLeftZeros(bf.GetDebitSuffix(), 4),
        "0000",
        Blanks(123),
    };
}

void TsbDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "D0",
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        "000000",
        bf.GetAmount(),
        Blanks(4),
        Blanks(2),
        Blanks(4),
        Blanks(4),
        bf.GetAccountTitle(),
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
        bf.GetRemitterName(),
        "0",
        Blanks(2),
        Blanks(4),
        Blanks(8),
        Blanks(4),
        Blanks(1),
        Blanks(8),
        Blanks(5),
    };
}

void TsbTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "T", bf.GetDetailCount(4), bf.GetBatchTotal(11), bf.GetHashTotal(4), Blanks(140),
    };
}

}  // namespace billpay::trustbank
