#pragma once

#include <optional>
#include <string>

#include "aba/validation.h"

namespace billpay::cli {

// Validates an ABA file as `validate` does. A file that cannot be read or is
// empty has its message box printed and gives no run; `exitStatus` is set
// either way (0 validated, 1 problems, 2 unreadable).
std::optional<ValidationRun> ValidateForCommand(const std::string& path, char code, int& exitStatus);

}  // namespace billpay::cli
