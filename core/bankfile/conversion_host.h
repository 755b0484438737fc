#pragma once

#include <string_view>

namespace billpay {

enum class MessageIcon { Information, Warning, Error };

// What the conversion engine needs from whoever runs it: the desktop program
// gives its window, the command line its terminal, tests a recorder.
class ConversionHost {
public:
    virtual ~ConversionHost() = default;
    virtual void SetProgressMaximum(int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void StepProgress() = 0;
    // A modal message box. An empty caption means the application's title.
    virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets the user interface repaint and handle pending events.
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace billpay
