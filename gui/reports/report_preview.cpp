#include "reports/report_preview.h"

#include <exception>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialog_box.h"
#include "reports/prepared_report.h"
#include "reports/preview_area.h"
#include "reports/report_fonts.h"
#include "reports/report_printing.h"
#include "reports/zoom_percent.h"

// The toolbar's pictures live in the gui library's own resource file.
static void InitialiseReportResources() {
    Q_INIT_RESOURCE(reports);
}

namespace billpay::gui {
namespace {

const QString kFitToWidth = QStringLiteral("Fit to Width");
const QString kWholePage = QStringLiteral("Whole Page");
const QString kWindowHint =
    QStringLiteral("Contains a preview of how the Report will look when it is printed");

// The window's 8-point font; where it is missing, the stand-in of the
// family of like widths, so that the toolbar's texts fit their controls.
QString PreviewFontFamily() {
    const QString family = QStringLiteral("MS Sans Serif");
    return QFontDatabase::hasFamily(family) ? family : ReportFontFamily(QStringLiteral("Arial"));
}

// A hint reads "short|long": the short one is the tooltip, the long one the
// status tip and the accessible description.
void ApplyHint(QWidget& widget, const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    const QString shortHint = bar < 0 ? hint : hint.left(bar);
    const QString longHint = bar < 0 ? hint : hint.mid(bar + 1).trimmed();
    widget.setToolTip(shortHint);
    widget.setStatusTip(longHint);
    widget.setAccessibleName(shortHint);
    widget.setAccessibleDescription(longHint);
}

QToolButton* PictureButton(QWidget* toolBar, int left, const QString& icon, const QString& hint,
                           int tag = 0) {
    auto* button = new QToolButton(toolBar);
    button->setGeometry(left, 1, 23, 22);
    button->setIcon(QIcon(QStringLiteral(":/reports/") + icon + QStringLiteral(".svg")));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setProperty("tag", tag);
    ApplyHint(*button, hint);
    return button;
}

}  // namespace

TfrmPreview::TfrmPreview(const PreparedReport& report, TDialogBox& dialogs, QWidget* parent)
    : QDialog(parent), report_(report), dialogs_(dialogs) {
    InitialiseReportResources();
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Report Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    setFont(QFont(PreviewFontFamily(), 8));
    setStatusTip(kWindowHint);
    setAccessibleName(QStringLiteral("Report Preview"));
    setAccessibleDescription(kWindowHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    layout->addWidget(ToolBar);

    q1rpreview = new TReportPreviewArea(this);
    q1rpreview->setObjectName(QStringLiteral("q1rpreview"));
    q1rpreview->setToolTip(kWindowHint);
    q1rpreview->setAccessibleName(QStringLiteral("Report page"));
    q1rpreview->setAccessibleDescription(kWindowHint);
    q1rpreview->SetReport(&report_);
    layout->addWidget(q1rpreview, 1);
}

void TfrmPreview::BuildToolBar() {
    ToolBar = new QWidget(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setFixedHeight(25);
    ToolBar->setAccessibleName(QStringLiteral("Preview toolbar"));
    ToolBar->setToolTip(QStringLiteral("Preview toolbar"));

    btnPrint = PictureButton(ToolBar, 0, "print", "Print Report| Prints the report to the Printer");
    btnOnePage =
        PictureButton(ToolBar, 32, "one-page", "One Page| Resizes the report to display one complete page");
    btnFitToWidth = PictureButton(ToolBar, 56, "fit-to-width",
                                  "Fit to Width|Re-sizes the report so it is as wide as the window");

    cmbZoom = new QComboBox(ToolBar);
    cmbZoom->setGeometry(88, 2, 81, 21);
    cmbZoom->setEditable(true);
    cmbZoom->setInsertPolicy(QComboBox::NoInsert);
    cmbZoom->setCompleter(nullptr);
    cmbZoom->setMaxVisibleItems(10);
    cmbZoom->addItems(
        {"200%", "150%", "100%", "  75%", "  50%", "  25%", "  10%", kFitToWidth, kWholePage, " "});
    cmbZoom->setCurrentIndex(-1);
    cmbZoom->setEditText(QString());
    ApplyHint(*cmbZoom, "Zoom control|Selects a size to display the report");
    cmbZoom->lineEdit()->setAccessibleName(cmbZoom->accessibleName());
    cmbZoom->lineEdit()->setToolTip(cmbZoom->toolTip());
    cmbZoom->lineEdit()->installEventFilter(this);

    btnFirst =
        PictureButton(ToolBar, 176, "first-page", "First Page|Moves to the First Page of the report", 1);
    btnPrevious =
        PictureButton(ToolBar, 200, "previous-page", "Previous Page|Moves Back one page in the report", 2);
    btnNext = PictureButton(ToolBar, 224, "next-page", "Next Page|Moves forward one page in the report", 3);
    btnLast = PictureButton(ToolBar, 248, "last-page", "Last Page|Moves to the Last Page of the report", 4);

    Page = new QLabel(QStringLiteral("Page: 1 of 1"), ToolBar);
    Page->move(280, 6);
    Page->adjustSize();
    Page->setAccessibleName(QStringLiteral("Page"));
    Page->setToolTip(QStringLiteral("Page shown and page count"));

    btnSetup = new QPushButton(QStringLiteral("Setup..."), ToolBar);
    btnSetup->setGeometry(0, 2, 57, 20);
    ApplyHint(*btnSetup, "Printer Setup|Changes Printing Options");
    btnSetup->setAccessibleName(QStringLiteral("Setup..."));
    PlaceSetupButton();

    connect(btnPrint, &QToolButton::clicked, this, &TfrmPreview::btnPrintClick);
    connect(btnOnePage, &QToolButton::clicked, this, &TfrmPreview::btnOnePageClick);
    connect(btnFitToWidth, &QToolButton::clicked, this, &TfrmPreview::btnFitToWidthClick);
    for (QToolButton* button : {btnFirst, btnPrevious, btnNext, btnLast}) {
        connect(button, &QToolButton::clicked, this, [this, button] { btnNavClick(button); });
    }
    connect(cmbZoom->lineEdit(), &QLineEdit::textEdited, this, &TfrmPreview::cmbZoomChange);
    connect(cmbZoom, &QComboBox::textActivated, this, &TfrmPreview::cmbZoomChange);
    connect(btnSetup, &QPushButton::clicked, this, &TfrmPreview::PrintSetup);
}

void TfrmPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

bool TfrmPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmbZoom->lineEdit() && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        cmbZoomExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmPreview::FormShow() {
    setWindowTitle(report_.Title() + QStringLiteral(" - Report Preview"));
    btnNavClick(btnFirst);
    if (cmbZoom->currentText().trimmed().isEmpty()) btnFitToWidthClick();
}

void TfrmPreview::FormResize() {
    cmbZoomChange();
    PlaceSetupButton();
}

void TfrmPreview::PlaceSetupButton() {
    const int rightOfPage = Page->x() + Page->width() + 4;
    btnSetup->move(std::max(width() - btnSetup->width() - 8, rightOfPage), btnSetup->y());
}

void TfrmPreview::btnNavClick(const QAbstractButton* sender) {
    const int current = q1rpreview->PageNumber();
    const int count = q1rpreview->PageCount();
    int target = current;
    switch (sender != nullptr ? sender->property("tag").toInt() : 0) {
        case 1:
            target = 1;
            break;
        case 2:
            target = current - 1;
            break;
        case 3:
            target = current + 1;
            break;
        case 4:
            target = count;
            break;
        default:
            break;
    }
    if (target >= 1 && target <= count && target != current) q1rpreview->SetPageNumber(target);

    const int shown = q1rpreview->PageNumber();
    Page->setText(QStringLiteral("Page: %1 of %2").arg(shown).arg(count));
    Page->adjustSize();
    PlaceSetupButton();
    btnFirst->setEnabled(count > 0 && shown != 1);
    btnPrevious->setEnabled(count > 0 && shown != 1);
    btnNext->setEnabled(count > 0 && shown != count);
    btnLast->setEnabled(count > 0 && shown != count);
}

// The box is narrow: its text is shown from its start.
void TfrmPreview::SelectZoomEntry(const QString& entry) {
    cmbZoom->setCurrentIndex(cmbZoom->findText(entry));
    cmbZoom->lineEdit()->setCursorPosition(0);
}

void TfrmPreview::btnOnePageClick() {
    q1rpreview->ZoomToWholePage();
    SelectZoomEntry(kWholePage);
}

void TfrmPreview::btnFitToWidthClick() {
    q1rpreview->ZoomToPageWidth();
    SelectZoomEntry(kFitToWidth);
}

void TfrmPreview::cmbZoomChange() {
    const QString text = cmbZoom->currentText();
    if (text == kFitToWidth) btnFitToWidthClick();
    if (text == kWholePage) btnOnePageClick();
    const int percent = ParseZoomPercent(text);
    if (percent > 0) q1rpreview->SetZoom(percent);
}

void TfrmPreview::cmbZoomExit() {
    const QString t = cmbZoom->currentText().trimmed();
    if (IsBareZoomNumber(t)) cmbZoom->setEditText(t + u'%');
}

void TfrmPreview::btnPrintClick() {
    try {
        const int count = report_.PageCount();
        QProgressDialog progress(QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, count, this);
        progress.setWindowTitle(report_.Title());
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        bool cancelled = false;
        const bool printed = PrintPreparedReport(dialogs_.Printer(), report_, [&](int page, int pages) {
            progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(page + 1).arg(pages));
            progress.setValue(page);
            QApplication::processEvents();
            cancelled = progress.wasCanceled();
            return !cancelled;
        });
        progress.setValue(count);
        if (!printed && !cancelled) {
            QMessageBox::warning(this, QStringLiteral("Error Printing Report"),
                                 QStringLiteral("The report could not be sent to the printer."));
        }
    } catch (const std::exception& error) {
        QMessageBox::warning(this, QStringLiteral("Error Printing Report"),
                             QString::fromLocal8Bit(error.what()));
    }
}

void TfrmPreview::PrintSetup() {
    try {
        dialogs_.PrinterSetup(this);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, QStringLiteral("Printer Setup"), QString::fromLocal8Bit(error.what()));
    }
}

void ShowReportPreview(PreparedReport& report, TDialogBox& dialogs, QWidget* parent) {
    const auto preview = std::make_unique<TfrmPreview>(report, dialogs, parent);
    preview->setWindowState(Qt::WindowMaximized);
    preview->exec();
}

}  // namespace billpay::gui
