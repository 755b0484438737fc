#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

#include "util/money.h"

namespace billpay {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(UtilMoney, FromCentsReportsOverflow) {
    EXPECT_EQ(Money::FromCents(1234).ticks, 123400);
    EXPECT_EQ(Money::FromCents(-5).ticks, -500);
    ASSERT_TRUE(Money::FromCentsChecked(kMax / 100));
    EXPECT_EQ(Money::FromCentsChecked(kMax / 100)->ticks, kMax / 100 * 100);
    EXPECT_FALSE(Money::FromCentsChecked(kMax / 100 + 1));
    ASSERT_TRUE(Money::FromCentsChecked(kMin / 100));
    EXPECT_FALSE(Money::FromCentsChecked(kMin / 100 - 1));
    EXPECT_THROW(Money::FromCents(kMax), std::overflow_error);
}

TEST(UtilMoney, WholeCentsTruncatesTowardZero) {
    EXPECT_EQ(Money{199}.WholeCents(), 1);
    EXPECT_EQ(Money{-199}.WholeCents(), -1);
    EXPECT_EQ(Money{99}.WholeCents(), 0);
    EXPECT_EQ(Money::FromCents(-123456).WholeCents(), -123456);
}

TEST(UtilMoney, ArithmeticAndComparison) {
    const Money a = Money::FromCents(150);
    const Money b = Money::FromCents(25);
    EXPECT_EQ(a + b, Money::FromCents(175));
    EXPECT_EQ(b - a, Money::FromCents(-125));
    EXPECT_LT(b, a);
    EXPECT_GE(a, a);
    EXPECT_NE(a, b);
    Money total{};
    for (int i = 0; i < 10; ++i) total += b;
    EXPECT_EQ(total, Money::FromCents(250));
}

TEST(UtilMoney, FormatFixed) {
    struct Case {
        std::int64_t ticks;
        int width, decimals;
        std::string expected;
    };
    const Case cases[] = {
        {0, 7, 2, "   0.00"},
        {0, 6, 2, "  0.00"},
        {123456789, 6, 2, "12345.68"},  // wider than the width: nothing is cut
        {-500, 7, 2, "  -0.05"},
        {12345, 0, 2, "1.23"},  // 1.2345: dropped 45 rounds down
        {12350, 0, 2, "1.24"},  // half away from zero
        {-12350, 0, 2, "-1.24"},
        {99995, 0, 2, "10.00"},  // the rounding carries into the dollars
        {-10, 0, 2, "-0.00"},    // a negative amount keeps its sign, as printf does
        {25000, 0, 0, "3"},
        {-25000, 0, 0, "-3"},
        {12345, 0, 4, "1.2345"},
        {12345, 0, 6, "1.234500"},
        {10000, -7, 2, "1.00   "},  // a negative width left-aligns
        {kMax, 0, 2, "922337203685477.58"},
        {kMin, 0, 2, "-922337203685477.58"},
        {kMin, 0, 3, "-922337203685477.581"},
        {kMin, 0, 4, "-922337203685477.5808"},
        {kMax, 22, 4, "  922337203685477.5807"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFixed(Money{c.ticks}, c.width, c.decimals), c.expected)
            << c.ticks << " " << c.width << " " << c.decimals;
    }
}

// Whole-cent amounts, as validation prints them, against printf itself.
TEST(UtilMoney, FormatFixedMatchesPrintfForWholeCents) {
    std::mt19937_64 random(3);
    std::uniform_int_distribution<std::int64_t> cents(-10000000000000LL, 10000000000000LL);
    std::uniform_int_distribution<std::int64_t> small(-100000, 100000);
    char buffer[64];
    for (int i = 0; i < 5000; ++i) {
        const std::int64_t value = (i % 2 == 0) ? cents(random) : small(random);
        for (int width : {6, 7}) {
            std::snprintf(buffer, sizeof buffer, "%*.2f", width, static_cast<double>(value) / 100.0);
            ASSERT_EQ(FormatFixed(Money::FromCents(value), width), buffer) << value;
        }
    }
}

}  // namespace
}  // namespace billpay
