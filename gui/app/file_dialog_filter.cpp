#include "app/file_dialog_filter.h"

namespace billpay::gui {

namespace {

// "*.txt;*.csv" -> "*.txt *.csv"; blanks around a pattern are not part of it.
QString QtPatterns(const QString& patterns) {
    QStringList parts;
    for (const QString& part : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty()) parts << trimmed;
    }
    if (parts.isEmpty()) return QStringLiteral("*");
    return parts.join(QLatin1Char(' '));
}

// "ABA Files (*.ABA)" with the patterns "*.ABA" already shows them: drop the
// parenthesised patterns so they are shown once.
QString WithoutShownPatterns(QString description, const QString& patterns) {
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !description.endsWith(QLatin1Char(')'))) return description;
    QString shown = description.mid(open + 1, description.size() - open - 2);
    shown.replace(QLatin1Char(' '), QLatin1Char(';'));
    if (QtPatterns(shown) == patterns) description.truncate(open);
    return description.trimmed();
}

}  // namespace

QStringList ToQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QtPatterns(parts[i + 1]);
        QString description = WithoutShownPatterns(parts[i].trimmed(), patterns);
        if (description.isEmpty()) description = patterns;
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

int ClampFilterIndex(int filterIndex, int filterCount) {
    if (filterIndex < 1 || filterIndex > filterCount) return 1;
    return filterIndex;
}

}  // namespace billpay::gui
