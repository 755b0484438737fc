#include "aba/validation.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <span>
#include <thread>

#include "aba/aba_file.h"
#include "aba/field_conversion.h"
#include "bankaccount/bank_account.h"
#include "bankaccount/debit_account_rule.h"
#include "bankfile/format_profile.h"
#include "util/money.h"
#include "util/parallel_tasks.h"

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

std::string Amount7(Money m) {
    return FormatFixed(m, 7);
}
std::string Amount6(Money m) {
    return FormatFixed(m, 6);
}

// A conversion step's verdict: empty when it passed, else the failure text.
using StepFailure = std::optional<std::string>;

// The format's own rule for its debit account; a code without a format checks
// a New Zealand account.
DebitRule DebitRuleFor(char formatCode) {
    const FormatProfile* profile = FindFormatProfile(formatCode);
    return profile != nullptr ? *profile->debitRule : DebitRule::NewZealand;
}

// Where the run-wide debit account and remitter name come from: the first
// detail record whose Debit Account Number holds a digit, and the first whose
// Remitter Name is not blank. Every detail before such a record reads its own
// (empty) field, the record itself sets the value, every later one carries it.
struct RunWideFields {
    std::size_t debitLine = SIZE_MAX;  // index of the detail that sets DebitAccount
    std::string debitAccount;
    std::size_t remitterLine = SIZE_MAX;  // index of the detail that sets RemitterName
    std::string remitterName;
};

bool IsDetailRecord(std::string_view text) {
    return text.size() == static_cast<std::size_t>(kAbaRecordLength) && text[0] == '1';
}

RunWideFields FindRunWideFields(const AbaLines& lines) {
    RunWideFields found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text;
        if (!IsDetailRecord(text)) continue;
        if (found.debitLine == SIZE_MAX) {
            const FixedText<16> digits = AccountDigits(CutField(text, AbaField::DebitAccountNumber));
            if (!digits.empty()) {
                found.debitLine = i;
                found.debitAccount = digits.str();
            }
        }
        if (found.remitterLine == SIZE_MAX) {
            const std::string_view name = CutField(text, AbaField::RemitterName);
            if (!name.empty()) {
                found.remitterLine = i;
                found.remitterName = std::string(name);
            }
        }
        if (found.debitLine != SIZE_MAX && found.remitterLine != SIZE_MAX) break;
    }
    return found;
}

// What the records of one stretch of lines contribute to the file checks.
struct Tally {
    std::vector<std::string> errors;
    int headers = 0;
    int trailers = 0;
    int details = 0;
    Money creditTotal{};
    bool hasTrailer = false;      // a trailer record was seen in this stretch
    TABATrailerRecord trailer{};  // the last one
    bool netConverted = false;
    bool creditConverted = false;
    bool debitConverted = false;
    bool fileCountConverted = false;

    // Adds a later stretch's tally.
    void Append(Tally&& later) {
        errors.insert(errors.end(), std::make_move_iterator(later.errors.begin()),
                      std::make_move_iterator(later.errors.end()));
        headers += later.headers;
        trailers += later.trailers;
        details += later.details;
        creditTotal = creditTotal + later.creditTotal;
        if (later.hasTrailer) {
            hasTrailer = true;
            trailer = later.trailer;
            netConverted = later.netConverted;
            creditConverted = later.creditConverted;
            debitConverted = later.debitConverted;
            fileCountConverted = later.fileCountConverted;
        }
    }
};

// Converts and checks the records of one stretch of lines. Stretches are
// independent, so a large file can be validated on several cores.
class RecordValidator {
public:
    RecordValidator(const RunWideFields& runWide, std::size_t lastLine, char formatCode,
                    const AccountCheck& check, Tally& tally)
        : runWide_(runWide),
          lastLine_(lastLine),
          debitRule_(DebitRuleFor(formatCode)),
          check_(check),
          tally_(tally) {}

    // `index` is the line's 0-based position in the whole file.
    void Line(AbaLine& line, std::size_t index) {
        const int n = static_cast<int>(index + 1);
        const std::string_view text = line.text;
        if (text.size() != static_cast<std::size_t>(kAbaRecordLength)) {
            Report(Format("Line %4d - Record length incorrect (%d) - record not processed", n,
                          static_cast<int>(text.size())));
            return;
        }
        switch (text[0]) {
            // Each record is built in place in its line's slot.
            case '0':
                Header(text, n,
                       std::get<TABAHeaderRecord>(line.record.emplace(std::in_place_type<TABAHeaderRecord>)));
                break;
            case '1':
                Detail(text, index, n,
                       std::get<TABADetailRecord>(line.record.emplace(std::in_place_type<TABADetailRecord>)));
                break;
            case '7':
                Trailer(
                    text, n, index == lastLine_,
                    std::get<TABATrailerRecord>(line.record.emplace(std::in_place_type<TABATrailerRecord>)));
                break;
            default:
                Report(Format("Line %4d - (\?\?\?) Unrecognised Record Type conversion error - %s", n,
                              std::string(1, text[0]).c_str()));
                break;
        }
    }

private:
    void Report(std::string text) { tally_.errors.push_back(std::move(text)); }

    void Fail(const char* pattern, int n, const std::string& failure) {
        Report(Format(pattern, n, failure.c_str()));
    }

    void Header(std::string_view text, int n, TABAHeaderRecord& r) {
        ++tally_.headers;
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
    }

    static StepFailure CheckAmountSign(Money amount) {
        if (amount == Money{}) return "Invalid amount - " + Amount7(amount);
        if (amount < Money{}) return "Amount is negative - " + Amount7(amount);
        return std::nullopt;
    }

    void Detail(std::string_view text, std::size_t index, int n, TABADetailRecord& r) {
        ++tally_.details;

        // Credit Account Number
        {
            const FixedText<16> digits = AccountDigits(CutField(text, AbaField::CreditAccountNumber));
            r.CreditAccountNumber = digits;
            StepFailure failure;
            if (digits.empty())
                failure = "Account Number not supplied";
            else
                failure = NewZealandAccountFailure(digits, check_);
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
                tally_.creditTotal = tally_.creditTotal + r.Amount;
        } else {
            Fail("Line %4d - (DTL) Amount conversion error - %s", n, amount.error());
        }

        r.AccountTitle = CutField(text, AbaField::AccountTitle);
        if (r.AccountTitle.empty()) Report(Format("Line %4d - (DTL) Title not supplied", n));

        r.LodgementReference = CutField(text, AbaField::LodgementReference);
        if (r.LodgementReference.empty()) Report(Format("Line %4d - (DTL) Reference not supplied", n));

        // Debit Account Number: read and checked up to the first detail that
        // has one (so a bad number is reported once); every later detail
        // carries that number unread.
        if (index > runWide_.debitLine) {
            r.DebitAccountNumber = runWide_.debitAccount;
        } else {
            const FixedText<16> digits = AccountDigits(CutField(text, AbaField::DebitAccountNumber));
            r.DebitAccountNumber = digits;
            if (StepFailure failure = DebitAccountFailure(debitRule_, digits, check_))
                Fail("Line %4d - (DTL) Debit Account Number conversion error - %s", n, *failure);
        }

        // Remitter Name: the first non-blank one is carried by every detail.
        if (index >= runWide_.remitterLine) r.RemitterName = runWide_.remitterName;
        if (r.RemitterName.empty()) Report(Format("Line %4d - (DTL) Name not supplied", n));
    }

    void Trailer(std::string_view text, int n, bool isLast, TABATrailerRecord& r) {
        ++tally_.trailers;
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
        amountStep(AbaField::NetTotalAmount, r.NetTotalAmount, tally_.netConverted,
                   "Line %4d - (TRL) Net Total Amount conversion error - %s", true);
        amountStep(AbaField::CreditAmount, r.CreditAmount, tally_.creditConverted,
                   "Line %4d - (TRL) Credit Amount conversion error - %s", true);
        amountStep(AbaField::DebitAmount, r.DebitAmount, tally_.debitConverted,
                   "Line %4d - (TRL) Debit Amount conversion error - %s", false);

        auto count = ConvertInteger(CutField(text, AbaField::FileCount));
        tally_.fileCountConverted = count.ok();
        if (count.ok()) {
            r.FileCount = count.get();
            if (r.FileCount == 0)
                Fail("Line %4d - (TRL) File Count conversion error - %s", n,
                     Format("Invalid File Count - %d", 0));
            else if (r.FileCount < 0)
                Fail("Line %4d - (TRL) File Count conversion error - %s", n,
                     Format("File Count is negative - %d", r.FileCount));
        } else {
            Fail("Line %4d - (TRL) File Count conversion error - %s", n, count.error());
        }
        tally_.hasTrailer = true;
        tally_.trailer = r;
    }

    const RunWideFields& runWide_;
    std::size_t lastLine_;
    DebitRule debitRule_;
    const AccountCheck& check_;
    Tally& tally_;
};

// The checks of the file as a whole, against its one trailer.
void FileChecks(const Tally& t, std::vector<std::string>& errors) {
    if (t.headers == 0) errors.emplace_back("Header record missing");
    if (t.headers > 1) errors.push_back(Format("Multiple header records in file (%d)", t.headers));
    if (t.trailers == 0) {
        errors.emplace_back("Trailer record missing");
        return;
    }
    if (t.trailers > 1) {
        errors.push_back(Format("Multiple trailer records in file (%d)", t.trailers));
        return;
    }
    // A comparison with a trailer field that did not convert is skipped: its
    // conversion error is already reported, so the file fails anyway.
    const TABATrailerRecord& r = t.trailer;
    if (t.fileCountConverted && r.FileCount != t.details)
        errors.push_back(
            Format("Number of detail records processed (%d) does not match transaction count on ABA "
                   "trailer record (%d)",
                   t.details, r.FileCount));
    if (t.netConverted && t.creditConverted && r.NetTotalAmount != r.CreditAmount)
        errors.push_back(Format("Net Total on ABA trailer record (%s) not equal to Credit Total (%s)",
                                Amount6(r.NetTotalAmount).c_str(), Amount6(r.CreditAmount).c_str()));
    if (t.debitConverted && r.DebitAmount != Money{})
        errors.emplace_back("ABA file cannot contain direct debit transactions (Transaction Code 13)");
    if (t.creditConverted && r.CreditAmount != t.creditTotal)
        errors.push_back(
            Format("Calculated transaction balance (%s) does not match Credit Balance on ABA trailer "
                   "record (%s)",
                   Amount6(t.creditTotal).c_str(), Amount6(r.CreditAmount).c_str()));
}

}  // namespace

bool CheckAccountDigits(std::string_view digits) {
    return CheckStoredAccount(digits);
}

ValidationRun ValidateAbaLines(AbaLines lines, char formatCode, const AccountCheck& check,
                               ProgressSink* progress) {
    ValidationRun run;
    run.lines = std::move(lines);
    AbaLines& all = run.lines;
    if (progress) {
        progress->SetMaximum(all.LinesRead());
        progress->SetPosition(0);
    }
    const RunWideFields runWide = FindRunWideFields(all);
    const std::size_t lastLine = all.empty() ? 0 : all.size() - 1;

    // Each chunk of lines is validated on a core of its own; their tallies
    // are then joined in file order, so the results read exactly as one pass
    // over the file would give them. With a progress bar to drive, the chunks
    // are validated one after another on the calling thread, which steps it
    // line by line.
    std::vector<Tally> tallies(std::max<std::size_t>(all.ChunkCount(), 1));
    auto validateChunk = [&](std::size_t k) {
        RecordValidator validator(runWide, lastLine, formatCode, check, tallies[k]);
        std::span<AbaLine> chunk = all.Chunk(k);
        const std::size_t start = all.ChunkStart(k);
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            validator.Line(chunk[i], start + i);
            if (progress) progress->Step();
        }
    };
    if (progress) {
        for (std::size_t k = 0; k < all.ChunkCount(); ++k) validateChunk(k);
    } else {
        RunParallelTasks(all.ChunkCount(), validateChunk);
    }

    Tally total = std::move(tallies[0]);
    for (std::size_t k = 1; k < tallies.size(); ++k) total.Append(std::move(tallies[k]));
    FileChecks(total, total.errors);

    run.errors = std::move(total.errors);
    run.memo = run.errors;
    run.detailCount = total.details;
    run.DebitAccount = runWide.debitAccount;
    run.RemitterName = runWide.remitterName;
    if (run.errors.empty()) {
        run.memo.emplace_back("Validation Completed OK");
        run.memo.push_back(Format("File Contains %d Transactions", total.details));
        run.memo.push_back(
            Format("Direct Credit Balance is $%s", Amount6(total.trailer.CreditAmount).c_str()));
    }
    return run;
}

ValidationOutcome ValidateAbaFile(const std::string& path, char formatCode, const AccountCheck& check,
                                  ProgressSink* progress, unsigned threads) {
    ValidationOutcome outcome;
    AbaFileRead read = ReadAbaFile(path, progress ? 1 : threads);
    if (!read.lines) {
        outcome.problem =
            FileProblem{"Error Opening ABA File", "Cannot open ABA file.\r\rError: " + read.error};
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
