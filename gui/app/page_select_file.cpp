// The first page, "Select ABA File to Import": the ABA file field and Browse.
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialog_box.h"
#include "app/export_file_rules.h"
#include "app/main_window.h"
#include "app/platform_file_names.h"
#include "app/read_only_field.h"
#include "app/settings.h"
#include "app/settings_keys.h"

namespace billpay::gui {

void TfrmMain::BuildSelectFilePage() {
    tabFImpSelect = new QWidget(PageControl);
    tabFImpSelect->setObjectName("tabFImpSelect");
    PageControl->addTab(tabFImpSelect, "Select ABA File to Import");

    auto* label = new QLabel("ABA File : ", tabFImpSelect);
    lblABAFilename = new QLineEdit("<Please select a file to process ...>", tabFImpSelect);
    lblABAFilename->setObjectName("lblABAFilename");
    MakeReadOnlyField(lblABAFilename, "Click the Browse button to select an ABA file for processing.");
    label->setBuddy(lblABAFilename);
    lblABAFilename->setAccessibleName("ABA File");

    btnABABrowse = new QPushButton("Browse...", tabFImpSelect);
    btnABABrowse->setObjectName("btnABABrowse");
    btnABABrowse->setToolTip("Displays ABA file selection dialog.");
    btnABABrowse->setStatusTip(btnABABrowse->toolTip());
    btnABABrowse->setAccessibleName("Browse...");
    connect(btnABABrowse, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnABABrowseClick(); }); });

    auto* layout = new QGridLayout(tabFImpSelect);
    layout->setContentsMargins(12, 16, 12, 12);
    layout->addWidget(label, 0, 0);
    layout->addWidget(lblABAFilename, 0, 1);
    layout->addWidget(btnABABrowse, 1, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
}

void TfrmMain::btnABABrowseClick() {
    const StringSettingKey& key = settings_keys::kLastFileProcessedForBrowse;
    const QString remembered =
        settings_.ReadString(key.section, key.name, PlatformFileName(key.defaultValue));
    OpenFileRequest request;
    request.title = "Open ABA Data File";
    request.filter = "ABA Files|*.ABA";
    request.defaultExtension = "ABA";
    request.initialDirectory = DirectoryPart(QDir::fromNativeSeparators(remembered));
    request.fileName = FileNamePart(QDir::fromNativeSeparators(remembered));
    const std::optional<QString> chosen = dialogs_.OpenFile(this, request);
    if (!chosen) return;
    SelectAbaFile(*chosen);
}

void TfrmMain::SelectAbaFile(const QString& fileName) {
    lblABAFilename->setText(QDir::toNativeSeparators(fileName));
    ReselectFile();
    WriteSetting(settings_, settings_keys::kLastFileProcessed, lblABAFilename->text());
    cbBankingFormatChange();
}

}  // namespace billpay::gui
