#pragma once

#include <cstddef>

#include <QPointer>
#include <QProgressBar>

#include "bankfile/conversion_host.h"

namespace billpay::gui {

class MessageBoxes;

// The conversion engine's host in the desktop program. The engine is created
// before the main window and keeps the host it was given, so the host exists
// first and the window attaches its progress bar and message boxes to it.
// Messages go through the message boxes, the busy cursor is the hourglass and
// pending events run after each record, so the progress bar moves.
class TWindowConversionHost final : public ConversionHost {
public:
    TWindowConversionHost() = default;
    ~TWindowConversionHost() override;
    TWindowConversionHost(const TWindowConversionHost&) = delete;
    TWindowConversionHost& operator=(const TWindowConversionHost&) = delete;

    void Attach(QProgressBar* progress, MessageBoxes* messages);
    void Detach();

    void SetMaximum(std::size_t maximum) override;
    void SetPosition(std::size_t position) override;
    void Step() override;
    void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text) override;
    void SetBusyCursor(bool busy) override;
    void ProcessPendingEvents() override;

    // Restores the normal cursor however many times the engine asked for the hourglass.
    void RestoreCursor();

private:
    QPointer<QProgressBar> progress_;
    MessageBoxes* messages_ = nullptr;
    int busyDepth_ = 0;
};

}  // namespace billpay::gui
