#include "app/export_file_rules.h"

#include <array>

namespace billpay::gui {
namespace {

constexpr std::array<const char*, 5> kFilterExtensions{".txt", ".dat", ".afi", ".pc1", ".csv"};

qsizetype LastDelimiter(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsPathDelimiter(path[i])) return i;
    }
    return -1;
}

// Where the extension starts in `path`, or -1 when its file name has none.
qsizetype ExtensionStart(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    return dot > LastDelimiter(path) ? dot : -1;
}

}  // namespace

int FilterIndexForExt(const QString& extension) {
    const QString lower = extension.toLower();
    for (std::size_t i = 0; i < kFilterExtensions.size(); ++i) {
        if (lower == QLatin1String(kFilterExtensions[i])) return static_cast<int>(i) + 1;
    }
    return kAllFilesFilterIndex;
}

QString ExtForFilterIndex(int index) {
    if (index < 1 || index > static_cast<int>(kFilterExtensions.size())) return {};
    return QString::fromLatin1(kFilterExtensions[static_cast<std::size_t>(index - 1)]);
}

bool IsPathDelimiter(QChar c) {
#ifdef Q_OS_WIN
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

bool EndsWithPathDelimiter(const QString& name) {
    return !name.isEmpty() && IsPathDelimiter(name.back());
}

QString FileNamePart(const QString& path) {
    return path.mid(LastDelimiter(path) + 1);
}

QString DirectoryPart(const QString& path) {
    return path.left(LastDelimiter(path) + 1);
}

QString ExtensionOf(const QString& path) {
    const qsizetype start = ExtensionStart(path);
    return start < 0 ? QString() : path.mid(start).toLower();
}

QString ApplyChosenFileType(const QString& chosen, int filterIndex) {
    const QString typed = ExtensionOf(chosen);
    const QString extension = filterIndex == kAllFilesFilterIndex ? typed : ExtForFilterIndex(filterIndex);
    if (typed.isEmpty()) return chosen + extension;
    return chosen.left(ExtensionStart(chosen)) + extension;
}

}  // namespace billpay::gui
