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

void AppendPadded(std::string& record, std::string_view text, int width) {
    const std::size_t at = record.size();
    const std::size_t size =
        text.size() < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) : text.size();
    // Room first, then the characters one by one: fields are short, and a
    // block copy costs more to start than such a field takes to copy.
    record.resize(at + size, ' ');
    char* to = record.data() + at;
    for (const char c : text) *to++ = c;
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

std::string& DelimitedLine::Next() {
    if (!first_) line_ += delimiter_;
    first_ = false;
    return line_;
}

void DelimitedLine::TrimFrom(std::size_t start) {
    const std::string_view field = TrimView(std::string_view(line_).substr(start));
    const auto begin = static_cast<std::size_t>(field.data() - line_.data());
    if (begin > start) line_.erase(start, begin - start);
    line_.resize(start + field.size());
}

DelimitedLine& DelimitedLine::Quoted(std::string_view field) {
    Next().append(1, '"').append(TrimView(field)).append(1, '"');
    return *this;
}

DelimitedLine& DelimitedLine::Empty(int count) {
    if (count <= 0) return *this;
    // As `count` times an empty field: a delimiter before each but a first field.
    line_.append(static_cast<std::size_t>(first_ ? count - 1 : count), delimiter_);
    first_ = false;
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
