#include "bankaccount/debit_account_rule.h"

namespace billpay {

namespace {

constexpr std::size_t kBankOwnAccountMaxLength = 10;
constexpr std::size_t kHsbcAccountLength = 12;

std::string Invalid(std::string_view digits) {
    return "Account Number invalid - " + std::string(digits);
}

}  // namespace

std::optional<std::string> NewZealandAccountFailure(std::string_view digits, const AccountCheck& check) {
    if (digits.size() != 15 && digits.size() != 16)
        return "Account Number length incorrect - " + std::string(digits);
    if (!check(digits)) return Invalid(digits);
    return std::nullopt;
}

std::optional<std::string> DebitAccountFailure(DebitRule rule, std::string_view digits,
                                               const AccountCheck& check) {
    switch (rule) {
        case DebitRule::BankOwnAccount:
            if (digits.empty() || digits.size() > kBankOwnAccountMaxLength) return Invalid(digits);
            return std::nullopt;
        case DebitRule::HsbcTwelveDigits:
            if (digits.size() != kHsbcAccountLength) return Invalid(digits);
            return std::nullopt;
        case DebitRule::NoCheck:
            return std::nullopt;
        case DebitRule::NewZealand:
            break;
    }
    return NewZealandAccountFailure(digits, check);
}

}  // namespace billpay
