// HSBC Bulk Payments (I): fixed-width lines of 120 characters, header, details
// and trailer. HSBC Batch Payments (X): fixed-width lines of 135 characters, a
// header built between the engine's counting and writing passes, then the
// details; no trailer.
//
// Every record is appended field by field, left to right, so that the
// formatters run in column order (GetAmount raises the error flag, after which
// GetAccountNumber writes nothing; GetNextSequenceNo advances the counter).

#include <cstddef>
#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "util/text.h"

namespace billpay::hsbc {

namespace {

std::string Spaces(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// ---- HSBC Bulk Payments (I)

std::string BulkHeader(TBankFile& bf) {
    std::string rec = "H ";               // 1-2
    rec += bf.GetPayDate("yyyymmdd");     // 3-10   payment date
    rec += bf.GetTodaysDate("yyyymmdd");  // 11-18  date of the conversion
    rec += bf.GetTimeNow("hhmmss");       // 19-24  time of the conversion
    rec += Spaces(96);                    // 25-120
    return rec;
}

std::string BulkDetail(TBankFile& bf) {
    std::string rec = bf.GetDetailRecordType();         // 1      "D"
    rec += ' ';                                         // 2
    rec += bf.GetAccountTitleWidth(35);                 // 3-37   account title
    rec += bf.GetAccountNumber(bf.GetCreditAccount());  // 38-53  2+4+7+3 digits
    rec += Spaces(3);                                   // 54-56
    rec += bf.GetTransactionCode();                     // 57-58  "50"
    rec += bf.GetAmount();                              // 59-73  whole cents, 15 digits
    rec += bf.GetPayeeField("PayeeParticulars");        // 74-85
    rec += bf.GetPayeeField("PayeeCode");               // 86-97  always blank
    rec += bf.GetPayeeField("PayeeReference");          // 98-109
    rec += Spaces(11);                                  // 110-120
    return rec;
}

std::string BulkTrailer(TBankFile& bf) {
    std::string rec = "T";                                    // 1
    rec += PadLeftZeros(RightText(bf.HashTotal, 4), 4);       // 2-5    last four hash digits
    rec += RightText(bf.GetBatchTotal(15), 15);               // 6-20   whole cents
    rec += PadLeftZeros(std::to_string(bf.WrittenCount), 4);  // 21-24  details written
    rec += Spaces(96);                                        // 25-120
    return rec;
}

// ---- HSBC Batch Payments (X)

std::string BatchHeader(TBankFile& bf) {
    std::string rec = "1NZHSBC";                              // 1-7
    rec += bf.DebitAccount;                                   // 8-19   12 digits (checked by the engine)
    rec += "PS1";                                             // 20-22
    rec += PadLeftZeros(std::to_string(bf.WrittenCount), 6);  // 23-28  details to be written
    rec += bf.GetBatchTotal(17);                              // 29-45  dollars with "."
    rec += bf.GetPayDate("yyyymmdd");                         // 46-53  payment date
    rec += "APO";                                             // 54-56
    rec += Spaces(24);                                        // 57-80
    rec += 'A';                                               // 81
    rec += Spaces(53);                                        // 82-134
    rec += '1';                                               // 135
    return rec;
}

std::string BatchDetail(TBankFile& bf) {
    std::string rec = "2";                              // 1
    rec += bf.GetNextSequenceNo();                      // 2-13   right-aligned in 12
    rec += 'A';                                         // 14
    rec += "NZD";                                       // 15-17
    rec += bf.GetAmount();                              // 18-33  dollars with "."
    rec += Spaces(8);                                   // 34-41
    rec += LeftText(bf.GetCreditAccount(), 6);          // 42-47  bank and branch
    rec += Spaces(2);                                   // 48-49
    rec += bf.GetAccountNumber(bf.GetCreditAccount());  // 50-69  16 digits and 4 blanks
    rec += Spaces(8);                                   // 70-77
    rec += bf.GetAccountTitle();                        // 78-97
    rec += bf.GetPayeeField("PayeeReference");          // 98-109 right-aligned in 12
    rec += Spaces(26);                                  // 110-135
    return rec;
}

}  // namespace

std::string Header(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'I':
            return BulkHeader(bf);
        case 'X':
            return BatchHeader(bf);
        default:
            bf.ReportFunctionError("GetHeaderText");
            return "";
    }
}

std::string Detail(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'I':
            return BulkDetail(bf);
        case 'X':
            return BatchDetail(bf);
        default:
            bf.ReportFunctionError("GetTextOut");
            return "";
    }
}

std::string Footer(TBankFile& bf) {
    switch (bf.FormatCode) {
        case 'I':
            return BulkTrailer(bf);
        case 'X':
            return "";  // Batch Payments has no trailer
        default:
            bf.ReportFunctionError("GetFooterText");
            return "";
    }
}

}  // namespace billpay::hsbc
