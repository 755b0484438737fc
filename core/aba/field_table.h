#pragma once

#include <string_view>

namespace billpay {

// Every field of every ABA record type, by 1-based start column and length.
// This table is the only place that knows where the fields stand.
enum class AbaField {
    // header record "0"
    FinancialInstitution,
    LegalName,
    APCANumber,
    FileDescription,
    PayDate,
    // detail record "1"
    CreditAccountNumber,
    TransactionCode,
    Amount,
    AccountTitle,
    LodgementReference,
    DebitAccountNumber,
    RemitterName,
    // trailer record "7"
    NetTotalAmount,
    CreditAmount,
    DebitAmount,
    FileCount,
};

struct AbaFieldPosition {
    AbaField field;
    int start;   // 1-based column
    int length;  // characters
};

inline constexpr int kAbaRecordLength = 120;

inline constexpr AbaFieldPosition kAbaFieldTable[] = {
    {AbaField::FinancialInstitution, 21, 3},
    {AbaField::LegalName, 31, 26},
    {AbaField::APCANumber, 57, 6},
    {AbaField::FileDescription, 63, 12},
    {AbaField::PayDate, 75, 6},
    {AbaField::CreditAccountNumber, 2, 16},
    {AbaField::TransactionCode, 19, 2},
    {AbaField::Amount, 21, 10},
    {AbaField::AccountTitle, 31, 32},
    {AbaField::LodgementReference, 63, 18},
    {AbaField::DebitAccountNumber, 81, 16},
    // 17 columns (97-113) are cut, trimmed, then kept to 16 characters.
    {AbaField::RemitterName, 97, 17},
    {AbaField::NetTotalAmount, 21, 10},
    {AbaField::CreditAmount, 31, 10},
    // The 10-column amount and the filler behind it are read as one number.
    {AbaField::DebitAmount, 41, 32},
    {AbaField::FileCount, 75, 6},
};

constexpr const AbaFieldPosition& PositionOf(AbaField field) {
    return kAbaFieldTable[static_cast<int>(field)];
}

static_assert(
    [] {
        for (int i = 0; i < static_cast<int>(std::size(kAbaFieldTable)); ++i)
            if (static_cast<int>(kAbaFieldTable[i].field) != i) return false;
        return true;
    }(),
    "the field table is indexed by AbaField");

}  // namespace billpay
