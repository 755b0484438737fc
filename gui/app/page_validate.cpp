// The second page, "Validate ABA File": the banking format, the validation
// run and its results.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "aba/validation.h"
#include "app/action_button.h"
#include "app/dialog_box.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/progress_bar_sink.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "bankaccount/bank_account_control.h"
#include "bankfile/format_table.h"

namespace billpay::gui {
namespace {

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The hourglass for the length of a scope.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The lines as one text, "\n" between them.
QString JoinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    QString text;
    text.reserve(static_cast<qsizetype>(size));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += FromStd(lines[i]);
    }
    return text;
}

}  // namespace

void TfrmMain::BuildValidatePage() {
    tabValidate = new QWidget(PageControl);
    tabValidate->setObjectName("tabValidate");
    PageControl->addTab(tabValidate, "Validate ABA File");
    pnlValidate = new QWidget(tabValidate);
    pnlValidate->setObjectName("pnlValidate");
    auto* pageLayout = new QVBoxLayout(tabValidate);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(pnlValidate);

    auto* formatLabel = new QLabel("Banking Format", pnlValidate);
    cbBankingFormat = new QComboBox(pnlValidate);
    cbBankingFormat->setObjectName("cbBankingFormat");
    for (const BankFormat& format : BankFormats()) cbBankingFormat->addItem(FromStd(format.listText));
    cbBankingFormat->setCurrentIndex(-1);
    cbBankingFormat->setToolTip("Select the banking schedule format you wish to use.");
    cbBankingFormat->setStatusTip(cbBankingFormat->toolTip());
    cbBankingFormat->setAccessibleName("Banking Format");
    formatLabel->setBuddy(cbBankingFormat);
    connect(cbBankingFormat, &QComboBox::currentIndexChanged, this,
            [this] { RunGuarded([this] { cbBankingFormatChange(); }); });

    auto* progressLabel = new QLabel("Validation Progress", pnlValidate);
    ValProgress = new QProgressBar(pnlValidate);
    ValProgress->setObjectName("ValProgress");
    ValProgress->setRange(0, 100);
    ValProgress->setValue(0);
    ValProgress->setAccessibleName("Validation Progress");
    progressLabel->setBuddy(ValProgress);

    auto* resultsLabel = new QLabel("Validation Results", pnlValidate);
    ValMemo = new QPlainTextEdit(pnlValidate);
    ValMemo->setObjectName("ValMemo");
    ValMemo->setReadOnly(true);
    ValMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    ValMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ValMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ValMemo->setToolTip("Displays the results of the validation process.");
    ValMemo->setStatusTip(ValMemo->toolTip());
    ValMemo->setAccessibleName("Validation Results");
    ValMemo->setTabChangesFocus(true);
    resultsLabel->setBuddy(ValMemo);

    // The account entry control the validation page carries; it is never
    // shown. Validation asks the account check directly, which gives the
    // control's verdict by definition.
    AccountValidator = new TDBSuperBankAccount(pnlValidate);
    AccountValidator->setObjectName("AccountValidator");
    AccountValidator->hide();
    AccountValidator->SetBankAccount("0000");

    btnPrintErrors = new QPushButton("Print Results", pnlValidate);
    btnPrintErrors->setObjectName("btnPrintErrors");
    btnPrintErrors->setEnabled(false);
    btnPrintErrors->setToolTip("Click to preview/print a report of any validation errors encountered.");
    btnPrintErrors->setStatusTip(btnPrintErrors->toolTip());
    btnPrintErrors->setAccessibleName("Print Results");
    connect(btnPrintErrors, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnPrintErrorsClick(); }); });
    btnValidate = new QPushButton(pnlValidate);
    btnValidate->setObjectName("btnValidate");
    BindButtonToAction(btnValidate, actValidate);

    auto* layout = new QGridLayout(pnlValidate);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(formatLabel, 0, 0, 1, 3);
    layout->addWidget(cbBankingFormat, 1, 0, 1, 3);
    layout->addWidget(progressLabel, 2, 0, 1, 3);
    layout->addWidget(ValProgress, 3, 0, 1, 3);
    layout->addWidget(resultsLabel, 4, 0, 1, 3);
    layout->addWidget(ValMemo, 5, 0, 1, 3);
    layout->addWidget(btnPrintErrors, 6, 1);
    layout->addWidget(btnValidate, 6, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(5, 1);
}

void TfrmMain::tabValidateShow() {
    pnlValidate->setEnabled(fileSelected_);
    int index = ReadSetting(settings_, settings_keys::kBankSystem);
    if (index == -1) index = 0;
    if (index != cbBankingFormat->currentIndex()) {
        {
            const QSignalBlocker quiet(cbBankingFormat);
            cbBankingFormat->setCurrentIndex(index >= 0 && index < cbBankingFormat->count() ? index : -1);
        }
        cbBankingFormatChange();
    }
}

void TfrmMain::cbBankingFormatChange() {
    const int index = cbBankingFormat->currentIndex();
    if (index < 0) return;
    WriteSetting(settings_, settings_keys::kBankSystem, index);
    const char code = BankFormats()[static_cast<std::size_t>(index)].code;
    // The remembered export file belongs to the old format.
    if (formatCode_ != 0 && code != formatCode_)
        WriteSetting(settings_, settings_keys::kExportFile, QString());
    formatCode_ = code;
    ReselectFile();
    ClearValidation();
}

QString TfrmMain::FormatListText() const {
    return cbBankingFormat->currentText();
}

void TfrmMain::AddValidationResult(const QString& text) {
    validationErrors_.push_back(text.toStdString());
    ValMemo->appendPlainText(text);
}

void TfrmMain::ClearValidation() {
    abaLines_.Clear();
    validationErrors_.clear();
    ValMemo->clear();
    ValProgress->setValue(0);
}

void TfrmMain::actValidateExecute() {
    SetValidated(false);
    debitAccount_.clear();
    remitterName_.clear();
    ClearValidation();

    ValidationOutcome outcome;
    {
        const BusyCursor busy;
        ProgressBarSink progress(ValProgress);
        outcome = ValidateAbaFile(QFile::encodeName(lblABAFilename->text()).toStdString(), formatCode_,
                                  CheckAccountDigits, &progress);
    }
    if (outcome.problem) {
        messages_.Show(MessageKind::Error, FromStd(outcome.problem->caption), FromStd(outcome.problem->text));
        SetFileSelected(false);
        return;
    }

    ValidationRun& run = outcome.run;
    // The whole memo in one go, before the run's lists are taken over: a
    // hundred thousand error lines appended one at a time would lay the text
    // out again for each of them.
    ValMemo->setPlainText(JoinLines(run.Memo()));
    abaLines_ = std::move(run.lines);
    validationErrors_ = std::move(run.errors);
    debitAccount_ = std::move(run.DebitAccount);
    remitterName_ = std::move(run.RemitterName);

    SetValidated(validationErrors_.empty());
}

void TfrmMain::btnPrintErrorsClick() {
    btnPrintErrors->setEnabled(false);
    struct Reenable {
        QPushButton* button;
        ~Reenable() { button->setEnabled(true); }
    } reenable{btnPrintErrors};
    PrintValidationReport(dialogs_, ValMemo->toPlainText().split('\n'), lblABAFilename->text());
}

}  // namespace billpay::gui
