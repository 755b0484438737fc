#include "aba/text_decoding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace billpay {

namespace {

constexpr char kUnknown = '?';

// The base letter of every code point from U+00C0 to U+024F; "?" where the
// code point is not a Latin letter with a diacritic (× ÷, schwa, ezh, ...).
// A ligature or digraph gives its first letter, so it stays one character.
constexpr char kLatinLetters[] =
    "AAAAAAACEEEEIIII"   // U+00C0
    "DNOOOOO?OUUUUYTs"   // U+00D0
    "aaaaaaaceeeeiiii"   // U+00E0
    "dnooooo?ouuuuyty"   // U+00F0
    "AaAaAaCcCcCcCcDd"   // U+0100
    "DdEeEeEeEeEeGgGg"   // U+0110
    "GgGgHhHhIiIiIiIi"   // U+0120
    "IiIiJjKkkLlLlLlL"   // U+0130
    "lLlNnNnNnnNnOoOo"   // U+0140
    "OoOoRrRrRrSsSsSs"   // U+0150
    "SsTtTtTtUuUuUuUu"   // U+0160
    "UuUuWwYyYZzZzZzs"   // U+0170
    "bBBb???Cc?DDd???"   // U+0180
    "?FfG???IKkl??NnO"   // U+0190
    "Oo??Pp?????tTtTU"   // U+01A0
    "u?VYyZz?????????"   // U+01B0
    "????DDdLLlNNnAaI"   // U+01C0
    "iOoUuUuUuUuUu?Aa"   // U+01D0
    "Aa??GgGgKkOoOo??"   // U+01E0
    "jDDdGg??NnAa??Oo"   // U+01F0
    "AaAaEeEeIiIiOoOo"   // U+0200
    "RrRrUuUuSsTt??Hh"   // U+0210
    "Nd??ZzAaEeOoOoOo"   // U+0220
    "OoYylntj??ACcLTs"   // U+0230
    "z??B??EeJj?qRrYy";  // U+0240
constexpr char32_t kLatinLettersFirst = 0x00C0;
constexpr char32_t kLatinLettersEnd = 0x0250;
static_assert(sizeof(kLatinLetters) - 1 == kLatinLettersEnd - kLatinLettersFirst);

// The base letter of every code point of Latin Extended Additional
// (U+1E00..U+1EFF), which holds the Vietnamese and many other accented letters.
constexpr char kLatinAdditional[] =
    "AaBbBbBbCcDdDdDd"   // U+1E00
    "DdDdEeEeEeEeEeFf"   // U+1E10
    "GgHhHhHhHhHhIiIi"   // U+1E20
    "KkKkKkLlLlLlLlMm"   // U+1E30
    "MmMmNnNnNnNnOoOo"   // U+1E40
    "OoOoPpPpRrRrRrRr"   // U+1E50
    "SsSsSsSsSsTtTtTt"   // U+1E60
    "TtUuUuUuUuUuVvVv"   // U+1E70
    "WwWwWwWwWwXxXxYy"   // U+1E80
    "ZzZzZzhtwyasssS?"   // U+1E90
    "AaAaAaAaAaAaAaAa"   // U+1EA0
    "AaAaAaAaEeEeEeEe"   // U+1EB0
    "EeEeEeEeIiIiOoOo"   // U+1EC0
    "OoOoOoOoOoOoOoOo"   // U+1ED0
    "OoOoUuUuUuUuUuUu"   // U+1EE0
    "UuYyYyYyYy????Yy";  // U+1EF0
constexpr char32_t kLatinAdditionalFirst = 0x1E00;
constexpr char32_t kLatinAdditionalEnd = 0x1F00;
static_assert(sizeof(kLatinAdditional) - 1 == kLatinAdditionalEnd - kLatinAdditionalFirst);

// Spaces, quotes and dashes outside the letter tables, sorted by first code point.
struct FoldRange {
    char32_t first;
    char32_t last;
    char folded;
};
constexpr FoldRange kPunctuation[] = {
    {0x00A0, 0x00A0, ' '},   // no-break space
    {0x00AB, 0x00AB, '"'},   // «
    {0x00BB, 0x00BB, '"'},   // »
    {0x2000, 0x200A, ' '},   // en quad .. hair space
    {0x2010, 0x2015, '-'},   // hyphen .. horizontal bar
    {0x2018, 0x201B, '\''},  // ‘ ’ ‚ ‛
    {0x201C, 0x201F, '"'},   // “ ” „ ‟
    {0x202F, 0x202F, ' '},   // narrow no-break space
    {0x2039, 0x203A, '\''},  // ‹ ›
    {0x205F, 0x205F, ' '},   // medium mathematical space
    {0x2212, 0x2212, '-'},   // minus sign
    {0x3000, 0x3000, ' '},   // ideographic space
};

constexpr char FoldFromPunctuation(char32_t cp) {
    const auto* after = std::upper_bound(std::begin(kPunctuation), std::end(kPunctuation), cp,
                                         [](char32_t c, const FoldRange& r) { return c < r.first; });
    if (after == std::begin(kPunctuation)) return kUnknown;
    const FoldRange& range = *(after - 1);
    return cp <= range.last ? range.folded : kUnknown;
}

// The fold of U+0080..U+024F as one dense table: the hot range of European text.
constexpr char32_t kDenseFirst = 0x0080;
constexpr auto kDense = [] {
    std::array<char, kLatinLettersEnd - kDenseFirst> table{};
    for (char32_t cp = kDenseFirst; cp < kLatinLettersFirst; ++cp)
        table[cp - kDenseFirst] = FoldFromPunctuation(cp);
    for (char32_t cp = kLatinLettersFirst; cp < kLatinLettersEnd; ++cp)
        table[cp - kDenseFirst] = kLatinLetters[cp - kLatinLettersFirst];
    return table;
}();

// The single-byte character that stands for one decoded character.
constexpr char FoldCodePoint(char32_t cp) {
    if (cp < kDenseFirst) return static_cast<char>(cp);
    if (cp < kLatinLettersEnd) return kDense[cp - kDenseFirst];
    if (cp >= kLatinAdditionalFirst && cp < kLatinAdditionalEnd)
        return kLatinAdditional[cp - kLatinAdditionalFirst];
    return FoldFromPunctuation(cp);
}

// The characters of Windows-1252 bytes 0x80..0x9F; U+FFFD for the five
// undefined bytes (folds to "?"). Bytes 0xA0..0xFF are U+00A0..U+00FF.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,  // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,  // 0x98
};

// The folded character of every Windows-1252 byte.
constexpr auto kWindows1252Fold = [] {
    std::array<char, 256> table{};
    for (char32_t b = 0; b < 256; ++b)
        table[b] = FoldCodePoint(b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : b);
    return table;
}();

static_assert(FoldCodePoint(0x0101) == 'a' && FoldCodePoint(0x014C) == 'O' && FoldCodePoint(0x00DF) == 's');
static_assert(kWindows1252Fold[0x93] == '"' && kWindows1252Fold[0x81] == kUnknown &&
              kWindows1252Fold[0xE9] == 'e');

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

std::uint64_t LoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The number of bytes below 0x80 at the start of the range, checked a block
// of words at a time: a file of fixed-width records is mostly plain ASCII.
std::size_t AsciiPrefixLength(const char* data, std::size_t size) {
    std::size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        const std::uint64_t any =
            LoadWord(data + i) | LoadWord(data + i + 8) | LoadWord(data + i + 16) | LoadWord(data + i + 24);
        if (any & kHighBits) break;
    }
    for (; i + 8 <= size; i += 8)
        if (LoadWord(data + i) & kHighBits) break;
    while (i < size && static_cast<unsigned char>(data[i]) < 0x80) ++i;
    return i;
}

// The length of the well-formed UTF-8 sequence at p (with `available` bytes
// left), or 0 when the bytes there do not form one: overlong forms,
// surrogates and code points above U+10FFFF are refused.
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t available) {
    const unsigned lead = p[0];
    auto continues = [&](std::size_t k, unsigned low = 0x80, unsigned high = 0xBF) {
        return k < available && p[k] >= low && p[k] <= high;
    };
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return continues(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;   // E0 80..9F would be overlong
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;  // ED A0..BF would be a surrogate
        return continues(1, low, high) && continues(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;   // F0 80..8F would be overlong
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;  // F4 90.. would pass U+10FFFF
        return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
    }
    return 0;
}

// The code point of a sequence already known to be well-formed.
char32_t Utf8CodePoint(const unsigned char* p, std::size_t length) {
    switch (length) {
        case 1:
            return p[0];
        case 2:
            return (static_cast<char32_t>(p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
        case 3:
            return (static_cast<char32_t>(p[0] & 0x0Fu) << 12) | (static_cast<char32_t>(p[1] & 0x3Fu) << 6) |
                   (p[2] & 0x3Fu);
        default:
            return (static_cast<char32_t>(p[0] & 0x07u) << 18) | (static_cast<char32_t>(p[1] & 0x3Fu) << 12) |
                   (static_cast<char32_t>(p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
    }
}

bool IsValidUtf8(const char* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    std::size_t i = 0;
    while (i < size) {
        i += AsciiPrefixLength(data + i, size - i);
        if (i == size) break;
        const std::size_t length = Utf8SequenceLength(bytes + i, size - i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// Folds valid UTF-8 from position `from` onwards in place. Every sequence
// gives one byte, so the write position never passes the read position.
void FoldUtf8InPlace(std::string& text, std::size_t from) {
    char* data = text.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const std::size_t size = text.size();
    std::size_t read = from;
    std::size_t write = from;
    while (read < size) {
        const std::size_t run = AsciiPrefixLength(data + read, size - read);
        if (run > 0) {
            if (write != read) std::memmove(data + write, data + read, run);
            read += run;
            write += run;
            if (read == size) break;
        }
        const std::size_t length = Utf8SequenceLength(bytes + read, size - read);
        data[write++] = FoldCodePoint(Utf8CodePoint(bytes + read, length));
        read += length;
    }
    text.resize(write);
}

// Folds Windows-1252 from position `from` onwards in place, one byte for one
// byte; runs of ASCII are skipped, as they stay as they are.
void FoldWindows1252InPlace(std::string& text, std::size_t from) {
    char* data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
    while (i < size) {
        i += AsciiPrefixLength(data + i, size - i);
        if (i == size) break;
        data[i] = kWindows1252Fold[static_cast<unsigned char>(data[i])];
        ++i;
    }
}

// Folds text without a byte-order mark: untouched when it is pure ASCII,
// otherwise read as UTF-8 when valid and as Windows-1252 when not. The ASCII
// start is the same in both readings and is left as it is.
void FoldSingleByteOrUtf8InPlace(std::string& text) {
    const std::size_t ascii = AsciiPrefixLength(text.data(), text.size());
    if (ascii == text.size()) return;
    if (IsValidUtf8(text.data() + ascii, text.size() - ascii))
        FoldUtf8InPlace(text, ascii);
    else
        FoldWindows1252InPlace(text, ascii);
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Decodes UTF-16 code units (the bytes after the byte-order mark).
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t i) {
        const char32_t first = static_cast<unsigned char>(bytes[i]);
        const char32_t second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };

    std::string text;
    text.reserve(bytes.size() / 2 + 1);
    std::size_t i = 0;
    while (i + 2 <= bytes.size()) {
        const char32_t u = unit(i);
        i += 2;
        if (isHigh(u) && i + 2 <= bytes.size() && isLow(unit(i))) {
            const char32_t cp = 0x10000 + ((u - 0xD800) << 10) + (unit(i) - 0xDC00);
            i += 2;
            text += FoldCodePoint(cp);
        } else if (isHigh(u) || isLow(u)) {
            text += kUnknown;  // unpaired surrogate
        } else {
            text += FoldCodePoint(u);
        }
    }
    if (i < bytes.size()) text += kUnknown;  // odd trailing byte
    return text;
}

}  // namespace

std::string DecodeAbaText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom)) return DecodeUtf16(bytes.substr(kUtf16LeBom.size()), false);
    if (bytes.starts_with(kUtf16BeBom)) return DecodeUtf16(bytes.substr(kUtf16BeBom.size()), true);
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    std::string text(bytes);
    FoldSingleByteOrUtf8InPlace(text);
    return text;
}

void DecodeAbaTextInPlace(std::string& bytes) {
    const std::string_view view(bytes);
    if (view.starts_with(kUtf16LeBom)) {
        bytes = DecodeUtf16(view.substr(kUtf16LeBom.size()), false);
        return;
    }
    if (view.starts_with(kUtf16BeBom)) {
        bytes = DecodeUtf16(view.substr(kUtf16BeBom.size()), true);
        return;
    }
    if (view.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
    FoldSingleByteOrUtf8InPlace(bytes);
}

std::string FoldToSingleByte(std::string_view utf8) {
    std::string text(utf8);
    FoldSingleByteOrUtf8InPlace(text);
    return text;
}

bool IsPlainAsciiText(std::string_view bytes) {
    return AsciiPrefixLength(bytes.data(), bytes.size()) == bytes.size();
}

}  // namespace billpay
