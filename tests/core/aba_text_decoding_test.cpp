#include "aba/text_decoding.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <string>
#include <string_view>

namespace billpay {
namespace {

using namespace std::literals;

struct DecodingCase {
    const char* name;
    std::string_view bytes;
    std::string_view text;
};

// Test names and failure messages show the case by its name.
void PrintTo(const DecodingCase& c, std::ostream* os) {
    *os << c.name;
}

// Hex escapes are split off with "" where a letter a-f follows, so the
// compiler does not read it as part of the escape.
const DecodingCase kDecodingCases[] = {
    // Plain ASCII, line ends, NUL and control characters are kept as they are.
    {"Ascii", "0 ABC 123\r\n1 x\ty\r7\n"sv, "0 ABC 123\r\n1 x\ty\r7\n"sv},
    {"AsciiWithNulAndControls",
     "a\0b\x01\x1F\x7F"
     "c"sv,
     "a\0b\x01\x1F\x7F"
     "c"sv},
    {"Empty", ""sv, ""sv},

    // UTF-8 byte-order mark.
    {"Utf8BomDropped",
     "\xEF\xBB\xBF"
     "0ABC\r\n"sv,
     "0ABC\r\n"sv},
    {"Utf8BomOnly", "\xEF\xBB\xBF"sv, ""sv},
    {"Utf8BomOnlyAtStart", "A\xEF\xBB\xBF"sv, "A?"sv},
    {"Utf8BomThenWindows1252",
     "\xEF\xBB\xBF"
     "Caf\xE9"sv,
     "Cafe"sv},

    // UTF-8 letters fold to their base letter, one character each.
    {"Macrons",
     "T\xC4\x81maki \xC4\x80\xC4\x92\xC4\xAA\xC5\x8C\xC5\xAA \xC4\x81\xC4\x93\xC4\xAB\xC5\x8D\xC5\xAB"sv,
     "Tamaki AEIOU aeiou"sv},
    {"Latin1Letters",
     "\xC3\x80\xC3\x87\xC3\x89\xC3\x91\xC3\x96\xC3\x9C\xC3\x9D\xC3\xA5\xC3\xA7\xC3\xA8\xC3\xBF"sv,
     "ACENOUYacey"sv},
    {"SpecialLetters",
     "\xC3\x9F\xC3\xA6\xC3\x86\xC5\x93\xC5\x92\xC3\xB8\xC3\x98\xC4\x91\xC3\xB0\xC3\xBE\xC5\x82\xC4\xB1"sv,
     "saAoOoOddtli"sv},
    {"ExtendedLetters", "Vi\xE1\xBB\x87t \xC8\x98\xC8\x9B \xC5\xBD\xC5\xBE \xC6\x92"sv, "Viet St Zz f"sv},
    {"Spaces",
     "a\xC2\xA0"
     "b\xE2\x80\x83"
     "c\xE2\x80\xAF"
     "d\xE2\x81\x9F"
     "e\xE3\x80\x80"
     "f"sv,
     "a b c d e f"sv},
    {"Quotes",
     "\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9A\xE2\x80\x9B\xE2\x80\xB9\xE2\x80\xBA"
     "\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x9E\xE2\x80\x9F\xC2\xAB\xC2\xBB"sv,
     "''''''\"\"\"\"\"\""sv},
    {"Dashes", "\xE2\x80\x90\xE2\x80\x91\xE2\x80\x92\xE2\x80\x93\xE2\x80\x94\xE2\x80\x95\xE2\x88\x92"sv,
     "-------"sv},
    {"OtherCharactersOneQuestionMarkEach",
     "\xE2\x82\xAC|\xF0\x9F\x98\x80|\xC2\x85|\xC3\x97|\xE2\x80\xA6|\xEF\xBB\xBF|\xF4\x8F\xBF\xBF"sv,
     "?|?|?|?|?|?|?"sv},

    // Windows-1252.
    {"Windows1252Letters", "Caf\xE9 \xC0\xDF\xFF \x8A\x9A\x8E\x9E\x9F\x8C\x9C\x83"sv, "Cafe Asy SsZzYOof"sv},
    {"Windows1252Punctuation",
     "\x93Hi\x94 \x91x\x92 \x82\x84 \x8B\x9B \x96\x97 a\xA0"
     "b \xAB\xBB"sv,
     "\"Hi\" 'x' '\" '' -- a b \"\""sv},
    {"Windows1252Undefined", "\x81\x8D\x8F\x90\x9D"sv, "?????"sv},
    {"Windows1252Symbols", "\x80\x85\x86\x95\x99\xA9\xD7"sv, "???????"sv},

    // One bad sequence makes the whole file Windows-1252, even its valid UTF-8.
    {"InvalidUtf8FallsBackForWholeFile", "T\xC4\x81maki \xE9"sv, "TA?maki e"sv},
    {"OverlongTwoBytes", "\xC0\xAF"sv, "A?"sv},
    {"OverlongThreeBytes", "\xE0\x80\xAF"sv, "a??"sv},
    {"OverlongFourBytes", "\xF0\x8F\xBF\xBF"sv, "d???"sv},
    {"Surrogate", "\xED\xA0\x80"sv, "i ?"sv},
    {"AboveMaximum", "\xF4\x90\x80\x80"sv, "o???"sv},
    {"TruncatedAtEnd", "ab\xC3"sv, "abA"sv},
    {"LoneContinuation",
     "a\xA9"
     "b"sv,
     "a?b"sv},

    // UTF-16 with a byte-order mark.
    {"Utf16LittleEndian",
     "\xFF\xFE"
     "T\0\x01\x01m\0\r\0\n\0\0\0"sv,
     "Tam\r\n\0"sv},
    {"Utf16BigEndian",
     "\xFE\xFF"
     "\0T\x01\x01\0m\0\r\0\n"sv,
     "Tam\r\n"sv},
    {"Utf16Punctuation",
     "\xFF\xFE"
     "\x1C\x20\x1D\x20\x13\x20\xA0\x00"sv,
     "\"\"- "sv},
    {"Utf16BomOnly", "\xFF\xFE"sv, ""sv},
    {"Utf16SurrogatePair",
     "\xFF\xFE"
     "A\0\x3D\xD8\x00\xDE"
     "B\0"sv,
     "A?B"sv},
    {"Utf16SurrogatePairBigEndian",
     "\xFE\xFF"
     "\0A\xD8\x3D\xDE\x00\0B"sv,
     "A?B"sv},
    {"Utf16UnpairedHigh",
     "\xFF\xFE"
     "\x3D\xD8"
     "A\0"sv,
     "?A"sv},
    {"Utf16UnpairedHighAtEnd",
     "\xFF\xFE"
     "A\0\x3D\xD8"sv,
     "A?"sv},
    {"Utf16UnpairedLow",
     "\xFF\xFE"
     "\x00\xDE\x00\xDE"
     "A\0"sv,
     "??A"sv},
    {"Utf16OddTrailingByte",
     "\xFF\xFE"
     "A\0B"sv,
     "A?"sv},
    {"Utf16HighThenOddByte",
     "\xFF\xFE"
     "\x3D\xD8X"sv,
     "??"sv},
};

class AbaTextDecodingTest : public testing::TestWithParam<DecodingCase> {};

TEST_P(AbaTextDecodingTest, DecodesAndFolds) {
    const DecodingCase& c = GetParam();
    EXPECT_EQ(DecodeAbaText(c.bytes), c.text);

    std::string buffer(c.bytes);
    DecodeAbaTextInPlace(buffer);
    EXPECT_EQ(buffer, c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AbaTextDecodingTest, testing::ValuesIn(kDecodingCases),
                         [](const testing::TestParamInfo<DecodingCase>& info) { return info.param.name; });

TEST(AbaTextDecoding, PureAsciiBufferIsLeftUntouched) {
    std::string buffer(1000, 'x');
    buffer[500] = '\0';
    buffer[999] = '\x7F';
    const std::string original = buffer;
    const char* data = buffer.data();
    DecodeAbaTextInPlace(buffer);
    EXPECT_EQ(buffer.data(), data);
    EXPECT_EQ(buffer, original);
}

// The ASCII scan works on blocks of 32 and 8 bytes: a non-ASCII character at
// any position relative to those blocks, in either reading, must be found
// and the ASCII around it moved along correctly.
TEST(AbaTextDecoding, NonAsciiAtEveryPositionOfTheBlockScan) {
    for (std::size_t at = 0; at <= 70; ++at) {
        const std::string before(at, 'a');
        const std::string after(70 - at, 'z');
        EXPECT_EQ(DecodeAbaText(before + "\xC5\x8D" + after + "\xC4\x81"), before + "o" + after + "a") << at;
        EXPECT_EQ(DecodeAbaText(before + "\xE9" + after + "\x93"), before + "e" + after + "\"") << at;
        EXPECT_EQ(DecodeAbaText(before + "\xC5\x8D" + after + "\xC4"), before + "A?" + after + "A") << at;
    }
}

// Every character becomes exactly one character below 0x80, whatever it is,
// so lengths and columns count characters.
TEST(AbaTextDecoding, EveryCharacterGivesOneAsciiCharacter) {
    auto encode = [](char32_t cp) {
        std::string s;
        if (cp < 0x80) {
            s += static_cast<char>(cp);
        } else if (cp < 0x800) {
            s += static_cast<char>(0xC0 | (cp >> 6));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            s += static_cast<char>(0xE0 | (cp >> 12));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (cp >> 18));
            s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        }
        return s;
    };
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string folded = FoldToSingleByte(encode(cp));
        ASSERT_EQ(folded.size(), 1u) << std::hex << static_cast<std::uint32_t>(cp);
        ASSERT_LT(static_cast<unsigned char>(folded[0]), 0x80) << std::hex << static_cast<std::uint32_t>(cp);
        if (cp < 0x80) {
            ASSERT_EQ(folded[0], static_cast<char>(cp));
        }
    }
    for (int b = 0x80; b < 0x100; ++b) {
        const std::string folded = DecodeAbaText(std::string(1, static_cast<char>(b)));
        ASSERT_EQ(folded.size(), 1u) << std::hex << b;
        ASSERT_LT(static_cast<unsigned char>(folded[0]), 0x80) << std::hex << b;
    }
}

TEST(AbaTextDecoding, FoldToSingleByteForTypedTexts) {
    EXPECT_EQ(FoldToSingleByte("PAYROLL 01"), "PAYROLL 01");
    EXPECT_EQ(FoldToSingleByte("T\xC4\x81maki \xE2\x80\x93 Wh\xC4\x81nau"), "Tamaki - Whanau");
    EXPECT_EQ(FoldToSingleByte("Caf\xE9"), "Cafe");
    // No byte-order mark is looked for: these bytes are Windows-1252 text.
    EXPECT_EQ(FoldToSingleByte("\xFF\xFE"
                               "A"),
              "ytA");
}

}  // namespace
}  // namespace billpay
