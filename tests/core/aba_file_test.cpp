// Reading ABA files from disk: whatever the bytes, a clear answer and no crash.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "aba/aba_file.h"
#include "aba/validation.h"
#include "aba_generator.h"
#include "temp_path.h"

#ifdef _WIN32
#include "platform/win32_text.h"
#endif

namespace billpay {
namespace {

namespace fs = std::filesystem;
using testing::AbaDetailRecord;
using testing::AbaHeaderRecord;
using testing::AbaTrailerRecord;

const std::vector<std::string> kClean = {"Validation Completed OK", "File Contains 1 Transactions",
                                         "Direct Credit Balance is $  1.00"};

std::string Records(std::string_view lineEnd, std::string_view title = "J SMITH") {
    std::string text = AbaHeaderRecord("091226");
    text += lineEnd;
    text += AbaDetailRecord("123113012345700", 100, title, "WAGES", "123113012345700", "ACME LTD");
    text += lineEnd;
    text += AbaTrailerRecord(100, 100, 0, 1);
    text += lineEnd;
    return text;
}

// The system's own words for a file that is not there.
std::string NoSuchFileReason() {
#ifdef _WIN32
    return win32::SystemMessage(ERROR_FILE_NOT_FOUND);
#else
    return "No such file or directory";
#endif
}

std::string Utf16(std::string_view ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        if (bigEndian) out += '\0';
        out += c;
        if (!bigEndian) out += '\0';
    }
    return out;
}

struct FileCase {
    const char* name;
    std::function<std::string()> bytes;  // the file's contents; unset: the path is not a file
    std::string caption;                 // the message box caption, or empty
    std::string text;                    // its text
    std::vector<std::string> memo;       // else the results, exactly
};

// Test names and failure messages show the case by its name.
void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

// Each case makes its bytes inside the test, so that listing the tests costs nothing.
std::vector<FileCase> Cases() {
    return {
        {"Missing",
         nullptr,
         "Error Opening ABA File",
         "Cannot open ABA file.\r\rError: " + NoSuchFileReason(),
         {}},
        {"Empty", [] { return std::string(); }, "No Data To Process", "The specified ABA file is empty!", {}},
        {"OnlyBlankLines",
         [] { return std::string(" \r\n\r\n\t\n"); },
         "",
         "",
         {"Header record missing", "Trailer record missing"}},
        {"CrLf", [] { return Records("\r\n"); }, "", "", kClean},
        {"LfOnly", [] { return Records("\n"); }, "", "", kClean},
        {"CrOnly", [] { return Records("\r"); }, "", "", kClean},
        {"NoFinalLineEnd",
         [] {
             std::string t = Records("\n");
             t.pop_back();
             return t;
         },
         "", "", kClean},
        {"Utf8ByteOrderMark", [] { return std::string("\xEF\xBB\xBF").append(Records("\r\n")); }, "", "",
         kClean},
        {"Utf16LittleEndian", [] { return Utf16(Records("\r\n"), false); }, "", "", kClean},
        {"Utf16BigEndian", [] { return Utf16(Records("\r\n"), true); }, "", "", kClean},
        // A macron takes two bytes in UTF-8 but is one character: the line is still 120 long.
        {"Utf8Macron",
         [] {
             std::string t = Records("\r\n", "NGAIO TAMAKI");
             t.replace(t.find("TAMAKI") + 1, 1, "\xC4\x81");
             return t;
         },
         "", "", kClean},
        {"Windows1252",
         [] {
             std::string t = Records("\r\n", "RENE");
             t[t.find("RENE") + 3] = '\xC9';
             return t;
         },
         "", "", kClean},
        {"NulBytes",
         [] {
             std::string t = Records("\r\n", "J SMITH");
             t[t.find("J SMITH") + 1] = '\0';
             return t;
         },
         "", "", kClean},
        {"BinaryGarbage",
         [] {
             std::string t;
             for (int i = 0; i < 5000; ++i) t += static_cast<char>((i * 7919) % 256);
             return t;
         },
         "",
         "",
         {}},
        // Mostly blank lines: the text is copied down to its records, which must read the same.
        {"MegabytesOfBlankLines",
         [] {
             std::string t = Records("\r\n");
             t.insert(122, std::string(3 << 20, ' ') + "\r\n\n\n");
             return t;
         },
         "", "", kClean},
        {"TenMegabyteLine",
         [] { return std::string(10 * 1024 * 1024, '1'); },
         "",
         "",
         {"Line    1 - Record length incorrect (10485760) - record not processed", "Header record missing",
          "Trailer record missing"}},
        {"Lines119And121",
         [] {
             std::string t = Records("\r\n");
             t.insert(0, std::string(119, '0') + "\r\n" + std::string(121, '0') + "\r\n");
             return t;
         },
         "",
         "",
         {"Line    1 - Record length incorrect (119) - record not processed",
          "Line    2 - Record length incorrect (121) - record not processed",
          "Line    3 - (HDR) Header record is not the first record"}},
    };
}

class AbaFileRead : public ::testing::TestWithParam<FileCase> {};

TEST_P(AbaFileRead, GivesAClearAnswer) {
    const FileCase& c = GetParam();
    const fs::path path = billpay::testing::RunTempPath(std::string("file-") + c.name);
    fs::remove(path);
    if (c.bytes) {
        std::ofstream(path, std::ios::binary) << c.bytes();
    }
    const ValidationOutcome outcome = ValidateAbaFile(path.string(), 'A');
    fs::remove(path);
    if (!c.caption.empty()) {
        ASSERT_TRUE(outcome.problem.has_value());
        EXPECT_EQ(outcome.problem->caption, c.caption);
        EXPECT_EQ(outcome.problem->text, c.text);
        EXPECT_TRUE(outcome.run.Memo().empty());
        return;
    }
    ASSERT_FALSE(outcome.problem.has_value()) << outcome.problem->text;
    if (c.memo.empty()) {
        EXPECT_FALSE(outcome.run.Validated());  // garbage: some results, no crash
    } else {
        EXPECT_EQ(outcome.run.Memo(), c.memo);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AbaFileRead, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbaFileReadErrors, FolderAndOversizedFile) {
    ValidationOutcome folder = ValidateAbaFile(fs::temp_directory_path().string(), 'A');
    ASSERT_TRUE(folder.problem);
    EXPECT_EQ(folder.problem->text, "Cannot open ABA file.\r\rError: Is a directory");

    // A sparse file just over the limit costs no disk space.
    const fs::path big = billpay::testing::RunTempPath("big");
    { std::ofstream(big, std::ios::binary) << "0"; }
    fs::resize_file(big, kMaxAbaFileBytes + 1);
    ValidationOutcome oversized = ValidateAbaFile(big.string(), 'A');
    fs::remove(big);
    ASSERT_TRUE(oversized.problem);
    EXPECT_EQ(oversized.problem->caption, "Error Opening ABA File");
    EXPECT_EQ(oversized.problem->text,
              "Cannot open ABA file.\r\rError: The file is larger than 512 MiB and cannot be an ABA file.");
}

// More non-blank lines than an ABA file can hold: refused at reading, before
// a problem is listed for each of them. Blank lines do not count.
TEST(AbaFileReadErrors, MoreLinesThanAnAbaFileHolds) {
    const fs::path path = billpay::testing::RunTempPath("lines");
    std::string text;
    for (std::size_t i = 0; i < kMaxAbaRecords; ++i) text += "x\n";
    text += "\n \n";
    std::ofstream(path, std::ios::binary) << text;
    const auto atLimit = ReadAbaFile(path.string(), 2);
    ASSERT_TRUE(atLimit.lines) << atLimit.error;
    EXPECT_EQ(atLimit.lines->size(), kMaxAbaRecords);

    std::ofstream(path, std::ios::binary | std::ios::app) << "x\n";
    const ValidationOutcome over = ValidateAbaFile(path.string(), 'A');
    fs::remove(path);
    ASSERT_TRUE(over.problem);
    EXPECT_EQ(over.problem->caption, "Error Opening ABA File");
    EXPECT_EQ(
        over.problem->text,
        "Cannot open ABA file.\r\rError: The file has more than 1000001 records and cannot be an ABA file.");
}

}  // namespace
}  // namespace billpay
