#pragma once

#include <string>
#include <string_view>

namespace billpay {

// Raises an error flag and records why: the flag becomes true and the message
// becomes the text.
inline void SetErrorFlag(bool& flag, std::string& message, std::string_view text) {
    flag = true;
    message.assign(text);
}

}  // namespace billpay
