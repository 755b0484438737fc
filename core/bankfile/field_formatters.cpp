// The field formatters of the conversion engine: each produces the text of one
// field of a bank file record for the current format code.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "bankfile/bank_file.h"
#include "bankfile/format_profile.h"
#include "util/date.h"
#include "util/number_text.h"
#include "util/text.h"

namespace billpay {

namespace {

// ---- texts

bool IsBankFileChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Decimal digits of an unsigned number, at least `minDigits` of them (leading zeros added).
void AppendNumber(std::string& out, std::uint64_t value, int minDigits = 1) {
    std::array<char, 24> digits{};
    int count = 0;
    do {
        digits[static_cast<std::size_t>(count++)] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = count; i < minDigits; ++i) out.push_back('0');
    while (count > 0) out.push_back(digits[static_cast<std::size_t>(--count)]);
}

std::string NumberText(std::uint64_t value, int minDigits = 1) {
    std::string text;
    AppendNumber(text, value, minDigits);
    return text;
}

// ---- amounts

// Writes an amount with a number picture: "-" for a negative amount, then the
// whole dollars with at least `integerDigits` digits (more when the amount
// needs them), the point when kept, and two decimals. The ticks below a cent
// are rounded half away from zero. Exact over the whole range of Money.
void AppendPicture(std::string& out, Money value, int integerDigits, bool keepPoint) {
    const bool negative = value.ticks < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value.ticks)
                                             : static_cast<std::uint64_t>(value.ticks);
    const auto perCent = static_cast<std::uint64_t>(Money::kTicksPerCent);
    const std::uint64_t cents = magnitude / perCent + (magnitude % perCent * 2 >= perCent ? 1 : 0);
    if (negative && cents != 0) out.push_back('-');
    AppendNumber(out, cents / 100, integerDigits);
    if (keepPoint) out.push_back('.');
    AppendNumber(out, cents % 100, 2);
}

void AppendWithPicture(std::string& out, Money value, const AmountPicture& picture) {
    if (picture.style == AmountStyle::Printf15) {
        out += FormatFixed(value, 15, 2);
        return;
    }
    AppendPicture(out, value, picture.integerDigits, picture.keepPoint);
}

std::string WritePicture(Money value, const AmountPicture& picture) {
    // Most amounts fit the string's own small buffer, so no reserve.
    std::string text;
    AppendWithPicture(text, value, picture);
    return text;
}

// A text as CleanFieldText (without overflow check) leaves it, appended:
// trimmed, upper case, only the bank files' characters, at most `width` of
// them. Returns how many were appended.
std::size_t AppendCleaned(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t start = out.size();
    for (char c : TrimView(text)) {
        if (out.size() - start == width) break;
        c = ToUpper(c);
        if (IsBankFileChar(c)) out.push_back(c);
    }
    return out.size() - start;
}

// A name or title as TrimField (trimmed, upper case, cut to width) and then
// CleanFieldText leave it, appended, blank-filled to width unless unpadded.
void AppendCleanField(std::string& out, std::string_view text, int width, Padding padding) {
    const std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
    const std::size_t written = AppendCleaned(out, TrimView(text).substr(0, w), w);
    if (padding == Padding::SpaceFilled) out.append(w - written, ' ');
}

// Characters `from` to `to` (1-based) of an account, as SubText cuts them.
std::string_view AccountPart(std::string_view account, std::size_t from, std::size_t to) {
    if (from > account.size()) return {};
    return account.substr(from - 1, std::min(to, account.size()) - from + 1);
}

// A part zero-filled to its width, as PadLeftZeros writes it.
void AppendZeroFilled(std::string& out, std::string_view part, int width) {
    const auto w = static_cast<std::size_t>(width);
    if (!AllDigits(part)) {
        out.append(PadLeftZeros(part, width));
    } else if (part.size() >= w) {
        out.append(part.substr(0, w));
    } else {
        out.append(w - part.size(), '0').append(part);
    }
}

// ---- account numbers

// The bank, branch, base and suffix parts (as GetBankPart, GetBranchPart,
// GetBasePart and GetSuffixPart cut them) zero-filled to their widths.
void AppendAccountParts(std::string& out, std::string_view account, const std::array<int, 4>& widths,
                        bool dashed) {
    const std::size_t suffixEnd = TrimmedLength(account) == 15 ? 15 : 16;
    const std::array<std::string_view, 4> parts = {AccountPart(account, 1, 2), AccountPart(account, 3, 6),
                                                   AccountPart(account, 7, 13),
                                                   AccountPart(account, 14, suffixEnd)};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (dashed && i > 0) out.push_back('-');
        AppendZeroFilled(out, parts[i], widths[i]);
    }
}

// Lays out a 15 or 16 digit account in a fixed width: what follows a 15-digit
// account, or blanks for any other length.
void AppendFixedWidthAccount(std::string& out, std::string_view account, std::string_view after15,
                             std::size_t width) {
    const int length = TrimmedLength(account);
    if (length == 15) {
        out.append(account).append(after15);
    } else if (length == 16) {
        out.append(account);
    } else {
        out.append(width, ' ');
    }
}

// The trailer's batch total by its width.
struct BatchTotalPicture {
    int width;
    AmountPicture picture;
};

constexpr std::array<BatchTotalPicture, 5> kBatchTotalPictures = {{
    {10, {AmountStyle::Picture, 8, false}},   // "00000000.00"
    {11, {AmountStyle::Picture, 9, false}},   // "000000000.00"
    {15, {AmountStyle::Picture, 13, false}},  // "0000000000000.00"
    {17, {AmountStyle::Picture, 14, true}},   // "00000000000000.00"
    {-1, {AmountStyle::Picture, 1, true}},    // "0.00"
}};

// Bank names by the two-digit bank number of the credit account (1 to 38).
constexpr std::array<std::string_view, 38> kBankNames = {
    "ANZ",
    "BNZ",
    "Westpac & Superbank",
    "",
    "",
    "National Bank",
    "",
    "National Australia Bank",
    "Reserve Bank",
    "",
    "PostBank",
    "ASB Bank",
    "Trustbank Southland",
    "Trustbank Otago",
    "TSB Bank",
    "Trustbank Canterbury",
    "Trustbank Waikato",
    "Trustbank BOP",
    "Trustbank South Canterbury",
    "Trustbank Central",
    "Trustbank Auckland",
    "Trustbank Central Wanganui",
    "Trustbank Wellington",
    "Westland",
    "Countrywide",
    "NZI",
    "Trustbank NZ",
    "State Bank SA",
    "United",
    "Hong Kong Shanghai Bank",
    "Citibank",
    "National Mutual",
    "Rural Bank",
    "",
    "Countrywide",
    "",
    "",
    "Kiwibank",
};

// Day of the year, 1 January being 1.
int DayOfYear(Date date) {
    int day = date.day;
    for (int month = 1; month < date.month; ++month) day += DaysInMonth(date.year, month);
    return day;
}

std::uint64_t SumOfCharCodes(std::string_view text) {
    std::uint64_t sum = 0;
    for (char c : text) sum += static_cast<unsigned char>(c);
    return sum;
}

}  // namespace

// ---- general formatters

void TBankFile::CleanFieldText(std::string& text, int width, std::string_view fieldName,
                               bool overflowCheck) const {
    if (overflowCheck && static_cast<int>(text.size()) > width) {
        std::string message = "Overflow Error in ";
        message.append(fieldName);
        throw ConversionError(message);
    }
    const std::string_view trimmed = TrimView(text);
    const std::size_t begin = static_cast<std::size_t>(trimmed.data() - text.data());
    const std::size_t end = begin + trimmed.size();
    const std::size_t limit = width < 0 ? text.size() : static_cast<std::size_t>(width);
    // Kept characters are moved forward in place; the write position never
    // passes the read position.
    std::size_t kept = 0;
    for (std::size_t i = begin; i < end && kept < limit; ++i) {
        const char c = ToUpper(text[i]);
        if (IsBankFileChar(c)) text[kept++] = c;
    }
    text.resize(kept);
}

std::string TBankFile::TrimField(std::string_view text, bool upperCase, int width, bool trim) const {
    if (trim) text = TrimView(text);
    if (width < 0) width = 0;
    text = text.substr(0, static_cast<std::size_t>(width));
    return upperCase ? UpperCase(text) : std::string(text);
}

std::string TBankFile::GetCreditAccount() const {
    return CurrentDetail().CreditAccountNumber.str();
}

std::string_view TBankFile::CreditAccountDigits() const {
    return CurrentDetail().CreditAccountNumber.view();
}

// ---- header-level fields

std::string TBankFile::GetRemitterName() const {
    std::string name;
    GetRemitterName(name);
    return name;
}

void TBankFile::GetRemitterName(std::string& out) const {
    // Every detail carries the first one's name: it is laid out once per
    // format and set of lines, not once per record.
    if (remitterCache_.code != FormatCode || !remitterCache_.valid) {
        const TABADetailRecord* first = FirstDetail();
        // Formats that take the name as it is trim it in their records anyway.
        const FormatProfile* profile = Profile();
        const Padding padding = profile != nullptr ? *profile->remitterName : Padding::SpaceFilled;
        remitterCache_.name.clear();
        AppendCleanField(remitterCache_.name, first ? first->RemitterName.view() : std::string_view{}, 20,
                         padding);
        remitterCache_.code = FormatCode;
        remitterCache_.valid = true;
    }
    out += remitterCache_.name;
}

std::string TBankFile::GetPayDate(std::string_view pattern) const {
    if (!IsDatePattern(pattern)) return {};
    const Date payDate = HeaderRecord().PayDate;
    return FormatDate(payDate == Date{} ? clock_.Today() : payDate, pattern);
}

std::string TBankFile::GetDebitBank() const {
    return PadLeftZeros(GetBankPart(DebitAccount), 2);
}

std::string TBankFile::GetDebitBranch() const {
    std::string branch = GetBranchPart(DebitAccount);
    const FormatProfile* profile = Profile();
    if (profile != nullptr && *profile->debitBranch == DebitBranchLayout::ZeroFilled)
        return PadLeftZeros(branch, 4);
    return branch;
}

std::string TBankFile::GetDebitAccountBase() const {
    return GetBasePart(DebitAccount);
}

std::string TBankFile::GetDebitSuffix() const {
    return GetSuffixPart(DebitAccount);
}

std::string TBankFile::GetHeaderBatchNo() {
    const FormatProfile* profile = Profile();
    if (profile == nullptr || profile->headerBatchNo->width == 0) {
        ReportFunctionError(std::string("GetHeaderBatchNo codein = ").append(1, FormatCode));
        return BatchNo;
    }
    const BatchNoLayout& layout = profile->headerBatchNo;
    if (layout.lastTwoOnly) {
        const std::string_view trimmed = TrimView(BatchNo);
        if (trimmed.size() > 2) return PadLeftZeros(trimmed.substr(trimmed.size() - 2), layout.width);
    }
    return PadLeftZeros(BatchNo, layout.width);
}

std::string TBankFile::GetDateCheckSum(std::string_view sixDigitDate) const {
    const std::string sum =
        AddNumberTexts(AddNumberTexts(SubText(sixDigitDate, 1, 2), SubText(sixDigitDate, 3, 4)),
                       SubText(sixDigitDate, 5, 6));
    return PadLeftZeros(sum, 3);
}

std::string TBankFile::GetTodaysDate(std::string_view pattern) const {
    return billpay::GetTodaysDate(clock_, pattern);
}

std::string TBankFile::GetTimeNow(std::string_view pattern) {
    return billpay::GetTimeNow(clock_, pattern);
}

// ---- detail fields

std::string TBankFile::GetDetailRecordType() {
    const FormatProfile* profile = Profile();
    if (profile != nullptr && profile->detailRecordType->has_value())
        return std::string(**profile->detailRecordType);
    ReportFunctionError(std::string("GetDetailRecordType: Undefined case for ").append(1, FormatCode));
    return {};
}

std::string TBankFile::GetTransactionCode() {
    const FormatProfile* profile = Profile();
    if (profile != nullptr && profile->transactionCode->has_value())
        return std::string(**profile->transactionCode);
    ReportFunctionError("GetTransactionCode");
    return {};
}

std::string TBankFile::GetAccountNumber(std::string_view account) {
    std::string text;
    GetAccountNumber(account, text);
    return text;
}

void TBankFile::GetAccountNumber(std::string_view account, std::string& out) {
    // A detail that has already failed gets no account number.
    if (ErrorFlag) return;
    const FormatProfile* profile = Profile();
    const AccountFormat* format = profile != nullptr ? &*profile->accountNumber : nullptr;
    if (format == nullptr || format->layout == AccountLayout::None) {
        ReportFunctionError("GetAccountNumber");
        return;
    }
    switch (format->layout) {
        case AccountLayout::None:
            return;
        case AccountLayout::BlankAfter15:
            return AppendFixedWidthAccount(out, account, " ", 16);
        case AccountLayout::ZeroAfter15:
            return AppendFixedWidthAccount(out, account, "0", 16);
        case AccountLayout::Unchanged:
            out.append(account);
            return;
        case AccountLayout::Parts:
            return AppendAccountParts(out, account, format->widths, false);
        case AccountLayout::DashedParts:
            return AppendAccountParts(out, account, format->widths, true);
        case AccountLayout::Hsbc: {
            // "0" before a two-digit suffix, then four blanks.
            const int length = TrimmedLength(account);
            if (length == 15) {
                out.append(account.substr(0, 13)).append("0").append(account.substr(13)).append(4, ' ');
            } else if (length == 16) {
                out.append(account).append(4, ' ');
            } else {
                out.append(20, ' ');
            }
            return;
        }
    }
}

std::string TBankFile::GetAmount() {
    std::string text;
    GetAmount(text);
    return text;
}

void TBankFile::GetAmount(std::string& out) {
    const Money amount = GetAmountValue();
    const FormatProfile* profile = Profile();
    const AmountPicture* picture = profile != nullptr ? &*profile->amount : nullptr;
    if (picture == nullptr || picture->style == AmountStyle::None) {
        ReportFunctionError(" GetAmount ");
        return;
    }
    AppendWithPicture(out, amount, *picture);
}

std::string TBankFile::GetAccountTitle() const {
    std::string title;
    GetAccountTitle(title);
    return title;
}

void TBankFile::GetAccountTitle(std::string& out) const {
    AppendCleanField(out, CurrentDetail().AccountTitle, 20, Padding::SpaceFilled);
}

std::string TBankFile::GetAccountTitleWidth(int width) const {
    std::string title;
    GetAccountTitleWidth(width, title);
    return title;
}

void TBankFile::GetAccountTitleWidth(int width, std::string& out) const {
    const FormatProfile* profile = Profile();
    const Padding padding = profile != nullptr ? *profile->accountTitle : Padding::SpaceFilled;
    AppendCleanField(out, CurrentDetail().AccountTitle, width, padding);
}

std::string TBankFile::GetPayeeField(std::string_view name) const {
    std::string field;
    GetPayeeField(name, field);
    return field;
}

void TBankFile::GetPayeeField(std::string_view name, std::string& out) const {
    const bool reference = name == "PayeeReference";
    std::string_view value;
    if (reference) {
        value = CurrentDetail().LodgementReference.view().substr(0, 12);
    } else if (name == "PayeeParticulars") {
        value = CurrentDetail().RemitterName.view().substr(0, 12);
    }
    PayeeReferenceLayout layout{12, false};
    if (const FormatProfile* profile = Profile(); reference && profile != nullptr)
        layout = profile->payeeReference;
    const auto width = static_cast<std::size_t>(layout.width);
    const std::size_t start = out.size();
    const std::size_t written = AppendCleaned(out, value, width);
    if (layout.rightJustified) {
        out.insert(start, width - written, ' ');
    } else {
        out.append(width - written, ' ');
    }
}

std::string TBankFile::GetBankName() const {
    const std::string_view account = CurrentDetail().CreditAccountNumber;
    const std::string_view digits = account.substr(0, 2);
    int bank = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return {};
        bank = bank * 10 + (c - '0');
    }
    if (digits.empty() || bank < 1 || bank > static_cast<int>(kBankNames.size())) return {};
    std::string name(kBankNames[static_cast<std::size_t>(bank - 1)]);
    CleanFieldText(name, 30, "", false);
    return name;  // cleaning has trimmed it
}

std::string TBankFile::GetPreformatReference() const {
    std::string reference = PreformatRef;
    CleanFieldText(reference, 16, "", false);
    return Trim(reference);
}

std::string TBankFile::GetOrderingPartyName() const {
    std::string name = PreformatRef;
    CleanFieldText(name, 35, "", false);
    return PadRightSpaces(name, 35);
}

std::string TBankFile::GetConfidentialFlag() const {
    return Confidential ? "C" : "N";
}

std::string TBankFile::GetShortDebitAccount() const {
    const FormatProfile* profile = Profile();
    if (profile != nullptr && *profile->shortDebitAccount == ShortDebitAccountLayout::DigitsOnly) {
        std::string digits;
        for (char c : TrimView(DebitAccount)) {
            if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits.push_back(c);
        }
        return digits;
    }
    std::string_view account = DebitAccount;
    const std::size_t first = account.find_first_not_of('0');
    account = first == std::string_view::npos ? std::string_view{} : account.substr(first);
    return PadRightSpaces(TrimView(account), 10);
}

std::string TBankFile::GetNextSequenceNo() {
    ++SequenceNo;
    const std::string number = std::to_string(SequenceNo);
    SequenceNoLayout layout{6, false};
    if (const FormatProfile* profile = Profile()) layout = profile->sequenceNo;
    return layout.blankFilled ? PadLeftSpaces(number, layout.width) : PadLeftZeros(number, layout.width);
}

std::string TBankFile::GetUniqueReference() {
    const TABADetailRecord* first = FirstDetail();
    std::string prefix =
        NumberText(SumOfCharCodes(first ? first->RemitterName.view() : std::string_view{}), 4);
    const FormatProfile* profile = Profile();
    const bool dropLastDigit = profile != nullptr && *profile->uniqueReference == TimeCodeDigits::DropLast;
    std::string candidate;
    std::optional<TimeOfDay> previousReading;
    for (;;) {
        const Date today = clock_.Today();
        const TimeOfDay now = clock_.TimeNow();
        if (previousReading && now == *previousReading) {
            // The clock has not moved on since the last candidate: give it a
            // moment rather than asking again at once.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        previousReading = now;
        candidate = prefix;
        candidate.append(FormatDate(today, "yy"));
        AppendNumber(candidate, static_cast<std::uint64_t>(DayOfYear(today)), 3);
        std::string timeCode = NumberText(
            static_cast<std::uint64_t>(now.hour) * 360000 + static_cast<std::uint64_t>(now.minute) * 6000 +
            static_cast<std::uint64_t>(now.second) * 100 + static_cast<std::uint64_t>(now.centisecond));
        if (dropLastDigit) timeCode.pop_back();
        candidate.append(timeCode);
        if (LastReference.empty() || candidate != LastReference) break;
    }
    LastReference = candidate;
    return candidate;
}

// ---- trailer fields

std::string TBankFile::GetHashTotal(int width) const {
    const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
    return HashTotal.size() > w ? HashTotal.substr(HashTotal.size() - w) : PadLeftZeros(HashTotal, width);
}

std::string TBankFile::GetBatchTotal(int width) const {
    for (const BatchTotalPicture& entry : kBatchTotalPictures) {
        if (entry.width == width) return WritePicture(BatchTotal, entry.picture);
    }
    return RepeatText("?", width);
}

// A count that does not fit its field would be cut to its leftmost digits
// (1000 payments written as 100), a trailer the bank would read as a different
// batch; the conversion stops instead, as the comma-separated trailers do.
std::string TBankFile::GetDetailCount(int width) const {
    std::string count = std::to_string(WrittenCount);
    if (width > 0 && static_cast<int>(count.size()) > width)
        throw ConversionError("Overflow Error in  Footer: Transaction Count ");
    return PadLeftZeros(count, width);
}

}  // namespace billpay
