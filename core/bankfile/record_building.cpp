#include "bankfile/record_building.h"

#include <array>
#include <cstddef>

#include "bankfile/bank_file.h"
#include "util/text.h"

namespace billpay {

namespace {

constexpr std::array<char, kMaxBlanks> MakeBlanks() {
    std::array<char, kMaxBlanks> blanks{};
    for (char& c : blanks) c = ' ';
    return blanks;
}

constexpr std::array<char, kMaxBlanks> kBlanks = MakeBlanks();

}  // namespace

std::string_view Blanks(int count) {
    if (count <= 0) return {};
    return std::string_view(kBlanks.data(),
                            static_cast<std::size_t>(count < kMaxBlanks ? count : kMaxBlanks));
}

void FieldAppender::operator<<(Fields fields) const {
    std::size_t length = record_.size();
    for (const std::string_view field : fields) length += field.size();
    record_.reserve(length);
    for (const std::string_view field : fields) record_ += field;
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

void NoRecord(TBankFile&, std::string&) {}

// The trailer that BNZ PC Banking, Kiwibank, GIFTS and Direct Online share:
// "3", the total in whole cents without leading zeros ("########0.00" without
// its "."), the number of payments and the hash total. A field the bank's
// system cannot take stops the conversion.
void CheckedBatchTrailer(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    line << "3";
    line << CheckedField(RemoveFirstChar(bf.GetBatchTotal(-1), "."), 12, " Footer: BatchTotal ", bf);
    line << CheckedField(std::to_string(bf.WrittenCount), 5, " Footer: Transaction Count ", bf);
    line << CheckedField(bf.GetHashTotal(11), 11, " Footer: hashTotal ", bf);
}

// The first ten fields of the comma-separated payment lines of D, Z, G and K:
// record type, account, transaction code, amount in cents, the payee's name
// and statement fields, and the remitter, each produced in column order.
void AppendPaymentFields(DelimitedLine& line, TBankFile& bf) {
    line << bf.GetDetailRecordType();
    line << bf.GetAccountNumber(bf.CreditAccountDigits());
    line << bf.GetTransactionCode();
    line << bf.GetAmount();
    line << TrimView(bf.GetAccountTitle());
    line << TrimView(bf.GetPayeeField("PayeeReference"));
    line << TrimView(bf.GetPayeeField("PayeeCode"));
    line << "";
    line << TrimView(bf.GetPayeeField("PayeeParticulars"));
    line << TrimView(bf.GetRemitterName());
}

}  // namespace billpay
