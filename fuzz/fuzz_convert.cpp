// Conversion of a file repaired until it validates, with options the command
// line accepts.
//
// Input: byte 0 picks the format code; byte 1 says which options follow
// (bit 0 --batch, 1 --preformat, 2 --payer-reference, 3 --payer-particulars,
// 4 --payer-code, 5 --debit-account, 6 --confidential, 7 --now), each present
// text option as a length byte and that many bytes, then --now as seven bytes;
// the rest is an ABA file.
//
// The ABA file is repaired field by field until it validates: every line that
// starts with "1" becomes a payment whose account digits are made into a valid
// account, whose amount is made positive and small enough for the trailer,
// and whose texts are made non-blank; the first header gives the pay date.
// The repaired file is written with a fresh header and trailer and must
// validate. The options are checked by the conversion page's rules, as the
// command line checks them, and fixed up the way a user answers each refusal
// (an option the format does not offer is left out, a long one is cut, a
// required one is filled in, control characters are taken out, a refused
// debit account is left out) until they are accepted.
//
// The conversion must not let an exception escape; when it fails it must have
// shown a message; when it succeeds every line must be printable and the file
// must hold the header, one line per written payment and the trailer that
// the format promises.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aba/text_decoding.h"
#include "aba/validation.h"
#include "aba_generator.h"
#include "bankaccount/bank_account.h"
#include "bankfile/bank_file.h"
#include "bankfile/conversion_page.h"
#include "bankfile/format_options.h"
#include "fuzz_support.h"
#include "recording_host.h"
#include "util/clock.h"

using namespace billpay;
using namespace billpay::fuzz;

namespace {

// Reads the option block at the front of the input.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Byte(), size_ - pos_);
        std::string text(reinterpret_cast<const char*>(data_) + pos_, length);
        pos_ += length;
        return text;
    }
    std::string_view Rest() const { return {reinterpret_cast<const char*>(data_) + pos_, size_ - pos_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Valid numbers of several banks and check-digit schemes, for account digits
// that no one-digit or two-digit change makes valid.
constexpr std::array<std::string_view, 8> kValidAccounts = {
    "123113012345700",  "010001099010400",  "0865231954512000", "2525001234569000",
    "2626003456785025", "3212347654321000", "0900010990104000", "991234099890700",
};

std::string DigitsOf(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    return digits;
}

// Account digits made into a valid account: 15 or 16 digits, then a change of
// the last digit of the base, of the last two, or of the suffix, else a valid
// number from the table.
std::string ValidAccount(std::string_view text) {
    std::string digits = DigitsOf(text).substr(0, 16);
    if (digits.size() < 15) digits.resize(15, '0');
    if (CheckAccountDigits(digits)) return digits;
    std::string tried = digits;
    for (char a = '0'; a <= '9'; ++a) {
        tried[11] = a;
        for (char b = '0'; b <= '9'; ++b) {
            tried[12] = b;
            if (CheckAccountDigits(tried)) return tried;
        }
    }
    tried = digits;
    for (char s = '0'; s <= '9'; ++s) {
        tried.back() = s;
        if (CheckAccountDigits(tried)) return tried;
    }
    unsigned hash = 0;
    for (const char c : digits) hash = hash * 31 + static_cast<unsigned char>(c);
    return std::string(kValidAccounts[hash % kValidAccounts.size()]);
}

// The debit account a format's validation accepts.
std::string ValidDebitAccount(std::string_view text, char code) {
    switch (code) {
        case 'E':
        case 'F':
        case 'L':
        case 'V': {
            const std::string digits = DigitsOf(text).substr(0, 10);
            return digits.empty() ? "1" : digits;
        }
        case 'X': {
            std::string digits = DigitsOf(text).substr(0, 12);
            digits.resize(12, '0');
            return digits;
        }
        case 'I':
            return std::string(text);
        default:
            return ValidAccount(text);
    }
}

// A text field of a record that validation finds supplied: CR and LF would
// split the line, so they become blanks; an all-blank text becomes "X".
std::string SuppliedText(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (IsBlankLine(result)) result = "X";
    return result;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t count) {
    if (line.size() < first) return {};
    return line.substr(first - 1, count);
}

// ddmmyy of a date that exists, from whatever stands in the header's columns.
std::string ValidPayDate(std::string_view text) {
    std::string digits = DigitsOf(text);
    digits.resize(6, '0');
    const int day = (digits[0] - '0') * 10 + (digits[1] - '0');
    const int month = (digits[2] - '0') * 10 + (digits[3] - '0');
    char date[8];
    std::snprintf(date, sizeof date, "%02d%02d%s", 1 + (day + 27) % 28, 1 + (month + 11) % 12,
                  digits.substr(4, 2).c_str());
    return date;
}

struct RepairedFile {
    std::string text;
    int payments = 0;
};

RepairedFile Repair(std::string_view bytes, char code) {
    const AbaLines lines = AbaLines::FromText(DecodeAbaText(bytes));
    std::string payDate = "091226";
    bool headerSeen = false;
    std::string debitAccount;
    std::string remitter;
    std::string details;
    std::int64_t total = 0;
    int payments = 0;
    constexpr std::int64_t kMaxTotal = 9999999999;  // ten columns of cents in the trailer
    for (std::size_t i = 0; i < lines.size() && total < kMaxTotal; ++i) {
        std::string line(lines[i].text);
        if (line.size() < 120) line.resize(120, ' ');
        if (line[0] == '0' && !headerSeen) {
            headerSeen = true;
            payDate = ValidPayDate(Columns(line, 75, 6));
            continue;
        }
        if (line[0] != '1') continue;
        std::int64_t cents = 0;
        for (const char c : DigitsOf(Columns(line, 21, 10))) cents = cents * 10 + (c - '0');
        cents = std::clamp<std::int64_t>(cents, 1, kMaxTotal - total);
        total += cents;
        if (payments == 0) {
            debitAccount = ValidDebitAccount(Columns(line, 81, 16), code);
            remitter = SuppliedText(Columns(line, 97, 16));
        }
        const std::string_view transactionCode = Columns(line, 19, 2) == "53" ? "53" : "50";
        details += testing::AbaDetailRecord(
            ValidAccount(Columns(line, 2, 16)), cents, SuppliedText(Columns(line, 31, 32)),
            SuppliedText(Columns(line, 63, 18)),
            payments == 0 ? std::string_view(debitAccount) : Columns(line, 81, 16),
            payments == 0 ? std::string_view(remitter) : Columns(line, 97, 16), transactionCode);
        details += "\r\n";
        ++payments;
    }
    if (payments == 0) {
        total = 100;
        payments = 1;
        details = testing::AbaDetailRecord(kValidAccounts[0], total, "J SMITH", "WAGES",
                                           ValidDebitAccount("123113012345700", code), "ACME") +
                  "\r\n";
    }
    RepairedFile file;
    file.text = testing::AbaHeaderRecord(payDate) + "\r\n" + details +
                testing::AbaTrailerRecord(total, total, 0, payments) + "\r\n";
    file.payments = payments;
    return file;
}

// The option values as the command line holds them: an argument cannot hold
// a NUL, and the text is folded to single-byte characters.
std::string AsArgument(const std::string& bytes) {
    return FoldToSingleByte(std::string_view(bytes).substr(0, bytes.find('\0')));
}

// The options as given on the command line, in the order of OptionField.
struct GivenOptions {
    std::optional<std::string> batchNo, preformatRef;
    bool confidential = false;
    std::optional<std::string> payerReference, payerParticulars, payerCode, debitAccount;

    std::optional<std::string>* Text(OptionField field) {
        switch (field) {
            case OptionField::BatchNo:
                return &batchNo;
            case OptionField::PreformatRef:
                return &preformatRef;
            case OptionField::PayerReference:
                return &payerReference;
            case OptionField::PayerParticulars:
                return &payerParticulars;
            case OptionField::PayerCode:
                return &payerCode;
            case OptionField::DebitAccount:
                return &debitAccount;
            case OptionField::Confidential:
                break;
        }
        return nullptr;
    }

    ConversionOptionsGiven View() const {
        auto view = [](const std::optional<std::string>& text) -> std::optional<std::string_view> {
            if (!text) return std::nullopt;
            return std::string_view(*text);
        };
        return {view(batchNo),          view(preformatRef), confidential,      view(payerReference),
                view(payerParticulars), view(payerCode),    view(debitAccount)};
    }
};

int MaxLength(const FormatOptions& format, OptionField field) {
    switch (field) {
        case OptionField::BatchNo:
            return format.batchMaxLength;
        case OptionField::PreformatRef:
            return format.preformatMaxLength;
        default:
            return format.payerFields ? kPayerFieldMaxLength : 0;
    }
}

// Answers one refusal of the options as a user would.
void Answer(GivenOptions& given, const OptionProblem& problem, const FormatOptions& format) {
    if (problem.field == OptionField::Confidential) {
        given.confidential = false;
        return;
    }
    std::optional<std::string>& text = *given.Text(problem.field);
    switch (problem.kind) {
        case OptionProblemKind::NotOffered:
        case OptionProblemKind::DebitAccountRefused:
            text.reset();
            break;
        case OptionProblemKind::Missing:
        case OptionProblemKind::Blank:
            text = "1";
            break;
        case OptionProblemKind::TooLong:
            text->resize(static_cast<std::size_t>(MaxLength(format, problem.field)));
            break;
        case OptionProblemKind::ControlCharacter:
            std::erase_if(*text, [](char c) { return !IsAcceptedOptionChar(c); });
            break;
        case OptionProblemKind::NotDigits:
            std::erase_if(*text, [](char c) { return (c < '0' || c > '9') && c != '-'; });
            break;
    }
}

// Which records a format's file has around its detail lines.
struct Frame {
    bool header;
    bool trailer;
};

Frame FrameOf(char code) {
    switch (code) {
        case 'E':
        case 'F':
        case 'L':
        case 'V':
        case 'N':
            return {false, false};
        case 'J':
        case 'X':
        case 'W':
            return {true, false};
        default:
            return {true, true};
    }
}

bool IsPrintable(std::string_view line) {
    for (const char c : line) {
        if (c < 32 || c > 126) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    const char code = FormatCodeFromByte(in.Byte());
    const std::uint8_t flags = in.Byte();
    GivenOptions given;
    constexpr OptionField kTextFields[] = {OptionField::BatchNo,        OptionField::PreformatRef,
                                           OptionField::PayerReference, OptionField::PayerParticulars,
                                           OptionField::PayerCode,      OptionField::DebitAccount};
    for (int k = 0; k < 6; ++k) {
        if (flags & (1u << k)) *given.Text(kTextFields[k]) = AsArgument(in.Text());
    }
    given.confidential = flags & 0x40;
    std::optional<std::pair<Date, TimeOfDay>> now;
    if (flags & 0x80) {
        std::uint8_t b[7];
        for (std::uint8_t& byte : b) byte = in.Byte();
        char iso[32];
        std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02d.%02d", 2000 + b[0] % 100, 1 + b[1] % 12,
                      1 + b[2] % 31, b[3] % 24, b[4] % 60, b[5] % 60, b[6] % 100);
        now = ParseIsoInstant(iso);
    }
    if (!now) now = std::pair{Date{2026, 12, 11}, TimeOfDay{9, 30, 0, 0}};

    const RepairedFile file = Repair(in.Rest(), code);
    const ValidationRun run = ValidateAbaLines(AbaLines::FromText(file.text), code);
    Check(run.Validated(), "the repaired file does not validate", Joined(run.errors) + file.text);
    Check(run.detailCount == file.payments, "validation counted other payments");

    const FormatOptions& format = *FindFormatOptions(code);
    int refusals = 0;
    while (const std::optional<OptionProblem> problem = CheckConversionOptions(code, given.View())) {
        Check(!problem->reason.empty(), "an option refused without a reason");
        Check(++refusals <= 16, "the options are never accepted", problem->reason);
        Answer(given, *problem, format);
    }
    Check(CanConvert(code, true, given.batchNo.value_or(""), given.preformatRef.value_or("")),
          "accepted options do not let Convert run");

    ConversionOptions options;
    options.BatchNo = given.batchNo.value_or("");
    options.PreformatRef = given.preformatRef.value_or("");
    options.Confidential = given.confidential;
    options.PayerReference = given.payerReference.value_or("");
    options.PayerParticulars = given.payerParticulars.value_or("");
    options.PayerCode = given.payerCode.value_or("");
    options.DebitAccount = given.debitAccount ? *given.debitAccount
                                              : DebitAccountForDisplay(run.DebitAccount, format.debitDisplay);

    RecordingHost host;
    TickingClock clock(now->first, now->second);
    TBankFile engine(host, clock);
    TextLines out;
    bool ok = false;
    try {
        ok = engine.CreateBankFile(run.lines, code, options, out);
    } catch (const std::exception& e) {
        Fail("an exception escaped the conversion", e.what());
    } catch (...) {
        Fail("an exception escaped the conversion");
    }
    for (const RecordingHost::Message& message : host.messages)
        Check(!message.text.empty(), "an empty message was shown", message.caption);
    if (!ok) {
        Check(!host.messages.empty(), "the conversion failed without a message");
        return 0;
    }
    for (std::size_t i = 0; i < out.size(); ++i)
        Check(IsPrintable(out[i]), "a written line is not printable", std::string(out[i]));
    const Frame frame = FrameOf(code);
    const ConversionResult& result = engine.Result();
    const std::size_t expected =
        static_cast<std::size_t>(result.WrittenCount) + (frame.header ? 1 : 0) + (frame.trailer ? 1 : 0);
    Check(out.size() == expected, "the file holds another number of records than the format promises",
          std::to_string(out.size()) + " lines, " + std::to_string(result.WrittenCount) + " written");
    Check(result.WrittenCount + result.FailedCount + result.OmittedCount <= file.payments,
          "more payments counted than the file holds");
    return 0;
}
