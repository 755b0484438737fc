#pragma once

#include <string_view>

namespace billpay::posix {

// While one of these lives, the temporary file `name` in the folder open as
// `folderFd` is removed if the program is ended by SIGINT, SIGTERM or SIGHUP;
// the signal then takes its course (the previous action runs, by default the
// program ends). For the same time SIGPIPE and SIGXFSZ are ignored where
// they had their default action, so that a closed pipe or the file size
// limit fails the write with a reason instead of killing the program.
// Several may live at once (one per file being written); the signal handler
// only reads fixed buffers and calls unlinkat, sigaction and raise.
class InterruptCleanup {
public:
    InterruptCleanup(int folderFd, std::string_view name);
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

private:
    int slot_ = -1;  // the registration, or -1 when every slot was taken
};

// Only SIGPIPE and SIGXFSZ ignored as above, for a file written directly.
class WriteSignalsIgnored {
public:
    WriteSignalsIgnored();
    ~WriteSignalsIgnored();
    WriteSignalsIgnored(const WriteSignalsIgnored&) = delete;
    WriteSignalsIgnored& operator=(const WriteSignalsIgnored&) = delete;
};

}  // namespace billpay::posix
