// Writes the seed corpus of the fuzz targets:
//   fuzz_make_corpus REPOSITORY OUTPUT
// fills OUTPUT/<target>/ from the sample file, the golden inputs, generated
// files of 1 to 40 payments and re-encodings of a generated file (LF, CR
// only, NUL bytes, byte-order marks, UTF-16, Windows-1252, broken numeric
// fields), each in the input layout of its target.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "aba_generator.h"

namespace fs = std::filesystem;
using billpay::testing::AbaGeneratorOptions;
using billpay::testing::GenerateAbaFile;

namespace {

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteWhole(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// UTF-16 of a text of ASCII and Latin-1 characters given as Windows-1252 bytes.
std::string Utf16(const std::string& text, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : text) {
        const char low = c, high = 0;
        out += littleEndian ? low : high;
        out += littleEndian ? high : low;
    }
    return out;
}

// Overwrites columns of line `line` (0-based) of a file with CR LF line ends.
std::string WithField(std::string file, int line, std::size_t column, const std::string& text) {
    std::size_t start = 0;
    for (int k = 0; k < line; ++k) start = file.find("\r\n", start) + 2;
    file.replace(start + column - 1, text.size(), text);
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_make_corpus REPOSITORY OUTPUT\n");
        return 64;
    }
    const fs::path repo = argv[1];
    const fs::path output = argv[2];

    // The ABA files, each with the format code it is best seeded with.
    std::vector<std::pair<std::string, std::pair<char, std::string>>> files;
    files.push_back({"sample", {'A', ReadWhole(repo / "examples/sample.aba")}});
    files.push_back({"golden", {'B', ReadWhole(repo / "tests/golden/input.aba")}});
    files.push_back({"golden-bank-own", {'E', ReadWhole(repo / "tests/golden/input-bank-own.aba")}});
    files.push_back({"golden-hsbc", {'X', ReadWhole(repo / "tests/golden/input-hsbc.aba")}});
    const std::string codes = "GKJSAHDBEVFLXIZNMTUWP";
    int k = 0;
    for (const int details : {1, 2, 3, 7, 12, 40}) {
        AbaGeneratorOptions options;
        options.details = details;
        options.seed = static_cast<std::uint64_t>(details);
        const char code = codes[static_cast<std::size_t>(k++ * 5) % codes.size()];
        files.push_back({"generated-" + std::to_string(details), {code, GenerateAbaFile(options)}});
    }
    AbaGeneratorOptions five;
    five.details = 5;
    five.seed = 5;
    const std::string crlf = GenerateAbaFile(five);
    // A title with an accented letter: é is E9 in Windows-1252 and C3 A9 in UTF-8.
    const std::string accented = WithField(crlf, 1, 31, "ren\xE9 t\xE9");
    files.push_back({"lf", {'D', Replaced(crlf, "\r\n", "\n")}});
    files.push_back({"cr", {'M', Replaced(crlf, "\r\n", "\r")}});
    files.push_back({"nul",
                     {'T', Replaced(WithField(crlf, 2, 40, std::string(3, '\0')), "\r\n",
                                    std::string("\r\n\0\r\n", 5))}});
    files.push_back({"bom-utf8", {'U', "\xEF\xBB\xBF" + crlf}});
    files.push_back({"utf16le", {'W', Utf16(accented, true)}});
    files.push_back({"utf16be", {'P', Utf16(accented, false)}});
    files.push_back({"cp1252", {'N', accented}});
    files.push_back({"utf8", {'Z', Replaced(accented, "\xE9", "\xC3\xA9")}});
    files.push_back({"bad-amount", {'S', WithField(crlf, 2, 21, "00000O1234")}});
    files.push_back({"bad-count", {'H', WithField(crlf, 6, 75, "0000x5")}});
    files.push_back({"bad-date", {'J', WithField(crlf, 0, 75, "310226")}});
    files.push_back({"bad-account", {'K', WithField(crlf, 1, 2, "12-3113-0000000")}});

    for (const char* target : {"fuzz_validate", "fuzz_chunks", "fuzz_convert"})
        fs::create_directories(output / target);
    for (const auto& [name, seed] : files) {
        const auto& [code, bytes] = seed;
        WriteWhole(output / "fuzz_validate" / name, std::string(1, code) + bytes);
        // Two chunks, the smallest chunk 16 bytes.
        WriteWhole(output / "fuzz_chunks" / name, std::string("\x00", 1) + code + '\x10' + bytes);
        // No options.
        WriteWhole(output / "fuzz_convert" / name, std::string(1, code) + '\0' + bytes);
    }
    // Conversions with options: a flag byte, then each option as a length and its text.
    auto option = [](const std::string& text) {
        return std::string(1, static_cast<char>(text.size())) + text;
    };
    const std::string& sample = files[0].second.second;
    WriteWhole(output / "fuzz_convert" / "options-B", std::string("B\x01") + option("12") + sample);
    WriteWhole(output / "fuzz_convert" / "options-D",
               std::string("D\x03") + option("7") + option("particulars") + sample);
    WriteWhole(output / "fuzz_convert" / "options-S",
               std::string("S\x1C") + option("PAYREF") + option("PART") + option("CODE") + sample);
    WriteWhole(output / "fuzz_convert" / "options-L",
               std::string("L\x62") + option("ORDERING PARTY") + option("0123456789") + sample);
    WriteWhole(output / "fuzz_convert" / "options-X", std::string("X\x20") + option("123456789012") + sample);
    WriteWhole(output / "fuzz_convert" / "options-T",
               std::string("T\xA1") + option("1234567") + "\x1A\x0B\x0A\x17\x3B\x3B\x63" + sample);
    WriteWhole(output / "fuzz_convert" / "options-E",
               std::string("E\x02") + option("\xE9t\xE9 ref") + sample);

    fs::create_directories(output / "fuzz_account");
    const char* accounts[] = {"12-3113-0123457-00",   "12 3113 0123457 00",
                              "123113012345700",      "08-6523-1954512-001",
                              "0865231954512001",     "26-2600-3456785-025",
                              "32-1234-7654321-000",  "99-1234-0998907-000",
                              "12-3113-0123457-0",    "12-3113-123457-00",
                              " 01-0001-0990104-00 ", "12--3113-0123457-00",
                              "1231130123457000x",    "",
                              "12-3113-99999990-00"};
    k = 0;
    for (const char* account : accounts)
        WriteWhole(output / "fuzz_account" / ("account-" + std::to_string(k++)), account);
    return 0;
}
