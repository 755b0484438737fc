#include "aba/validation.h"

#include <cstdarg>
#include <cstdio>

#include "aba/aba_file.h"
#include "aba/field_conversion.h"
#include "bankaccount/bank_account.h"
#include "util/money.h"

namespace billpay {
namespace {

// printf into a std::string; every validation text is built through it so
// that the "%4d" line numbers read exactly as they are written.
[[gnu::format(printf, 1, 2)]] std::string Format(const char* pattern, ...) {
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    const int n = std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    va_start(args, pattern);
    std::vsnprintf(big.data(), big.size(), pattern, args);
    va_end(args);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

std::string Amount7(Money m) { return FormatFixed(m, 7); }
std::string Amount6(Money m) { return FormatFixed(m, 6); }

// A conversion step's verdict: empty when it passed, else the failure text.
using StepFailure = std::optional<std::string>;

enum class DebitRule { BankOwnAccount, HsbcTwelveDigits, NoCheck, NewZealand };

DebitRule DebitRuleFor(char formatCode) {
    switch (formatCode) {
        case 'E':
        case 'F':
        case 'L':
        case 'V':
            return DebitRule::BankOwnAccount;
        case 'X':
            return DebitRule::HsbcTwelveDigits;
        case 'I':
            return DebitRule::NoCheck;
        default:
            return DebitRule::NewZealand;
    }
}

class Validator {
public:
    Validator(ValidationRun& run, char formatCode, const AccountCheck& check)
        : run_(run), debitRule_(DebitRuleFor(formatCode)), check_(check) {}

    void Line(AbaLine& line, int n, bool isLast) {
        const std::string_view text = line.text;
        if (text.size() != static_cast<std::size_t>(kAbaRecordLength)) {
            Report(Format("Line %4d - Record length incorrect (%d) - record not processed", n,
                          static_cast<int>(text.size())));
            return;
        }
        switch (text[0]) {
            case '0':
                line.record = Header(text, n);
                break;
            case '1':
                line.record = Detail(text, n);
                break;
            case '7':
                line.record = Trailer(text, n, isLast);
                break;
            default:
                Report(Format("Line %4d - (\?\?\?) Unrecognised Record Type conversion error - %s", n,
                              std::string(1, text[0]).c_str()));
                break;
        }
    }

    void FileChecks() {
        if (headers_ == 0) Report("Header record missing");
        if (headers_ > 1) Report(Format("Multiple header records in file (%d)", headers_));
        if (trailers_ == 0) {
            Report("Trailer record missing");
            return;
        }
        if (trailers_ > 1) {
            Report(Format("Multiple trailer records in file (%d)", trailers_));
            return;
        }
        // A comparison with a trailer field that did not convert is skipped:
        // its conversion error is already reported, so the file fails anyway.
        const TABATrailerRecord& t = trailer_;
        if (fileCountConverted_ && t.FileCount != run_.detailCount)
            Report(Format("Number of detail records processed (%d) does not match transaction count on ABA "
                          "trailer record (%d)",
                          run_.detailCount, t.FileCount));
        if (netConverted_ && creditConverted_ && t.NetTotalAmount != t.CreditAmount)
            Report(Format("Net Total on ABA trailer record (%s) not equal to Credit Total (%s)",
                          Amount6(t.NetTotalAmount).c_str(), Amount6(t.CreditAmount).c_str()));
        if (debitConverted_ && t.DebitAmount != Money{})
            Report("ABA file cannot contain direct debit transactions (Transaction Code 13)");
        if (creditConverted_ && t.CreditAmount != creditTotal_)
            Report(Format("Calculated transaction balance (%s) does not match Credit Balance on ABA trailer "
                          "record (%s)",
                          Amount6(creditTotal_).c_str(), Amount6(t.CreditAmount).c_str()));
    }

    void Summary() {
        if (!run_.errors.empty()) return;
        run_.memo.emplace_back("Validation Completed OK");
        run_.memo.push_back(Format("File Contains %d Transactions", run_.detailCount));
        run_.memo.push_back(Format("Direct Credit Balance is $%s", Amount6(trailer_.CreditAmount).c_str()));
    }

private:
    void Report(std::string text) {
        run_.memo.push_back(text);
        run_.errors.push_back(std::move(text));
    }

    void Fail(const char* pattern, int n, const std::string& failure) { Report(Format(pattern, n, failure.c_str())); }

    TABAHeaderRecord Header(std::string_view text, int n) {
        ++headers_;
        TABAHeaderRecord r;
        if (n != 1) Report(Format("Line %4d - (HDR) Header record is not the first record", n));
        r.FinancialInstitution = CutField(text, AbaField::FinancialInstitution);
        r.LegalName = CutField(text, AbaField::LegalName);
        if (auto apca = ConvertInteger(CutField(text, AbaField::APCANumber)); apca.ok())
            r.APCANumber = apca.get();
        else
            Fail("Line %4d - (HDR) APCA Number conversion error - %s", n, apca.error());
        r.FileDescription = CutField(text, AbaField::FileDescription);
        if (auto date = ConvertDate(CutField(text, AbaField::PayDate)); date.ok())
            r.PayDate = date.get();
        else
            Fail("Line %4d - (HDR) Pay Date conversion error - %s", n, date.error());
        return r;
    }

    StepFailure CheckNewZealandAccount(std::string_view digits) const {
        if (digits.size() != 15 && digits.size() != 16) return "Account Number length incorrect - " + std::string(digits);
        if (!check_(digits)) return "Account Number invalid - " + std::string(digits);
        return std::nullopt;
    }

    StepFailure CheckDebitAccount(std::string_view digits) const {
        switch (debitRule_) {
            case DebitRule::BankOwnAccount:
                if (digits.empty() || digits.size() > 10) return "Account Number invalid - " + std::string(digits);
                return std::nullopt;
            case DebitRule::HsbcTwelveDigits:
                if (digits.size() != 12) return "Account Number invalid - " + std::string(digits);
                return std::nullopt;
            case DebitRule::NoCheck:
                return std::nullopt;
            case DebitRule::NewZealand:
                break;
        }
        return CheckNewZealandAccount(digits);
    }

    static StepFailure CheckAmountSign(Money amount) {
        if (amount == Money{}) return "Invalid amount - " + Amount7(amount);
        if (amount < Money{}) return "Amount is negative - " + Amount7(amount);
        return std::nullopt;
    }

    TABADetailRecord Detail(std::string_view text, int n) {
        ++run_.detailCount;
        TABADetailRecord r;

        // Credit Account Number
        {
            const FixedText<16> digits = AccountDigits(CutField(text, AbaField::CreditAccountNumber));
            r.CreditAccountNumber = digits;
            StepFailure failure;
            if (digits.empty())
                failure = "Account Number not supplied";
            else
                failure = CheckNewZealandAccount(digits);
            if (failure) Fail("Line %4d - (DTL) Credit Account Number conversion error - %s", n, *failure);
        }

        // Transaction Code
        r.TransactionCode = CutField(text, AbaField::TransactionCode);
        if (r.TransactionCode.view() != "50" && r.TransactionCode.view() != "53")
            Fail("Line %4d - (DTL) Transaction Code conversion error - %s", n,
                 "Invalid Transaction Code - " + r.TransactionCode.str());

        // Amount: only a good amount counts towards the calculated credit total.
        if (auto amount = ConvertMoney(CutField(text, AbaField::Amount)); amount.ok()) {
            r.Amount = amount.get();
            if (StepFailure failure = CheckAmountSign(r.Amount))
                Fail("Line %4d - (DTL) Amount conversion error - %s", n, *failure);
            else
                creditTotal_ = creditTotal_ + r.Amount;
        } else {
            Fail("Line %4d - (DTL) Amount conversion error - %s", n, amount.error());
        }

        r.AccountTitle = CutField(text, AbaField::AccountTitle);
        if (r.AccountTitle.empty()) Report(Format("Line %4d - (DTL) Title not supplied", n));

        r.LodgementReference = CutField(text, AbaField::LodgementReference);
        if (r.LodgementReference.empty()) Report(Format("Line %4d - (DTL) Reference not supplied", n));

        // Debit Account Number: read and checked on the first detail that has
        // one; every later detail carries that number unread.
        if (!run_.DebitAccount.empty()) {
            r.DebitAccountNumber = run_.DebitAccount;
        } else {
            const FixedText<16> digits = AccountDigits(CutField(text, AbaField::DebitAccountNumber));
            r.DebitAccountNumber = digits;
            run_.DebitAccount = digits.str();
            if (StepFailure failure = CheckDebitAccount(digits))
                Fail("Line %4d - (DTL) Debit Account Number conversion error - %s", n, *failure);
        }

        // Remitter Name: the first non-blank one is carried by every detail.
        if (run_.RemitterName.empty()) run_.RemitterName = std::string(CutField(text, AbaField::RemitterName));
        r.RemitterName = run_.RemitterName;
        if (r.RemitterName.empty()) Report(Format("Line %4d - (DTL) Name not supplied", n));
        return r;
    }

    TABATrailerRecord Trailer(std::string_view text, int n, bool isLast) {
        ++trailers_;
        TABATrailerRecord r;
        if (!isLast) Report(Format("Line %4d - (TRL) Trailer record is not the last record", n));

        auto amountStep = [&](AbaField field, Money& into, bool& converted, const char* failurePattern,
                              bool checkSign) {
            auto amount = ConvertMoney(CutField(text, field));
            converted = amount.ok();
            if (!amount.ok()) {
                Fail(failurePattern, n, amount.error());
                return;
            }
            into = amount.get();
            if (checkSign) {
                if (StepFailure failure = CheckAmountSign(into)) Fail(failurePattern, n, *failure);
            }
        };
        amountStep(AbaField::NetTotalAmount, r.NetTotalAmount, netConverted_,
                   "Line %4d - (TRL) Net Total Amount conversion error - %s", true);
        amountStep(AbaField::CreditAmount, r.CreditAmount, creditConverted_,
                   "Line %4d - (TRL) Credit Amount conversion error - %s", true);
        amountStep(AbaField::DebitAmount, r.DebitAmount, debitConverted_,
                   "Line %4d - (TRL) Debit Amount conversion error - %s", false);

        auto count = ConvertInteger(CutField(text, AbaField::FileCount));
        fileCountConverted_ = count.ok();
        if (count.ok()) {
            r.FileCount = count.get();
            if (r.FileCount == 0)
                Fail("Line %4d - (TRL) File Count conversion error - %s", n, Format("Invalid File Count - %d", 0));
            else if (r.FileCount < 0)
                Fail("Line %4d - (TRL) File Count conversion error - %s", n,
                     Format("File Count is negative - %d", r.FileCount));
        } else {
            Fail("Line %4d - (TRL) File Count conversion error - %s", n, count.error());
        }
        trailer_ = r;
        return r;
    }

    ValidationRun& run_;
    DebitRule debitRule_;
    const AccountCheck& check_;
    int headers_ = 0;
    int trailers_ = 0;
    Money creditTotal_{};
    TABATrailerRecord trailer_{};
    bool netConverted_ = false;
    bool creditConverted_ = false;
    bool debitConverted_ = false;
    bool fileCountConverted_ = false;
};

}  // namespace

bool CheckAccountDigits(std::string_view digits) { return CheckStoredAccount(digits); }

ValidationRun ValidateAbaLines(AbaLines lines, char formatCode, const AccountCheck& check, ProgressSink* progress) {
    ValidationRun run;
    run.lines = std::move(lines);
    if (progress) {
        progress->SetMaximum(run.lines.LinesRead());
        progress->SetPosition(0);
    }
    Validator validator(run, formatCode, check);
    const std::size_t count = run.lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        validator.Line(run.lines[i], static_cast<int>(i + 1), i + 1 == count);
        if (progress) progress->Step();
    }
    validator.FileChecks();
    validator.Summary();
    return run;
}

ValidationOutcome ValidateAbaFile(const std::string& path, char formatCode, const AccountCheck& check,
                                  ProgressSink* progress) {
    ValidationOutcome outcome;
    AbaFileRead read = ReadAbaFile(path);
    if (!read.lines) {
        outcome.problem = FileProblem{"Error Opening ABA File", "Cannot open ABA file.\r\rError: " + read.error};
        return outcome;
    }
    if (read.lines->LinesRead() == 0) {
        outcome.problem = FileProblem{"No Data To Process", "The specified ABA file is empty!"};
        return outcome;
    }
    outcome.run = ValidateAbaLines(std::move(*read.lines), formatCode, check, progress);
    return outcome;
}

}  // namespace billpay
