#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "aba/aba_lines.h"
#include "aba/records.h"
#include "bankfile/conversion_host.h"
#include "bankfile/format_profile.h"
#include "util/clock.h"
#include "util/money.h"
#include "util/text_lines.h"

namespace billpay {

// A failure that stops the whole conversion (an overflowing trailer field, a
// line that is not a detail record where one must be, a number that cannot be
// read). Shown as "Exception: " followed by its message.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options entered on the conversion page.
struct ConversionOptions {
    std::string DebitAccount;  // as shown; every "-" is removed by the engine
    std::string BatchNo;       // untrimmed, as entered
    std::string PreformatRef;  // or other party particulars, or ordering party name
    bool Confidential = false;
    std::string PayerReference;
    std::string PayerParticulars;
    std::string PayerCode;
};

// What a finished conversion leaves for the wizard and the conversion report.
struct ConversionResult {
    std::int32_t WrittenCount = 0;
    std::int32_t FailedCount = 0;  // failed for a reason other than a negative amount
    std::int32_t OmittedCount = 0;
    Money BatchTotal{};
    std::string HashTotalText;  // the hash total as the records write it; what the report prints
    std::string Summary;        // the result summary shown, empty when none was shown
};

// The conversion engine: turns validated ABA lines into the records of one
// bank file format. The record builders of each format family assemble their
// records from the field formatters below; the engine owns passes, counters
// and totals.
class TBankFile {
public:
    TBankFile(ConversionHost& host, Clock& clock);

    // The conversion driver. Returns true when the bank file was produced (also
    // when details were omitted), false when the conversion failed. `out` is
    // cleared first and holds the bank file's lines afterwards.
    bool CreateBankFile(const AbaLines& abaLines, char formatCode, const ConversionOptions& options,
                        TextLines& out);

    // The default export file name of a format; B's name carries the batch
    // number of the last conversion.
    std::string GetDefaultFileName(char formatCode) const;

    // One pass over the detail lines.
    void ProcessDetails();

    // Record builders: one line each, or empty (an empty header or trailer is
    // not written). The forms with a record append to it.
    std::string GetHeaderText();
    std::string GetTextOut();
    std::string GetFooterText();
    void GetHeaderText(std::string& record);
    void GetTextOut(std::string& record);
    void GetFooterText(std::string& record);

    // Shows " An error has occurred in function " followed by the name; the
    // conversion goes on with the field left empty.
    void ReportFunctionError(std::string_view functionName);

    // The result summary text of the counts as they stand.
    std::string ResultSummary() const;

    // The last conversion's counts, totals and summary.
    const ConversionResult& Result() const { return result_; }

    // The profile of FormatCode, or nullptr for a code without a format.
    const FormatProfile* Profile() const;

    // ---- engine operations used by the formatters and builders
    Money GetAmountValue();
    void AddToBatchTotal(Money amount);
    void AddToHashTotal();

    // ---- general formatters
    // Trims, upper-cases, keeps "A"-"Z", "0"-"9" and the blank, cuts to width.
    // With overflowCheck, a text longer than width throws "Overflow Error in " + fieldName.
    void CleanFieldText(std::string& text, int width, std::string_view fieldName, bool overflowCheck) const;
    std::string TrimField(std::string_view text, bool upperCase, int width, bool trim) const;
    std::string GetCreditAccount() const;
    std::string_view CreditAccountDigits() const;  // GetCreditAccount without a copy

    // ---- header-level fields
    std::string GetRemitterName() const;
    void GetRemitterName(std::string& out) const;
    std::string GetPayDate(std::string_view pattern) const;
    std::string GetDebitBank() const;
    std::string GetDebitBranch() const;
    std::string GetDebitAccountBase() const;
    std::string GetDebitSuffix() const;
    std::string GetHeaderBatchNo();
    std::string GetDateCheckSum(std::string_view sixDigitDate) const;
    std::string GetTodaysDate(std::string_view pattern) const;  // today by the engine's clock
    std::string GetTimeNow(std::string_view pattern);           // time of day by the engine's clock

    // ---- detail fields (the detail at CurrentLine)
    std::string GetDetailRecordType();
    std::string GetTransactionCode();
    std::string GetAccountNumber(std::string_view account);
    std::string GetAmount();
    std::string GetAccountTitle() const;
    std::string GetAccountTitleWidth(int width) const;
    // The same formatters appending their field to a record.
    void GetAccountNumber(std::string_view account, std::string& out);
    void GetAmount(std::string& out);
    void GetAccountTitle(std::string& out) const;
    void GetAccountTitleWidth(int width, std::string& out) const;
    std::string GetPayeeField(std::string_view name) const;
    void GetPayeeField(std::string_view name, std::string& out) const;
    std::string GetBankName() const;
    std::string GetPreformatReference() const;
    std::string GetOrderingPartyName() const;
    std::string GetConfidentialFlag() const;
    std::string GetShortDebitAccount() const;
    std::string GetNextSequenceNo();
    std::string GetUniqueReference();

    // ---- trailer fields (counts and totals of the current pass)
    std::string GetHashTotal(int width) const;
    std::string GetBatchTotal(int width) const;
    std::string GetDetailCount(int width) const;

    // Borrows the lines the formatters read, as CreateBankFile does for the
    // length of a conversion, so that a record builder or a formatter can be
    // run on its own. Null lets them go.
    void SetAbaLines(const AbaLines* lines) {
        abaLines_ = lines;
        detailCache_ = DetailCache{};
        remitterCache_.valid = false;
    }

    // The parsed records the builders read.
    const TABAHeaderRecord& HeaderRecord() const;
    const TABADetailRecord& CurrentDetail() const;  // throws ConversionError when the line is no detail
    const TABADetailRecord* FirstDetail() const;    // line 1, when it is a detail

    // ---- state, in the engine's own terms (read by builders and tests)
    std::string BankingFileName;
    Money BatchTotal{};
    std::int32_t WrittenCount = 0;
    std::int32_t FailedCount = 0;
    std::int32_t OmittedCount = 0;
    std::string HashTotal = "0";
    std::int32_t SequenceNo = 2;
    std::string LastReference;
    std::int32_t Pass = 0;  // 0 single pass, 1 counting pass, 2 writing pass
    char FormatCode = ' ';
    std::string DebitAccount;
    std::string BatchNo;
    std::string PreformatRef;
    bool Confidential = false;
    std::int32_t CurrentLine = 0;
    std::string PayerReference;
    std::string PayerParticulars;
    std::string PayerCode;

    // The process-wide error flag: raised by a formatter when the current
    // detail cannot be converted; counted and cleared by the detail loop.
    bool ErrorFlag = false;
    std::string ErrorMessage;

    ConversionHost& Host() { return host_; }
    Clock& GetClock() { return clock_; }

private:
    ConversionHost& host_;
    Clock& clock_;
    const AbaLines* abaLines_ = nullptr;
    TextLines* bankFileLines_ = nullptr;
    std::string lastBatchNo_;  // for a default file name that carries the batch number
    ConversionResult result_;
    // The formatters ask for the profile and the current detail many times
    // per record; both are looked up again only when their key changes.
    mutable char profileCode_ = '\0';
    mutable const FormatProfile* profile_ = nullptr;
    struct DetailCache {
        std::int32_t line = -1;
        const TABADetailRecord* detail = nullptr;
    };
    mutable DetailCache detailCache_;
    struct RemitterCache {
        bool valid = false;
        char code = '\0';
        std::string name;
    };
    mutable RemitterCache remitterCache_;
};

}  // namespace billpay
