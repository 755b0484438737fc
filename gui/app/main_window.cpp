#include "app/main_window.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/action_button.h"
#include "app/app_title.h"
#include "app/dialog_box.h"
#include "app/main_window_geometry.h"
#include "app/message_boxes.h"
#include "app/page_tab_bar.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "reports/report_callers.h"
#include "reports/report_preview.h"

namespace billpay::gui {
namespace {

constexpr int kLastPageIndex = 4;

const QString kWaiting = QStringLiteral("Waiting...");
const QString kFileSelectedStatus = QStringLiteral("ABA File Selected");
const QString kValidatedStatus = QStringLiteral("Validated");
const QString kConvertedStatus = QStringLiteral("Converted");
const QString kAuthorisedStatus = QStringLiteral("Authorised");

// An action's hint: shown as its tooltip and in the status tip.
void SetHint(QAction* action, const QString& hint) {
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

}  // namespace

TfrmMain::TfrmMain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      settings_(services.settings),
      dialogs_(services.dialogs),
      messages_(services.messages),
      bankFile_(services.bankFile),
      conversionHost_(services.conversionHost),
      showAboutBox_(services.showAboutBox) {
    setObjectName("frmMain");
    setWindowTitle(kApplicationTitle);
    setAcceptDrops(true);
    // The window's font: MS Sans Serif 8 point, or the nearest sans serif of
    // the same width where it is not installed.
    QFont::insertSubstitutions("MS Sans Serif",
                               {"Microsoft Sans Serif", "Arial", "Liberation Sans", "Helvetica"});
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSize(8);
    setFont(windowFont);

    BuildActions();
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildStatusStrip());

    // FormCreate: owner-drawn page tabs.
    PageControl = new TPageControl(central);
    PageControl->setObjectName("PageControl");
    layout->addWidget(PageControl, 1);

    BuildSelectFilePage();
    BuildValidatePage();
    BuildConvertPage();
    BuildAuthorisePage();
    BuildExportPage();

    btnPrev = new QPushButton(central);
    btnPrev->setObjectName("btnPrev");
    BindButtonToAction(btnPrev, actPrevPage);
    btnNext = new QPushButton(central);
    btnNext->setObjectName("btnNext");
    BindButtonToAction(btnNext, actNextPage);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnPrev);
    buttons->addWidget(btnNext);
    layout->addLayout(buttons);
    setCentralWidget(central);

    connect(PageControl, &QTabWidget::currentChanged, this,
            [this](int index) { RunGuarded([&] { PageShown(index); }); });

    // FormCreate: the report engine previews through the preview window; the
    // minimum size follows the screen's resolution.
    if (services.previewHook) {
        SetPreviewHook(services.previewHook);
    } else {
        SetPreviewHook([this](PreparedReport& report) { ShowReportPreview(report, dialogs_, this); });
    }
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    setMinimumSize(ScaledMinimumSize(dpi));
    resize(kInitialWindowSize.expandedTo(minimumSize()));
    if (screen) move(screen->availableGeometry().center() - rect().center());

    conversionHost_.Attach(CvtProgress, &messages_);

    // The actions' update handlers run whenever the application goes idle.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TfrmMain::UpdateActions);

    SetStatus(kWaiting);
    UpdateActions();
}

TfrmMain::~TfrmMain() {
    // No field is written while the window takes itself apart.
    for (QWidget* field : std::initializer_list<QWidget*>{edBatchNo, edPreFormat, cbConfidential,
                                                          ebPayeeReference, ebPayeeParticulars, ebPayeeCode})
        field->removeEventFilter(this);
    conversionHost_.Detach();
    SetPreviewHook({});
}

void TfrmMain::BuildActions() {
    auto make = [this](const char* name, const QString& caption, const QString& hint) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        SetHint(action, hint);
        return action;
    };
    actNextPage = make("actNextPage", "&Next >>", "Click to move the display forward one page.");
    actPrevPage = make("actPrevPage", "<< &Previous", "Click to move the display back one page.");
    actValidate = make("actValidate", "Validate", "Click to validate ABA file data.");
    actConvert =
        make("actConvert", "Convert", "Click to convert the ABA data into the selected banking format.");
    actAuthorise = make("actAuthorise", "Authorise", "Click to authorise export of the data to a file.");
    actExport = make("actExport", "Export",
                     "Click to export the bill payment data to the specified location/filename.");

    auto guarded = [this](QAction* action, void (TfrmMain::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    };
    connect(actNextPage, &QAction::triggered, this, [this] {
        if (PageControl->currentIndex() < kLastPageIndex)
            PageControl->setCurrentIndex(PageControl->currentIndex() + 1);
    });
    connect(actPrevPage, &QAction::triggered, this, [this] {
        if (PageControl->currentIndex() > 0) PageControl->setCurrentIndex(PageControl->currentIndex() - 1);
    });
    guarded(actValidate, &TfrmMain::actValidateExecute);
    guarded(actConvert, &TfrmMain::actConvertExecute);
    guarded(actAuthorise, &TfrmMain::actAuthoriseExecute);
    guarded(actExport, &TfrmMain::actExportExecute);
}

void TfrmMain::BuildMenus() {
    mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    mnuFile->setToolTipsVisible(true);
    SetHint(mnuFile->menuAction(), "Contains commands for creating, opening, printing and exiting");
    mnuPrintSetup = mnuFile->addAction("P&rint Setup...");
    mnuPrintSetup->setObjectName("mnuPrintSetup");
    SetHint(mnuPrintSetup, "Changes Printing Options");
    connect(mnuPrintSetup, &QAction::triggered, this,
            [this] { RunGuarded([this] { mnuPrintSetupClick(); }); });
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction("E&xit");
    mnuExit->setObjectName("mnuExit");
    SetHint(mnuExit, "Closes the window and Exits Wendlow");
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    mnuHelp = menuBar()->addMenu("&Help");
    mnuHelp->setObjectName("mnuHelp");
    mnuHelp->setToolTipsVisible(true);
    SetHint(mnuHelp->menuAction(), "Contains commands for displaying Help");
    mnuAbout = mnuHelp->addAction("&About " + kApplicationTitle);
    mnuAbout->setObjectName("mnuAbout");
    SetHint(mnuAbout, "Displays Program, Version and Copyright information");
    connect(mnuHelp, &QMenu::aboutToShow, this, [this] { RunGuarded([this] { mnuHelpClick(); }); });
    connect(mnuAbout, &QAction::triggered, this, [this] { RunGuarded([this] { mnuAboutClick(); }); });
}

QWidget* TfrmMain::BuildStatusStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName("pnlStatus");
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    strip->setPalette(palette);

    QFont captionFont = strip->font();
    captionFont.setPixelSize(16);
    QFont statusFont(QStringLiteral("Arial"));
    statusFont.setPixelSize(16);

    lblProcessStatus = new QLabel("Process Status:", strip);
    lblProcessStatus->setObjectName("lblProcessStatus");
    lblProcessStatus->setFont(captionFont);
    lblBPStatus = new QLabel(strip);
    lblBPStatus->setObjectName("lblBPStatus");
    lblBPStatus->setFont(statusFont);
    lblProcessStatus->setBuddy(lblBPStatus);

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(lblProcessStatus);
    layout->addWidget(lblBPStatus, 1);
    return strip;
}

// ---- state

QString TfrmMain::Status() const {
    return lblBPStatus->text();
}

void TfrmMain::SetStatus(const QString& status) {
    lblBPStatus->setText(status);
}

void TfrmMain::SetFileSelected(bool value) {
    fileSelected_ = value;
    if (value) {
        SetStatus(kFileSelectedStatus);
    } else {
        validated_ = converted_ = authorised_ = false;
        SetStatus(kWaiting);
    }
    btnPrintErrors->setEnabled(false);
    btnPrintFile->setEnabled(false);
}

void TfrmMain::SetValidated(bool value) {
    validated_ = value;
    if (value) {
        SetStatus(kValidatedStatus);
    } else {
        converted_ = authorised_ = false;
    }
    btnPrintErrors->setEnabled(!ValMemo->document()->isEmpty());
    btnPrintFile->setEnabled(false);
}

void TfrmMain::SetConverted(bool value) {
    converted_ = value;
    if (value) {
        SetStatus(kConvertedStatus);
    } else {
        authorised_ = false;
    }
}

void TfrmMain::SetAuthorised(bool value) {
    authorised_ = value;
    if (value) SetStatus(kAuthorisedStatus);
}

bool TfrmMain::AbaFileExists() const {
    return QFileInfo(lblABAFilename->text()).isFile();
}

void TfrmMain::ReselectFile() {
    SetFileSelected(false);
    SetFileSelected(AbaFileExists());
}

void TfrmMain::ShowFirstPage() {
    PageControl->setCurrentWidget(tabFImpSelect);
}

void TfrmMain::UpdateActions() {
    const int page = PageControl->currentIndex();
    actNextPage->setEnabled(!converting_ && page < kLastPageIndex);
    actPrevPage->setEnabled(!converting_ && page > 0);
    actValidate->setEnabled(!converting_ && fileSelected_);
    actConvertUpdate();
    actAuthorise->setEnabled(!converting_ && converted_);
    actExport->setEnabled(!converting_ && authorised_ && !edExportFilename->text().isEmpty());
}

void TfrmMain::PageShown(int index) {
    switch (index) {
        case 1:
            tabValidateShow();
            break;
        case 2:
            tabConvertDataShow();
            break;
        case 3:
            tabAuthoriseShow();
            break;
        case 4:
            tabFExpSelectShow();
            break;
        default:
            break;
    }
    UpdateActions();
}

void TfrmMain::FormShow() {
    ShowFirstPage();
    lblABAFilename->setText(ReadSetting(settings_, settings_keys::kLastFileProcessed));
    ReselectFile();
}

// ---- menus

void TfrmMain::mnuPrintSetupClick() {
    dialogs_.PrinterSetup(this);
}

void TfrmMain::mnuHelpClick() {
    mnuAbout->setText("&About " + kApplicationTitle);
}

void TfrmMain::mnuAboutClick() {
    if (showAboutBox_) showAboutBox_(this);
}

// ---- errors, closing, dropping

void TfrmMain::ShowGeneralError(const QString& text) {
    messages_.Show(MessageKind::Error, QString(), text);
}

void TfrmMain::RunGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ShowGeneralError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowGeneralError("An unexpected error ended the action.");
    }
}

void TfrmMain::SetConverting(bool converting) {
    // While the engine lets pending events run, the window takes no input:
    // every other action would clear or replace the lists it is reading.
    if (converting) focusBeforeConversion_ = QApplication::focusWidget();
    converting_ = converting;
    centralWidget()->setEnabled(!converting);
    menuBar()->setEnabled(!converting);
    UpdateActions();
    if (!converting && focusBeforeConversion_) focusBeforeConversion_->setFocus();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (converting_) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

namespace {

// The one local file a drag carries, or empty.
QString DroppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!converting_ && QFileInfo(DroppedFile(event->mimeData())).isFile()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (converting_ || file.isEmpty()) return;
    event->acceptProposedAction();
    RunGuarded([&] { SelectAbaFile(file); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A field is left when the focus moves to another control of the
        // window, not when the window itself loses the focus or a menu opens.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        auto* field = qobject_cast<QWidget*>(watched);
        if (left && field) RunGuarded([&] { OptionFieldExit(field); });
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace billpay::gui
