// The dialog module's file dialogs, set up and answered without anything on a
// screen: each modal dialog is driven from the event loop it runs.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "app/qt_dialog_box.h"
#include "app/save_file_dialog.h"

using namespace billpay::gui;

namespace {

// Runs `answer` on the modal dialog once its loop is running.
void AnswerNextModal(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(*modal);
    });
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

class DialogBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Qt's own file dialogs on every platform, so the test can answer them.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        ASSERT_TRUE(dir_.isValid());
        QFile file(Path("pay.ABA"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QtDialogBox dialogs_;
};

TEST_F(DialogBoxTest, OpenDialogIsSetUpAsRequested) {
    QFileDialog dialog;
    ConfigureOpenDialog(dialog, {"Open ABA Data File", "ABA Files|*.ABA", "ABA", dir_.path(), "pay.ABA"});
    EXPECT_EQ(dialog.windowTitle(), "Open ABA Data File");
    EXPECT_EQ(dialog.nameFilters(), QStringList{"ABA Files (*.ABA)"});
    EXPECT_EQ(dialog.defaultSuffix(), "ABA");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(QDir(dialog.directory()), QDir(dir_.path()));
    EXPECT_EQ(dialog.selectedFiles().value(0), Path("pay.ABA"));
}

TEST_F(DialogBoxTest, OpenReturnsTheChosenFileOrNothingWhenCancelled) {
    AnswerNextModal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        dialog.selectFile(Path("pay.ABA"));
        static_cast<QDialog&>(dialog).accept();  // runs the dialog's own accept()
    });
    EXPECT_EQ(dialogs_.OpenFile(nullptr, {"Open", "ABA Files|*.ABA", "ABA", dir_.path(), ""}),
              Native(Path("pay.ABA")));

    AnswerNextModal([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(dialogs_.OpenFile(nullptr, {"Open", "ABA Files|*.ABA", "ABA", dir_.path(), "pay.ABA"}),
              std::nullopt);
}

TEST_F(DialogBoxTest, SaveDialogSelectsTheFilterOfItsOneBasedIndex) {
    const struct {
        int requested;
        const char* selected;
        int reported;
    } cases[] = {{1, "Text (*.txt)", 1},
                 {2, "CSV (*.csv)", 2},
                 {3, "All (*.*)", 3},
                 {0, "Text (*.txt)", 1},
                 {9, "Text (*.txt)", 1}};
    for (const auto& c : cases) {
        QFileDialog dialog;
        ConfigureSaveDialog(dialog,
                            {"Save", "Text|*.txt|CSV|*.csv|All|*.*", dir_.path(), "out.txt", c.requested});
        EXPECT_EQ(dialog.selectedNameFilter(), c.selected) << c.requested;
        EXPECT_EQ(SelectedFilterIndex(dialog), c.reported) << c.requested;
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.windowTitle(), "Save");
    }
}

TEST_F(DialogBoxTest, NameRefusedByTheHookKeepsTheSaveDialogOpen) {
    QStringList asked;
    SaveFileDialog dialog(nullptr, [&](const QString& name) {
        asked << name;
        return name.endsWith("ok.txt");
    });
    ConfigureSaveDialog(dialog, {"Save", "Text|*.txt", dir_.path(), "", 1});
    dialog.show();

    dialog.selectFile(dir_.path());  // a folder is opened, not offered
    dialog.accept();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(dialog.isVisible());

    dialog.selectFile(Path("refused.txt"));
    dialog.accept();
    EXPECT_EQ(asked, QStringList{Native(Path("refused.txt"))});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.selectFile(Path("ok.txt"));
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenFileName(), Native(Path("ok.txt")));
}

TEST_F(DialogBoxTest, SaveReturnsTheAcceptedNameAndFilterAndRemembersIt) {
    const QString currentDirectory = QDir::currentPath();
    int refused = 0;
    AnswerNextModal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        dialog.selectFile(Path("too-long.txt"));
        static_cast<QDialog&>(dialog).accept();
        dialog.selectNameFilter("CSV (*.csv)");
        dialog.selectFile(Path("out.csv"));
        static_cast<QDialog&>(dialog).accept();  // runs the dialog's own accept()
    });
    const auto choice = dialogs_.SaveFile(
        nullptr, {"Save", "Text|*.txt|CSV|*.csv", dir_.path(), "out.txt", 1}, [&](const QString& name) {
            if (name.endsWith("too-long.txt")) ++refused;
            return !name.endsWith("too-long.txt");
        });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->fileName, Native(Path("out.csv")));
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(dialogs_.LastSaveFileName(), Native(Path("out.csv")));
    EXPECT_EQ(QDir::currentPath(), currentDirectory);

    AnswerNextModal([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(dialogs_.SaveFile(nullptr, {"Save", "Text|*.txt", dir_.path(), "", 1}, {}), std::nullopt);
    EXPECT_EQ(dialogs_.LastSaveFileName(), Native(Path("out.csv")));
}

TEST_F(DialogBoxTest, ErrorOfTheHookEndsTheDialogAndReachesTheCaller) {
    AnswerNextModal([&](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        dialog.selectFile(Path("out.txt"));
        static_cast<QDialog&>(dialog).accept();  // runs the dialog's own accept()
    });
    EXPECT_THROW(dialogs_.SaveFile(nullptr, {"Save", "Text|*.txt", dir_.path(), "", 1},
                                   [](const QString&) -> bool { throw std::runtime_error("hook failed"); }),
                 std::runtime_error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialogs_.LastSaveFileName(), "");
}

TEST_F(DialogBoxTest, PrinterSetupRunsOnTheSharedPrinter) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    GTEST_SKIP() << "the printer dialogs are the platform's own here";
#endif
    const QString before = dialogs_.Printer().printerName();
    AnswerNextModal([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    dialogs_.PrinterSetup(nullptr);
    EXPECT_EQ(&dialogs_.Printer(), &dialogs_.Printer());
    EXPECT_EQ(dialogs_.Printer().printerName(), before);
}

}  // namespace
