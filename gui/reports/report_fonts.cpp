#include "reports/report_fonts.h"

#include <QFontDatabase>

namespace billpay::gui {

QString ReportFontFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family)) return family;
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("Liberation Mono");
    }
    return family;
}

QFont ReportFont(const QString& family, int pixels, bool bold) {
    QFont font(ReportFontFamily(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setKerning(false);
    return font;
}

}  // namespace billpay::gui
