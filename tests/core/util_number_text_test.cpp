#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "util/number_text.h"

namespace billpay {
namespace {

TEST(UtilNumberText, StrToNumberReadsAmountsExactly) {
    struct Case {
        std::string_view text, expected;
    };
    const Case cases[] = {
        {"", "0"},
        {"(12.50)", "-12.5"},
        {"$1,234", "1234"},
        {"-", "0"},
        {"abc", "0"},
        {"+5", "5"},
        {"-12.5", "-12.5"},
        {"007", "7"},
        {".5", "0.5"},
        {"5.", "5"},
        {"-0.00", "0"},
        {"1234567890123456789012.0000000000000000001", "1234567890123456789012.0000000000000000001"},
        {"( 1,234.50 )", "-1234.5"},
        // A bracketed amount that has a sign of its own is not made negative again.
        {"(-3)", "-3"},
        {"(+3)", "3"},
        // Only the first (trimmed length) characters count: a leading blank costs the last digit.
        {" 12", "1"},
        {"12  ", "12"},
    };
    for (const Case& c : cases) EXPECT_EQ(StrToNumber(c.text), c.expected) << "'" << c.text << "'";
}

TEST(UtilNumberText, StrToNumberRejectsWhatIsStillNotANumber) {
    const std::string_view invalid[] = {"1.2.3", "+", ".", "-.", "--5", "5-", "1+2", "$+"};
    for (std::string_view text : invalid) {
        EXPECT_THROW(StrToNumber(text), NumberConversionError) << text;
    }
    try {
        StrToNumber("$1.2.3 ");
        FAIL();
    } catch (const NumberConversionError& e) {
        // The message names the text that was read, after the dropped characters.
        EXPECT_STREQ(e.what(), "'1.2.3' is not a valid floating point value");
    }
}

TEST(UtilNumberText, AddNumberTexts) {
    struct Case {
        std::string_view a, b, expected;
    };
    const Case cases[] = {
        {"", "", "0"},
        // An empty side gives the other text unchanged.
        {"", "0012", "0012"},
        {"x1", "", "x1"},
        {"0", "34567890123", "34567890123"},
        {"5", "2.5", "7.5"},
        {"999999999999999999", "1", "1000000000000000000"},
        {"123456789012345678", "876543210987654322", "1000000000000000000"},
        {"007", "0003", "10"},
        {"0", "0", "0"},
        {"-12.5", "12.5", "0"},
        {"0.1", "0.2", "0.3"},
        {"-3", "1.25", "-1.75"},
        {"1.5", "-0.25", "1.25"},
        {"-1.5", "-0.75", "-2.25"},
        {"0.000000000000000001", "1", "1.000000000000000001"},
        {"-1000000000000000000", "1", "-999999999999999999"},
        {"(1.50)", "1", "-0.5"},
        {"$1,000", "1", "1001"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddNumberTexts(c.a, c.b), c.expected) << "'" << c.a << "' + '" << c.b << "'";
    }
    EXPECT_THROW(AddNumberTexts("1.2.3", "1"), NumberConversionError);
    EXPECT_THROW(AddNumberTexts("1", "1.2.3"), NumberConversionError);
}

TEST(UtilNumberText, HashTotalOfManyAccountSlicesIsExact) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::uint64_t> base(0, 9999999);
    std::uniform_int_distribution<std::uint64_t> wide(0, 99999999999ULL);
    std::string total;
    std::uint64_t expected = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t slice = (i % 2 == 0) ? base(random) : wide(random);
        std::string text = std::to_string(slice);
        text.insert(0, (i % 3 == 0) ? 11 - std::min<std::size_t>(11, text.size()) : 0,
                    '0');  // zero-filled slices
        total = AddNumberTexts(total, text);
        expected += slice;
    }
    EXPECT_EQ(total, std::to_string(expected));
}

// Signed amounts with cents, against integer arithmetic in cents.
TEST(UtilNumberText, SignedFractionSumsMatchIntegerArithmetic) {
    auto asText = [](std::int64_t cents) {
        const std::uint64_t magnitude =
            cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s%llu.%02llu", cents < 0 ? "-" : "",
                      static_cast<unsigned long long>(magnitude / 100),
                      static_cast<unsigned long long>(magnitude % 100));
        return std::string(buffer);
    };
    auto canonical = [&](std::int64_t cents) { return StrToNumber(asText(cents)); };
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> amount(-100000000, 100000000);
    std::string total = "0";
    std::int64_t expected = 0;
    for (int i = 0; i < 5000; ++i) {
        const std::int64_t cents = amount(random);
        total = AddNumberTexts(total, asText(cents));
        expected += cents;
        ASSERT_EQ(total, canonical(expected)) << "after " << i;
    }
    EXPECT_EQ(canonical(-1050), "-10.5");
    EXPECT_EQ(canonical(-5), "-0.05");
}

TEST(UtilNumberText, SetToZeroText) {
    std::string text = "123";
    SetToZeroText(text);
    EXPECT_EQ(text, "0");
}

}  // namespace
}  // namespace billpay
