#include <algorithm>
#include <atomic>
#include <string>

#include "platform/file_system.h"
#include "platform/interrupt_cleanup_win32.h"
#include "platform/win32_handle.h"
#include "platform/win32_text.h"

namespace billpay {
namespace {

using win32::Handle;
using win32::LastErrorMessage;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Writes everything, in pieces a single WriteFile takes.
bool WriteAll(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(contents.size(), DWORD{1} << 30));
        DWORD written = 0;
        if (!::WriteFile(file, contents.data(), ask, &written, nullptr)) return false;
        if (written == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        contents.remove_prefix(written);
    }
    return true;
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L".";
    return path.substr(0, slash);
}

// A name no other writer picks at the same moment; CREATE_NEW settles the rest.
std::wstring TemporaryName() {
    static std::atomic<unsigned long long> counter{0};
    unsigned long long x = (static_cast<unsigned long long>(::GetTickCount64()) ^
                            (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^
                            (counter++ * 0x9E3779B97F4A7C15ull)) *
                           0xBF58476D1CE4E5B9ull;
    static constexpr wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    std::wstring name = L".billpay-";
    for (int i = 0; i < 10; ++i) {
        name += kDigits[x % 36];
        x /= 36;
    }
    return name + L".tmp";
}

// The path of the file an open handle names, links resolved.
std::optional<std::wstring> FinalPath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) return std::nullopt;
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(n + 1);
    }
}

}  // namespace

std::optional<std::string> WriteFileReplacing(std::string_view requested, std::string_view contents) {
    if (requested.empty()) return std::string(kNoFileName);
    const auto wide = win32::Widen(requested);
    if (!wide) return win32::SystemMessage(ERROR_NO_UNICODE_TRANSLATION);

    // Opening the existing target for writing (without changing it) tells
    // at once whether the user may write it (a read-only or protected file
    // is refused), whether it is a device or pipe, and where a link leads.
    std::wstring target = *wide;
    bool exists = false;
    {
        Handle existing(::CreateFileW(wide->c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (existing.valid()) {
            if (::GetFileType(existing.get()) != FILE_TYPE_DISK) {
                if (!WriteAll(existing.get(), contents)) return LastErrorMessage();
                if (!existing.Close()) return LastErrorMessage();
                return std::nullopt;
            }
            if (const auto final = FinalPath(existing.get())) target = *final;
            exists = true;
        } else {
            const DWORD error = ::GetLastError();
            const DWORD attributes = ::GetFileAttributesW(wide->c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                return std::string("Is a directory");
            if (error != ERROR_FILE_NOT_FOUND) return win32::SystemMessage(error);
        }
    }

    const std::wstring folder = FolderOf(target);
    std::wstring temp;
    Handle file;
    for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
        temp = folder + L"\\" + TemporaryName();
        // Shared for deletion, so that an interruption can remove it while
        // it is being written.
        file.Reset(::CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() && ::GetLastError() != ERROR_FILE_EXISTS) return LastErrorMessage();
    }
    if (!file.valid()) return LastErrorMessage();
    win32::InterruptCleanup cleanup(temp);
    auto fail = [&](DWORD error) -> std::optional<std::string> {
        file.Close();
        ::DeleteFileW(temp.c_str());
        return win32::SystemMessage(error);
    };
    if (!WriteAll(file.get(), contents)) return fail(::GetLastError());
    if (!::FlushFileBuffers(file.get())) return fail(::GetLastError());
    if (!file.Close()) return fail(::GetLastError());

    // ReplaceFileW keeps the replaced file's attributes and access rights;
    // where it cannot be used (some file systems), a plain replacing move.
    if (exists && ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                 nullptr, nullptr))
        return std::nullopt;
    if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(::GetLastError());
    return std::nullopt;
}

}  // namespace billpay
