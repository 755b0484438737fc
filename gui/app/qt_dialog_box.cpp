#include "app/qt_dialog_box.h"

#include <exception>

#include <QDir>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

#include "app/file_dialog_filter.h"
#include "app/save_file_dialog.h"

// The dialogs keep no read-only box to hide: Qt's file dialogs have none.
// None of them changes the process's current directory.

namespace billpay::gui {

namespace {

void ConfigureCommon(QFileDialog& dialog, const QString& title, const QString& filter,
                     const QString& initialDirectory, const QString& fileName) {
    dialog.setWindowTitle(title);
    const QStringList filters = ToQtNameFilters(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!initialDirectory.isEmpty() && QDir(initialDirectory).exists()) dialog.setDirectory(initialDirectory);
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
}

}  // namespace

void ConfigureOpenDialog(QFileDialog& dialog, const OpenFileRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    ConfigureCommon(dialog, request.title, request.filter, request.initialDirectory, request.fileName);
}

void ConfigureSaveDialog(QFileDialog& dialog, const SaveFileRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    ConfigureCommon(dialog, request.title, request.filter, request.initialDirectory, request.fileName);
    const QStringList filters = dialog.nameFilters();
    dialog.selectNameFilter(filters.value(ClampFilterIndex(request.filterIndex, filters.size()) - 1));
}

int SelectedFilterIndex(const QFileDialog& dialog) {
    const qsizetype index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return index < 0 ? 1 : static_cast<int>(index) + 1;
}

QtDialogBox::QtDialogBox() : printer_(QPrinter::HighResolution) {}

std::optional<QString> QtDialogBox::OpenFile(QWidget* parent, const OpenFileRequest& request) {
    QFileDialog dialog(parent);
    ConfigureOpenDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QString chosen = dialog.selectedFiles().value(0);
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

std::optional<SaveFileChoice> QtDialogBox::SaveFile(QWidget* parent, const SaveFileRequest& request,
                                                    const CanCloseHook& canClose) {
    SaveFileDialog dialog(parent, canClose);
    ConfigureSaveDialog(dialog, request);
    const int result = dialog.exec();
    if (dialog.HookError()) std::rethrow_exception(dialog.HookError());
    if (result != QDialog::Accepted) return std::nullopt;
    const QString chosen = dialog.ChosenFileName();
    if (chosen.isEmpty()) return std::nullopt;
    lastSaveFileName_ = chosen;
    return SaveFileChoice{chosen, SelectedFilterIndex(dialog)};
}

void QtDialogBox::PrinterSetup(QWidget* parent) {
    // The page set-up works on an installed printer only; without one the
    // printer dialog in its set-up form still chooses the output and paper.
    if (printer_.outputFormat() == QPrinter::NativeFormat) {
        QPageSetupDialog dialog(&printer_, parent);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());  // no page range, selection or copies
    dialog.exec();
}

}  // namespace billpay::gui
