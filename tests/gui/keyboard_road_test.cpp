// The whole road from the ABA file to the exported bank file with the
// keyboard alone: Tab down each page, Space on buttons, the mnemonics of
// Next and Previous.
#include <QApplication>
#include <QTest>

#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

class KeyboardRoad : public WindowTest {
protected:
    // Presses Tab until `target` has the focus; fails after a full round.
    void TabTo(QWidget* target) {
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window.get(), Qt::Key_Tab);
        }
        ASSERT_EQ(QApplication::focusWidget(), target)
            << "Tab never reaches " << target->objectName().toStdString();
    }
    void Press(QWidget* target) {
        w().UpdateActions();
        TabTo(target);
        QTest::keyClick(target, Qt::Key_Space);
    }
    // A button's mnemonic presses it at once and releases it, which clicks
    // it, a moment later.
    void Mnemonic(Qt::Key key, QPushButton* button) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }));
    }
    void Next() {
        w().UpdateActions();
        Mnemonic(Qt::Key_N, w().btnNext);
    }
};

TEST_F(KeyboardRoad, FromFileToExportWithoutTheMouse) {
    CreateWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    dialogs.openAnswers.push_back(CopyGolden("input.aba"));
    Press(w().btnABABrowse);
    ASSERT_EQ(w().Status(), "ABA File Selected");
    Next();
    ASSERT_EQ(w().PageControl->currentIndex(), 1);

    TabTo(w().cbBankingFormat);
    QTest::keyClick(w().cbBankingFormat, Qt::Key_Home);
    for (int i = 0; i < FormatIndex('B'); ++i) QTest::keyClick(w().cbBankingFormat, Qt::Key_Down);
    ASSERT_EQ(w().FormatCode(), 'B');
    Press(w().btnValidate);
    ASSERT_TRUE(w().Validated());
    Next();

    TabTo(w().edBatchNo);
    QTest::keyClicks(w().edBatchNo, "12");
    Press(w().btnConvert);
    ASSERT_TRUE(w().Converted());
    EXPECT_EQ(settings.Value("Settings", "BatchNo"), "12");
    Next();

    Press(w().btnAuthorise);
    ASSERT_TRUE(w().Authorised());
    Next();
    ASSERT_EQ(w().PageControl->currentIndex(), 4);

    dialogs.saveAnswers.push_back(SaveFileChoice{folder.filePath("PTMD0012"), 2});
    Press(w().Button4);
    EXPECT_EQ(w().edExportFilename->text(), folder.filePath("PTMD0012.dat"));
    Press(w().btnExport);
    EXPECT_EQ(w().Status(), "Exported");
    EXPECT_TRUE(QFileInfo(folder.filePath("PTMD0012.dat")).isFile());

    // And back with the other mnemonic.
    w().UpdateActions();
    Mnemonic(Qt::Key_P, w().btnPrev);
    EXPECT_EQ(w().PageControl->currentIndex(), 3);
}

}  // namespace
}  // namespace billpay::gui::testing
