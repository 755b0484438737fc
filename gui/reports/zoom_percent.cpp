#include "reports/zoom_percent.h"

namespace billpay::gui {
namespace {

// The whole number the text holds: an optional sign and decimal digits only.
bool ReadInteger(const QString& text, int& value) {
    if (text.isEmpty()) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool sign = i == 0 && (c == u'+' || c == u'-') && text.size() > 1;
        if (!sign && !(c >= u'0' && c <= u'9')) return false;
    }
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

}  // namespace

int ParseZoomPercent(const QString& text) {
    QString t = text.trimmed();
    if (t.endsWith(u'%')) t = t.chopped(1).trimmed();
    int value = 0;
    return ReadInteger(t, value) ? value : -1;
}

bool IsBareZoomNumber(const QString& text) {
    int value = 0;
    return ReadInteger(text.trimmed(), value);
}

}  // namespace billpay::gui
