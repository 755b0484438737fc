// The conversion page's rules over the 21 formats: when Convert is enabled,
// which characters the fields take, and what is wrong with the options given.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "bankfile/conversion_page.h"
#include "bankfile/format_options.h"
#include "bankfile/format_profile.h"

namespace billpay {
namespace {

constexpr std::string_view kCodes = "GKJSAHDBEVFLXIZNMTUWP";

bool In(std::string_view codes, char code) {
    return codes.find(code) != std::string_view::npos;
}

TEST(ConversionPage, ConvertIsEnabledByValidationAndTheRequiredFields) {
    for (const char code : kCodes) {
        const bool batchRequired = In("BMPT", code);
        const bool preformatRequired = In("ELV", code);
        EXPECT_FALSE(CanConvert(code, false, "12", "Ref")) << code;
        EXPECT_TRUE(CanConvert(code, true, "12", "Ref")) << code;
        EXPECT_EQ(CanConvert(code, true, " \t ", "Ref"), !batchRequired) << code;
        EXPECT_EQ(CanConvert(code, true, "", "Ref"), !batchRequired) << code;
        EXPECT_EQ(CanConvert(code, true, "12", "   "), !preformatRequired) << code;
        EXPECT_TRUE(CanConvert(code, true, " 1 ", " R ")) << code;
    }
    EXPECT_FALSE(CanConvert('Q', true, "12", "Ref"));
    EXPECT_FALSE(CanConvert('p', true, "12", "Ref"));
}

TEST(ConversionPage, FieldsRefuseControlCharacters) {
    for (const int c : {0, 9, 10, 13, 27, 31, 127})
        EXPECT_FALSE(IsAcceptedOptionChar(static_cast<char>(c))) << c;
    for (const int c : {32, int{'0'}, int{'a'}, int{'~'}, 128, 200, 255})
        EXPECT_TRUE(IsAcceptedOptionChar(static_cast<char>(c))) << c;
}

// Which text options each format offers, with their maximum lengths.
struct Offered {
    char code;
    int batch;      // 0: not offered
    int preformat;  // 0: not offered
    bool payer;
    bool confidential;
};

constexpr Offered kOffered[] = {
    {'G', 2, 0, false, false},  {'K', 0, 0, false, false}, {'J', 2, 0, false, false},
    {'S', 0, 0, true, false},   {'A', 0, 0, false, false}, {'H', 2, 0, false, false},
    {'D', 2, 12, false, false}, {'B', 4, 0, false, false}, {'E', 0, 16, false, false},
    {'V', 0, 35, false, false}, {'F', 0, 0, false, false}, {'L', 0, 35, false, true},
    {'X', 0, 0, false, false},  {'I', 0, 0, false, false}, {'Z', 0, 0, false, false},
    {'N', 0, 0, false, false},  {'M', 2, 0, false, false}, {'T', 7, 0, false, false},
    {'U', 4, 0, false, false},  {'W', 0, 0, false, false}, {'P', 3, 0, false, false},
};

// Options that every format accepts: the required ones, nothing else.
ConversionOptionsGiven Minimal(char code) {
    ConversionOptionsGiven given;
    if (In("BMPT", code)) given.batchNo = "1";
    if (In("ELV", code)) given.preformatRef = "Ref";
    return given;
}

std::optional<OptionProblem> Check(char code, const ConversionOptionsGiven& given) {
    return CheckConversionOptions(code, given);
}

TEST(ConversionPage, OptionsOfferedRequiredAndTheirLengths) {
    ASSERT_EQ(std::size(kOffered), kCodes.size());
    for (const Offered& f : kOffered) {
        const std::string name = FormatNameForMessage(f.code);
        SCOPED_TRACE(name);
        EXPECT_FALSE(Check(f.code, Minimal(f.code)).has_value());

        // Each text option: refused where not offered, else taken up to its length.
        struct TextOption {
            OptionField field;
            std::optional<std::string_view> ConversionOptionsGiven::*member;
            int maxLength;
        };
        const TextOption options[] = {
            {OptionField::BatchNo, &ConversionOptionsGiven::batchNo, f.batch},
            {OptionField::PreformatRef, &ConversionOptionsGiven::preformatRef, f.preformat},
            {OptionField::PayerReference, &ConversionOptionsGiven::payerReference, f.payer ? 12 : 0},
            {OptionField::PayerParticulars, &ConversionOptionsGiven::payerParticulars, f.payer ? 12 : 0},
            {OptionField::PayerCode, &ConversionOptionsGiven::payerCode, f.payer ? 12 : 0},
        };
        for (const TextOption& option : options) {
            ConversionOptionsGiven given = Minimal(f.code);
            const std::string longest(static_cast<std::size_t>(option.maxLength > 0 ? option.maxLength : 1),
                                      '7');
            given.*option.member = longest;
            const auto problem = Check(f.code, given);
            if (option.maxLength == 0) {
                ASSERT_TRUE(problem.has_value());
                EXPECT_EQ(problem->field, option.field);
                EXPECT_EQ(problem->kind, OptionProblemKind::NotOffered);
                EXPECT_EQ(problem->reason, "is not offered by format " + name);
                continue;
            }
            EXPECT_FALSE(problem.has_value()) << static_cast<int>(option.field);
            const std::string tooLong = longest + "7";
            given.*option.member = tooLong;
            const auto longProblem = Check(f.code, given);
            ASSERT_TRUE(longProblem.has_value());
            EXPECT_EQ(longProblem->field, option.field);
            EXPECT_EQ(longProblem->reason, "is longer than " + std::to_string(option.maxLength) +
                                               " characters for format " + name);
            given.*option.member = "1\t";
            const auto control = Check(f.code, given);
            ASSERT_TRUE(control.has_value());
            EXPECT_EQ(control->field, option.field);
            EXPECT_EQ(control->kind, OptionProblemKind::ControlCharacter);
        }

        // Required options: missing, or blank after trimming.
        if (In("BMPT", f.code) || In("ELV", f.code)) {
            const OptionField field = In("BMPT", f.code) ? OptionField::BatchNo : OptionField::PreformatRef;
            ConversionOptionsGiven given = Minimal(f.code);
            (field == OptionField::BatchNo ? given.batchNo : given.preformatRef) = std::nullopt;
            auto problem = Check(f.code, given);
            ASSERT_TRUE(problem.has_value());
            EXPECT_EQ(problem->field, field);
            EXPECT_EQ(problem->reason, "is required for format " + name);
            (field == OptionField::BatchNo ? given.batchNo : given.preformatRef) = "   ";
            problem = Check(f.code, given);
            ASSERT_TRUE(problem.has_value());
            EXPECT_EQ(problem->kind, OptionProblemKind::Blank);
            EXPECT_EQ(problem->reason, "must not be blank for format " + name);
        }

        ConversionOptionsGiven confidential = Minimal(f.code);
        confidential.confidential = true;
        const auto problem = Check(f.code, confidential);
        EXPECT_EQ(problem.has_value(), !f.confidential);
        if (problem) {
            EXPECT_EQ(problem->field, OptionField::Confidential);
        }
    }
}

TEST(ConversionPage, DebitAccountGivenPassesTheFormatsDebitRule) {
    struct Case {
        std::string_view account;
        std::string_view acceptedBy;  // the codes that take it
        std::string_view newZealand;  // validation's text for a New Zealand debit account
        std::string_view bankOwn;     // and for the banks' own accounts (E, F, L, V and X)
    };
    constexpr std::string_view kNewZealand = "GKJSAHDBZNMTUWP";
    const Case cases[] = {
        {"12-3113-0123457-00", "GKJSAHDBZNMTUWPI", "", "Account Number invalid - 123113012345700"},
        {"123113012345700", "GKJSAHDBZNMTUWPI", "", "Account Number invalid - 123113012345700"},
        {"12-3113-0123458-00", "I", "Account Number invalid - 123113012345800",
         "Account Number invalid - 123113012345800"},
        {"", "I", "Account Number length incorrect - ", "Account Number invalid - "},
        {"-", "I", "Account Number length incorrect - ", "Account Number invalid - "},
        {"0012345", "EVFLI", "Account Number length incorrect - 0012345", "Account Number invalid - 0012345"},
        {"12345678901", "I", "Account Number length incorrect - 12345678901",
         "Account Number invalid - 12345678901"},
        {"1234-5678-9012", "XI", "Account Number length incorrect - 123456789012",
         "Account Number invalid - 123456789012"},
        {"123456789012345678901234567890", "I",
         "Account Number length incorrect - 123456789012345678901234567890",
         "Account Number invalid - 123456789012345678901234567890"},
    };
    for (const Case& c : cases) {
        for (const char code : kCodes) {
            ConversionOptionsGiven given = Minimal(code);
            given.debitAccount = c.account;
            const auto problem = Check(code, given);
            if (In(c.acceptedBy, code)) {
                EXPECT_FALSE(problem.has_value()) << code << " " << c.account << ": " << problem->reason;
                continue;
            }
            ASSERT_TRUE(problem.has_value()) << code << " " << c.account;
            EXPECT_EQ(problem->field, OptionField::DebitAccount);
            EXPECT_EQ(problem->kind, OptionProblemKind::DebitAccountRefused);
            const std::string_view failure = In(kNewZealand, code) ? c.newZealand : c.bankOwn;
            EXPECT_EQ(problem->reason,
                      "is refused for format " + FormatNameForMessage(code) + ": " + std::string(failure));
        }
    }
    ConversionOptionsGiven letters;
    letters.debitAccount = "12x";
    const auto problem = Check('A', letters);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->kind, OptionProblemKind::NotDigits);
    EXPECT_EQ(problem->reason, "takes digits (and \"-\"), not '12x'");
}

TEST(ConversionPage, EachFormatsPageOptionsAreItsProfiles) {
    for (int i = 0; i < static_cast<int>(kCodes.size()); ++i) {
        const FormatProfile* profile = FormatProfileAt(i);
        ASSERT_NE(profile, nullptr);
        EXPECT_EQ(profile->code, kCodes[static_cast<std::size_t>(i)]);
        EXPECT_EQ(FindFormatProfile(profile->code), profile);
        EXPECT_EQ(FindFormatOptions(profile->code), &*profile->page);
    }
    EXPECT_EQ(FormatProfileAt(-1), nullptr);
    EXPECT_EQ(FormatProfileAt(21), nullptr);
    EXPECT_EQ(FindFormatOptions('Q'), nullptr);
}

}  // namespace
}  // namespace billpay
