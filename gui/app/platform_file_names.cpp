#include "app/platform_file_names.h"

#include <QDir>

namespace billpay::gui {

QString PlatformFileName(const QString& defaultName) {
#ifdef Q_OS_WIN
    return defaultName;
#else
    const bool drivePath = defaultName.size() >= 3 && defaultName[0].isLetter() && defaultName[1] == ':' &&
                           defaultName[2] == '\\';
    if (!drivePath) return defaultName;
    QString rest = defaultName.mid(3);
    rest.replace('\\', '/');
    return QDir(QDir::homePath()).filePath(rest);
#endif
}

}  // namespace billpay::gui
