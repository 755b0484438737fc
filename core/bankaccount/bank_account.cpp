#include "bankaccount/bank_account.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "util/text.h"

namespace billpay {

namespace {

constexpr std::size_t kBranchStart = kBankNumberLength;
constexpr std::size_t kCustomerStart = kBranchStart + kBranchNumberLength;
constexpr std::size_t kSuffixStart = kCustomerStart + kCustomerNumberLength;

// The stored form as digit values d1..d16 (index 0..15); d16 is 0 for a 2-digit suffix.
using AccountDigits = std::array<std::uint8_t, kStoredFormMaxLength>;

// A weighted check-digit scheme: the number passes when the weighted digit sum is divisible by
// the modulus. With reduceProducts, each product is first reduced to its repeated digit sum.
struct WeightScheme {
    std::array<std::uint8_t, kStoredFormMaxLength> weights;
    int modulus;
    bool reduceProducts;
};

//                                       d1 d2 d3 d4 d5 d6 d7 d8  d9 d10 d11 d12 d13 d14 d15 d16
constexpr WeightScheme kSchemeA{{0, 0, 6, 3, 7, 9, 0, 10, 5, 8, 4, 2, 1, 0, 0, 0}, 11, false};
constexpr WeightScheme kSchemeB{{0, 0, 0, 0, 0, 0, 0, 10, 5, 8, 4, 2, 1, 0, 0, 0}, 11, false};
constexpr WeightScheme kSchemeD{{0, 0, 0, 0, 0, 0, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0}, 11, false};
constexpr WeightScheme kSchemeF{{0, 0, 0, 0, 0, 0, 1, 7, 3, 1, 7, 3, 1, 0, 0, 0}, 10, false};
constexpr WeightScheme kSchemeG{{0, 0, 0, 0, 0, 0, 1, 3, 7, 1, 3, 7, 1, 3, 7, 1}, 10, true};

// Repeated digit sum down to one digit (56 -> 11 -> 2); 0 stays 0.
constexpr int ReduceToOneDigit(int n) {
    return n == 0 ? 0 : 1 + (n - 1) % 9;
}

bool Passes(const WeightScheme& scheme, const AccountDigits& d) {
    int sum = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        const int product = d[i] * scheme.weights[i];
        sum += scheme.reduceProducts ? ReduceToOneDigit(product) : product;
    }
    return sum % scheme.modulus == 0;
}

enum class BankRule {
    kThreeDigitSuffixScheme,  // the suffix must have 3 digits, then the row's scheme
    kNoCheck,                 // any number of the bank is valid
    kInvalid,                 // the bank number is not in use
    kGeneral,                 // schemes A and B by customer number range, 2-digit suffix under A
    kGeneralEitherSuffix,     // as kGeneral, but a 2- or 3-digit suffix under A
};

struct BankRuleRow {
    int firstBank;
    int lastBank;
    BankRule rule;
    const WeightScheme* scheme;
};

// The first row whose bank range holds the bank number decides; a bank number in no row follows
// the general rule.
constexpr BankRuleRow kBankRules[] = {
    {8, 8, BankRule::kThreeDigitSuffixScheme, &kSchemeD},
    {25, 25, BankRule::kThreeDigitSuffixScheme, &kSchemeF},
    {33, 33, BankRule::kThreeDigitSuffixScheme, &kSchemeF},
    {26, 26, BankRule::kThreeDigitSuffixScheme, &kSchemeG},
    {28, 29, BankRule::kThreeDigitSuffixScheme, &kSchemeG},
    {32, 32, BankRule::kNoCheck, nullptr},
    {0, 0, BankRule::kInvalid, nullptr},
    {4, 5, BankRule::kInvalid, nullptr},
    {7, 7, BankRule::kInvalid, nullptr},
    {10, 10, BankRule::kInvalid, nullptr},
    {34, 34, BankRule::kInvalid, nullptr},
    {36, 37, BankRule::kInvalid, nullptr},
    {39, 99, BankRule::kInvalid, nullptr},
    {35, 35, BankRule::kGeneralEitherSuffix, nullptr},
};

// Customer numbers from this value up use scheme B; from kGeneralCustomerLimit up none applies.
constexpr long kSchemeBFirstCustomer = 990000;
constexpr long kGeneralCustomerLimit = 999999;

// Customer numbers that the bank rules accept whatever the rest of the number holds.
constexpr std::array<std::string_view, 6> kAlwaysValidCustomerNumbers{
    "0998907", "0999993", "9999993", "9999977", "9999985", "9999999",
};

bool IsAlwaysValidCustomerNumber(std::string_view customer) {
    return std::find(kAlwaysValidCustomerNumbers.begin(), kAlwaysValidCustomerNumbers.end(), customer) !=
           kAlwaysValidCustomerNumbers.end();
}

bool BankRuleAccepts(const AccountDigits& d, std::size_t suffixLength) {
    const int bank = d[0] * 10 + d[1];
    long customer = 0;
    for (std::size_t i = kCustomerStart; i < kSuffixStart; ++i) customer = customer * 10 + d[i];

    const BankRuleRow* row = nullptr;
    for (const BankRuleRow& candidate : kBankRules) {
        if (bank >= candidate.firstBank && bank <= candidate.lastBank) {
            row = &candidate;
            break;
        }
    }
    const BankRule rule = row != nullptr ? row->rule : BankRule::kGeneral;

    switch (rule) {
        case BankRule::kThreeDigitSuffixScheme:
            return suffixLength == 3 && Passes(*row->scheme, d);
        case BankRule::kNoCheck:
            return true;
        case BankRule::kInvalid:
            return false;
        case BankRule::kGeneral:
        case BankRule::kGeneralEitherSuffix:
            break;
    }
    if (customer < kSchemeBFirstCustomer) {
        const bool suffixFits =
            suffixLength == 2 || (rule == BankRule::kGeneralEitherSuffix && suffixLength == 3);
        return suffixFits && Passes(kSchemeA, d);
    }
    if (customer < kGeneralCustomerLimit) return Passes(kSchemeB, d);
    return false;
}

// Characters [start, start + length) of a stored form, empty past its end.
std::string_view StoredPart(std::string_view stored, std::size_t start, std::size_t length) {
    return start < stored.size() ? stored.substr(start, length) : std::string_view();
}

}  // namespace

BankAccountParts SplitStoredForm(std::string_view stored) {
    return {std::string(StoredPart(stored, 0, kBankNumberLength)),
            std::string(StoredPart(stored, kBranchStart, kBranchNumberLength)),
            std::string(StoredPart(stored, kCustomerStart, kCustomerNumberLength)),
            std::string(StoredPart(stored, kSuffixStart, kSuffixMaxLength))};
}

std::string JoinParts(const BankAccountParts& parts) {
    std::string stored;
    stored.reserve(kStoredFormMaxLength);
    stored.append(std::string_view(parts.bank).substr(0, kBankNumberLength));
    stored.append(std::string_view(parts.branch).substr(0, kBranchNumberLength));
    stored.append(std::string_view(parts.customer).substr(0, kCustomerNumberLength));
    stored.append(std::string_view(parts.suffix).substr(0, kSuffixMaxLength));
    return stored;
}

std::string WrittenForm(std::string_view stored) {
    if (stored.empty()) return {};
    const BankAccountParts parts = SplitStoredForm(stored);
    return parts.bank + "-" + parts.branch + "-" + parts.customer + "-" + parts.suffix;
}

bool CheckBankAccount(std::string_view bank, std::string_view branch, std::string_view customer,
                      std::string_view suffix) {
    // A part that is not all digits (a pasted letter or blank) cannot be read as a number. Since a
    // blank counts as such, the completeness test below needs no trimming.
    if (!AllDigits(bank) || !AllDigits(branch) || !AllDigits(customer) || !AllDigits(suffix)) return false;

    // Completeness.
    if (bank.size() < kBankNumberLength || branch.size() < kBranchNumberLength ||
        customer.size() < kCustomerNumberLength || suffix.size() < kSuffixMinLength) {
        return false;
    }

    // Each part cut to its width, then joined: d1..d16.
    const std::string_view cutCustomer = customer.substr(0, kCustomerNumberLength);
    const std::string_view cutSuffix = suffix.substr(0, kSuffixMaxLength);
    AccountDigits d{};
    auto place = [&d](std::size_t start, std::string_view part) {
        for (std::size_t i = 0; i < part.size(); ++i) d[start + i] = static_cast<std::uint8_t>(part[i] - '0');
    };
    place(0, bank.substr(0, kBankNumberLength));
    place(kBranchStart, branch.substr(0, kBranchNumberLength));
    place(kCustomerStart, cutCustomer);
    place(kSuffixStart, cutSuffix);

    // An over-long part leaves the bank rule unapplied.
    const bool shapeFits = bank.size() == kBankNumberLength && branch.size() == kBranchNumberLength &&
                           customer.size() == kCustomerNumberLength && suffix.size() <= kSuffixMaxLength;
    const bool valid = shapeFits && BankRuleAccepts(d, suffix.size());

    return valid || IsAlwaysValidCustomerNumber(cutCustomer);
}

bool CheckStoredAccount(std::string_view digits) {
    return CheckBankAccount(StoredPart(digits, 0, kBankNumberLength),
                            StoredPart(digits, kBranchStart, kBranchNumberLength),
                            StoredPart(digits, kCustomerStart, kCustomerNumberLength),
                            StoredPart(digits, kSuffixStart, kSuffixMaxLength));
}

std::optional<std::string> ParseAccountNumber(std::string_view text, std::string* reason) {
    auto fail = [reason](std::string why) -> std::optional<std::string> {
        if (reason != nullptr) *reason = std::move(why);
        return std::nullopt;
    };
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };

    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return fail("no account number given");
    for (char c : text) {
        if (!IsDigit(c) && c != '-' && !isBlank(c)) return fail("not a number: letters or other characters");
    }

    // Digit groups. Each "-" separates two groups, with any blanks around it; without a "-", a run
    // of blanks separates them. Two "-" in a row, or one at either end, leave an empty group that
    // the shape test below refuses.
    std::string digits;
    std::vector<std::size_t> groups;
    std::size_t pieceStart = 0;
    while (pieceStart <= text.size()) {
        const std::size_t hyphen = std::min(text.find('-', pieceStart), text.size());
        const std::string_view piece = text.substr(pieceStart, hyphen - pieceStart);
        std::size_t run = 0;
        bool anyDigit = false;
        for (char c : piece) {
            if (IsDigit(c)) {
                digits.push_back(c);
                ++run;
                anyDigit = true;
            } else if (run > 0) {
                groups.push_back(run);
                run = 0;
            }
        }
        if (run > 0 || !anyDigit) groups.push_back(run);
        pieceStart = hyphen + 1;
    }

    if (digits.size() != kStoredFormMaxLength - 1 && digits.size() != kStoredFormMaxLength) {
        std::string why = "wrong length: ";
        why += std::to_string(digits.size());
        why += " digits, expected 15 or 16";
        return fail(std::move(why));
    }
    if (groups.size() == 1) return digits;

    const bool shapeFits = groups.size() == 4 && groups[0] == kBankNumberLength &&
                           groups[1] == kBranchNumberLength && groups[2] == kCustomerNumberLength &&
                           (groups[3] == kSuffixMinLength || groups[3] == kSuffixMaxLength);
    if (!shapeFits) {
        std::string shape;
        for (std::size_t g : groups) {
            if (!shape.empty()) shape += '-';
            shape += std::to_string(g);
        }
        std::string why = "wrong grouping: ";
        why += shape;
        why += " digits, expected 2-4-7-2 or 2-4-7-3";
        return fail(std::move(why));
    }
    return digits;
}

}  // namespace billpay
