#include "platform/interrupt_cleanup_win32.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/win32_handle.h"

namespace billpay::win32 {
namespace {

// The system calls the handler on a thread of its own, so a lock is safe.
std::mutex registryMutex;
std::vector<std::wstring> temporaries;

BOOL WINAPI RemoveTemporaryFiles(DWORD) {
    std::lock_guard lock(registryMutex);
    for (const std::wstring& path : temporaries) ::DeleteFileW(path.c_str());
    return FALSE;  // let the next handler, in the end the system, end the program
}

}  // namespace

InterruptCleanup::InterruptCleanup(std::wstring path) : path_(std::move(path)) {
    std::lock_guard lock(registryMutex);
    if (temporaries.empty()) ::SetConsoleCtrlHandler(RemoveTemporaryFiles, TRUE);
    temporaries.push_back(path_);
}

InterruptCleanup::~InterruptCleanup() {
    std::lock_guard lock(registryMutex);
    const auto it = std::find(temporaries.begin(), temporaries.end(), path_);
    if (it != temporaries.end()) temporaries.erase(it);
    if (temporaries.empty()) ::SetConsoleCtrlHandler(RemoveTemporaryFiles, FALSE);
}

}  // namespace billpay::win32
