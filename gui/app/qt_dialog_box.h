#pragma once

#include <QPrinter>

#include "app/dialog_box.h"

class QFileDialog;

namespace billpay::gui {

// The dialog module on Qt's file, page set-up and printer classes.
class QtDialogBox final : public TDialogBox {
public:
    QtDialogBox();

    std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override;
    std::optional<SaveFileChoice> SaveFile(QWidget* parent, const SaveFileRequest& request,
                                           const CanCloseHook& canClose) override;
    QString LastSaveFileName() const override { return lastSaveFileName_; }
    void PrinterSetup(QWidget* parent) override;
    QPrinter& Printer() override { return printer_; }

private:
    QPrinter printer_;
    QString lastSaveFileName_;
};

// Sets a file dialog up as the module's open dialog: an existing file only.
void ConfigureOpenDialog(QFileDialog& dialog, const OpenFileRequest& request);
// Sets a file dialog up as the module's save dialog: any name, no question
// before an existing file is replaced.
void ConfigureSaveDialog(QFileDialog& dialog, const SaveFileRequest& request);
// The 1-based index of the filter the dialog has selected (1 when none).
int SelectedFilterIndex(const QFileDialog& dialog);

}  // namespace billpay::gui
