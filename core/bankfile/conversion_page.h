#pragma once

// The rules of the conversion page, shared by the desktop wizard and the
// command line: when Convert may run, which characters an option field
// takes, and what is wrong with the options given for a format.

#include <optional>
#include <string>
#include <string_view>

#include "bankaccount/debit_account_rule.h"

namespace billpay {

// The Convert button's enabling: the file is validated and, where the format
// requires them, the batch number and the preformat reference are not blank
// after trimming. False for a code without a format.
bool CanConvert(char code, bool validated, std::string_view batchNo, std::string_view preformatRef);

// Whether an option field takes a character as typed or pasted: every one but
// the control characters (below 32, and 127).
bool IsAcceptedOptionChar(char c);

enum class OptionField {
    BatchNo,
    PreformatRef,
    Confidential,
    PayerReference,
    PayerParticulars,
    PayerCode,
    DebitAccount,
};

// The options given for a conversion; an option not given is empty.
struct ConversionOptionsGiven {
    std::optional<std::string_view> batchNo;
    std::optional<std::string_view> preformatRef;
    bool confidential = false;
    std::optional<std::string_view> payerReference;
    std::optional<std::string_view> payerParticulars;
    std::optional<std::string_view> payerCode;
    // In place of the debit account the file carries: digits, "-" allowed.
    std::optional<std::string_view> debitAccount;
};

enum class OptionProblemKind {
    NotOffered,
    Missing,  // required and not given
    Blank,    // required and blank after trimming
    TooLong,
    ControlCharacter,
    NotDigits,           // a debit account with something other than digits and "-"
    DebitAccountRefused  // a debit account that fails the format's debit rule
};

// What is wrong with one option. The reason follows the option's name, e.g.
// "is required for format B (BNZ PC Diskette)".
struct OptionProblem {
    OptionField field;
    OptionProblemKind kind;
    std::string reason;
};

// The first problem of the options given for a format, in the order of
// OptionField; nothing when they are fine. A debit account given is checked
// like the file's own by validation, by the format's debit rule and `check`.
std::optional<OptionProblem> CheckConversionOptions(char code, const ConversionOptionsGiven& given,
                                                    const AccountCheck& check);
std::optional<OptionProblem> CheckConversionOptions(char code, const ConversionOptionsGiven& given);

// "B (BNZ PC Diskette)": a format named in a message.
std::string FormatNameForMessage(char code);

}  // namespace billpay
