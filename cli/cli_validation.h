#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "aba/validation.h"

namespace billpay::cli {

// Validates an ABA file as `validate` does. A file that cannot be read, is
// empty or does not fit in memory has its message box printed and gives no
// run; `exitStatus` is set either way (0 validated, 1 problems, 2 unreadable).
std::optional<ValidationRun> ValidateForCommand(const std::string& path, char code, int& exitStatus);

// Prints the results of a run, one line each, as the command line shows text.
void PrintResults(std::ostream& out, const ValidationRun& run);

}  // namespace billpay::cli
