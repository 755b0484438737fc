#pragma once

#include <memory>

#include <QMessageBox>

#include "app/message_boxes.h"

namespace billpay::gui {

// The text of a message as the box shows it: its "\r" line separators (and
// "\r\n" pairs) become line breaks.
QString MessageBoxText(const QString& text);

// The modal box WidgetMessageBoxes shows, before it is shown: the kind's icon,
// one OK button, the caption or else the application title, the text as plain
// text (a "<" in a file name is not markup).
std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                              const QString& text);

}  // namespace billpay::gui
