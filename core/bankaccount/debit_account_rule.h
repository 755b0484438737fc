#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace billpay {

// Decides whether the digits of an account number (15 or 16 of them) form a
// valid New Zealand bank account number.
using AccountCheck = std::function<bool(std::string_view digits)>;

// How a format's debit account is checked, both when validation reads it from
// the ABA file and when it is given in place of the file's own.
enum class DebitRule {
    NewZealand,        // 15 or 16 digits that pass the New Zealand check
    BankOwnAccount,    // the bank's own account number: 1 to 10 digits
    HsbcTwelveDigits,  // HSBC's own account number: exactly 12 digits
    NoCheck,           // the format takes no debit account
};

// Why the digits of a New Zealand account number fail: its length, then the
// account check; nothing when they pass. The texts are validation's own.
std::optional<std::string> NewZealandAccountFailure(std::string_view digits, const AccountCheck& check);

// Why a debit account's digits fail the rule of its format; nothing when they pass.
std::optional<std::string> DebitAccountFailure(DebitRule rule, std::string_view digits,
                                               const AccountCheck& check);

}  // namespace billpay
