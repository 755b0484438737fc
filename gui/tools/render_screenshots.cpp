// Renders each page of the wizard to a PNG, as a payroll clerk sees it on the
// road of the sample ABA file: billpay-screenshots OUTPUT-FOLDER ABA-FILE.
// The dialogs and settings are scripted, so nothing waits for an answer.
#include <cstdio>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>

#include "app/main_window.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_table.h"
#include "fake_dialogs.h"
#include "memory_settings.h"
#include "util/clock.h"

namespace {

using namespace billpay;
using namespace billpay::gui;
using namespace billpay::gui::testing;

bool Save(QWidget& widget, const QString& path) {
    QCoreApplication::processEvents();
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

int FormatIndex(char code) {
    const auto formats = BankFormats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (formats[i].code == code) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: billpay-screenshots OUTPUT-FOLDER ABA-FILE\n");
        return 64;
    }
    const QDir out(args[1]);
    const QString abaFile = QFileInfo(args[2]).absoluteFilePath();
    QDir().mkpath(out.path());

    MemorySettings settings;
    FakeDialogBox dialogs;
    RecordingMessageBoxes messages;
    TWindowConversionHost host;
    TickingClock clock(Date{2026, 12, 10}, TimeOfDay{9, 30, 0, 0});
    TBankFile bankFile(host, clock);
    TfrmMain window(MainWindowServices{settings, dialogs, messages, bankFile, host, [](QWidget*) {}, {}});
    window.ShowFirstPage();
    window.show();
    window.FormShow();

    bool ok = true;
    dialogs.openAnswers.push_back(abaFile);
    window.btnABABrowseClick();
    window.UpdateActions();
    ok &= Save(window, out.filePath("1-select-aba-file.png"));

    window.PageControl->setCurrentIndex(1);
    window.cbBankingFormat->setCurrentIndex(FormatIndex('D'));
    window.actValidateExecute();
    window.UpdateActions();
    ok &= Save(window, out.filePath("2-validate.png"));

    window.PageControl->setCurrentIndex(2);
    window.edBatchNo->setText("12");
    window.edPreFormat->setText("DEC PAYROLL");
    window.actConvertExecute();
    window.UpdateActions();
    ok &= Save(window, out.filePath("3-convert.png"));

    window.PageControl->setCurrentIndex(3);
    window.UpdateActions();
    ok &= Save(window, out.filePath("4-authorise.png"));

    window.actAuthoriseExecute();
    settings.values["Files/ExportFile"] = "/home/payroll/bank/bankfile.afi";
    window.PageControl->setCurrentIndex(4);
    window.UpdateActions();
    ok &= Save(window, out.filePath("5-export.png"));
    return ok ? 0 : 1;
}
