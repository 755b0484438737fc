#include "util/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace billpay {
namespace {

std::string Reason() { return std::strerror(errno); }

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

std::optional<std::string> WriteDirectly(const std::string& path, std::string_view contents) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Reason();
    if (!WriteAll(fd, contents)) {
        std::string reason = Reason();
        ::close(fd);
        return reason;
    }
    if (::close(fd) != 0) return Reason();
    return std::nullopt;
}

mode_t UsualNewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

std::optional<std::string> WriteFileReplacing(const std::string& requested, std::string_view contents) {
    std::string path = requested;
    struct stat info {};
    bool exists = ::lstat(path.c_str(), &info) == 0;
    if (exists && S_ISLNK(info.st_mode)) {
        // Replace the file the link points to and keep the link.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) return WriteDirectly(path, contents);
        path = resolved;
        exists = ::stat(path.c_str(), &info) == 0;
    }
    if (exists && S_ISDIR(info.st_mode)) return std::string(std::strerror(EISDIR));
    if (exists && !S_ISREG(info.st_mode)) return WriteDirectly(path, contents);

    std::string temp = FolderOf(path) + "/.billpay-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Reason();
    auto fail = [&](std::string reason) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(temp.c_str());
        return reason;
    };
    const mode_t mode = exists ? (info.st_mode & 07777) : UsualNewFileMode();
    if (::fchmod(fd, mode) != 0) return fail(Reason());
    if (exists) {
        // Keep the owner where we may; an ordinary user cannot and need not.
        [[maybe_unused]] const int ignored = ::fchown(fd, info.st_uid, info.st_gid);
    }
    if (!WriteAll(fd, contents)) return fail(Reason());
    if (::fsync(fd) != 0) return fail(Reason());
    if (::close(fd) != 0) {
        std::string reason = Reason();
        ::unlink(temp.c_str());
        return reason;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        std::string reason = Reason();
        ::unlink(temp.c_str());
        return reason;
    }
    return std::nullopt;
}

}  // namespace billpay
