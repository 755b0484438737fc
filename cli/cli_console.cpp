// What the terminal hands the program differs between systems: on Windows the
// arguments arrive as UTF-16 and standard output translates LF into CR LF
// unless told not to. Everything after this file sees UTF-8 arguments and an
// output that writes bytes as they are.

#include "cli_console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#endif

namespace billpay::cli {

#ifdef _WIN32

namespace {

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                          nullptr);
    return text;
}

}  // namespace

Args ArgumentsAfterProgramName(int argc, wchar_t** argv) {
    Args args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
    return args;
}

void UseBinaryStandardOutput() {
    std::fflush(stdout);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

#else

Args ArgumentsAfterProgramName(int argc, char** argv) {
    return Args(argv + 1, argv + argc);
}

void UseBinaryStandardOutput() {}

#endif

}  // namespace billpay::cli
