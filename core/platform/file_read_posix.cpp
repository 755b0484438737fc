#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include "platform/file_system.h"
#include "platform/posix_descriptor.h"

namespace billpay {
namespace {

// A buffer of a hundred megabytes is otherwise filled one 4 KiB page at a
// time, a page fault each: asking for large pages where the system offers
// them on request saves most of the reading time.
void PreferLargePages([[maybe_unused]] char* data, [[maybe_unused]] std::size_t size) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
    if (size < 2 * kLarge) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kLarge - 1) & ~(kLarge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kLarge - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
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

    posix::Descriptor fd(::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return fail(posix::Reason());
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return fail(posix::Reason());
    if (S_ISDIR(info.st_mode)) return fail(posix::Reason(EISDIR));
    const bool regular = S_ISREG(info.st_mode);
    if (regular && static_cast<unsigned long long>(info.st_size) > maxBytes) return tooLarge();

    // A regular file is read into a buffer of its size plus one byte, which
    // tells whether it grew meanwhile; if it shrank, the read simply ends
    // early. A pipe or device has no size and is read in growing chunks.
    // Either way nothing past the limit is kept.
    const std::size_t capacity =
        std::min(regular ? static_cast<std::size_t>(info.st_size) + 1 : std::size_t{1} << 16, maxBytes + 1);
    result.bytes.reserve(capacity);
    PreferLargePages(result.bytes.data(), capacity);
    result.bytes.resize(capacity);
    std::size_t have = 0;
    for (;;) {
        if (have == result.bytes.size()) {
            if (have > maxBytes) return tooLarge();
            result.bytes.resize(std::min(std::max(have * 2, std::size_t{1} << 16), maxBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), result.bytes.data() + have, result.bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail(posix::Reason());
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    if (have > maxBytes) return tooLarge();
    result.bytes.resize(have);
    result.status = ReadStatus::Read;
    return result;
}

bool IsSameFile(std::string_view first, std::string_view second) {
    struct stat a {
    }, b{};
    if (::stat(std::string(first).c_str(), &a) != 0 || ::stat(std::string(second).c_str(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace billpay
