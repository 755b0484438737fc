#pragma once

#include <exception>

#include <QFileDialog>

#include "app/dialog_box.h"

namespace billpay::gui {

// The save dialog that asks the caller's can-close hook before it closes: a
// name the hook refuses keeps the dialog open for another choice. It is Qt's
// own dialog, since a platform dialog has already closed by the time it
// reports the name. An error the hook raises closes the dialog as cancelled
// and is kept for the caller to raise again once the dialog's loop has ended.
class SaveFileDialog final : public QFileDialog {
    Q_OBJECT
public:
    SaveFileDialog(QWidget* parent, CanCloseHook canClose);

    // The name the dialog offers, with the platform's separators.
    QString ChosenFileName() const;
    // The error the hook raised, if it raised one.
    std::exception_ptr HookError() const { return hookError_; }

public slots:
    void accept() override;

private:
    CanCloseHook canClose_;
    std::exception_ptr hookError_;
};

}  // namespace billpay::gui
