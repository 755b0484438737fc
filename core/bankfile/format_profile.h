#pragma once

#include <concepts>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "bankaccount/debit_account_rule.h"
#include "bankfile/format_options.h"
#include "bankfile/formatter_variants.h"

namespace billpay {

class TBankFile;

using RecordBuilder = void (*)(TBankFile&, std::string& record);

// A field every profile row must give: it has no default, so a row that
// leaves one out does not compile. (The plain fields a caller outside the
// engine reads, its code, texts, passes and builders, are checked beside the
// table instead: a row that leaves one of them out fails that check.)
template <typename T>
class Required {
public:
    template <typename U>
    requires std::convertible_to<U, T>
    constexpr Required(U&& value) : value_(std::forward<U>(value)) {}

    constexpr const T& operator*() const { return value_; }
    constexpr const T* operator->() const { return &value_; }
    constexpr operator const T&() const { return value_; }
    friend constexpr bool operator==(const Required& given, const T& value) { return given.value_ == value; }

private:
    T value_;
};

// Everything that depends on a format's code, in one row: what the user sees
// of it, how the engine runs it, which builders lay out its records and which
// variant of each field formatter it takes.
struct FormatProfile {
    char code;
    std::string_view listText;  // the banking-format list's text
    int passes;                 // 2: a counting pass before the header
    // The default export file name; a run of "#" is the batch number of the
    // last conversion zero-filled to that many digits.
    std::string_view defaultFileName;
    RecordBuilder header;  // NoRecord where the format has none
    RecordBuilder detail;
    RecordBuilder footer;

    // The conversion page.
    Required<FormatOptions> page;
    Required<DebitRule> debitRule;  // validation's check, and a debit account given instead
    // The delimiter of the format's lines is the comma, which option texts must not bring in.
    Required<bool> commaSeparated;

    // The engine.
    Required<HashSlice> hashSlice;
    // The width the records write the hash total in, which the conversion
    // report prints; 0 when no record writes it cut by GetHashTotal.
    Required<int> reportedHashWidth;
    Required<PassChecks> passChecks;

    // The field formatters' variants.
    Required<AccountFormat> accountNumber;                // GetAccountNumber
    Required<AmountPicture> amount;                       // GetAmount
    Required<BatchNoLayout> headerBatchNo;                // GetHeaderBatchNo
    Required<FixedCode> detailRecordType;                 // GetDetailRecordType
    Required<FixedCode> transactionCode;                  // GetTransactionCode
    Required<Padding> remitterName;                       // GetRemitterName
    Required<DebitBranchLayout> debitBranch;              // GetDebitBranch
    Required<PayeeReferenceLayout> payeeReference;        // GetPayeeField("PayeeReference")
    Required<SequenceNoLayout> sequenceNo;                // GetNextSequenceNo
    Required<TimeCodeDigits> uniqueReference;             // GetUniqueReference
    Required<ShortDebitAccountLayout> shortDebitAccount;  // GetShortDebitAccount
    Required<Padding> accountTitle;                       // GetAccountTitleWidth
};

// The 21 formats in list order ("GKJSAHDBEVFLXIZNMTUWP").
std::span<const FormatProfile> FormatProfiles();

// The profile of a code (upper case), or nullptr.
const FormatProfile* FindFormatProfile(char code);

// The profile at a position of the banking-format list, or nullptr.
const FormatProfile* FormatProfileAt(int listIndex);

// An option text as the format's records take it: in a comma-separated format
// every comma is removed, so that a record always keeps its number of fields.
std::string LayoutOptionText(const FormatProfile& profile, std::string_view entered);

}  // namespace billpay
