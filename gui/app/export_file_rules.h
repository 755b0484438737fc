#pragma once

#include <QString>

namespace billpay::gui {

// The save dialog's file types, by filter index (1-based): Text, DAT, AFI,
// PC1 and CSV files, then All Files, which keeps the extension typed.
inline const QString kExportFileFilter = QStringLiteral(
    "Text Files|*.txt|DAT Files|*.dat|AFI Files|*.afi|PC1 Files|*.pc1|CSV Files|*.csv|All Files|*.*");
inline constexpr int kAllFilesFilterIndex = 6;

// The longest export path and file name the save dialog accepts.
inline constexpr int kMaxBankingFileNameLength = 90;

// The filter index whose extension equals `extension` (".txt", any case), or
// All Files for any other extension and for none.
int FilterIndexForExt(const QString& extension);

// The extension of filter indexes 1 to 5 (".txt" ...), empty otherwise.
QString ExtForFilterIndex(int index);

// True for the path delimiter of the platform ("/"; "\" or "/" on Windows).
bool IsPathDelimiter(QChar c);
bool EndsWithPathDelimiter(const QString& name);

// The file-name part of a path (after its last delimiter) and the rest.
QString FileNamePart(const QString& path);
QString DirectoryPart(const QString& path);

// The extension of the file-name part, lower-cased, from its last "." on;
// empty when the file name has no ".".
QString ExtensionOf(const QString& path);

// The name the save dialog's choice becomes: the file type chosen in the
// dialog wins over the extension typed, except under All Files. A name
// without extension gets the type's one.
QString ApplyChosenFileType(const QString& chosen, int filterIndex);

}  // namespace billpay::gui
