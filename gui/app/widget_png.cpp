#include "app/widget_png.h"

#include <QPixmap>
#include <QWidget>

namespace billpay::gui {

bool SaveWidgetPng(QWidget& widget, const QString& path) {
    widget.ensurePolished();
    return widget.grab().save(path, "PNG");
}

}  // namespace billpay::gui
