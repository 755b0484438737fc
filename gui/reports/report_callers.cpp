#include "reports/report_callers.h"

// Placeholder until the report engine lands: the reports show nothing yet.
namespace billpay::gui {

void SetPreviewHook(PreviewHook) {}
void PrintValidationReport(TDialogBox&, const QStringList&, const QString&) {}
void PrintConversionReport(TDialogBox&, const TextLines&, const QString&, const QString&) {}

}  // namespace billpay::gui
