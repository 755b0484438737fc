// BNZ PC Diskette (B): fixed-width records, a 20-character header and trailer
// around 160-character details. BNZ PC Banking (D) and Kiwibank Batch Upload
// (Z): one comma-separated layout; nothing is quoted, so every text field is
// cleaned before it is written (D's other party particulars come in without
// their commas, as every option text of a comma-separated format does).

#include <string>
#include <string_view>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::bnz {

// ---- B: BNZ PC Diskette

void PcDisketteHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "B0",
        bf.GetPayDate("ddmmyy"),
        bf.GetHeaderBatchNo(),
        bf.GetDateCheckSum(bf.GetPayDate("yymmdd")),
        Blanks(5),
    };
}

void PcDisketteDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),
        bf.GetAccountNumber(bf.CreditAccountDigits()),
        Blanks(6),
        bf.GetAmount(),
        Blanks(4),
        bf.GetDebitBank(),
        bf.GetDebitBranch(),
        bf.GetHeaderBatchNo(),
        bf.GetAccountTitle(),
        bf.GetPayeeField("PayeeReference"),
        bf.GetPayeeField("PayeeParticulars"),
        bf.GetPayeeField("PayeeCode"),
        bf.GetRemitterName(),
        bf.GetAccountNumber(bf.DebitAccount),
        "N",
        bf.GetTodaysDate("ddmmyyyy"),
        Blanks(5),
    };
}

void PcDisketteTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "B0",
        bf.GetDetailCount(3),
        bf.GetBatchTotal(11),
        // Zero-filled: a hash total of more than four digits keeps its leftmost four.
        PadLeftZeros(bf.HashTotal, 4),
    };
}

// ---- D and Z: BNZ PC Banking, Kiwibank Batch Upload

void CommaSeparatedHeader(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    line << "1";
    line.Empty(3);
    line << bf.DebitAccount;
    line << "7";
    line << bf.GetPayDate("yymmdd");
    line << bf.GetTodaysDate("yymmdd");
    line << "";
}

void CommaSeparatedDetail(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    AppendPaymentFields(line, bf);
    line << "";
    // The other party particulars, trimmed, where the format offers them (Kiwibank does not).
    line << (bf.Profile()->page->preformatMaxLength > 0 ? Trim(bf.PreformatRef) : std::string());
    line << "";
}

}  // namespace billpay::bnz
