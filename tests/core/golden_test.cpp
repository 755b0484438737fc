// The golden bank files: one folder per case under tests/golden, each with its
// options and the bank file expected byte for byte. Setting the environment
// variable BILLPAY_UPDATE_GOLDEN=1 writes the produced file as expected.txt
// instead of comparing (for a new case, checked by hand before it is kept).

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "aba/validation.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_table.h"
#include "recording_host.h"
#include "util/clock.h"
#include "util/text_lines.h"

namespace billpay {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenFolder = BILLPAY_GOLDEN;

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The cases: every folder holding an options.txt, by name.
std::vector<std::string> GoldenCases() {
    std::vector<std::string> cases;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kGoldenFolder, error)) {
        if (entry.is_directory() && fs::exists(entry.path() / "options.txt")) {
            cases.push_back(entry.path().filename().string());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

// key=value lines; blank lines and lines starting with "#" are skipped. A key
// given with an empty value is kept (an empty debit account is an option too).
std::map<std::string, std::string> ReadOptions(const std::string& text) {
    std::map<std::string, std::string> options;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            ADD_FAILURE() << "options.txt: no '=' in line: " << line;
            continue;
        }
        options[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return options;
}

std::string ShowLineEnds(const std::string& text) {
    std::string shown;
    for (char c : text) {
        if (c == '\r') {
            shown += "<CR>";
        } else {
            shown += c;
        }
    }
    return shown;
}

class GoldenBankFile : public testing::TestWithParam<std::string> {};

TEST_P(GoldenBankFile, MatchesExpectedFile) {
    const fs::path folder = kGoldenFolder / GetParam();
    const std::optional<std::string> optionsText = ReadWholeFile(folder / "options.txt");
    ASSERT_TRUE(optionsText.has_value());
    std::map<std::string, std::string> options = ReadOptions(*optionsText);
    auto take = [&options](const std::string& key) -> std::optional<std::string> {
        const auto found = options.find(key);
        if (found == options.end()) return std::nullopt;
        std::string value = found->second;
        options.erase(found);
        return value;
    };

    const char code = GetParam().front();
    const std::string input = take("input").value_or("input.aba");
    const std::string now = take("now").value_or("2026-12-10T09:30:00.00");
    ConversionOptions conversion;
    conversion.BatchNo = take("batch").value_or("");
    conversion.PreformatRef = take("preformat").value_or("");
    conversion.Confidential = take("confidential").value_or("0") == "1";
    conversion.PayerReference = take("payer-reference").value_or("");
    conversion.PayerParticulars = take("payer-particulars").value_or("");
    conversion.PayerCode = take("payer-code").value_or("");
    const std::optional<std::string> debitAccount = take("debit-account");
    for (const auto& [key, value] : options) ADD_FAILURE() << "options.txt: unknown key " << key;

    const auto instant = ParseIsoInstant(now);
    ASSERT_TRUE(instant.has_value()) << "options.txt: now=" << now;

    ValidationOutcome validated = ValidateAbaFile((kGoldenFolder / input).string(), code);
    ASSERT_FALSE(validated.problem.has_value())
        << validated.problem->caption << ": " << validated.problem->text;
    ASSERT_TRUE(validated.run.Validated())
        << input << " does not validate for " << code << ": " << validated.run.errors.front();
    conversion.DebitAccount = debitAccount.value_or(validated.run.DebitAccount);

    RecordingHost host;
    TickingClock clock(instant->first, instant->second);
    TBankFile bankFile(host, clock);
    bankFile.BankingFileName = "(golden)";
    TextLines out;
    const bool converted = bankFile.CreateBankFile(validated.run.lines, code, conversion, out);
    for (const RecordingHost::Message& message : host.messages) {
        ADD_FAILURE() << "message shown: [" << message.caption << "] " << ShowLineEnds(message.text);
    }
    ASSERT_TRUE(converted);
    const std::string produced = out.ToCrLfText();

    const fs::path expectedPath = folder / "expected.txt";
    const char* update = std::getenv("BILLPAY_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(expectedPath, std::ios::binary) << produced;
        GTEST_SKIP() << "wrote " << expectedPath.string();
    }
    const std::optional<std::string> expected = ReadWholeFile(expectedPath);
    ASSERT_TRUE(expected.has_value())
        << expectedPath.string() << " is missing; BILLPAY_UPDATE_GOLDEN=1 writes it from the output";

    // Line by line first, so that a difference names its line.
    const std::vector<std::string> producedLines = out.ToVector();
    std::vector<std::string> expectedLines;
    std::istringstream expectedStream(*expected);
    for (std::string line; std::getline(expectedStream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        expectedLines.push_back(line);
    }
    const std::size_t common = std::min(producedLines.size(), expectedLines.size());
    for (std::size_t i = 0; i < common; ++i) {
        EXPECT_EQ(producedLines[i], expectedLines[i]) << "line " << i + 1;
    }
    EXPECT_EQ(producedLines.size(), expectedLines.size());
    EXPECT_TRUE(produced == *expected) << "the files differ (line ends included)";
}

std::string CaseName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

// Without a single case the parameterised test reports itself as not
// instantiated, which fails the run.
INSTANTIATE_TEST_SUITE_P(Cases, GoldenBankFile, testing::ValuesIn(GoldenCases()), CaseName);

TEST(GoldenBankFiles, InputsAreThere) {
    for (const char* input : {"input.aba", "input-bank-own.aba", "input-hsbc.aba"}) {
        EXPECT_TRUE(fs::exists(kGoldenFolder / input)) << input;
    }
}

// A case folder is named after its format code (a letter, then anything).
TEST(GoldenBankFiles, EveryFormatHasACase) {
    const std::vector<std::string> cases = GoldenCases();
    for (const BankFormat& format : BankFormats()) {
        const bool found = std::any_of(cases.begin(), cases.end(),
                                       [&](const std::string& name) { return name.front() == format.code; });
        EXPECT_TRUE(found) << "no golden case for format " << format.code << " (" << format.listText << ")";
    }
}

}  // namespace
}  // namespace billpay
