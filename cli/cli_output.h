#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace billpay::cli {

// Writes the text to `out` as the command line shows it: every control
// character (C0, DEL, and C1 written in UTF-8) becomes "?", so no byte of an
// ABA file or an argument can drive the terminal.
void WritePrintable(std::ostream& out, std::string_view text);

// Writes each line as WritePrintable does, followed by LF; stops at the first
// failed write.
void PrintLines(std::ostream& out, const std::vector<std::string>& lines);

// Makes sure standard input, output and error are open descriptors. A closed
// one is taken by /dev/null opened the wrong way round, so that using it
// fails as it would have, while a file opened later cannot land on it.
void ReserveStandardDescriptors();

// Flushes standard output. When it cannot be written, says why on standard
// error and returns kExitCannotWrite (once: a `status` that already is
// kExitCannotWrite was reported); otherwise returns `status`.
int FinishStandardOutput(int status);

// Refuses an output file that is the input file itself, also when reached
// through a symbolic or hard link: prints the message box and returns
// kExitCannotWrite. Returns kExitOk otherwise.
int RefuseOutputOverInput(const std::string& input, const std::optional<std::string>& output);

}  // namespace billpay::cli
