// The third page, "Convert File Data": the conversion options of the chosen
// format and the conversion itself. Which fields are open, their labels,
// lengths and hints come from the format's options in the core.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "aba/text_decoding.h"
#include "app/action_button.h"
#include "app/main_window.h"
#include "app/option_text_validator.h"
#include "app/platform_file_names.h"
#include "app/read_only_field.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "bankfile/conversion_page.h"
#include "bankfile/format_options.h"

namespace billpay::gui {
namespace {

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Option texts go to the engine as single-byte characters, like the ABA file's text.
std::string ToEngineText(const QString& text) {
    return FoldToSingleByte(text.toUtf8().toStdString());
}

OptionTextValidator* ValidatorOf(QLineEdit* field) {
    return qobject_cast<OptionTextValidator*>(const_cast<QValidator*>(field->validator()));
}

}  // namespace

void TfrmMain::BuildConvertPage() {
    tabConvertData = new QWidget(PageControl);
    tabConvertData->setObjectName("tabConvertData");
    PageControl->addTab(tabConvertData, "Convert File Data");
    pnlConvert = new QWidget(tabConvertData);
    pnlConvert->setObjectName("pnlConvert");
    auto* pageLayout = new QGridLayout(tabConvertData);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(pnlConvert);

    auto* layout = new QGridLayout(pnlConvert);
    layout->setContentsMargins(12, 8, 12, 8);
    auto label = [this](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption, pnlConvert);
        l->setBuddy(buddy);
        buddy->setAccessibleName(QString(caption).remove(':'));
        return l;
    };
    auto field = [this](const char* name, const QString& hint, int maximum) {
        auto* f = new QLineEdit(pnlConvert);
        f->setObjectName(name);
        f->setToolTip(hint);
        f->setStatusTip(hint);
        auto* validator = new OptionTextValidator(f);
        validator->setMaximumLength(maximum);
        f->setValidator(validator);
        SetFieldEditable(f, false);
        f->installEventFilter(this);
        connect(f, &QLineEdit::textChanged, this, [this] { RunGuarded([this] { actConvertUpdate(); }); });
        return f;
    };

    edBatchNo = field("edBatchNo", "Enter the batch or subscriber number for the bank file.", 0);
    layout->addWidget(label("Batch/Subscriber No.:", edBatchNo), 0, 0);
    layout->addWidget(edBatchNo, 0, 1);

    edDebitAccount = new QLineEdit(pnlConvert);
    edDebitAccount->setObjectName("edDebitAccount");
    MakeReadOnlyField(edDebitAccount,
                      "Displays the account number that will be debited when the batch is processed.");
    layout->addWidget(label("Debit Account No:", edDebitAccount), 1, 0);
    layout->addWidget(edDebitAccount, 1, 1);

    edPreFormat = field("edPreFormat", QString(), 0);
    lblPreformat = label("Preformat Reference:", edPreFormat);
    lblPreformat->setObjectName("lblPreformat");
    layout->addWidget(lblPreformat, 2, 0);
    layout->addWidget(edPreFormat, 2, 1);

    cbConfidential = new QCheckBox(pnlConvert);
    cbConfidential->setObjectName("cbConfidential");
    cbConfidential->setToolTip(
        "(Citibank Payroll only) indicates batch content should be confidential in the Citibank system.");
    cbConfidential->setStatusTip(cbConfidential->toolTip());
    cbConfidential->setEnabled(false);
    cbConfidential->installEventFilter(this);
    lblConfidential = label("Confidential:", cbConfidential);
    lblConfidential->setObjectName("lblConfidential");
    lblConfidential->setToolTip(
        "Tick if the content of the bank file should only be displayed to authorised users.");
    layout->addWidget(lblConfidential, 3, 0);
    layout->addWidget(cbConfidential, 3, 1);

    ebPayeeReference = field("ebPayeeReference", "Enter the Reference to appear on the Bank Statement",
                             kPayerFieldMaxLength);
    ebPayeeParticulars = field("ebPayeeParticulars", "Enter the Particulars to appear on the Bank Statement",
                               kPayerFieldMaxLength);
    ebPayeeCode =
        field("ebPayeeCode", "Enter the Code to appear on the Bank Statement", kPayerFieldMaxLength);
    layout->addWidget(label("Payer Reference:", ebPayeeReference), 0, 2);
    layout->addWidget(ebPayeeReference, 0, 3);
    layout->addWidget(label("Payer Particulars:", ebPayeeParticulars), 1, 2);
    layout->addWidget(ebPayeeParticulars, 1, 3);
    layout->addWidget(label("Payer Code:", ebPayeeCode), 2, 2);
    layout->addWidget(ebPayeeCode, 2, 3);
    for (QLineEdit* payer : {ebPayeeReference, ebPayeeParticulars, ebPayeeCode}) payer->setEnabled(false);

    CvtProgress = new QProgressBar(pnlConvert);
    CvtProgress->setObjectName("CvtProgress");
    CvtProgress->setValue(0);
    CvtProgress->setToolTip("Indicates ABA file conversion progress.");
    CvtProgress->setStatusTip(CvtProgress->toolTip());
    layout->addWidget(label("Conversion Progress...", CvtProgress), 5, 0, 1, 4);
    layout->addWidget(CvtProgress, 6, 0, 1, 4);

    btnPrintFile = new QPushButton("Print File", pnlConvert);
    btnPrintFile->setObjectName("btnPrintFile");
    btnPrintFile->setEnabled(false);
    btnPrintFile->setToolTip("Click to preview/print formatted batch in landscape orientation.");
    btnPrintFile->setStatusTip(btnPrintFile->toolTip());
    btnPrintFile->setAccessibleName("Print File");
    connect(btnPrintFile, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnPrintFileClick(); }); });
    btnConvert = new QPushButton(pnlConvert);
    btnConvert->setObjectName("btnConvert");
    BindButtonToAction(btnConvert, actConvert);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnPrintFile);
    buttons->addWidget(btnConvert);
    layout->addLayout(buttons, 7, 0, 1, 4);

    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    layout->setRowMinimumHeight(4, 8);
    layout->setRowStretch(8, 1);

    // Tab order down the left column, then the right one.
    setTabOrder(edBatchNo, edPreFormat);
    setTabOrder(edPreFormat, cbConfidential);
    setTabOrder(cbConfidential, ebPayeeReference);
    setTabOrder(ebPayeeReference, ebPayeeParticulars);
    setTabOrder(ebPayeeParticulars, ebPayeeCode);
    setTabOrder(ebPayeeCode, btnPrintFile);
    setTabOrder(btnPrintFile, btnConvert);
}

void TfrmMain::tabConvertDataShow() {
    const FormatOptions* format = FindFormatOptions(formatCode_);
    const FormatOptions* open = validated_ ? format : nullptr;  // every field shut until validated

    pnlConvert->setEnabled(validated_);
    if (!converted_) CvtProgress->setValue(0);

    const bool batchOpen = open && open->batchMaxLength > 0;
    SetFieldEditable(edBatchNo, batchOpen);
    if (batchOpen) ValidatorOf(edBatchNo)->setMaximumLength(open->batchMaxLength);

    edDebitAccount->setText(format ? FromStd(DebitAccountForDisplay(debitAccount_, format->debitDisplay))
                                   : QString());

    const bool preformatOpen = open && open->preformatMaxLength > 0;
    SetFieldEditable(edPreFormat, preformatOpen);
    if (preformatOpen) {
        lblPreformat->setText(FromStd(open->preformatLabel));
        edPreFormat->setToolTip(FromStd(open->preformatHint));
        ValidatorOf(edPreFormat)->setMaximumLength(open->preformatMaxLength);
    } else {
        // The label keeps the caption it last had.
        edPreFormat->setToolTip(QString());
    }
    edPreFormat->setStatusTip(edPreFormat->toolTip());
    edPreFormat->setAccessibleName(QString(lblPreformat->text()).remove(':'));

    const bool confidentialOpen = open && open->confidential;
    cbConfidential->setEnabled(confidentialOpen);

    const bool payerOpen = open && open->payerFields;
    for (QLineEdit* payer : {ebPayeeReference, ebPayeeParticulars, ebPayeeCode}) {
        SetFieldEditable(payer, payerOpen);
        payer->setEnabled(payerOpen);
    }

    auto remembered = [this](QLineEdit* field, bool open, const StringSettingKey& key) {
        ValidatorOf(field)->SetProgramText(open ? ReadSetting(settings_, key) : QString());
    };
    remembered(edBatchNo, batchOpen, settings_keys::kBatchNo);
    remembered(edPreFormat, preformatOpen, settings_keys::kPreFormatRef);
    cbConfidential->setChecked(confidentialOpen && ReadSetting(settings_, settings_keys::kConfidential));
    remembered(ebPayeeReference, payerOpen, settings_keys::kPayeeReference);
    remembered(ebPayeeParticulars, payerOpen, settings_keys::kPayeeParticulars);
    remembered(ebPayeeCode, payerOpen, settings_keys::kPayeeCode);
    actConvertUpdate();
}

void TfrmMain::OptionFieldExit(QWidget* field) {
    // A field is written when it is left while in use for the format, as typed.
    auto inUse = [](QLineEdit* edit) { return !edit->isReadOnly() && edit->isEnabled(); };
    if (field == edBatchNo && inUse(edBatchNo)) {
        WriteSetting(settings_, settings_keys::kBatchNo, edBatchNo->text());
    } else if (field == edPreFormat && inUse(edPreFormat)) {
        WriteSetting(settings_, settings_keys::kPreFormatRef, edPreFormat->text());
    } else if (field == cbConfidential && cbConfidential->isEnabled()) {
        WriteSetting(settings_, settings_keys::kConfidential, cbConfidential->isChecked());
    } else if (field == ebPayeeReference && inUse(ebPayeeReference)) {
        WriteSetting(settings_, settings_keys::kPayeeReference, ebPayeeReference->text());
    } else if (field == ebPayeeParticulars && inUse(ebPayeeParticulars)) {
        WriteSetting(settings_, settings_keys::kPayeeParticulars, ebPayeeParticulars->text());
    } else if (field == ebPayeeCode && inUse(ebPayeeCode)) {
        WriteSetting(settings_, settings_keys::kPayeeCode, ebPayeeCode->text());
    }
}

void TfrmMain::actConvertUpdate() {
    actConvert->setEnabled(!converting_ &&
                           CanConvert(formatCode_, validated_, ToEngineText(edBatchNo->text()),
                                      ToEngineText(edPreFormat->text())));
}

QString TfrmMain::ProposedExportFileName() const {
    const QString remembered = ReadSetting(settings_, settings_keys::kExportFile);
    if (!remembered.isEmpty()) return remembered;
    return PlatformFileName(FromStd(bankFile_.GetDefaultFileName(formatCode_)));
}

void TfrmMain::actConvertExecute() {
    hashTotalText_.clear();
    SetAuthorised(false);
    // Not converted until the engine says so: it empties the bank file list
    // first, so a conversion that is cut short leaves nothing to export.
    SetConverted(false);
    btnPrintFile->setEnabled(false);

    ConversionOptions options;
    options.DebitAccount = ToEngineText(edDebitAccount->text());
    options.BatchNo = ToEngineText(edBatchNo->text());
    options.PreformatRef = ToEngineText(edPreFormat->text());
    options.Confidential = cbConfidential->isChecked();
    options.PayerReference = ToEngineText(ebPayeeReference->text());
    options.PayerParticulars = ToEngineText(ebPayeeParticulars->text());
    options.PayerCode = ToEngineText(ebPayeeCode->text());
    bankFile_.BankingFileName = ProposedExportFileName().toStdString();

    bool converted = false;
    {
        SetConverting(true);
        struct EndConversion {
            TfrmMain* window;
            ~EndConversion() {
                window->conversionHost_.RestoreCursor();
                window->SetConverting(false);
            }
        } end{this};
        converted = bankFile_.CreateBankFile(abaLines_, formatCode_, options, bankFileLines_);
    }
    hashTotalText_ = bankFile_.Result().HashTotalText;
    SetConverted(converted);
    btnPrintFile->setEnabled(converted_);
}

void TfrmMain::btnPrintFileClick() {
    btnPrintFile->setEnabled(false);
    struct Reenable {
        QPushButton* button;
        ~Reenable() { button->setEnabled(true); }
    } reenable{btnPrintFile};
    PrintConversionReport(dialogs_, bankFileLines_, FormatListText(), FromStd(hashTotalText_));
}

}  // namespace billpay::gui
