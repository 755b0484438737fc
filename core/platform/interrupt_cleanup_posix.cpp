#include "platform/interrupt_cleanup_posix.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace billpay::posix {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kWriteSignals[] = {SIGPIPE, SIGXFSZ};
constexpr int kEnding = sizeof(kEndingSignals) / sizeof(kEndingSignals[0]);
constexpr int kWrite = sizeof(kWriteSignals) / sizeof(kWriteSignals[0]);

// One temporary file to remove. `folderFd` is published last (release) and
// read first (acquire) by the handler, so the name is complete when seen.
struct Slot {
    std::atomic<int> folderFd{-1};  // -1 free, -2 being filled, else in use
    char name[64] = {};
};
static_assert(std::atomic<int>::is_always_lock_free);

constexpr int kSlots = 8;
Slot slots[kSlots];

// What the signals did before; written only while no handler of ours is
// installed, read by the handler.
struct sigaction previousEnding[kEnding];
bool installedEnding[kEnding] = {};
struct sigaction previousWrite[kWrite];
bool ignoredWrite[kWrite] = {};

std::mutex installMutex;
int cleanupUsers = 0;
int writeUsers = 0;

extern "C" void RemoveTemporaryFiles(int signal) {
    const int savedErrno = errno;
    for (Slot& slot : slots) {
        const int fd = slot.folderFd.load(std::memory_order_acquire);
        if (fd >= 0) ::unlinkat(fd, slot.name, 0);
    }
    for (int k = 0; k < kEnding; ++k) {
        if (kEndingSignals[k] != signal) continue;
        // Hand the signal to whatever handled it before: the default action
        // ends the program; a handler of the program's own runs next.
        ::sigaction(signal, &previousEnding[k], nullptr);
        ::raise(signal);
    }
    errno = savedErrno;
}

void IgnoreWriteSignals() {
    if (writeUsers++ > 0) return;
    for (int k = 0; k < kWrite; ++k) {
        ignoredWrite[k] = false;
        if (::sigaction(kWriteSignals[k], nullptr, &previousWrite[k]) != 0) continue;
        if (previousWrite[k].sa_handler != SIG_DFL) continue;
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ignoredWrite[k] = ::sigaction(kWriteSignals[k], &ignore, nullptr) == 0;
    }
}

void RestoreWriteSignals() {
    if (--writeUsers > 0) return;
    for (int k = 0; k < kWrite; ++k) {
        if (ignoredWrite[k]) ::sigaction(kWriteSignals[k], &previousWrite[k], nullptr);
        ignoredWrite[k] = false;
    }
}

void InstallCleanup() {
    if (cleanupUsers++ > 0) return;
    for (int k = 0; k < kEnding; ++k) {
        installedEnding[k] = false;
        if (::sigaction(kEndingSignals[k], nullptr, &previousEnding[k]) != 0) continue;
        // An ignored signal does not end the program: nothing to clean up.
        if (!(previousEnding[k].sa_flags & SA_SIGINFO) && previousEnding[k].sa_handler == SIG_IGN) continue;
        struct sigaction cleanup {};
        cleanup.sa_handler = RemoveTemporaryFiles;
        sigfillset(&cleanup.sa_mask);
        installedEnding[k] = ::sigaction(kEndingSignals[k], &cleanup, nullptr) == 0;
    }
}

void RestoreCleanup() {
    if (--cleanupUsers > 0) return;
    for (int k = 0; k < kEnding; ++k) {
        if (installedEnding[k]) ::sigaction(kEndingSignals[k], &previousEnding[k], nullptr);
        installedEnding[k] = false;
    }
}

}  // namespace

InterruptCleanup::InterruptCleanup(int folderFd, std::string_view name) {
    std::lock_guard lock(installMutex);
    IgnoreWriteSignals();
    InstallCleanup();
    if (name.size() >= sizeof(Slot::name)) return;
    for (int k = 0; k < kSlots; ++k) {
        int expected = -1;
        if (!slots[k].folderFd.compare_exchange_strong(expected, -2)) continue;
        std::memcpy(slots[k].name, name.data(), name.size());
        slots[k].name[name.size()] = '\0';
        slots[k].folderFd.store(folderFd, std::memory_order_release);
        slot_ = k;
        return;
    }
}

InterruptCleanup::~InterruptCleanup() {
    std::lock_guard lock(installMutex);
    if (slot_ >= 0) slots[slot_].folderFd.store(-1, std::memory_order_release);
    RestoreCleanup();
    RestoreWriteSignals();
}

WriteSignalsIgnored::WriteSignalsIgnored() {
    std::lock_guard lock(installMutex);
    IgnoreWriteSignals();
}

WriteSignalsIgnored::~WriteSignalsIgnored() {
    std::lock_guard lock(installMutex);
    RestoreWriteSignals();
}

}  // namespace billpay::posix
