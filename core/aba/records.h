#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "util/date.h"
#include "util/fixed_text.h"
#include "util/money.h"

namespace billpay {

// The converted fields of one ABA record. Validation attaches one to every
// header, detail and trailer line; the conversion engine reads the file only
// through them. Texts are stored trimmed and cut to their maximum lengths.

struct TABAHeaderRecord {
    char RecordType = '0';
    FixedText<3> FinancialInstitution;
    FixedText<26> LegalName;
    std::int32_t APCANumber = 0;
    FixedText<12> FileDescription;
    Date PayDate{};  // all zero when the field did not convert (no date)
};

struct TABADetailRecord {
    char RecordType = '1';
    FixedText<16> CreditAccountNumber;  // digits only
    FixedText<2> TransactionCode;
    Money Amount{};  // dollars, from the whole cents of the file
    FixedText<32> AccountTitle;
    FixedText<18> LodgementReference;
    FixedText<16> DebitAccountNumber;  // the run's debit account, not necessarily this line's
    FixedText<16> RemitterName;        // the run's remitter name
};

struct TABATrailerRecord {
    char RecordType = '7';
    Money NetTotalAmount{};
    Money CreditAmount{};
    Money DebitAmount{};
    std::int32_t FileCount = 0;
};

using AbaRecord = std::variant<TABAHeaderRecord, TABADetailRecord, TABATrailerRecord>;

}  // namespace billpay
