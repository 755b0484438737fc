#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace billpay::win32 {

// A UTF-8 path as the wide text the system's calls take; nothing when the
// bytes are not UTF-8.
std::optional<std::wstring> Widen(std::string_view utf8);

// Wide text as UTF-8.
std::string Narrow(std::wstring_view wide);

// The system's message for an error code, as UTF-8 without its closing
// line end.
std::string SystemMessage(DWORD error);
inline std::string LastErrorMessage() {
    return SystemMessage(::GetLastError());
}

}  // namespace billpay::win32
