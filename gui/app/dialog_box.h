#pragma once

#include <functional>
#include <optional>

#include <QString>

class QPrinter;
class QWidget;

namespace billpay::gui {

// What the caller sets before opening the open-file dialog.
struct OpenFileRequest {
    QString title;
    QString filter;            // "ABA Files|*.ABA": description and pattern pairs separated by "|"
    QString defaultExtension;  // without the dot
    QString initialDirectory;
    QString fileName;
};

// What the caller sets before opening the save-file dialog. `filterIndex` is
// 1-based, as the filter string's description and pattern pairs are counted.
struct SaveFileRequest {
    QString title;
    QString filter;
    QString initialDirectory;
    QString fileName;
    int filterIndex = 1;
};

struct SaveFileChoice {
    QString fileName;
    int filterIndex = 1;
};

// Asked with the chosen name before the save dialog closes; false keeps it open.
using CanCloseHook = std::function<bool(const QString& fileName)>;

// The dialog module: the common file dialogs and the printer set-up, one
// shared instance for the run. The window reaches them through this interface
// so that tests script the answers. Each dialog keeps the file name it last
// returned, which the export page uses for its initial directory.
class TDialogBox {
public:
    virtual ~TDialogBox() = default;

    // The chosen file, or nothing when the user cancelled. The dialog hides
    // the read-only box and requires that the path and the file exist.
    virtual std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) = 0;

    // The chosen name and file type, or nothing when cancelled. The dialog
    // leaves the current directory unchanged and does not ask before
    // replacing a file. `canClose` (may be empty) is asked before it closes.
    virtual std::optional<SaveFileChoice> SaveFile(QWidget* parent, const SaveFileRequest& request,
                                                   const CanCloseHook& canClose) = 0;

    // The file name the save dialog last returned (empty before its first use).
    virtual QString LastSaveFileName() const = 0;

    // The printer set-up dialog, on the shared printer.
    virtual void PrinterSetup(QWidget* parent) = 0;

    // The printer the reports print on and the set-up dialog configures.
    virtual QPrinter& Printer() = 0;
};

}  // namespace billpay::gui
