#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace billpay::testing {

// A path in the temporary folder named after `stem` and this test program's
// run, so that two runs of the suite at once (a plain and a sanitizer build)
// keep out of each other's files.
inline std::filesystem::path RunTempPath(std::string_view stem) {
    static const std::string run = std::to_string(std::random_device{}());
    return std::filesystem::temp_directory_path() / ("billpay-" + std::string(stem) + "-" + run);
}

}  // namespace billpay::testing
