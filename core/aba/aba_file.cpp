#include "aba/aba_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "aba/text_decoding.h"

namespace billpay {
namespace {

std::string TooLarge() { return "The file is larger than 512 MiB and cannot be an ABA file."; }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// A read-only view of a whole file through the page cache: no copy, and the
// lines of a plain-ASCII file point straight into it.
class MappedFile {
public:
    MappedFile(void* address, std::size_t size) : address_(address), size_(size) {}
    ~MappedFile() { ::munmap(address_, size_); }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view text() const { return {static_cast<const char*>(address_), size_}; }

private:
    void* address_;
    std::size_t size_;
};

}  // namespace

AbaFileRead ReadAbaFile(const std::string& path, unsigned threads) {
    AbaFileRead result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = std::strerror(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = std::strerror(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.error = std::strerror(EISDIR);
        return result;
    }
    // A regular file is mapped; when it is plain ASCII (the usual case) the
    // mapping is the text. Anything else is decoded into a buffer of its own.
    if (S_ISREG(info.st_mode) && info.st_size > 0 &&
        static_cast<std::size_t>(info.st_size) <= kMaxAbaFileBytes) {
        const std::size_t size = static_cast<std::size_t>(info.st_size);
        void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
        if (address != MAP_FAILED) {
            auto mapped = std::make_shared<const MappedFile>(address, size);
            const std::string_view text = mapped->text();
            if (IsPlainAsciiText(text)) {
                result.lines = AbaLines::FromSharedText(std::move(mapped), text, threads);
            } else {
                std::string bytes(text);
                mapped.reset();
                DecodeAbaTextInPlace(bytes);
                result.lines = AbaLines::FromText(std::move(bytes), threads);
            }
            return result;
        }
        // A file that cannot be mapped is read as below.
    }

    // A regular file is read into a buffer of its size plus one byte, which
    // tells whether it grew meanwhile; a pipe or device has no size and is
    // read in growing chunks. Either way nothing past the limit is kept.
    std::string bytes;
    if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > kMaxAbaFileBytes) {
        result.error = TooLarge();
        return result;
    }
    bytes.resize(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1 : std::size_t{1} << 16);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > kMaxAbaFileBytes) {
                result.error = TooLarge();
                return result;
            }
            bytes.resize(std::min(have * 2, kMaxAbaFileBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + have, bytes.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.error = std::strerror(errno);
            return result;
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    if (have > kMaxAbaFileBytes) {
        result.error = TooLarge();
        return result;
    }
    bytes.resize(have);
    DecodeAbaTextInPlace(bytes);
    result.lines = AbaLines::FromText(std::move(bytes), threads);
    return result;
}

}  // namespace billpay
