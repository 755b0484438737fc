#include "app/startup_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

#include "app/app_title.h"
#include "app/message_boxes.h"

namespace billpay::gui {
namespace {

// Settings kept by QSettings under the organisation and application title,
// one group per section.
class QtSettingsStore final : public Settings {
public:
    QString ReadString(const QString& section, const QString& name, const QString& defaultValue) override {
        QSettings store(kOrganisationName, kApplicationTitle);
        return store.value(section + "/" + name, defaultValue).toString();
    }
    int ReadInteger(const QString& section, const QString& name, int defaultValue) override {
        bool ok = false;
        const int value = ReadString(section, name, QString()).toInt(&ok);
        return ok ? value : defaultValue;
    }
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) override {
        return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
    }
    void WriteString(const QString& section, const QString& name, const QString& value) override {
        QSettings store(kOrganisationName, kApplicationTitle);
        store.setValue(section + "/" + name, value);
        store.sync();
        if (store.status() != QSettings::NoError)
            throw SettingsError(("Cannot write the setting " + section + "\\" + name).toStdString());
    }
    void WriteInteger(const QString& section, const QString& name, int value) override {
        WriteString(section, name, QString::number(value));
    }
    void WriteBool(const QString& section, const QString& name, bool value) override {
        WriteString(section, name, value ? "1" : "0");
    }
};

// "ABA Files|*.ABA" in the file dialog's notation: "ABA Files (*.ABA)".
QStringList DialogFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + parts[i + 1] + ")";
    return filters;
}

class QtDialogBox final : public TDialogBox {
public:
    std::optional<QString> OpenFile(QWidget* parent, const OpenFileRequest& request) override {
        QFileDialog dialog(parent, request.title, request.initialDirectory);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(DialogFilters(request.filter));
        dialog.setDefaultSuffix(request.defaultExtension);
        dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().front();
    }

    std::optional<SaveFileChoice> SaveFile(QWidget* parent, const SaveFileRequest& request,
                                           const CanCloseHook& canClose) override {
        QFileDialog dialog(parent, request.title, request.initialDirectory);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = DialogFilters(request.filter);
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[request.filterIndex - 1]);
        dialog.selectFile(request.fileName);
        while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            const QString chosen = dialog.selectedFiles().front();
            if (canClose && !canClose(chosen)) continue;
            lastSaveFileName_ = chosen;
            return SaveFileChoice{chosen, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
        }
        return std::nullopt;
    }

    QString LastSaveFileName() const override { return lastSaveFileName_; }

    void PrinterSetup(QWidget* parent) override {
        QPageSetupDialog dialog(&printer_, parent);
        dialog.exec();
    }

    QPrinter& Printer() override { return printer_; }

private:
    QString lastSaveFileName_;
    QPrinter printer_;
};

}  // namespace

std::unique_ptr<Settings> CreateSettingsStore() {
    return std::make_unique<QtSettingsStore>();
}

std::unique_ptr<QWidget> ShowSplashWindow() {
    return nullptr;
}

void BringSplashToFront(QWidget* splash) {
    if (!splash) return;
    splash->show();
    splash->raise();
}

void FixShortDateFormat() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::NewZealand));
}

QIcon ApplicationIcon() {
    return {};
}

std::unique_ptr<TDialogBox> CreateDialogBox() {
    return std::make_unique<QtDialogBox>();
}

void ShowAboutWindow(QWidget* parent) {
    QMessageBox::about(parent, "About " + kApplicationTitle, kApplicationTitle + "\nVersion: 1.10");
}

PreviewHook ReportPreviewHook() {
    return {};
}

void WidgetMessageBoxes::Show(MessageKind kind, const QString& caption, const QString& text) {
    const QString title = caption.isEmpty() ? kApplicationTitle : caption;
    QString shown = text;
    shown.replace("\r\n", "\n").replace('\r', '\n');
    const QMessageBox::Icon icon = kind == MessageKind::Error     ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, title, shown, QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace billpay::gui
