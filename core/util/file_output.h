#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace billpay {

// Writes `contents` to `path` so that the file is either wholly replaced or
// left as it was: the bytes go to a temporary file in the same folder, which
// is flushed to disk and then renamed over the target. A target that exists
// and is not a regular file (a device, a pipe) is written directly. A
// symbolic link keeps pointing where it did and the file it points to is
// replaced. The new file gets the permissions of the file it replaces, or the
// usual ones for a new file. Returns the reason on failure, nothing on success.
std::optional<std::string> WriteFileReplacing(const std::string& path, std::string_view contents);

}  // namespace billpay
