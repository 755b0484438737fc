#pragma once

#include "cli.h"

namespace billpay::cli {

// The command line's arguments after the program's name, as UTF-8 texts.
#ifdef _WIN32
Args ArgumentsAfterProgramName(int argc, wchar_t** argv);
#else
Args ArgumentsAfterProgramName(int argc, char** argv);
#endif

// Bank files go to standard output byte for byte: their CR LF line ends are
// already in the text, so the system must not add its own.
void UseBinaryStandardOutput();

}  // namespace billpay::cli
