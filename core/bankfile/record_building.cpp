#include "bankfile/record_building.h"

#include <cstddef>

#include "bankfile/bank_file.h"
#include "util/text.h"

namespace billpay {

std::string Blanks(int count) {
    return count > 0 ? std::string(static_cast<std::size_t>(count), ' ') : std::string();
}

std::string Join(std::initializer_list<std::string> fields) {
    std::size_t length = 0;
    for (const std::string& field : fields) length += field.size();
    std::string record;
    record.reserve(length);
    for (const std::string& field : fields) record += field;
    return record;
}

DelimitedLine& DelimitedLine::operator<<(std::string_view field) {
    if (!first_) line_ += delimiter_;
    first_ = false;
    line_ += field;
    return *this;
}

DelimitedLine& DelimitedLine::Empty(int count) {
    for (int i = 0; i < count; ++i) *this << "";
    return *this;
}

std::string CheckedField(std::string text, int width, std::string_view fieldName, const TBankFile& bf) {
    bf.CleanFieldText(text, width, fieldName, true);
    return text;
}

std::string NoRecord(TBankFile&) {
    return "";
}

// The trailer that BNZ PC Banking, Kiwibank, GIFTS and Direct Online share:
// "3", the total in whole cents without leading zeros ("########0.00" without
// its "."), the number of payments and the hash total. A field the bank's
// system cannot take stops the conversion.
std::string CheckedBatchTrailer(TBankFile& bf) {
    DelimitedLine line;
    line << "3";
    line << CheckedField(RemoveFirstChar(bf.GetBatchTotal(-1), "."), 12, " Footer: BatchTotal ", bf);
    line << CheckedField(std::to_string(bf.WrittenCount), 5, " Footer: Transaction Count ", bf);
    line << CheckedField(bf.GetHashTotal(11), 11, " Footer: hashTotal ", bf);
    return std::move(line).Text();
}

// The first ten fields of the comma-separated payment lines of D, Z, G and K:
// record type, account, transaction code, amount in cents, the payee's name
// and statement fields, and the remitter, each produced in column order.
void AppendPaymentFields(DelimitedLine& line, TBankFile& bf) {
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
}

}  // namespace billpay
