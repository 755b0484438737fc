#include <climits>

#include "platform/win32_text.h"

namespace billpay::win32 {

std::optional<std::wstring> Widen(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int size = static_cast<int>(utf8.size());
    const int wide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, out.data(), wide);
    return out;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return std::string();
    const int size = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) return "Error " + std::to_string(error);
    std::wstring_view text(buffer, length);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.remove_suffix(1);
    std::string message = Narrow(text);
    ::LocalFree(buffer);
    return message;
}

}  // namespace billpay::win32
