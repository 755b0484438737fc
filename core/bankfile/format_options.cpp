#include "bankfile/format_options.h"

#include "bankfile/format_profile.h"
#include "util/text.h"

namespace billpay {
using enum DebitAccountDisplay;

const FormatOptions* FindFormatOptions(char code) {
    const FormatProfile* profile = FindFormatProfile(code);
    return profile != nullptr ? &*profile->page : nullptr;
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
