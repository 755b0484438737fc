// The comma-separated formats ANZ, BNZ, National Bank GIFTS (G) and ANZ
// Direct Online (K). They share the payment and trailer lines; only the
// header's two dates differ in width.

#include <string>
#include <string_view>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "util/text.h"

namespace billpay::gifts {

namespace {

bool IsGiftsFormat(char code) {
    return code == 'G' || code == 'K';
}

// Comma-separated fields; each is produced before the next is asked for.
class CsvLine {
public:
    CsvLine& operator<<(std::string_view field) {
        if (!first_) line_ += ',';
        first_ = false;
        line_ += field;
        return *this;
    }
    std::string Text() && { return std::move(line_); }

private:
    std::string line_;
    bool first_ = true;
};

// GIFTS writes its dates with two-digit years, Direct Online with four.
std::string_view DatePattern(char code) {
    return code == 'K' ? "yyyymmdd" : "yymmdd";
}

// A trailer field the bank's system cannot take when it outgrows its width:
// the conversion stops with an overflow error naming the field.
std::string Checked(std::string text, int width, std::string_view fieldName, const TBankFile& bf) {
    bf.CleanFieldText(text, width, fieldName, true);
    return text;
}

}  // namespace

// The batch header: the pay date and the day the file was made.
std::string Header(TBankFile& bf) {
    if (!IsGiftsFormat(bf.FormatCode)) {
        bf.ReportFunctionError("GetHeaderText");
        return "";
    }
    const std::string_view pattern = DatePattern(bf.FormatCode);
    CsvLine line;
    line << "1";
    for (int i = 2; i <= 6; ++i) line << "";
    line << bf.GetPayDate(pattern);
    line << bf.GetTodaysDate(pattern);
    line << "";
    return std::move(line).Text();
}

// One payment: the payee's account, the amount in cents, the payee's name and
// statement fields and the remitter.
std::string Detail(TBankFile& bf) {
    if (!IsGiftsFormat(bf.FormatCode)) {
        bf.ReportFunctionError("GetTextOut");
        return "";
    }
    CsvLine line;
    line << bf.GetDetailRecordType();
    line << bf.GetAccountNumber(bf.GetCreditAccount());
    line << bf.GetTransactionCode();
    line << bf.GetAmount();
    line << Trim(bf.GetAccountTitle());
    line << Trim(bf.GetPayeeField("PayeeReference"));
    line << Trim(bf.GetPayeeField("PayeeCode"));
    line << "";
    line << Trim(bf.GetPayeeField("PayeeParticulars"));
    line << Trim(bf.GetRemitterName());
    for (int i = 11; i <= 13; ++i) line << "";
    return std::move(line).Text();
}

// The batch trailer: the total in cents, the number of payments and the hash
// total of the payees' branch and customer numbers.
std::string Footer(TBankFile& bf) {
    if (!IsGiftsFormat(bf.FormatCode)) {
        bf.ReportFunctionError("GetFooterText");
        return "";
    }
    CsvLine line;
    line << "3";
    line << Checked(RemoveFirstChar(bf.GetBatchTotal(-1), "."), 12, " Footer: BatchTotal ", bf);
    line << Checked(std::to_string(bf.WrittenCount), 5, " Footer: Transaction Count ", bf);
    bf.HashTotal = bf.GetHashTotal(11);
    line << Checked(bf.HashTotal, 11, " Footer: hashTotal ", bf);
    return std::move(line).Text();
}

}  // namespace billpay::gifts
