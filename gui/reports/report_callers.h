#pragma once

#include <functional>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "util/text_lines.h"

class QWidget;

namespace billpay::gui {

class TDialogBox;
class PreparedReport;

// Shows a prepared report; the main window installs one that opens the
// preview window modally, tests install one that records the pages. The
// pages are discarded when it returns.
using PreviewHook = std::function<void(PreparedReport& report)>;
void SetPreviewHook(PreviewHook hook);

// The clock the reports print as "Date Run: "; the computer's clock unless
// set (an empty function restores it). Tests fix it so that pages repeat.
using ReportClock = std::function<QDateTime()>;
void SetReportClock(ReportClock clock);

// The validation report of the results memo's lines, under "ABA File: "
// followed by the ABA file field's text. Nothing is shown for no lines.
// Returns when the preview has closed; a failure travels on as an exception.
void PrintValidationReport(TDialogBox& dialogs, const QStringList& memoLines,
                           const QString& abaFileFieldText);

// The conversion report of the bank file's lines, landscape, under "Format: "
// followed by the banking format's list text, with the hash total band when
// `hashTotalText` is not empty.
void PrintConversionReport(TDialogBox& dialogs, const TextLines& bankFileLines, const QString& formatListText,
                           const QString& hashTotalText);

}  // namespace billpay::gui
