#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace billpay {

void ReserveStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free descriptor, which is this one.
        const int reserved = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (reserved >= 0 && reserved != fd) ::close(reserved);
    }
}

}  // namespace billpay
