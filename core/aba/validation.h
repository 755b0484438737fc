#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aba/aba_lines.h"
#include "bankaccount/debit_account_rule.h"
#include "util/progress.h"

namespace billpay {

// The default account check: the New Zealand check digits.
bool CheckAccountDigits(std::string_view digits);

// What one validation run leaves behind.
struct ValidationRun {
    AbaLines lines;                   // the records, each with its parsed record attached
    std::vector<std::string> errors;  // every problem, in the order reported
    std::vector<std::string> memo;    // the errors, or the summary lines of a clean run
    std::string DebitAccount;         // digits of the first detail's debit account that had any
    std::string RemitterName;         // the first non-blank remitter name (17 columns, trimmed)
    int detailCount = 0;

    bool Validated() const { return errors.empty(); }
};

// Validates lines already read. `formatCode` decides how the debit account is
// checked. Progress: maximum = lines read (blank ones included), one step per
// non-blank line. Without a progress sink, lines split into several chunks are
// validated on one thread per chunk: `check` must then be safe to call from
// several threads at once (the default check is).
ValidationRun ValidateAbaLines(AbaLines lines, char formatCode,
                               const AccountCheck& check = CheckAccountDigits,
                               ProgressSink* progress = nullptr);

// A file that could not be validated at all: the message box the user sees.
struct FileProblem {
    std::string caption;
    std::string text;
};

struct ValidationOutcome {
    std::optional<FileProblem> problem;  // set when the file cannot be read or is empty
    ValidationRun run;
};

// Reads and validates the file at `path`. Without a progress sink a large
// file is split and validated on up to `threads` threads.
ValidationOutcome ValidateAbaFile(const std::string& path, char formatCode,
                                  const AccountCheck& check = CheckAccountDigits,
                                  ProgressSink* progress = nullptr, unsigned threads = 1);

}  // namespace billpay
