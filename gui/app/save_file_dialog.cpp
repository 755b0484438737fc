#include "app/save_file_dialog.h"

#include <utility>

#include <QDir>
#include <QFileInfo>

namespace billpay::gui {

SaveFileDialog::SaveFileDialog(QWidget* parent, CanCloseHook canClose)
    : QFileDialog(parent), canClose_(std::move(canClose)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

QString SaveFileDialog::ChosenFileName() const {
    return QDir::toNativeSeparators(selectedFiles().value(0));
}

void SaveFileDialog::accept() {
    const QString chosen = selectedFiles().value(0);
    // A folder typed or picked is opened by the dialog itself, not offered.
    if (canClose_ && !chosen.isEmpty() && !QFileInfo(chosen).isDir()) {
        bool mayClose = false;
        try {
            mayClose = canClose_(QDir::toNativeSeparators(chosen));
        } catch (...) {
            hookError_ = std::current_exception();
            reject();
            return;
        }
        if (!mayClose) return;
    }
    QFileDialog::accept();
}

}  // namespace billpay::gui
