#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace billpay {

class TBankFile;

// Pieces the format families assemble their records from.
//
// Every record is assembled field by field, left to right, one formatter call
// at a time: some formatters have side effects (GetAmount raises the error
// flag for a negative amount, after which GetAccountNumber gives nothing;
// GetNextSequenceNo and GetUniqueReference move on as they are called), so
// the order of the calls is part of the layout.

// A run of `count` blanks; none for a count of 0 or less.
std::string Blanks(int count);

// The fields of a record joined in column order. The elements of a braced
// list are evaluated in order, so Join({a(), b(), c()}) calls a, b and c
// from left to right.
std::string Join(std::initializer_list<std::string> fields);

// A line of fields with a delimiter between them: commas, or the "@" of the
// Citibank lines. Each field is produced before the next is asked for.
class DelimitedLine {
public:
    explicit DelimitedLine(char delimiter = ',') : delimiter_(delimiter) {}

    DelimitedLine& operator<<(std::string_view field);
    // `count` empty fields; none for a count of 0 or less.
    DelimitedLine& Empty(int count);
    std::string Text() && { return std::move(line_); }

private:
    std::string line_;
    char delimiter_;
    bool first_ = true;
};

// A field the bank's system cannot take when it outgrows its width: cleaned,
// and longer than `width` it stops the conversion with an overflow error
// naming the field.
std::string CheckedField(std::string text, int width, std::string_view fieldName, const TBankFile& bf);

// The first ten fields of the comma-separated payment lines of D, Z, G and K.
void AppendPaymentFields(DelimitedLine& line, TBankFile& bf);

// The overflow-checked comma-separated trailer of D, Z, G and K.
std::string CheckedBatchTrailer(TBankFile& bf);

// The builder of a record the format does not have (an empty header or
// trailer is not written).
std::string NoRecord(TBankFile& bf);

}  // namespace billpay
