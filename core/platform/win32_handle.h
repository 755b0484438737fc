#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace billpay::win32 {

// Owns a handle from CreateFileW and closes it once.
class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle) {
        Close();
        handle_ = handle;
    }
    // Closes the handle now; false (last error set) when closing failed.
    bool Close() {
        if (handle_ == INVALID_HANDLE_VALUE) return true;
        const HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(h) != 0;
    }

private:
    HANDLE handle_;
};

}  // namespace billpay::win32
