#pragma once

#include <string_view>

#include "util/progress.h"

namespace billpay {

enum class MessageIcon { Information, Warning, Error };

// What the conversion engine needs from whoever runs it: the desktop program
// gives its window, the command line its terminal, tests a recorder. The
// progress bar is the ProgressSink part.
class ConversionHost : public ProgressSink {
public:
    // A modal message box. An empty caption means the application's title.
    virtual void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets the user interface repaint and handle pending events.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace billpay
