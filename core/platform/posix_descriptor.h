#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace billpay::posix {

// Owns an open file descriptor and closes it once.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Takes `fd` in place of the one held, which is closed.
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes the descriptor now; false (errno set) when the close reported
    // an error, which for a file just written means its data may be lost.
    bool Close() {
        if (fd_ < 0) return true;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The system's message for the current errno.
inline std::string Reason() {
    return std::strerror(errno);
}
inline std::string Reason(int error) {
    return std::strerror(error);
}

}  // namespace billpay::posix
