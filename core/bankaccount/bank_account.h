#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace billpay {

// A New Zealand bank account number: bank number, branch number, customer (base) number and
// suffix, each a text of digits. The stored form is the four parts joined without separators
// (15 digits with a 2-digit suffix, 16 with a 3-digit one); the written form puts "-" between them.
struct BankAccountParts {
    std::string bank, branch, customer, suffix;

    friend bool operator==(const BankAccountParts&, const BankAccountParts&) = default;
};

// Widths of the four parts; the suffix may also be one digit shorter.
inline constexpr std::size_t kBankNumberLength = 2;
inline constexpr std::size_t kBranchNumberLength = 4;
inline constexpr std::size_t kCustomerNumberLength = 7;
inline constexpr std::size_t kSuffixMaxLength = 3;
inline constexpr std::size_t kSuffixMinLength = 2;
inline constexpr std::size_t kStoredFormMaxLength =
    kBankNumberLength + kBranchNumberLength + kCustomerNumberLength + kSuffixMaxLength;

// Characters 1-2, 3-6, 7-13 and 14 onward (at most 3) of a stored form; a part beyond the end of a
// short text is empty.
BankAccountParts SplitStoredForm(std::string_view stored);

// The stored form: each part cut to its width (2, 4, 7 and 3 characters), concatenated in order.
std::string JoinParts(const BankAccountParts& parts);

// The number as shown to the user, e.g. "12-3113-0123457-00"; empty for an empty stored form.
std::string WrittenForm(std::string_view stored);

// Whether the four parts make a valid New Zealand account number by the check-digit rules of its
// bank. Pure and allocation-free; a part holding anything but digits makes the number invalid.
bool CheckBankAccount(std::string_view bank, std::string_view branch, std::string_view customer,
                      std::string_view suffix);

// CheckBankAccount for the parts of a stored form.
bool CheckStoredAccount(std::string_view digits);

// Reads an account number as a person writes it: groups of 2, 4, 7 and 2 or 3 digits separated
// by "-" or blanks, or 15 or 16 digits with no separator. Returns the stored form, or nullopt with
// a short explanation in *reason (when reason is not null). The check digits are not looked at.
std::optional<std::string> ParseAccountNumber(std::string_view text, std::string* reason);

}  // namespace billpay
