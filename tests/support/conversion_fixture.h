#pragma once

// Shared helpers of the format family tests: hand-made ABA runs, a conversion
// by a fresh engine with a recording host and a ticking clock, and pieces for
// reading the records it writes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "aba/aba_lines.h"
#include "aba/records.h"
#include "bankfile/bank_file.h"
#include "bankfile/conversion_host.h"
#include "recording_host.h"
#include "util/clock.h"
#include "util/date.h"
#include "util/money.h"
#include "util/text_lines.h"

namespace billpay::testing {

// One payment of a hand-made run; a title or reference left out is the run's.
struct Payment {
    std::string account;  // digits only
    std::int64_t cents = 0;
    std::optional<std::string> title = std::nullopt;
    std::optional<std::string> reference = std::nullopt;
};

// What the records of a hand-made run share.
struct RunDefaults {
    Date payDate{2024, 12, 25};
    std::string remitter = "ACME PAYROLL";  // every detail carries the run's remitter name
    std::string title = "J Smith";
    std::string reference = "Wages Dec";
    std::string debitAccountNumber = "";  // left empty unless given
    std::string transactionCode = "";     // left empty unless given
};

// An ABA run as validation leaves it: a header, a detail per payment and a
// trailer, each line with its parsed record attached.
inline AbaLines MakeAbaRun(const std::vector<Payment>& payments, const RunDefaults& run = {}) {
    AbaLines lines = AbaLines::FromLines(std::vector<std::string>(payments.size() + 2, "record"));
    TABAHeaderRecord header;
    header.PayDate = run.payDate;
    lines[0].record = header;
    for (std::size_t i = 0; i < payments.size(); ++i) {
        const Payment& payment = payments[i];
        TABADetailRecord detail;
        detail.CreditAccountNumber = payment.account;
        detail.TransactionCode = run.transactionCode;
        detail.Amount = Money::FromCents(payment.cents);
        detail.AccountTitle = payment.title.value_or(run.title);
        detail.LodgementReference = payment.reference.value_or(run.reference);
        detail.DebitAccountNumber = run.debitAccountNumber;
        detail.RemitterName = run.remitter;
        lines[i + 1].record = detail;
    }
    lines[payments.size() + 1].record = TABATrailerRecord{};
    return lines;
}

// What a conversion gave, and the engine's hash totals afterwards.
struct Converted {
    bool ok = false;
    std::vector<std::string> lines;
    std::vector<RecordingHost::Message> messages;
    std::string hashTotal;
    std::string hashTotalText;
};

// The options of a conversion page where only the debit account and the
// batch number are entered.
inline ConversionOptions DebitAndBatch(std::string debitAccount, std::string batchNo = "") {
    ConversionOptions options;
    options.DebitAccount = std::move(debitAccount);
    options.BatchNo = std::move(batchNo);
    return options;
}

// Converted by a fresh engine whose ticking clock starts at `today`, `time`.
inline Converted RunConversion(char code, const AbaLines& run, const ConversionOptions& options, Date today,
                               TimeOfDay time = {9, 30, 0, 0}) {
    RecordingHost host;
    TickingClock clock(today, time);
    TBankFile bf(host, clock);
    TextLines out;
    Converted result;
    result.ok = bf.CreateBankFile(run, code, options, out);
    result.lines = out.ToVector();
    result.messages = host.messages;
    result.hashTotal = bf.HashTotal;
    result.hashTotalText = bf.Result().HashTotalText;
    return result;
}

// Columns first to last (1-based, inclusive) of a record.
inline std::string Cols(const std::string& record, int first, int last) {
    return record.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1));
}

inline std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// An expected record: its fields in column order.
inline std::string Record(std::initializer_list<std::string> fields) {
    std::string record;
    for (const std::string& field : fields) record += field;
    return record;
}

// The fields of a delimited line.
inline std::vector<std::string> SplitFields(std::string_view line, char delimiter) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == delimiter) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace billpay::testing
