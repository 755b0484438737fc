#include "app/short_date_format.h"

#include <QLocale>

namespace billpay::gui {

void FixShortDateFormat() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::NewZealand));
}

}  // namespace billpay::gui
