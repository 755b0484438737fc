// The wizard's process state: the stage setters, the transitions, the
// enabling of the actions and pages, the menus and the window's frame.
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "app/main_window_geometry.h"
#include "app/page_tab_bar.h"
#include "bankaccount/bank_account_control.h"
#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

using MainWindowState = WindowTest;

TEST_F(MainWindowState, FirstStartWithAnEmptyStore) {
    CreateWindow();
    EXPECT_EQ(w().lblABAFilename->text(), "<Please select a file to process...>");
    EXPECT_EQ(w().Status(), "Waiting...");
    EXPECT_FALSE(w().actValidate->isEnabled());
    EXPECT_EQ(w().FormatCode(), 0);
    EXPECT_EQ(w().PageControl->currentIndex(), 0);

    Page(1);
    EXPECT_EQ(w().cbBankingFormat->currentText(), "ANZ, BNZ, National Bank GIFTS");
    EXPECT_EQ(w().FormatCode(), 'G');
    EXPECT_EQ(settings.Value("FormatSettings", "BankSystem"), "0");
    EXPECT_FALSE(w().pnlValidate->isEnabled());
}

TEST_F(MainWindowState, RememberedFileDecidesTheFirstStage) {
    settings.values["Files/LastFileProcessed"] = folder.filePath("deleted.aba");
    CreateWindow();
    EXPECT_EQ(w().Status(), "Waiting...");
    EXPECT_FALSE(w().FileSelected());
    EXPECT_FALSE(w().actValidate->isEnabled());

    settings.values["Files/LastFileProcessed"] = CopyGolden("input.aba");
    CreateWindow();
    EXPECT_EQ(w().lblABAFilename->text(), settings.Value("Files", "LastFileProcessed"));
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_TRUE(w().actValidate->isEnabled());
}

TEST_F(MainWindowState, StageSettersClearEveryLaterStage) {
    CreateWindow();
    ValidateGolden('A');
    w().actConvertExecute();
    w().actAuthoriseExecute();
    ASSERT_TRUE(w().Authorised());
    EXPECT_EQ(w().Status(), "Authorised");

    w().SetConverted(false);  // a later stage cleared, the status left as it was
    EXPECT_FALSE(w().Authorised());
    EXPECT_EQ(w().Status(), "Authorised");

    w().SetConverted(true);
    w().SetAuthorised(true);
    w().SetValidated(false);
    EXPECT_FALSE(w().Converted());
    EXPECT_FALSE(w().Authorised());
    EXPECT_TRUE(w().btnPrintErrors->isEnabled());  // the memo still holds the summary
    EXPECT_FALSE(w().btnPrintFile->isEnabled());

    w().SetValidated(true);
    w().SetFileSelected(false);
    EXPECT_FALSE(w().Validated());
    EXPECT_EQ(w().Status(), "Waiting...");
    EXPECT_FALSE(w().btnPrintErrors->isEnabled());
}

TEST_F(MainWindowState, TheRoadOfOneFileThroughTheStatusLine) {
    CreateWindow();
    const QString file = CopyGolden("input.aba");
    dialogs.openAnswers.push_back(file);
    w().btnABABrowseClick();
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_EQ(w().FormatCode(), 0);  // no format chosen yet

    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('A'));
    EXPECT_EQ(w().FormatCode(), 'A');
    w().actValidateExecute();
    EXPECT_EQ(w().Status(), "Validated");
    EXPECT_TRUE(w().btnPrintErrors->isEnabled());

    Page(2);
    EXPECT_TRUE(w().actConvert->isEnabled());
    w().actConvertExecute();
    EXPECT_EQ(w().Status(), "Converted");
    EXPECT_TRUE(w().btnPrintFile->isEnabled());
    Page(3);
    EXPECT_TRUE(w().actAuthorise->isEnabled());
    w().actAuthoriseExecute();
    Page(4);
    EXPECT_TRUE(w().actExport->isEnabled());
    w().actExportExecute();
    EXPECT_EQ(w().Status(), "Exported");
    EXPECT_TRUE(w().Authorised());  // the same batch can be exported again

    // Another format after the conversion: back to the selected file, results gone.
    settings.values["Files/ExportFile"] = "/tmp/remembered.txt";
    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('H'));
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_FALSE(w().Validated());
    EXPECT_TRUE(w().ValMemo->toPlainText().isEmpty());
    EXPECT_FALSE(w().btnPrintErrors->isEnabled());
    EXPECT_FALSE(w().btnPrintFile->isEnabled());
    EXPECT_EQ(settings.Value("Files", "ExportFile"), "");

    // Another file under the same format: reset as well, the export file kept.
    w().actValidateExecute();
    settings.values["Files/ExportFile"] = "/tmp/kept.txt";
    dialogs.openAnswers.push_back(file);
    w().btnABABrowseClick();
    EXPECT_FALSE(w().Validated());
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_EQ(settings.Value("Files", "ExportFile"), "/tmp/kept.txt");
}

TEST_F(MainWindowState, PagesAreReachableAtAnyTimeButShowTheirControlsDisabled) {
    CreateWindow();
    EXPECT_FALSE(w().actPrevPage->isEnabled());
    EXPECT_TRUE(w().actNextPage->isEnabled());
    w().actNextPage->trigger();
    EXPECT_EQ(w().PageControl->currentIndex(), 1);

    Page(4);  // a tab clicked directly
    EXPECT_FALSE(w().actNextPage->isEnabled());
    EXPECT_TRUE(w().actPrevPage->isEnabled());
    EXPECT_FALSE(w().btnExport->isEnabled());
    EXPECT_TRUE(w().Button4->isEnabled());
    Page(3);
    EXPECT_FALSE(w().btnAuthorise->isEnabled());
    Page(2);
    EXPECT_FALSE(w().pnlConvert->isEnabled());
    EXPECT_FALSE(w().btnConvert->isEnabled());
    w().actPrevPage->trigger();
    EXPECT_EQ(w().PageControl->currentIndex(), 1);
    EXPECT_FALSE(w().btnValidate->isEnabled());
}

TEST_F(MainWindowState, MenusAndTheirCommands) {
    CreateWindow();
    w().show();
    EXPECT_EQ(w().mnuFile->title(), "&File");
    EXPECT_EQ(w().mnuPrintSetup->text(), "P&rint Setup...");
    EXPECT_EQ(w().mnuExit->text(), "E&xit");
    EXPECT_EQ(w().mnuAbout->statusTip(), "Displays Program, Version and Copyright information");

    w().mnuAbout->setText("stale");
    w().mnuHelpClick();
    EXPECT_EQ(w().mnuAbout->text(), "&About Vorla Bill Payment Utility");
    w().mnuAbout->trigger();
    EXPECT_EQ(aboutBoxes, 1);
    w().mnuPrintSetup->trigger();
    EXPECT_EQ(dialogs.printerSetups, 1);

    w().mnuExit->trigger();
    EXPECT_FALSE(w().isVisible());
}

TEST_F(MainWindowState, WindowFrame) {
    CreateWindow();
    EXPECT_EQ(w().windowTitle(), "Vorla Bill Payment Utility");
    EXPECT_EQ(w().size(), QSize(596, 443));
    EXPECT_EQ(w().lblBPStatus->font().family(), "Arial");
    EXPECT_EQ(w().lblBPStatus->font().pixelSize(), 16);
    EXPECT_EQ(w().btnNext->text(), "&Next >>");
    EXPECT_EQ(w().btnPrev->toolTip(), "Click to move the display back one page.");
    EXPECT_FALSE(w().AccountValidator->isVisibleTo(window.get()));
    EXPECT_EQ(w().AccountValidator->BankAccount(), "0000");

    // Every page tab fits the window at its smallest.
    w().resize(w().minimumSize());
    w().show();
    QCoreApplication::processEvents();
    const QTabBar* tabs = w().PageControl->tabBar();
    EXPECT_LE(tabs->tabRect(4).right(), w().PageControl->width()) << "the last tab is clipped";

    struct Case {
        double dpi;
        QSize minimum;
    };
    for (const Case& c :
         {Case{96, {572, 443}}, Case{120, {715, 553}}, Case{144, {858, 664}}, Case{97, {577, 447}}})
        EXPECT_EQ(ScaledMinimumSize(c.dpi), c.minimum) << c.dpi;
}

TEST(PageTabs, CaptionCentredWithTruncatingDivisions) {
    struct Case {
        QRect tab;
        QSize text;
        QPoint origin;
    };
    const Case cases[] = {
        {{10, 4, 100, 20}, {41, 13}, {39, 7}},  // odd spare room rounds down
        {{0, 0, 50, 20}, {71, 25}, {-10, -2}},  // wider than the tab: toward zero, not down
        {{5, 5, 40, 16}, {40, 16}, {5, 5}},
    };
    for (const Case& c : cases) EXPECT_EQ(TabCaptionOrigin(c.tab, c.text), c.origin) << c.text.width();
}

TEST_F(MainWindowState, ActiveTabDrawnInBlueOnTheHighlightTextColour) {
    CreateWindow();
    auto* tabs = w().PageControl->findChild<TPageTabBar*>();
    ASSERT_NE(tabs, nullptr);
    QImage image(200, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    tabs->PageControlDrawTab(painter, 0, QRect(0, 0, 200, 40), true);
    EXPECT_EQ(image.pixelColor(3, 3), tabs->palette().color(QPalette::HighlightedText));
    tabs->PageControlDrawTab(painter, 1, QRect(0, 0, 200, 40), false);
    EXPECT_EQ(image.pixelColor(3, 3), tabs->palette().color(QPalette::Button));
    painter.end();
    bool black = false;
    for (int x = 0; x < 200 && !black; ++x)
        for (int y = 0; y < 40 && !black; ++y) black = image.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_TRUE(black) << "an inactive caption is drawn in black";
}

TEST_F(MainWindowState, AFailedSettingsWriteShowsTheGeneralErrorAndEndsTheAction) {
    CreateWindow();
    settings.failWrites = true;
    dialogs.openAnswers.push_back(CopyGolden("input.aba"));
    w().RunGuarded([&] { w().btnABABrowseClick(); });
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].caption, "");
    EXPECT_TRUE(messages.shown[0].text.contains("LastFileProcessed"));

    // Choosing a format stops before the format code is taken.
    w().PageControl->setCurrentIndex(1);
    EXPECT_EQ(w().FormatCode(), 0);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(MainWindowState, DroppingAFileSelectsItAsBrowseDoes) {
    CreateWindow();
    Page(1);
    const QString file = CopyGolden("input.aba");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    // A folder is not taken.
    QMimeData folderMime;
    folderMime.setUrls({QUrl::fromLocalFile(folder.path())});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &folderMime, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QCoreApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(w().lblABAFilename->text(), QDir::toNativeSeparators(file));
    EXPECT_EQ(settings.Value("Files", "LastFileProcessed"), QDir::toNativeSeparators(file));
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_EQ(w().FormatCode(), 'G');  // the format change ran as after Browse
}

}  // namespace
}  // namespace billpay::gui::testing
