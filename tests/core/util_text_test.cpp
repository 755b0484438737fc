#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "util/error_flag.h"
#include "util/text.h"

namespace billpay {
namespace {

TEST(UtilText, TrimRemovesBlanksAndControlCharactersOnly) {
    EXPECT_EQ(Trim("  ab c \t\r\n"), "ab c");
    EXPECT_EQ(Trim("\x01\x1f"
                   "x"
                   "\x20"),
              "x");
    EXPECT_EQ(Trim("   "), "");
    // Characters above 127 are not blanks, although a signed char holds them as negative.
    EXPECT_EQ(Trim("\xA0x\xFF"), "\xA0x\xFF");
    EXPECT_EQ(TrimmedLength(" \t12 "), 2);
    EXPECT_EQ(TrimmedLength(""), 0);
}

TEST(UtilText, SubTextLeftText) {
    struct Case {
        std::string_view text;
        int from, to;
        std::string_view expected;
    };
    const Case cases[] = {
        {"abc", 2, 1, ""}, {"abc", 2, 2, "b"},   {"abc", 1, 3, "abc"}, {"abc", 2, 9, "bc"},
        {"abc", 4, 4, ""}, {"abc", 4, 6, ""},    {"", 1, 1, ""},       {"abc", 0, 2, "ab"},
        {"abc", 0, 0, ""}, {" a ", 1, 3, " a "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SubText(c.text, c.from, c.to), c.expected) << c.text << " " << c.from << "-" << c.to;
    }
    EXPECT_EQ(LeftText("123456789012", 6), "123456");
    EXPECT_EQ(LeftText("12", 6), "12");
    EXPECT_EQ(LeftText("12", 0), "");
}

TEST(UtilText, RightTextComparesWithTheTrimmedLength) {
    struct Case {
        std::string_view text;
        int n;
        std::string_view expected;
    };
    const Case cases[] = {
        {"123456789012", 11, "23456789012"},
        {"123456789012", 12, "123456789012"},
        {"123456789012", 15, "123456789012"},
        {"1234", 0, ""},
        // The last n characters of the untrimmed text, blanks included.
        {"123 ", 2, "3 "},
        // n equals the trimmed length: unchanged, blanks included.
        {"12 ", 2, "12 "},
        {"", 4, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(RightText(c.text, c.n), c.expected) << "'" << c.text << "' " << c.n;
}

TEST(UtilText, RepeatTextAndRemoveFirstChar) {
    EXPECT_EQ(RepeatText("@", 3), "@@@");
    EXPECT_EQ(RepeatText("ab", 2), "abab");
    EXPECT_EQ(RepeatText("@", 0), "");
    EXPECT_EQ(RepeatText("@", -2), "");
    EXPECT_EQ(RepeatText("@", 75).size(), 75u);

    EXPECT_EQ(RemoveFirstChar("1234.50", "."), "123450");
    EXPECT_EQ(RemoveFirstChar("1234", "."), "1234");
    EXPECT_EQ(RemoveFirstChar("1.2.3", "."), "12.3");
    EXPECT_EQ(RemoveFirstChar(".5", ".x"), "5");  // only the first character of the second text counts
    EXPECT_EQ(RemoveFirstChar("1.5", ""), "1.5");
}

TEST(UtilText, PadLeft) {
    struct Case {
        std::string_view text;
        int width;
        std::string_view zeros, spaces;
    };
    const Case cases[] = {
        {"7", 2, "07", " 7"},
        {"123", 2, "12", "12"},
        // Fill for the trimmed length, put before the untrimmed text, then cut.
        {" 5", 3, "00 ", "   "},
        {"5 ", 4, "0005", "   5"},
        {"42", 12, "000000000042", "          42"},
        {"", 3, "000", "   "},
        {"abc", 3, "abc", "abc"},
        {"abc", 0, "", ""},
        // A negative width skips the cut.
        {"abc", -1, "abc", "abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadLeftZeros(c.text, c.width), c.zeros) << "'" << c.text << "' " << c.width;
        EXPECT_EQ(PadLeftSpaces(c.text, c.width), c.spaces) << "'" << c.text << "' " << c.width;
    }
    EXPECT_EQ(PadLeftSpaces("42", 12), std::string(10, ' ') + "42");

    // PadLeftWith is not cut and fills with the first character of fill only.
    EXPECT_EQ(PadLeftWith(" 5", "0", 3), "00 5");
    EXPECT_EQ(PadLeftWith("5", "*#", 3), "**5");
    EXPECT_EQ(PadLeftWith("12345", "0", 3), "12345");
    EXPECT_EQ(PadLeftWith("123", "0", 3), "123");
}

TEST(UtilText, PadRight) {
    struct Case {
        std::string_view text;
        int width;
        std::string_view expected;
    };
    const Case cases[] = {
        {"AB", 4, "AB  "}, {"ABCDEF", 4, "ABCD"}, {"ABCD", 4, "ABCD"}, {"", 2, "  "},
        {" A", 4, " A  "}, {"AB    ", 4, "AB  "}, {"AB", 0, ""},       {"ABC", -1, "ABC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadRightSpaces(c.text, c.width), c.expected) << "'" << c.text << "' " << c.width;
    }
    // PadRightWith appends whole copies of fill for the trimmed length and cuts nothing.
    EXPECT_EQ(PadRightWith("AB", "xy", 4), "ABxyxy");
    EXPECT_EQ(PadRightWith("AB  ", "*", 4), "AB  **");
    EXPECT_EQ(PadRightWith("ABCDEF", "*", 4), "ABCDEF");
}

TEST(UtilText, AccountNumberParts) {
    const std::string_view fifteen = "123456789012345";
    EXPECT_EQ(GetBankPart(fifteen), "12");
    EXPECT_EQ(GetBranchPart(fifteen), "3456");
    EXPECT_EQ(GetBasePart(fifteen), "7890123");
    EXPECT_EQ(GetSuffixPart(fifteen), "45");
    EXPECT_EQ(GetSuffixPart("1234567890123456"), "456");
    // A trailing blank: the trimmed length is still 15.
    EXPECT_EQ(GetSuffixPart("123456789012345 "), "45");
    EXPECT_EQ(GetBankPart(""), "");
}

TEST(UtilText, UpperCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("abc XYZ 09-z\xE9"), "ABC XYZ 09-Z\xE9");
}

TEST(UtilText, SetErrorFlagRaisesFlagAndKeepsMessage) {
    bool flag = false;
    std::string message = "old";
    SetErrorFlag(flag, message, "Invalid account");
    EXPECT_TRUE(flag);
    EXPECT_EQ(message, "Invalid account");
}

}  // namespace
}  // namespace billpay
