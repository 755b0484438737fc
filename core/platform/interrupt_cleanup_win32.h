#pragma once

#include <string>

namespace billpay::win32 {

// While one of these lives, the temporary file at `path` is deleted if the
// console program is ended by Ctrl+C, Ctrl+Break or the closing of its
// console, logoff or shutdown; the system's handling (ending the program)
// follows. The file must be open with FILE_SHARE_DELETE for the deletion to
// take while it is being written.
class InterruptCleanup {
public:
    explicit InterruptCleanup(std::wstring path);
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

private:
    std::wstring path_;
};

}  // namespace billpay::win32
