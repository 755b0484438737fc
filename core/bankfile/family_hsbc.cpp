// HSBC Bulk Payments (I): fixed-width lines of 120 characters, header, details
// and trailer. HSBC Batch Payments (X): fixed-width lines of 135 characters, a
// header built between the engine's counting and writing passes, then the
// details; no trailer.

#include <string>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::hsbc {

// ---- HSBC Bulk Payments (I)

void BulkPaymentsHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "H ",                          // 1-2
        bf.GetPayDate("yyyymmdd"),     // 3-10   payment date
        bf.GetTodaysDate("yyyymmdd"),  // 11-18  date of the conversion
        bf.GetTimeNow("hhmmss"),       // 19-24  time of the conversion
        Blanks(96),                    // 25-120
    };
}

void BulkPaymentsDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        bf.GetDetailRecordType(),                       // 1      "D"
        " ",                                            // 2
        bf.GetAccountTitleWidth(35),                    // 3-37   account title
        bf.GetAccountNumber(bf.CreditAccountDigits()),  // 38-53  2+4+7+3 digits
        Blanks(3),                                      // 54-56
        bf.GetTransactionCode(),                        // 57-58  "50"
        bf.GetAmount(),                                 // 59-73  whole cents, 15 digits
        bf.GetPayeeField("PayeeParticulars"),           // 74-85
        bf.GetPayeeField("PayeeCode"),                  // 86-97  always blank
        bf.GetPayeeField("PayeeReference"),             // 98-109
        Blanks(11),                                     // 110-120
    };
}

void BulkPaymentsTrailer(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "T",                                          // 1
        PadLeftZeros(RightText(bf.HashTotal, 4), 4),  // 2-5    last four hash digits
        RightText(bf.GetBatchTotal(15), 15),          // 6-20   whole cents
        bf.GetDetailCount(4),                         // 21-24  details written
        Blanks(96),                                   // 25-120
    };
}

// ---- HSBC Batch Payments (X)

void BatchPaymentsHeader(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "1NZHSBC",                  // 1-7
        bf.DebitAccount,            // 8-19   12 digits (checked by the engine)
        "PS1",                      // 20-22
        bf.GetDetailCount(6),       // 23-28  details to be written
        bf.GetBatchTotal(17),       // 29-45  dollars with "."
        bf.GetPayDate("yyyymmdd"),  // 46-53  payment date
        "APO",                      // 54-56
        Blanks(24),                 // 57-80
        "A",                        // 81
        Blanks(53),                 // 82-134
        "1",                        // 135
    };
}

void BatchPaymentsDetail(TBankFile& bf, std::string& record) {
    Append(record) << Fields{
        "2",                                            // 1
        bf.GetNextSequenceNo(),                         // 2-13   right-aligned in 12
        "A",                                            // 14
        "NZD",                                          // 15-17
        bf.GetAmount(),                                 // 18-33  dollars with "."
        Blanks(8),                                      // 34-41
        LeftText(bf.CreditAccountDigits(), 6),          // 42-47  bank and branch
        Blanks(2),                                      // 48-49
        bf.GetAccountNumber(bf.CreditAccountDigits()),  // 50-69  16 digits and 4 blanks
        Blanks(8),                                      // 70-77
        bf.GetAccountTitle(),                           // 78-97
        bf.GetPayeeField("PayeeReference"),             // 98-109 right-aligned in 12
        Blanks(26),                                     // 110-135
    };
}

}  // namespace billpay::hsbc
