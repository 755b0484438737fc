#pragma once

#include <QFont>
#include <QString>

namespace billpay::gui {

// The family to use for "Arial" or "Courier New": the family itself when it
// is installed, otherwise its metric-compatible stand-in ("Liberation Sans",
// "Liberation Mono"), so that texts keep the widths the layout was made for.
QString ReportFontFamily(const QString& family);

// A font of the family (or its stand-in) `pixels` high, in page units.
QFont ReportFont(const QString& family, int pixels, bool bold = false);

}  // namespace billpay::gui
