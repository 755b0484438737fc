#include "cli_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli.h"

namespace billpay::cli {
namespace {

bool IsAsciiControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

// A C1 control character (U+0080 to U+009F) in UTF-8 starts at text[i].
bool IsUtf8C1Control(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
           static_cast<unsigned char>(text[i + 1]) >= 0x80 && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

}  // namespace

void WritePrintable(std::ostream& out, std::string_view text) {
    std::size_t start = 0;  // of the characters not yet written
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t width = IsAsciiControl(static_cast<unsigned char>(text[i])) ? 1
                                  : IsUtf8C1Control(text, i)                          ? 2
                                                                                      : 0;
        if (width == 0) {
            ++i;
            continue;
        }
        out.write(text.data() + start, static_cast<std::streamsize>(i - start));
        out.put('?');
        i += width;
        start = i;
    }
    out.write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
}

void PrintLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        WritePrintable(out, line);
        out.put('\n');
        if (!out) return;
    }
}

void ReserveStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free descriptor, which is this one.
        const int reserved = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (reserved >= 0 && reserved != fd) ::close(reserved);
    }
}

int FinishStandardOutput(int status) {
    if (std::cout.good()) {
        errno = 0;
        std::cout.flush();
        if (std::cout.good()) return status;
    }
    if (status == kExitCannotWrite) return status;
    const int error = errno;
    std::cerr << "billpay-cli: cannot write to standard output";
    if (error != 0) std::cerr << ": " << std::strerror(error);
    std::cerr << "\n";
    return kExitCannotWrite;
}

int RefuseOutputOverInput(const std::string& input, const std::optional<std::string>& output) {
    if (!output) return kExitOk;
    std::error_code ignored;
    // Only a file can be overwritten: a terminal or a pipe may well be both.
    if (!std::filesystem::is_regular_file(input, ignored)) return kExitOk;
    // An output file that does not exist yet, or cannot be looked at, is not the input.
    if (!std::filesystem::equivalent(input, *output, ignored)) return kExitOk;
    PrintMessageBox("Error Writing Bank File", "Cannot write the bank file " + *output +
                                                   ": it is the ABA file being converted, which is left as "
                                                   "it was.\rChoose another output file.");
    return kExitCannotWrite;
}

}  // namespace billpay::cli
