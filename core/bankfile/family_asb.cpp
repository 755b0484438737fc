// The ASB formats: the fixed-width 160-column records of ASB Fastnet Office
// (A), ASB Fastnet Business (S) and ASB Gateway (H), and the comma-separated
// lines of ASB EPW CSV (J).

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "bankfile/bank_file.h"
#include "bankfile/format_families.h"
#include "bankfile/record_building.h"
#include "util/text.h"

namespace billpay::asb {

namespace {

// Lays a fixed-width record out field after field. Each field names its first
// and last column (1-based, inclusive); a text is blank-filled or cut to the
// columns. A growing field (an amount or total with more digits than its
// columns) is written whole and moves every later field to the right.
class FixedRecord {
public:
    explicit FixedRecord(std::string& record) : record_(record) {}

    FixedRecord& Field(int first, int last, std::string_view text) {
        const int width = Place(first, last);
        const int taken = static_cast<int>(text.size()) < width ? static_cast<int>(text.size()) : width;
        // One copy of text and blanks together: the field through a blank
        // run of its own width keeps the copies few and short.
        AppendPadded(record_, text.substr(0, static_cast<std::size_t>(taken)), width);
        return *this;
    }
    FixedRecord& Blanks(int first, int last) { return Field(first, last, ""); }
    FixedRecord& Growing(int first, int last, std::string_view text) {
        const int width = Place(first, last);
        AppendPadded(record_, text, width);
        return *this;
    }

private:
    // The width of the columns; the columns must follow the previous field.
    int Place(int first, int last) {
        if (first != next_ || last < first) throw std::logic_error("record layout out of order");
        next_ = last + 1;
        return last - first + 1;
    }

    std::string& record_;
    int next_ = 1;
};

// Gateway records end with "0" in column 160; Fastnet records end blank.
enum class RecordEnd { Blank, Zero };

void EndOfRecord(FixedRecord& record, int first, RecordEnd end) {
    if (end == RecordEnd::Zero) {
        record.Blanks(first, 159).Field(160, 160, "0");
    } else {
        record.Blanks(first, 160);
    }
}

// The debit account and batch number as one 15-character text: bank, branch,
// customer number and the two-digit batch number.
std::string DebitAccountAndBatch(TBankFile& bf) {
    std::string text = bf.GetDebitBank();
    text += PadLeftZeros(bf.GetDebitBranch(), 4);
    text += PadLeftZeros(bf.GetDebitAccountBase(), 7);
    text += bf.GetHeaderBatchNo();
    return text;
}

// The file header: the debit account with the batch number, the pay date and
// the remitter.
void FixedWidthHeader(TBankFile& bf, std::string& out, RecordEnd end) {
    FixedRecord record(out);
    record.Field(1, 2, "12")
        .Field(3, 4, bf.GetDebitBank())
        .Field(5, 8, PadLeftZeros(bf.GetDebitBranch(), 4))
        .Field(9, 15, PadLeftZeros(bf.GetDebitAccountBase(), 7))
        .Field(16, 17, bf.GetHeaderBatchNo())
        .Blanks(18, 18)
        .Field(19, 24, bf.GetPayDate("ddmmyy"))
        .Blanks(25, 31)
        .Field(32, 51, bf.GetRemitterName());
    EndOfRecord(record, 52, end);
}

// One payment: the payee's account, the amount in cents, the payee's name and
// statement fields, the remitter, and the payer's statement fields.
void FixedWidthDetail(TBankFile& bf, std::string& out, RecordEnd end) {
    // The payer's fields, as entered, where the format offers them (Fastnet Business).
    const bool payerFields = bf.Profile()->page->payerFields;
    const auto payer = [payerFields](const std::string& field) {
        return payerFields ? field : std::string();
    };
    FixedRecord record(out);
    record.Field(1, 2, bf.GetDetailRecordType())
        .Field(3, 18, bf.GetAccountNumber(bf.CreditAccountDigits()))
        .Field(19, 21, bf.GetTransactionCode())
        .Growing(22, 31, bf.GetAmount())
        .Field(32, 51, bf.GetAccountTitle())
        .Blanks(52, 63)
        .Field(64, 75, bf.GetPayeeField("PayeeCode"))
        .Field(76, 87, bf.GetPayeeField("PayeeReference"))
        .Field(88, 99, bf.GetPayeeField("PayeeParticulars"))
        .Blanks(100, 100)
        .Field(101, 120, bf.GetRemitterName())
        .Field(121, 132, payer(bf.PayerCode))
        .Field(133, 144, payer(bf.PayerReference))
        .Field(145, 156, payer(bf.PayerParticulars));
    EndOfRecord(record, 157, end);
}

// The file trailer: the hash total of the payees' branch and customer numbers
// and the batch total in cents.
void FixedWidthTrailer(TBankFile& bf, std::string& out, RecordEnd end) {
    FixedRecord record(out);
    record.Field(1, 4, "1399")
        .Field(5, 15, bf.GetHashTotal(11))
        .Blanks(16, 21)
        .Growing(22, 31, bf.GetBatchTotal(10));
    EndOfRecord(record, 32, end);
}

}  // namespace

void FastnetHeader(TBankFile& bf, std::string& record) {
    FixedWidthHeader(bf, record, RecordEnd::Blank);
}
void FastnetDetail(TBankFile& bf, std::string& record) {
    FixedWidthDetail(bf, record, RecordEnd::Blank);
}
void FastnetTrailer(TBankFile& bf, std::string& record) {
    FixedWidthTrailer(bf, record, RecordEnd::Blank);
}
void GatewayHeader(TBankFile& bf, std::string& record) {
    FixedWidthHeader(bf, record, RecordEnd::Zero);
}
void GatewayDetail(TBankFile& bf, std::string& record) {
    FixedWidthDetail(bf, record, RecordEnd::Zero);
}
void GatewayTrailer(TBankFile& bf, std::string& record) {
    FixedWidthTrailer(bf, record, RecordEnd::Zero);
}

// The EPW header, built after the counting pass: the debit account with the
// batch number, the pay date, the remitter and the batch's hash total, total
// and number of payments.
void EpwCsvHeader(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    line << "12";
    line << DebitAccountAndBatch(bf);
    line << bf.GetPayDate("ddmmyy");
    line.Quoted(bf.GetRemitterName());
    line.Quoted(bf.GetHashTotal(11));
    line << bf.GetBatchTotal(-1);
    line << std::to_string(bf.WrittenCount);
}

// One EPW payment: the payee's dashed account, the amount in dollars, the
// payee's name and statement fields, then four unused fields.
void EpwCsvDetail(TBankFile& bf, std::string& record) {
    DelimitedLine line(record);
    bf.GetAccountNumber(bf.CreditAccountDigits(), line.Next());
    line << bf.GetTransactionCode();
    bf.GetAmount(line.Next());
    line.QuotedWith([&bf](std::string& out) { bf.GetAccountTitle(out); });
    line.Quoted("");
    line.QuotedWith([&bf](std::string& out) { bf.GetPayeeField("PayeeCode", out); });
    line.QuotedWith([&bf](std::string& out) { bf.GetPayeeField("PayeeReference", out); });
    line.QuotedWith([&bf](std::string& out) { bf.GetPayeeField("PayeeParticulars", out); });
    for (int i = 0; i < 4; ++i) line.Quoted("");
}

}  // namespace billpay::asb
