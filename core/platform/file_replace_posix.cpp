#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/interrupt_cleanup_posix.h"
#include "platform/posix_descriptor.h"

namespace billpay {
namespace {

using posix::Descriptor;
using posix::Reason;

// Writes everything, retrying short writes and interruptions.
bool WriteAll(int fd, std::string_view contents) {
    const char* p = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// A device or a pipe, written as it is. A pipe is opened as any program
// opens one: the open waits until a reader is there.
std::optional<std::string> WriteDirectly(const std::string& path, std::string_view contents) {
    posix::WriteSignalsIgnored quiet;
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid()) return Reason();
    if (!WriteAll(fd.get(), contents)) return Reason();
    if (!fd.Close()) return Reason();
    return std::nullopt;
}

struct FolderAndName {
    std::string folder, name;
};

FolderAndName Split(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The file a symbolic link finally names, also when that file does not exist
// yet (a dangling link): writing through the link creates it.
std::optional<std::string> FollowLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0) return errno == EINVAL || errno == ENOENT ? std::optional(path) : std::nullopt;
        if (static_cast<std::size_t>(n) == sizeof target) {
            errno = ENAMETOOLONG;
            return std::nullopt;
        }
        std::string next(target, static_cast<std::size_t>(n));
        if (next.empty() || next[0] != '/') next = Split(path).folder + "/" + next;
        path = std::move(next);
    }
    errno = ELOOP;
    return std::nullopt;
}

// A name no other writer picks at the same moment; O_EXCL settles the rest.
std::string TemporaryName() {
    static std::atomic<unsigned long long> counter{0};
    const unsigned long long seed =
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<unsigned long long>(::getpid()) << 32) ^ (counter++ * 0x9E3779B97F4A7C15ull);
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".billpay-";
    unsigned long long x = seed * 0xBF58476D1CE4E5B9ull;
    for (int i = 0; i < 10; ++i) {
        name += kDigits[x % 36];
        x /= 36;
    }
    return name;
}

}  // namespace

std::optional<std::string> WriteFileReplacing(std::string_view requested, std::string_view contents) {
    if (requested.empty()) return std::string(kNoFileName);
    const auto followed = FollowLinks(std::string(requested));
    if (!followed) return Reason();
    const std::string& path = *followed;

    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) return Reason();
    if (exists && S_ISDIR(info.st_mode)) return Reason(EISDIR);
    if (exists && !S_ISREG(info.st_mode)) return WriteDirectly(path, contents);
    // The rename would replace a write-protected file without asking, as
    // its folder allows; refuse it as writing the file in place would.
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return Reason();

    const FolderAndName parts = Split(path);
#ifdef O_PATH
    Descriptor folder(::open(parts.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
#else
    Descriptor folder(::open(parts.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
#endif
    if (!folder.valid()) return Reason();

    // Created with the usual mode of a new file, so that the kernel applies
    // the umask; a file being replaced gives its own mode instead, never
    // wider than it was, and it is set exactly before anything is written.
    const mode_t createMode = exists ? (info.st_mode & 0777) : 0666;
    std::string temp;
    Descriptor fd;
    for (int attempt = 0; attempt < 100 && !fd.valid(); ++attempt) {
        temp = TemporaryName();
        fd.Reset(::openat(folder.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode));
        if (!fd.valid() && errno != EEXIST) return Reason();
    }
    if (!fd.valid()) return Reason();
    posix::InterruptCleanup cleanup(folder.get(), temp);
    auto fail = [&](std::string reason) -> std::optional<std::string> {
        fd.Close();
        ::unlinkat(folder.get(), temp.c_str(), 0);
        return reason;
    };
    if (exists) {
        // Keep the owner where we may (an ordinary user cannot and need
        // not); then the mode, which a change of owner may have narrowed.
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), info.st_uid, info.st_gid);
        if (::fchmod(fd.get(), info.st_mode & 07777) != 0) return fail(Reason());
    }
    if (!WriteAll(fd.get(), contents)) return fail(Reason());
    if (::fsync(fd.get()) != 0) return fail(Reason());
    if (!fd.Close()) return fail(Reason());
    if (::renameat(folder.get(), temp.c_str(), folder.get(), parts.name.c_str()) != 0) return fail(Reason());
    return std::nullopt;
}

}  // namespace billpay
