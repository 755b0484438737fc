// The comma-separated formats ANZ, BNZ, National Bank GIFTS (G) and ANZ
// Direct Online (K). They share the payment and trailer lines; only the
// header's two dates differ in width.

#include <string>
#include <string_view>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::gifts {

namespace {

// The batch header: the pay date and the day the file was made.
void BatchHeader(TBankFile& bf, std::string& record, std::string_view pattern) {
    DelimitedLine line(record);
    line << "1";
    line.Empty(5);
    line << bf.GetPayDate(pattern);
    line << bf.GetTodaysDate(pattern);
    line << "";
}

}  // namespace

// GIFTS writes its dates with two-digit years, Direct Online with four.
void GiftsHeader(TBankFile& bf, std::string& record) {
    BatchHeader(bf, record, "yymmdd");
}

void DirectOnlineHeader(TBankFile& bf, std::string& record) {
    BatchHeader(bf, record, "yyyymmdd");
}

// One payment: the payee's account, the amount in cents, the payee's name and
// statement fields and the remitter.
void PaymentDetail(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    AppendPaymentFields(line, bf);
    line.Empty(3);
}

}  // namespace billpay::gifts
