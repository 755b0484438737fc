#include "bankfile/bank_file.h"

#include <array>
#include <exception>
#include <string>
#include <string_view>

#include "bankfile/format_profile.h"
#include "util/error_flag.h"
#include "util/number_text.h"
#include "util/text.h"

namespace billpay {

namespace {

constexpr std::string_view kCouldNotConvertCaption = "Could not convert ABA file";
constexpr std::string_view kResultsCaption = "Electronic Bank File - File Creation Results";
constexpr std::string_view kFallbackFileName = "C:\\bankfile.txt";

// Reads an amount as written by GetAmount as a plain decimal number and tells
// whether it is zero. Blanks around it are ignored; an empty text is zero.
bool IsZeroAmountText(std::string_view text) {
    const std::string_view number = TrimView(text);
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    bool digits = false;
    bool point = false;
    bool nonZero = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            nonZero = nonZero || c != '0';
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (number.empty()) return true;
    if (i != number.size() || !digits) {
        throw ConversionError("'" + std::string(number) + "' is not a valid floating point value");
    }
    return !nonZero;
}

// Whether an amount rounds to no cents, as the amount pictures round it.
bool RoundsToNoCents(Money amount) {
    const auto ticks = static_cast<std::uint64_t>(amount.ticks);
    const std::uint64_t magnitude = amount.ticks < 0 ? std::uint64_t{0} - ticks : ticks;
    return magnitude < static_cast<std::uint64_t>(Money::kTicksPerCent / 2);
}

bool IsDigitText(std::string_view text) {
    return !text.empty() && AllDigits(text);
}

// Adds a digit slice to a hash total held as digits without leading zeros,
// in place: the total stays as AddNumberTexts would write it, without a new
// text for every payment.
void AddDigitsInPlace(std::string& total, std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return;
    digits.remove_prefix(first);
    if (total == "0") total.clear();
    if (total.size() < digits.size()) total.insert(0, digits.size() - total.size(), '0');
    int carry = 0;
    std::size_t t = total.size();
    for (std::size_t d = digits.size(); t > 0 && (d > 0 || carry != 0);) {
        int sum = (total[--t] - '0') + carry;
        if (d > 0) sum += digits[--d] - '0';
        carry = sum >= 10 ? 1 : 0;
        total[t] = static_cast<char>('0' + sum - 10 * carry);
    }
    if (carry != 0) total.insert(total.begin(), '1');
}

std::string Plural(std::int32_t count, std::string_view one, std::string_view many) {
    return std::string(count == 1 ? one : many);
}

// Restores the normal cursor however the conversion ends (the detail loop
// shows the busy one).
class NormalCursorOnExit {
public:
    explicit NormalCursorOnExit(ConversionHost& host) : host_(host) {}
    ~NormalCursorOnExit() { host_.SetBusyCursor(false); }
    NormalCursorOnExit(const NormalCursorOnExit&) = delete;
    NormalCursorOnExit& operator=(const NormalCursorOnExit&) = delete;

private:
    ConversionHost& host_;
};

}  // namespace

TBankFile::TBankFile(ConversionHost& host, Clock& clock) : host_(host), clock_(clock) {}

bool TBankFile::CreateBankFile(const AbaLines& abaLines, char formatCode, const ConversionOptions& options,
                               TextLines& out) {
    Pass = 0;
    host_.SetPosition(0);
    result_ = ConversionResult{};

    SetAbaLines(&abaLines);
    bankFileLines_ = &out;
    FormatCode = formatCode;
    const FormatProfile* format = Profile();
    // Option texts are taken as the format's records can hold them.
    const auto take = [format](std::string_view entered) {
        return format != nullptr ? LayoutOptionText(*format, entered) : std::string(entered);
    };
    DebitAccount.clear();
    for (char c : take(options.DebitAccount)) {
        if (c != '-') DebitAccount.push_back(c);
    }
    BatchNo = take(options.BatchNo);
    lastBatchNo_ = options.BatchNo;
    PreformatRef = take(options.PreformatRef);
    Confidential = options.Confidential;
    PayerReference = take(options.PayerReference);
    PayerParticulars = take(options.PayerParticulars);
    PayerCode = take(options.PayerCode);
    out.clear();

    bool produced = false;
    std::string failure;
    {
        NormalCursorOnExit cursor(host_);
        try {
            const std::size_t n = abaLines.size();
            if (n < 2) {
                throw ConversionError(
                    "The ABA file needs a header record and a trailer record to be converted.");
            }
            const bool twoPasses = format != nullptr && format->passes == 2;
            const std::size_t details = n - 2;
            host_.SetMaximum(twoPasses ? 2 * details : details);
            out.reserve(n, 0);

            ErrorFlag = false;
            ErrorMessage.clear();
            SequenceNo = 2;
            Pass = 0;
            std::string record;
            const auto append = [&out, &record](void (TBankFile::*build)(std::string&), TBankFile& bf) {
                record.clear();
                (bf.*build)(record);
                if (!record.empty()) out.push_back(record);
            };
            if (twoPasses) {
                // The counting pass fixes the count and totals the header carries.
                Pass = 1;
                ProcessDetails();
                const PassChecks& checks = format->passChecks;
                if (checks.debitAccountLength != 0 &&
                    static_cast<int>(DebitAccount.size()) != checks.debitAccountLength) {
                    failure = checks.debitAccountMessage;
                } else if (checks.maxDetails != 0 && WrittenCount > checks.maxDetails) {
                    failure = checks.maxDetailsMessage;
                }
                if (failure.empty()) {
                    append(&TBankFile::GetHeaderText, *this);
                    Pass = 2;
                    ProcessDetails();
                    append(&TBankFile::GetFooterText, *this);
                    produced = true;
                }
            } else {
                append(&TBankFile::GetHeaderText, *this);
                ProcessDetails();
                append(&TBankFile::GetFooterText, *this);
                produced = true;
            }
        } catch (const std::exception& e) {
            produced = false;
            failure = std::string("Exception: ") + e.what();
        }
    }
    SetAbaLines(nullptr);
    bankFileLines_ = nullptr;

    if (!produced) {
        host_.ShowMessage(MessageIcon::Error, kCouldNotConvertCaption, failure);
        return false;
    }
    if (FailedCount != 0) {
        FailedCount -= OmittedCount;
        result_.Summary = ResultSummary();
        host_.ShowMessage(MessageIcon::Warning, kResultsCaption, result_.Summary);
    }
    result_.WrittenCount = WrittenCount;
    result_.FailedCount = FailedCount;
    result_.OmittedCount = OmittedCount;
    result_.BatchTotal = BatchTotal;
    if (format != nullptr && format->reportedHashWidth > 0) {
        result_.HashTotalText = GetHashTotal(format->reportedHashWidth);
    }
    return true;
}

std::string TBankFile::GetDefaultFileName(char formatCode) const {
    const FormatProfile* format = FindFormatProfile(formatCode);
    if (format == nullptr) return std::string(kFallbackFileName);
    const std::string_view pattern = format->defaultFileName;
    const std::size_t first = pattern.find('#');
    if (first == std::string_view::npos) return std::string(pattern);
    const std::size_t end = pattern.find_first_not_of('#', first);
    const std::size_t digits = (end == std::string_view::npos ? pattern.size() : end) - first;
    std::string name(pattern.substr(0, first));
    name.append(PadLeftZeros(lastBatchNo_, static_cast<int>(digits)));
    if (end != std::string_view::npos) name.append(pattern.substr(end));
    return name;
}

void TBankFile::ProcessDetails() {
    OmittedCount = 0;
    FailedCount = 0;
    BatchTotal = Money{};
    WrittenCount = 0;
    LastReference.clear();
    SetToZeroText(HashTotal);

    const std::size_t n = abaLines_ != nullptr ? abaLines_->size() : 0;
    const FormatProfile* format = Profile();
    // Where the format writes amounts, an amount is zero when it rounds to no cents.
    const bool amountInCents = format != nullptr && format->amount->style != AmountStyle::None;
    bool reserved = false;
    // One record buffer serves every detail of the pass.
    std::string record;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        CurrentLine = static_cast<std::int32_t>(i);
        host_.SetBusyCursor(true);
        CurrentDetail();  // every line between the header and the trailer must be a detail

        record.clear();
        GetTextOut(record);
        if (!ErrorFlag) {
            // The amount raises the flag itself when the record did not ask for it.
            const Money amount = GetAmountValue();
            const bool zero = amountInCents ? RoundsToNoCents(amount) : IsZeroAmountText(GetAmount());
            if (!ErrorFlag && !zero) {
                AddToBatchTotal(amount);
                ++WrittenCount;
                AddToHashTotal();
                if (Pass != 1 && bankFileLines_ != nullptr) {
                    if (!reserved) {
                        // Records of a format are of much the same length.
                        bankFileLines_->reserve(n, (record.size() + 1) * n);
                        reserved = true;
                    }
                    bankFileLines_->push_back(record);
                }
            }
        }
        if (ErrorFlag) {
            ++FailedCount;
            ErrorFlag = false;
            ErrorMessage.clear();
        }

        host_.Step();
        host_.ProcessPendingEvents();
    }
}

void TBankFile::GetHeaderText(std::string& record) {
    if (const FormatProfile* format = Profile()) return format->header(*this, record);
    ReportFunctionError("GetHeaderText");
}

void TBankFile::GetTextOut(std::string& record) {
    if (const FormatProfile* format = Profile()) return format->detail(*this, record);
    ReportFunctionError("GetTextOut");
}

void TBankFile::GetFooterText(std::string& record) {
    if (const FormatProfile* format = Profile()) return format->footer(*this, record);
    ReportFunctionError("GetFooterText");
}

std::string TBankFile::GetHeaderText() {
    std::string record;
    GetHeaderText(record);
    return record;
}

std::string TBankFile::GetTextOut() {
    std::string record;
    GetTextOut(record);
    return record;
}

std::string TBankFile::GetFooterText() {
    std::string record;
    GetFooterText(record);
    return record;
}

void TBankFile::ReportFunctionError(std::string_view functionName) {
    std::string text = " An error has occurred in function ";
    text.append(functionName);
    // Not under the busy cursor; the detail loop shows it again for the next detail.
    host_.SetBusyCursor(false);
    host_.ShowMessage(MessageIcon::Information, "", text);
}

std::string TBankFile::ResultSummary() const {
    const std::int32_t written = WrittenCount;
    const std::int32_t omitted = OmittedCount;
    const std::int32_t failed = FailedCount;
    std::string text = "Of " + std::to_string(written + failed + omitted) +
                       " bank deductions calculated in this payroll period:-" + "\r";
    if (written > 0) {
        text += "\r" + std::to_string(written) + " deduction" + Plural(written, " was ", "s were ") +
                "successfully written to the bank file.";
    }
    if (omitted > 0) {
        text += "\r" + std::to_string(omitted) + " deduction" + Plural(omitted, " was ", "s were ") +
                "omitted due to " + Plural(omitted, "a ", "") +
                "negative net pay or secondary deduction amount" + Plural(omitted, "", "s") + ".";
    }
    if (failed > 0) {
        text += "\r" + std::to_string(failed) + " deduction" + Plural(failed, " ", "s ") +
                "could not be processed due to " + Plural(failed, "a ", "") + "data error" +
                Plural(failed, "", "s") + ".";
    }
    text += "\r\rBanking File Name: " + BankingFileName;
    return text;
}

Money TBankFile::GetAmountValue() {
    const Money amount = CurrentDetail().Amount;
    if (amount.ticks < 0) {
        // A record may ask for the amount more than once; the detail is omitted once.
        if (!ErrorFlag) ++OmittedCount;
        SetErrorFlag(ErrorFlag, ErrorMessage, "negative amount");
    }
    return amount;
}

void TBankFile::AddToBatchTotal(Money amount) {
    // Money holds whole ten-thousandths, so the sum needs no rounding.
    BatchTotal += amount;
}

void TBankFile::AddToHashTotal() {
    const FormatProfile* format = Profile();
    if (format == nullptr || format->hashSlice->from == 0) return;
    const HashSlice& slice = format->hashSlice;
    const std::string_view account = CurrentDetail().CreditAccountNumber;
    const auto from = static_cast<std::size_t>(slice.from - 1);
    if (from >= account.size()) return;
    const std::string_view digits = account.substr(from, static_cast<std::size_t>(slice.to) - from);
    if (IsDigitText(digits) && IsDigitText(HashTotal) && (HashTotal == "0" || HashTotal[0] != '0')) {
        AddDigitsInPlace(HashTotal, digits);
    } else {
        HashTotal = AddNumberTexts(HashTotal, digits);
    }
}

const FormatProfile* TBankFile::Profile() const {
    if (FormatCode != profileCode_) {
        profileCode_ = FormatCode;
        profile_ = FindFormatProfile(FormatCode);
    }
    return profile_;
}

const TABAHeaderRecord& TBankFile::HeaderRecord() const {
    static const TABAHeaderRecord kNoHeader{};
    if (abaLines_ == nullptr || abaLines_->empty()) return kNoHeader;
    const TABAHeaderRecord* header = (*abaLines_)[0].header();
    return header != nullptr ? *header : kNoHeader;
}

const TABADetailRecord& TBankFile::CurrentDetail() const {
    if (detailCache_.line == CurrentLine && detailCache_.detail != nullptr) return *detailCache_.detail;
    const TABADetailRecord* detail = nullptr;
    if (abaLines_ != nullptr && CurrentLine >= 0 &&
        static_cast<std::size_t>(CurrentLine) < abaLines_->size()) {
        detail = (*abaLines_)[static_cast<std::size_t>(CurrentLine)].detail();
    }
    detailCache_ = DetailCache{CurrentLine, detail};
    if (detail == nullptr) {
        throw ConversionError("Line " + std::to_string(CurrentLine + 1) + " is not a detail record");
    }
    return *detail;
}

const TABADetailRecord* TBankFile::FirstDetail() const {
    if (abaLines_ == nullptr || abaLines_->size() < 2) return nullptr;
    return (*abaLines_)[1].detail();
}

}  // namespace billpay
