#pragma once

// The per-format variants of the field formatters. Each format's profile row
// names one variant of each; a formatter whose variant is "none" for a code
// reports that through ReportFunctionError.

#include <array>
#include <optional>
#include <string_view>

namespace billpay {

// GetAccountNumber.
enum class AccountLayout {
    None,
    BlankAfter15,  // 15 digits and a blank; 16 unchanged; otherwise 16 blanks
    ZeroAfter15,   // 15 digits and "0"; 16 unchanged; otherwise 16 blanks
    Unchanged,
    Parts,        // the four parts zero-filled to their widths and joined
    DashedParts,  // the same with "-" between the parts
    Hsbc,         // a 3-digit suffix, then four blanks; otherwise 20 blanks
};

struct AccountFormat {
    AccountLayout layout;
    std::array<int, 4> widths;  // bank, branch, base, suffix (Parts and DashedParts)
};

// GetAmount and GetBatchTotal: a number picture with `integerDigits` digits
// always written before the point ("0" digits; a "#" picture has one) and two
// decimals, or C's "%15.2f".
enum class AmountStyle { None, Picture, Printf15 };

struct AmountPicture {
    AmountStyle style;
    int integerDigits;
    bool keepPoint;  // false: the point is taken out of the written picture
};

// GetHeaderBatchNo: zero-filled to a width (0: no variant); with lastTwoOnly
// a trimmed batch number longer than two keeps its last two characters.
struct BatchNoLayout {
    int width;
    bool lastTwoOnly;
};

// GetDetailRecordType and GetTransactionCode: a constant text, or none.
using FixedCode = std::optional<std::string_view>;

// Whether a text is blank-filled to its field's width or left as it is
// (GetRemitterName, GetAccountTitleWidth).
enum class Padding { SpaceFilled, Unpadded };

// GetDebitBranch: the branch part as cut, or zero-filled to four.
enum class DebitBranchLayout { AsCut, ZeroFilled };

// GetPayeeField("PayeeReference"): cleaned to a width, then blank-filled on
// the right or right-justified.
struct PayeeReferenceLayout {
    int width;
    bool rightJustified;
};

// GetNextSequenceNo: zero-filled, or right-justified with blanks, to a width.
struct SequenceNoLayout {
    int width;
    bool blankFilled;
};

// GetUniqueReference: the time code in full, or without its last digit.
enum class TimeCodeDigits { All, DropLast };

// GetShortDebitAccount: without leading zeros and blank-filled to ten, or the
// bare digits without leading zeros.
enum class ShortDebitAccountLayout { PaddedToTen, DigitsOnly };

// The part of the credit account (1-based positions, inclusive) a format adds
// to its hash total; {0, 0} adds nothing.
struct HashSlice {
    int from;
    int to;
};

// Checks of a two-pass format between its counting pass and its header: the
// exact length of the debit account and the most details it can hold, each
// with the message that fails the conversion (0: no check).
struct PassChecks {
    int debitAccountLength;
    std::string_view debitAccountMessage;
    int maxDetails;
    std::string_view maxDetailsMessage;
};

}  // namespace billpay
