#pragma once

#include <QString>

class QWidget;

namespace billpay::gui {

// Draws the widget as it is now (its client area) into a PNG file; false when
// the file cannot be written.
bool SaveWidgetPng(QWidget& widget, const QString& path);

}  // namespace billpay::gui
