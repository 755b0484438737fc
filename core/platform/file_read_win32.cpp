#include <algorithm>

#include "platform/file_system.h"
#include "platform/win32_handle.h"
#include "platform/win32_text.h"

namespace billpay {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens an existing file or folder for looking at (folders need backup
// semantics to be opened at all).
HANDLE OpenForInformation(const std::wstring& path) {
    return ::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                         nullptr);
}

}  // namespace

WholeFile ReadWholeFile(std::string_view path, std::size_t maxBytes) {
    WholeFile result;
    auto fail = [&](std::string reason) {
        result.status = ReadStatus::Failed;
        result.error = std::move(reason);
        result.bytes.clear();
        return std::move(result);
    };
    auto tooLarge = [&] {
        result.status = ReadStatus::TooLarge;
        result.bytes = std::string();
        return std::move(result);
    };
    if (path.empty()) return fail(std::string(kNoFileName));
    const auto wide = win32::Widen(path);
    if (!wide) return fail(win32::SystemMessage(ERROR_NO_UNICODE_TRANSLATION));

    const DWORD attributes = ::GetFileAttributesW(wide->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail("Is a directory");
    // Others may go on writing, renaming or deleting the file meanwhile (the
    // payroll package rewriting its export): the read then ends with what
    // was there, never with a fault.
    win32::Handle file(::CreateFileW(wide->c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return fail(win32::LastErrorMessage());

    const bool disk = ::GetFileType(file.get()) == FILE_TYPE_DISK;
    std::size_t capacity = std::size_t{1} << 16;
    if (disk) {
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(file.get(), &size)) return fail(win32::LastErrorMessage());
        if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return tooLarge();
        capacity = static_cast<std::size_t>(size.QuadPart) + 1;
    }
    result.bytes.resize(std::min(capacity, maxBytes + 1));
    std::size_t have = 0;
    for (;;) {
        if (have == result.bytes.size()) {
            if (have > maxBytes) return tooLarge();
            result.bytes.resize(std::min(std::max(have * 2, std::size_t{1} << 16), maxBytes + 1));
        }
        const DWORD ask =
            static_cast<DWORD>(std::min<std::size_t>(result.bytes.size() - have, DWORD{1} << 30));
        DWORD got = 0;
        if (!::ReadFile(file.get(), result.bytes.data() + have, ask, &got, nullptr)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) break;  // the writer is done
            return fail(win32::SystemMessage(error));
        }
        if (got == 0) break;
        have += got;
    }
    if (have > maxBytes) return tooLarge();
    result.bytes.resize(have);
    result.status = ReadStatus::Read;
    return result;
}

bool IsSameFile(std::string_view first, std::string_view second) {
    const auto a = win32::Widen(first), b = win32::Widen(second);
    if (!a || !b || a->empty() || b->empty()) return false;
    win32::Handle fa(OpenForInformation(*a)), fb(OpenForInformation(*b));
    if (!fa.valid() || !fb.valid()) return false;
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    if (!::GetFileInformationByHandle(fa.get(), &ia) || !::GetFileInformationByHandle(fb.get(), &ib))
        return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

}  // namespace billpay
