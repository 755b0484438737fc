#pragma once

#include <string>
#include <string_view>

namespace billpay {

// How the conversion page shows the debit account of a format.
enum class DebitAccountDisplay {
    Grouped,   // bank-branch-base-suffix with "-" between the groups
    AsStored,  // the digits as validation found them
    Empty,     // the format takes no debit account
};

// Which conversion options a format offers, how long they may be and which
// are required before it can convert. A maximum length of 0 means the field
// is not offered. Each format's profile holds its own (bankfile/format_profile.h).
struct FormatOptions {
    char code;
    int batchMaxLength;
    bool batchRequired;
    DebitAccountDisplay debitDisplay;
    std::string_view preformatLabel;  // "Preformat Reference:", "Other Party Particulars:", ...
    int preformatMaxLength;
    bool preformatRequired;
    std::string_view preformatHint;
    bool confidential;  // the confidential tick box is offered
    bool payerFields;   // payer reference, particulars and code are offered
};

inline constexpr int kPayerFieldMaxLength = 12;

// The options of a format code (upper case); nullptr for an unknown code.
const FormatOptions* FindFormatOptions(char code);

// The debit account as the conversion page shows it for a format.
std::string DebitAccountForDisplay(std::string_view debitAccount, DebitAccountDisplay display);

}  // namespace billpay
