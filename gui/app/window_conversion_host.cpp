#include "app/window_conversion_host.h"

#include <algorithm>
#include <limits>

#include <QApplication>
#include <QCursor>
#include <QString>

#include "app/message_boxes.h"

namespace billpay::gui {
namespace {

int ClampToInt(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

TWindowConversionHost::~TWindowConversionHost() {
    RestoreCursor();
}

void TWindowConversionHost::Attach(QProgressBar* progress, MessageBoxes* messages) {
    progress_ = progress;
    messages_ = messages;
}

void TWindowConversionHost::Detach() {
    progress_ = nullptr;
    messages_ = nullptr;
}

void TWindowConversionHost::SetMaximum(std::size_t maximum) {
    if (progress_) progress_->setMaximum(ClampToInt(maximum));
}

void TWindowConversionHost::SetPosition(std::size_t position) {
    if (progress_) progress_->setValue(ClampToInt(position));
}

void TWindowConversionHost::Step() {
    if (progress_ && progress_->value() < progress_->maximum()) progress_->setValue(progress_->value() + 1);
}

void TWindowConversionHost::ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text) {
    if (!messages_) return;
    const MessageKind kind = icon == MessageIcon::Error     ? MessageKind::Error
                             : icon == MessageIcon::Warning ? MessageKind::Warning
                                                            : MessageKind::Information;
    // The normal cursor while the user reads the message.
    const int depth = busyDepth_;
    RestoreCursor();
    messages_->Show(kind, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    for (int i = 0; i < depth; ++i) SetBusyCursor(true);
}

void TWindowConversionHost::SetBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void TWindowConversionHost::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void TWindowConversionHost::RestoreCursor() {
    while (busyDepth_ > 0) SetBusyCursor(false);
}

}  // namespace billpay::gui
