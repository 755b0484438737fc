#include "reports/report_callers.h"

#include <memory>

#include <QPrinter>

#include "app/dialog_box.h"
#include "reports/report_form.h"

namespace billpay::gui {
namespace {

PreviewHook& InstalledPreviewHook() {
    static PreviewHook hook;
    return hook;
}

ReportClock& InstalledReportClock() {
    static ReportClock clock;
    return clock;
}

// A report form on the printer's paper, with the installed clock.
std::unique_ptr<TfrmReport> CreateReportForm(TDialogBox& dialogs) {
    auto form = std::make_unique<TfrmReport>();
    form->QuickReport.Paper = dialogs.Printer().pageLayout().pageSize();
    form->QuickReport.Clock = InstalledReportClock();
    return form;
}

}  // namespace

void SetPreviewHook(PreviewHook hook) {
    InstalledPreviewHook() = std::move(hook);
}

void SetReportClock(ReportClock clock) {
    InstalledReportClock() = std::move(clock);
}

// The form and the copied list are freed on leaving, also when a failure
// travels on; the copy goes first, then the form.
void PrintValidationReport(TDialogBox& dialogs, const QStringList& memoLines,
                           const QString& abaFileFieldText) {
    const std::unique_ptr<TfrmReport> form = CreateReportForm(dialogs);
    form->QuickReport.ReportTitle = QStringLiteral("Bill Payment Validation Report");
    form->qlblFilename->Caption = QStringLiteral("ABA File: ") + abaFileFieldText;
    form->Q1RBand3->Enabled = true;
    const auto printLines = std::make_unique<QStringList>(memoLines);
    form->PrintLines = PrintLineList(printLines.get());
    form->HashTotalText.clear();
    form->QuickReport.Preview(PreviewHook(InstalledPreviewHook()));
}

void PrintConversionReport(TDialogBox& dialogs, const TextLines& bankFileLines, const QString& formatListText,
                           const QString& hashTotalText) {
    const std::unique_ptr<TfrmReport> form = CreateReportForm(dialogs);
    form->QuickReport.ReportTitle = QStringLiteral("Bill Payment Conversion Report");
    form->QuickReport.Orientation = QPageLayout::Landscape;
    constexpr double kLandscapeWidth = 1092;
    form->line->Width = kLandscapeWidth;
    form->lblErrorText->Width = kLandscapeWidth;
    form->Q1RShape1->Width = kLandscapeWidth;
    form->Q1RShape2->Width = kLandscapeWidth;
    form->qlblFilename->Caption = QStringLiteral("Format: ") + formatListText;
    form->Q1RBand3->Enabled = false;
    form->PrintLines = PrintLineList(&bankFileLines);
    form->HashTotalText = hashTotalText;
    form->QuickReport.Preview(PreviewHook(InstalledPreviewHook()));
}

}  // namespace billpay::gui
