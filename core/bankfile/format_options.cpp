#include "bankfile/format_options.h"

#include <array>

#include "util/text.h"

namespace billpay {
namespace {

using enum DebitAccountDisplay;

constexpr std::string_view kPreformatReference = "Preformat Reference:";
constexpr std::string_view kOtherPartyParticulars = "Other Party Particulars:";
constexpr std::string_view kOrderingPartyName = "Ordering Party Name:";
constexpr std::string_view kOrderingPartyHint = "Enter the Ordering Party Name reference for this file";

// In the order of the banking-format list.
constexpr std::array<FormatOptions, 21> kFormatOptions{{
    {'G', 2, false, Grouped, {}, 0, false, {}, false, false},
    {'K', 0, false, Grouped, {}, 0, false, {}, false, false},
    {'J', 2, false, Grouped, {}, 0, false, {}, false, false},
    {'S', 0, false, Grouped, {}, 0, false, {}, false, true},
    {'A', 0, false, Grouped, {}, 0, false, {}, false, false},
    {'H', 2, false, Grouped, {}, 0, false, {}, false, false},
    {'D', 2, false, Grouped, kOtherPartyParticulars, 12, false,
     "Enter the Other Party Particulars reference for this file", false, false},
    {'B', 4, true, Grouped, {}, 0, false, {}, false, false},
    {'E', 0, false, AsStored, kPreformatReference, 16, true,
     "Enter the Citibank Preformat Reference for this file", false, false},
    {'V', 0, false, AsStored, kOrderingPartyName, 35, true, kOrderingPartyHint, false, false},
    {'F', 0, false, AsStored, {}, 0, false, {}, false, false},
    {'L', 0, false, AsStored, kOrderingPartyName, 35, true, kOrderingPartyHint, true, false},
    {'X', 0, false, AsStored, {}, 0, false, {}, false, false},
    {'I', 0, false, Empty, {}, 0, false, {}, false, false},
    {'Z', 0, false, Grouped, {}, 0, false, {}, false, false},
    {'N', 0, false, Grouped, {}, 0, false, {}, false, false},
    {'M', 2, true, Grouped, {}, 0, false, {}, false, false},
    {'T', 7, true, Grouped, {}, 0, false, {}, false, false},
    {'U', 4, false, Grouped, {}, 0, false, {}, false, false},
    {'W', 0, false, Grouped, {}, 0, false, {}, false, false},
    {'P', 3, true, Grouped, {}, 0, false, {}, false, false},
}};

}  // namespace

const FormatOptions* FindFormatOptions(char code) {
    for (const FormatOptions& options : kFormatOptions) {
        if (options.code == code) return &options;
    }
    return nullptr;
}

std::string DebitAccountForDisplay(std::string_view debitAccount, DebitAccountDisplay display) {
    switch (display) {
        case Empty:
            return {};
        case AsStored:
            return std::string(debitAccount);
        case Grouped:
            break;
    }
    if (TrimView(debitAccount).empty()) return {};
    // Characters 1-2, 3-6, 7-13 and 14 onward (at most 3), "-" between them.
    auto piece = [&](std::size_t from, std::size_t count) {
        return from < debitAccount.size() ? debitAccount.substr(from, count) : std::string_view{};
    };
    std::string shown;
    shown.reserve(20);
    shown.append(piece(0, 2))
        .append("-")
        .append(piece(2, 4))
        .append("-")
        .append(piece(6, 7))
        .append("-")
        .append(piece(13, 3));
    return shown;
}

}  // namespace billpay
