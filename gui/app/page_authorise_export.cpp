// The last two pages: "Authorise Payments" and "Export Data To Bank File".
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "app/action_button.h"
#include "app/dialog_box.h"
#include "app/export_file_rules.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/platform_file_names.h"
#include "app/read_only_field.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "bankfile/bank_file.h"

namespace billpay::gui {
namespace {

const QString kExportPlaceholder =
    QStringLiteral("<Please specify a name and location for the export file...>");

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Writes the whole bank file or nothing: the previous file stays as it was
// until the new one is complete. Returns the reason on failure.
std::optional<QString> WriteBankFile(const QString& fileName, std::string_view contents) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(contents.data(), static_cast<qint64>(contents.size())) !=
        static_cast<qint64>(contents.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace

void TfrmMain::BuildAuthorisePage() {
    tabAuthorise = new QWidget(PageControl);
    tabAuthorise->setObjectName("tabAuthorise");
    PageControl->addTab(tabAuthorise, "Authorise Payments");
    btnAuthorise = new QPushButton(tabAuthorise);
    btnAuthorise->setObjectName("btnAuthorise");
    BindButtonToAction(btnAuthorise, actAuthorise);
    auto* layout = new QVBoxLayout(tabAuthorise);
    layout->addStretch(1);
    layout->addWidget(btnAuthorise, 0, Qt::AlignCenter);
    layout->addStretch(1);
}

void TfrmMain::BuildExportPage() {
    tabFExpSelect = new QWidget(PageControl);
    tabFExpSelect->setObjectName("tabFExpSelect");
    PageControl->addTab(tabFExpSelect, "Export Data To Bank File");

    auto* fileLabel = new QLabel("Export File: ", tabFExpSelect);
    edExportFilename = new QLineEdit(kExportPlaceholder, tabFExpSelect);
    edExportFilename->setObjectName("edExportFilename");
    MakeReadOnlyField(edExportFilename, "Click Browse to choose the location and name of the export file.");
    edExportFilename->setAccessibleName("Export File");
    fileLabel->setBuddy(edExportFilename);
    connect(edExportFilename, &QLineEdit::textChanged, this,
            [this] { RunGuarded([this] { edExportFilenameChange(); }); });

    Button4 = new QPushButton("Browse...", tabFExpSelect);
    Button4->setObjectName("Button4");
    Button4->setAccessibleName("Browse...");
    Button4->setToolTip("Click Browse to choose the location and name of the export file.");
    Button4->setStatusTip(Button4->toolTip());
    connect(Button4, &QPushButton::clicked, this, [this] { RunGuarded([this] { Button4Click(); }); });

    auto* progressLabel = new QLabel("Export Progress...", tabFExpSelect);
    ExpProgress = new QProgressBar(tabFExpSelect);
    ExpProgress->setObjectName("ExpProgress");
    ExpProgress->setRange(0, 1);
    ExpProgress->setValue(0);
    ExpProgress->setToolTip("Indicates file export progress.");
    ExpProgress->setStatusTip(ExpProgress->toolTip());
    ExpProgress->setAccessibleName("Export Progress");
    progressLabel->setBuddy(ExpProgress);

    btnExport = new QPushButton(tabFExpSelect);
    btnExport->setObjectName("btnExport");
    BindButtonToAction(btnExport, actExport);

    auto* layout = new QGridLayout(tabFExpSelect);
    layout->setContentsMargins(12, 16, 12, 12);
    layout->addWidget(fileLabel, 0, 0);
    layout->addWidget(edExportFilename, 0, 1);
    layout->addWidget(Button4, 1, 1, Qt::AlignRight);
    layout->setRowMinimumHeight(2, 12);
    layout->addWidget(progressLabel, 3, 0, 1, 2);
    layout->addWidget(ExpProgress, 4, 0, 1, 2);
    layout->addWidget(btnExport, 5, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);
}

void TfrmMain::tabAuthoriseShow() {
    if (!authorised_) ExpProgress->setValue(0);
}

void TfrmMain::actAuthoriseExecute() {
    SetAuthorised(true);
}

void TfrmMain::SetExportFileText(const QString& text) {
    // The change handler remembers the name, also when the field already held it.
    if (edExportFilename->text() == text) {
        edExportFilenameChange();
    } else {
        edExportFilename->setText(text);
    }
}

void TfrmMain::tabFExpSelectShow() {
    if (!authorised_) {
        ExpProgress->setValue(0);
        return;
    }
    const QString remembered = ReadSetting(settings_, settings_keys::kExportFile);
    SetExportFileText(remembered.isEmpty()
                          ? PlatformFileName(FromStd(bankFile_.GetDefaultFileName(formatCode_)))
                          : remembered);
}

void TfrmMain::edExportFilenameChange() {
    const QString text = edExportFilename->text();
    if (text != kExportPlaceholder && !text.trimmed().isEmpty())
        WriteSetting(settings_, settings_keys::kExportFile, text);
}

bool TfrmMain::SaveDialogCanClose(const QString& fileName) {
    if (fileName.size() <= kMaxBankingFileNameLength) return true;
    messages_.Show(
        MessageKind::Warning, "Banking Path/Filename Too Long",
        "The path and filename you have selected for the banking file\rexceeds the maximum length of "
        "90 characters.\r\rPlease select a shorter path or filename.");
    return false;
}

void TfrmMain::Button4Click() {
    QString name = edExportFilename->text();
    if (EndsWithPathDelimiter(name))
        name += FileNamePart(PlatformFileName(FromStd(bankFile_.GetDefaultFileName(formatCode_))));

    SaveFileRequest request;
    request.title = "Save Banking File as";
    request.filter = kExportFileFilter;
    request.initialDirectory = DirectoryPart(dialogs_.LastSaveFileName());
    request.fileName = name;
    request.filterIndex = FilterIndexForExt(ExtensionOf(name));
    // The can-close check lives only as long as this call: the dialog gets
    // it with the request and drops it when it returns, also on failure.
    const std::optional<SaveFileChoice> choice = dialogs_.SaveFile(
        this, request, [this](const QString& chosen) { return SaveDialogCanClose(chosen); });
    if (!choice) return;

    const QString chosen = ApplyChosenFileType(choice->fileName, choice->filterIndex);
    WriteSetting(settings_, settings_keys::kExportFile, chosen);
    edExportFilename->setText(chosen);
}

void TfrmMain::actExportExecute() {
    ExpProgress->setMaximum(1);
    ExpProgress->setValue(0);
    const QString fileName = edExportFilename->text();
    std::optional<QString> failure;
    {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        struct RestoreCursor {
            ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
        } restore;
        failure = WriteBankFile(fileName, bankFileLines_.CrLfText());
    }
    if (failure) {
        messages_.Show(MessageKind::Error, "Error Writing Bank File",
                       "An error occurred whilst attempting to write data to the specified bank Export "
                       "File.\r\rError: " +
                           *failure);
        return;
    }
    ExpProgress->setValue(1);
    messages_.Show(MessageKind::Information, "Export File Success",
                   "Bill payment data was successfully saved to Export File: " + fileName);
    SetStatus("Exported");
}

}  // namespace billpay::gui
