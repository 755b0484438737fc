#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace billpay {

class TBankFile;

// Pieces the format families assemble their records from. A builder appends
// its record to the text it is given (the engine hands the detail loop's one
// record buffer to every detail), so that a record costs no allocation of
// its own.
//
// Every record is assembled field by field, left to right, one formatter call
// at a time: some formatters have side effects (GetAmount raises the error
// flag for a negative amount, after which GetAccountNumber gives nothing;
// GetNextSequenceNo and GetUniqueReference move on as they are called), so
// the order of the calls is part of the layout.

// A run of `count` blanks (at most kMaxBlanks); none for a count of 0 or less.
inline constexpr int kMaxBlanks = 256;
std::string_view Blanks(int count);

// Appends a text and blanks after it up to `width` (a longer text whole).
void AppendPadded(std::string& record, std::string_view text, int width);

// The fields of a record in column order. The elements of a braced list are
// evaluated in order, so Append(record) << Fields{a(), b(), c()} calls a, b
// and c from left to right; their texts live until they are appended.
using Fields = std::initializer_list<std::string_view>;

class FieldAppender {
public:
    explicit FieldAppender(std::string& record) : record_(record) {}
    void operator<<(Fields fields) const;

private:
    std::string& record_;
};

inline FieldAppender Append(std::string& record) {
    return FieldAppender(record);
}

// A line of fields with a delimiter between them: commas, or the "@" of the
// Citibank lines, appended to a record. Each field is produced before the
// next is asked for.
class DelimitedLine {
public:
    explicit DelimitedLine(std::string& record, char delimiter = ',')
        : line_(record), delimiter_(delimiter) {}

    DelimitedLine& operator<<(std::string_view field);
    // `count` empty fields; none for a count of 0 or less.
    DelimitedLine& Empty(int count);
    // A field trimmed and in double quotes. The cleaned texts hold no quote
    // or comma, so nothing needs escaping.
    DelimitedLine& Quoted(std::string_view field);
    // Starts the next field and gives the line to append it to.
    std::string& Next();
    // A field that `write` appends to the line, then trimmed and put in
    // double quotes.
    template <typename Write>
    DelimitedLine& QuotedWith(Write&& write) {
        std::string& line = Next();
        line += '"';
        const std::size_t start = line.size();
        write(line);
        TrimFrom(start);
        line += '"';
        return *this;
    }

private:
    // Trims the blanks of the line from `start` on.
    void TrimFrom(std::size_t start);

    std::string& line_;
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
void CheckedBatchTrailer(TBankFile& bf, std::string& record);

// The builder of a record the format does not have (an empty header or
// trailer is not written).
void NoRecord(TBankFile& bf, std::string& record);

}  // namespace billpay
