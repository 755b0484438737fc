#pragma once

// A main window with every service scripted: settings in memory, dialogs and
// message boxes answered by test doubles, the engine on a fixed clock. Nothing
// is shown on the screen; the idle-time update pass is run by hand.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "bankfile/format_table.h"
#include "fake_dialogs.h"
#include "memory_settings.h"
#include "qt_printers.h"
#include "reports/prepared_report.h"
#include "util/clock.h"

namespace billpay::gui::testing {

inline const QString kGoldenFolder = QStringLiteral(BILLPAY_GOLDEN);
inline const QString kExamplesFolder = QStringLiteral(BILLPAY_EXAMPLES);

// The position of a format code in the banking-format list.
inline int FormatIndex(char code) {
    const auto formats = BankFormats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (formats[i].code == code) return static_cast<int>(i);
    }
    return -1;
}

class WindowTest : public ::testing::Test {
protected:
    WindowTest() : clock(Date{2026, 12, 10}, TimeOfDay{9, 30, 0, 0}), bankFile(host, clock) {}

    // The window as start-up leaves it; `show` runs FormShow as showing it does.
    void CreateWindow(bool show = true) {
        window = std::make_unique<TfrmMain>(MainWindowServices{settings, dialogs, messages, bankFile, host,
                                                               [this](QWidget*) { ++aboutBoxes; },
                                                               [this](PreparedReport& report) {
                                                                   previews.push_back(report.Title());
                                                                   if (onPreview) onPreview(report);
                                                               }});
        window->ShowFirstPage();
        if (show) window->FormShow();
        window->UpdateActions();
    }

    TfrmMain& w() { return *window; }

    // A file in the test's own folder.
    QString WriteFile(const QString& name, const std::string& contents) {
        const QString path = folder.filePath(name);
        std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << contents;
        return path;
    }
    QString CopyGolden(const QString& name) {
        const QString path = folder.filePath(name);
        QFile::copy(kGoldenFolder + "/" + name, path);
        return path;
    }

    // Chooses the file with Browse and the format on the Validate page.
    void SelectFileAndFormat(const QString& file, char code) {
        dialogs.openAnswers.push_back(file);
        w().btnABABrowseClick();
        w().PageControl->setCurrentIndex(1);
        w().cbBankingFormat->setCurrentIndex(FormatIndex(code));
    }

    // Selected, validated and (optionally) converted with the golden input of a code.
    void ValidateGolden(char code, const QString& input = "input.aba") {
        SelectFileAndFormat(CopyGolden(input), code);
        w().actValidateExecute();
        ASSERT_TRUE(w().Validated()) << w().ValMemo->toPlainText().toStdString();
    }

    void Page(int index) {
        w().PageControl->setCurrentIndex(index);
        w().UpdateActions();
    }

    QTemporaryDir folder;
    MemorySettings settings;
    FakeDialogBox dialogs;
    RecordingMessageBoxes messages;
    TWindowConversionHost host;
    TickingClock clock;
    TBankFile bankFile;
    int aboutBoxes = 0;
    QStringList previews;                            // the title of every report previewed
    std::function<void(PreparedReport&)> onPreview;  // runs while a preview is open
    std::unique_ptr<TfrmMain> window;
};

}  // namespace billpay::gui::testing
