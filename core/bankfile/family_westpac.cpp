// Westpac record layouts: PC Diskette (P) and DeskBank (W).
//
// Every record is its fields joined in column order. The fields are built from
// left to right (a braced list is evaluated in order), which matters: W's
// sequence number advances while its detail is built, and once the amount of a
// detail has raised the error flag the account numbers after it come out
// empty.

#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::westpac {

// ---- P: Westpac PC Diskette (header 51, detail 156, trailer 31 characters)

void PcDisketteHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "12",
        bf.GetDebitBank(),
        PadLeftZeros(bf.GetDebitBranch(), 4),
        PadLeftZeros(bf.GetDebitAccountBase(), 7),
        bf.GetHeaderBatchNo(),
        " ",
        bf.GetPayDate("ddmmyy"),
        Blanks(7),
        bf.GetRemitterName(),
    };
}

void PcDisketteDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        bf.GetTransactionCode(),
        bf.GetAmount(),
        bf.GetAccountTitle(),
        "000000000000",
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
        bf.GetPayeeField("PayeeParticulars"),
        " ",
        bf.GetRemitterName(),
        Blanks(12),
        Blanks(12),
        Blanks(11),
        ".",
    };
}

// The trailer carries no record count: hash total, six blanks, batch total.
void PcDisketteTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "1399",
        bf.GetHashTotal(11),
        Blanks(6),
        bf.GetBatchTotal(10),
    };
}

// ---- W: Westpac DeskBank (header 75, detail 138 characters, no trailer)

// The header's "A000002" matches the sequence counter's start: the details
// are numbered from 000003.
void DeskBankHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "A000002",  bf.GetDebitBank(),       PadLeftZeros(bf.GetDebitBranch(), 4), Blanks(30), Blanks(6),
        Blanks(20), bf.GetPayDate("ddmmyy"),
    };
}

void DeskBankDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),
        bf.GetNextSequenceNo(),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        bf.GetTransactionCode(),
        "DC",
        bf.GetAmount(),
        bf.GetAccountTitle(),
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetPayeeField("PayeeReference"),
        bf.GetAccountNumber(bf.DebitAccount),
        bf.GetRemitterName(),
    };
}

}  // namespace billpay::westpac
