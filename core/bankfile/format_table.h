#pragma once

// The older names of the format profiles, kept for the callers that use them.

#include <span>

#include "bankfile/format_profile.h"

namespace billpay {

using BankFormat = FormatProfile;

inline std::span<const BankFormat> BankFormats() {
    return FormatProfiles();
}

inline const BankFormat* FindBankFormat(char code) {
    return FindFormatProfile(code);
}

}  // namespace billpay
