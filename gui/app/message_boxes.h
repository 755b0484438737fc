#pragma once

#include <QString>

class QWidget;

namespace billpay::gui {

enum class MessageKind { Information, Warning, Error };

// Modal message boxes with an OK button. The window shows them through this
// interface so that tests can answer them without anything on the screen.
// An empty caption means the application's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(MessageKind kind, const QString& caption, const QString& text) = 0;
};

// The real boxes, parented to `parent` (may be null). Message texts separate
// their lines with "\r"; they are shown as line breaks.
class WidgetMessageBoxes final : public MessageBoxes {
public:
    explicit WidgetMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void Show(MessageKind kind, const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace billpay::gui
