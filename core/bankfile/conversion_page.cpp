#include "bankfile/conversion_page.h"

#include <utility>

#include "bankaccount/bank_account.h"
#include "bankfile/format_profile.h"
#include "util/text.h"

namespace billpay {

namespace {

// How one text option may be given for a format: its maximum length (0: not
// offered) and whether it is required.
struct TextOptionRule {
    OptionField field;
    int maxLength;
    bool required;
};

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (!IsAcceptedOptionChar(c)) return true;
    }
    return false;
}

std::optional<OptionProblem> CheckTextOption(const TextOptionRule& rule,
                                             const std::optional<std::string_view>& value,
                                             const std::string& format) {
    using enum OptionProblemKind;
    if (!value) {
        if (rule.required) return OptionProblem{rule.field, Missing, "is required for format " + format};
        return std::nullopt;
    }
    if (rule.maxLength == 0)
        return OptionProblem{rule.field, NotOffered, "is not offered by format " + format};
    if (HasControlCharacter(*value))
        return OptionProblem{rule.field, ControlCharacter, "must not contain a control character"};
    if (rule.required && TrimView(*value).empty())
        return OptionProblem{rule.field, Blank, "must not be blank for format " + format};
    if (static_cast<int>(value->size()) > rule.maxLength)
        return OptionProblem{
            rule.field, TooLong,
            "is longer than " + std::to_string(rule.maxLength) + " characters for format " + format};
    return std::nullopt;
}

std::optional<OptionProblem> CheckDebitAccountOption(std::string_view given, DebitRule rule,
                                                     const AccountCheck& check, const std::string& format) {
    using enum OptionProblemKind;
    constexpr OptionField kField = OptionField::DebitAccount;
    if (HasControlCharacter(given))
        return OptionProblem{kField, ControlCharacter, "must not contain a control character"};
    std::string digits;
    for (const char c : given) {
        if (c == '-') continue;
        if (c < '0' || c > '9')
            return OptionProblem{kField, NotDigits,
                                 "takes digits (and \"-\"), not '" + std::string(given) + "'"};
        digits.push_back(c);
    }
    if (const std::optional<std::string> failure = DebitAccountFailure(rule, digits, check))
        return OptionProblem{kField, DebitAccountRefused,
                             "is refused for format " + format + ": " + *failure};
    return std::nullopt;
}

}  // namespace

bool CanConvert(char code, bool validated, std::string_view batchNo, std::string_view preformatRef) {
    const FormatProfile* profile = FindFormatProfile(code);
    if (profile == nullptr || !validated) return false;
    if (profile->page->batchRequired && TrimView(batchNo).empty()) return false;
    if (profile->page->preformatRequired && TrimView(preformatRef).empty()) return false;
    return true;
}

bool IsAcceptedOptionChar(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 32 && code != 127;
}

std::string FormatNameForMessage(char code) {
    const FormatProfile* profile = FindFormatProfile(code);
    return std::string(1, code) + " (" + std::string(profile != nullptr ? profile->listText : "") + ")";
}

std::optional<OptionProblem> CheckConversionOptions(char code, const ConversionOptionsGiven& given,
                                                    const AccountCheck& check) {
    const FormatProfile* profile = FindFormatProfile(code);
    const std::string format = FormatNameForMessage(code);
    // A code without a format offers nothing.
    const FormatOptions page =
        profile != nullptr
            ? *profile->page
            : FormatOptions{code, 0, false, DebitAccountDisplay::Empty, {}, 0, false, {}, false, false};
    const int payerLength = page.payerFields ? kPayerFieldMaxLength : 0;
    const std::pair<TextOptionRule, const std::optional<std::string_view>*> textOptions[] = {
        {{OptionField::BatchNo, page.batchMaxLength, page.batchRequired}, &given.batchNo},
        {{OptionField::PreformatRef, page.preformatMaxLength, page.preformatRequired}, &given.preformatRef},
        {{OptionField::PayerReference, payerLength, false}, &given.payerReference},
        {{OptionField::PayerParticulars, payerLength, false}, &given.payerParticulars},
        {{OptionField::PayerCode, payerLength, false}, &given.payerCode},
    };
    for (const auto& [rule, value] : textOptions) {
        if (auto problem = CheckTextOption(rule, *value, format)) return problem;
    }
    if (given.confidential && !page.confidential)
        return OptionProblem{OptionField::Confidential, OptionProblemKind::NotOffered,
                             "is not offered by format " + format};
    if (given.debitAccount) {
        const DebitRule rule = profile != nullptr ? *profile->debitRule : DebitRule::NewZealand;
        return CheckDebitAccountOption(*given.debitAccount, rule, check, format);
    }
    return std::nullopt;
}

std::optional<OptionProblem> CheckConversionOptions(char code, const ConversionOptionsGiven& given) {
    return CheckConversionOptions(code, given, CheckStoredAccount);
}

}  // namespace billpay
