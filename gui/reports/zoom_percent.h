#pragma once

#include <QString>

namespace billpay::gui {

// The percentage a zoom text stands for: the whole number the trimmed text
// holds, with or without a trailing "%" (blanks allowed before it), so
// "  75%", "75 %" and "75" all give 75. -1 for any other text, such as
// "Fit to Width" or " ".
int ParseZoomPercent(const QString& text);

// True when the trimmed text is a whole number without a trailing "%".
bool IsBareZoomNumber(const QString& text);

}  // namespace billpay::gui
