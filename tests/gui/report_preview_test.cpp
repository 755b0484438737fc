// The preview window's rules: zoom texts, zoom commands, navigation, the page
// label and the toolbar's layout.
#include <gtest/gtest.h>

#include <optional>

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "fake_dialogs.h"
#include "reports/preview_area.h"
#include "reports/report_form.h"
#include "reports/report_preview.h"
#include "reports/zoom_percent.h"

using namespace billpay::gui;
using namespace billpay::gui::testing;

namespace {

TEST(ParseZoomPercent, ReadsWholeNumbersWithOrWithoutPercentSign) {
    const struct {
        const char* text;
        int percent;
    } cases[] = {
        {"200%", 200}, {"  75%", 75}, {"75 %", 75},         {"75", 75},  {" 80 ", 80},
        {"0%", 0},     {"-5%", -5},   {"Fit to Width", -1}, {" ", -1},   {"", -1},
        {"%", -1},     {"7.5%", -1},  {"75%%", -1},         {"x75", -1}, {"99999999999%", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseZoomPercent(c.text), c.percent) << '"' << c.text << '"';
}

// A prepared report of `lines` validation lines on A4.
std::optional<PreparedReport> PrepareReport(const QStringList& lines) {
    TfrmReport form;
    form.QuickReport.ReportTitle = "Bill Payment Validation Report";
    form.PrintLines = PrintLineList(&lines);
    return form.QuickReport.Prepare();
}

QStringList Lines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QString("Line %1 - (DTL) Reference not supplied").arg(i + 1, 4);
    return lines;
}

class PreviewTest : public ::testing::Test {
protected:
    void Open(int lineCount) {
        lines = Lines(lineCount);
        report = PrepareReport(lines);
        ASSERT_TRUE(report);
        preview.emplace(*report, dialogs);
        preview->setWindowState(Qt::WindowNoState);
        preview->resize(1000, 700);
        preview->show();
    }

    void ChooseZoomEntry(const QString& entry) {
        const int index = preview->cmbZoom->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        preview->cmbZoom->setCurrentIndex(index);
        emit preview->cmbZoom->textActivated(entry);
    }

    QStringList lines;
    std::optional<PreparedReport> report;
    FakeDialogBox dialogs;
    std::optional<TfrmPreview> preview;
};

TEST_F(PreviewTest, OpensAtFitToWidthOnPageOneWithTheReportsCaption) {
    Open(3);
    EXPECT_EQ(preview->windowTitle(), "Bill Payment Validation Report - Report Preview");
    EXPECT_EQ(preview->cmbZoom->currentText(), "Fit to Width");
    EXPECT_EQ(preview->q1rpreview->LastZoomKind(), ZoomKind::PageWidth);
    EXPECT_EQ(preview->q1rpreview->PageNumber(), 1);
    EXPECT_EQ(preview->Page->text(), "Page: 1 of 1");
    for (QToolButton* button :
         {preview->btnFirst, preview->btnPrevious, preview->btnNext, preview->btnLast}) {
        EXPECT_FALSE(button->isEnabled()) << button->toolTip().toStdString();
    }
}

TEST_F(PreviewTest, ToolbarHoldsItsControlsWhereTheyBelongWithHints) {
    Open(3);
    const struct {
        QWidget* control;
        int left;
        const char* tip;
    } controls[] = {
        {preview->btnPrint, 0, "Print Report"},
        {preview->btnOnePage, 32, "One Page"},
        {preview->btnFitToWidth, 56, "Fit to Width"},
        {preview->cmbZoom, 88, "Zoom control"},
        {preview->btnFirst, 176, "First Page"},
        {preview->btnPrevious, 200, "Previous Page"},
        {preview->btnNext, 224, "Next Page"},
        {preview->btnLast, 248, "Last Page"},
        {preview->Page, 280, nullptr},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(c.control->x(), c.left);
        if (c.tip != nullptr) {
            EXPECT_EQ(c.control->toolTip(), c.tip);
        }
        EXPECT_FALSE(c.control->accessibleName().isEmpty());
    }
    EXPECT_EQ(preview->btnPrint->statusTip(), "Prints the report to the Printer");
    EXPECT_FALSE(preview->btnPrint->icon().isNull());
    EXPECT_EQ(preview->btnSetup->toolTip(), "Printer Setup");
    EXPECT_EQ(preview->btnSetup->size(), QSize(57, 20));
    EXPECT_EQ(preview->cmbZoom->width(), 81);
    EXPECT_EQ(preview->ToolBar->height(), 25);
    QStringList items;
    for (int i = 0; i < preview->cmbZoom->count(); ++i) items << preview->cmbZoom->itemText(i);
    EXPECT_EQ(items, (QStringList{"200%", "150%", "100%", "  75%", "  50%", "  25%", "  10%", "Fit to Width",
                                  "Whole Page", " "}));
    EXPECT_EQ(preview->btnSetup->x(), 1000 - 57 - 8);
}

TEST_F(PreviewTest, NavigationEnablesByPageAndLabelFollows) {
    Open(100);
    const int count = report->PageCount();
    ASSERT_GE(count, 3);

    EXPECT_FALSE(preview->btnFirst->isEnabled());
    EXPECT_FALSE(preview->btnPrevious->isEnabled());
    EXPECT_TRUE(preview->btnNext->isEnabled());
    EXPECT_TRUE(preview->btnLast->isEnabled());

    preview->btnNext->click();
    EXPECT_EQ(preview->q1rpreview->PageNumber(), 2);
    EXPECT_EQ(preview->Page->text(), QString("Page: 2 of %1").arg(count));
    for (QToolButton* button :
         {preview->btnFirst, preview->btnPrevious, preview->btnNext, preview->btnLast}) {
        EXPECT_TRUE(button->isEnabled()) << button->toolTip().toStdString();
    }

    preview->btnLast->click();
    EXPECT_EQ(preview->q1rpreview->PageNumber(), count);
    EXPECT_EQ(preview->Page->text(), QString("Page: %1 of %1").arg(count));
    EXPECT_TRUE(preview->btnFirst->isEnabled());
    EXPECT_TRUE(preview->btnPrevious->isEnabled());
    EXPECT_FALSE(preview->btnNext->isEnabled());
    EXPECT_FALSE(preview->btnLast->isEnabled());

    preview->btnNavClick(preview->btnNext);  // beyond the last page: ignored
    EXPECT_EQ(preview->q1rpreview->PageNumber(), count);
    preview->btnPrevious->click();
    EXPECT_EQ(preview->q1rpreview->PageNumber(), count - 1);
    preview->btnFirst->click();
    EXPECT_EQ(preview->q1rpreview->PageNumber(), 1);
    EXPECT_EQ(preview->Page->text(), QString("Page: 1 of %1").arg(count));
}

TEST_F(PreviewTest, GoingToAPageAndChangingZoomPutTheScrollBarsBackAtZero) {
    Open(100);
    preview->q1rpreview->SetZoom(400);
    QScrollBar* horizontal = preview->q1rpreview->horizontalScrollBar();
    QScrollBar* vertical = preview->q1rpreview->verticalScrollBar();
    ASSERT_GT(horizontal->maximum(), 100);
    horizontal->setValue(100);
    vertical->setValue(100);
    preview->btnNext->click();
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);

    horizontal->setValue(100);
    vertical->setValue(100);
    preview->q1rpreview->SetZoom(300);
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);
}

TEST_F(PreviewTest, TypedPercentAppliesAndBecomesAPercentWhenLeft) {
    Open(3);
    preview->cmbZoom->lineEdit()->selectAll();
    QTest::keyClicks(preview->cmbZoom->lineEdit(), "80");
    EXPECT_EQ(preview->q1rpreview->Zoom(), 80);
    EXPECT_EQ(preview->q1rpreview->LastZoomKind(), ZoomKind::Percent);

    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(preview->cmbZoom->lineEdit(), &focusOut);
    EXPECT_EQ(preview->cmbZoom->currentText(), "80%");
    EXPECT_EQ(preview->q1rpreview->Zoom(), 80);

    // Leaving a text that is not a bare number changes nothing.
    for (const QString& text :
         {QString("Fit to Width"), QString("Whole Page"), QString(" "), QString("80%")}) {
        preview->cmbZoom->setEditText(text);
        preview->cmbZoomExit();
        EXPECT_EQ(preview->cmbZoom->currentText(), text);
    }
}

TEST_F(PreviewTest, ListEntriesZoomAndTheBlankEntryChangesNothing) {
    Open(3);
    ChooseZoomEntry("  50%");
    EXPECT_EQ(preview->q1rpreview->Zoom(), 50);

    ChooseZoomEntry(" ");
    EXPECT_EQ(preview->q1rpreview->Zoom(), 50);
    EXPECT_EQ(preview->q1rpreview->LastZoomKind(), ZoomKind::Percent);

    ChooseZoomEntry("Whole Page");
    EXPECT_EQ(preview->q1rpreview->LastZoomKind(), ZoomKind::WholePage);
    EXPECT_EQ(preview->cmbZoom->currentText(), "Whole Page");

    ChooseZoomEntry("Fit to Width");
    const int fitted = preview->q1rpreview->Zoom();
    preview->cmbZoomExit();
    EXPECT_EQ(preview->cmbZoom->currentText(), "Fit to Width");
    preview->resize(1400, 700);
    EXPECT_EQ(preview->cmbZoom->currentText(), "Fit to Width");
    EXPECT_GT(preview->q1rpreview->Zoom(), fitted);
}

TEST_F(PreviewTest, TypedZoomBeyondReasonIsHeldAtTheLargestZoom) {
    Open(3);
    preview->cmbZoom->lineEdit()->selectAll();
    QTest::keyClicks(preview->cmbZoom->lineEdit(), "99999999");
    EXPECT_EQ(preview->q1rpreview->Zoom(), TReportPreviewArea::kMaximumZoom);
    EXPECT_EQ(preview->q1rpreview->ZoomedPageSize().width(), std::lround(report->PageSize().width() * 10));
}

// The hook the main window installs: a maximised modal window, captioned for
// the report, freed once it has closed.
TEST(ShowReportPreview, ShowsAModalMaximisedWindowAndFreesItWhenClosed) {
    const QStringList lines = Lines(3);
    std::optional<PreparedReport> report = PrepareReport(lines);
    ASSERT_TRUE(report);
    FakeDialogBox dialogs;
    QWidget owner;
    QPointer<QWidget> shown;
    bool maximised = false;
    QString caption;
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget();
        if (shown == nullptr) return;
        maximised = shown->isMaximized();
        caption = shown->windowTitle();
        shown->close();
    });
    ShowReportPreview(*report, dialogs, &owner);
    ASSERT_NE(caption, QString());
    EXPECT_TRUE(maximised);
    EXPECT_EQ(caption, "Bill Payment Validation Report - Report Preview");
    EXPECT_TRUE(shown.isNull());
}

TEST(PreviewArea, ZoomFormulasForAKnownAreaSize) {
    const QStringList lines = Lines(3);
    const std::optional<PreparedReport> report = PrepareReport(lines);
    ASSERT_TRUE(report);
    const QSizeF page = report->PageSize();  // A4 portrait: 793.7 by 1122.5

    TReportPreviewArea area;
    area.SetReport(&*report);
    area.resize(1000, 700);
    area.show();
    area.ZoomToWholePage();
    EXPECT_EQ(area.Zoom(),
              std::min(std::lround(1000 / page.width() * 95), std::lround(700 / page.height() * 95)));
    EXPECT_EQ(area.Zoom(), 59);
    area.ZoomToPageWidth();
    EXPECT_EQ(area.Zoom(), 123);

    // The kind is remembered and recomputed for the new size.
    area.resize(500, 700);
    EXPECT_EQ(area.Zoom(), 62);
    area.ZoomToWholePage();
    area.resize(1000, 1400);
    EXPECT_EQ(area.Zoom(), 118);
    area.SetZoom(75);
    area.resize(600, 600);
    EXPECT_EQ(area.Zoom(), 75);

    TReportPreviewArea empty;
    empty.resize(1000, 700);
    empty.SetZoom(40);
    empty.ZoomToPageWidth();
    EXPECT_EQ(empty.Zoom(), 100);
    empty.SetZoom(40);
    empty.ZoomToWholePage();
    EXPECT_EQ(empty.Zoom(), 100);
}

TEST_F(PreviewTest, SetupStopsFourPixelsRightOfThePageLabelWhenTheWindowIsNarrow) {
    Open(100);
    preview->resize(300, 400);
    EXPECT_EQ(preview->btnSetup->x(), preview->Page->x() + preview->Page->width() + 4);
    preview->resize(900, 400);
    EXPECT_EQ(preview->btnSetup->x(), 900 - 57 - 8);
}

TEST_F(PreviewTest, PrintAndSetupButtonsUseThePrinterOfTheDialogModule) {
    Open(100);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("preview.pdf");
    dialogs.Printer().setOutputFormat(QPrinter::PdfFormat);
    dialogs.Printer().setOutputFileName(pdf);
    preview->btnPrint->click();
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(report->PageCount()))));

    preview->btnSetup->click();
    EXPECT_EQ(dialogs.printerSetups, 1);
}

}  // namespace
