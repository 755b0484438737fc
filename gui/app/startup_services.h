#pragma once

#include <memory>

#include <QIcon>

#include "app/dialog_box.h"
#include "app/settings.h"
#include "reports/report_callers.h"

class QWidget;

namespace billpay::gui {

// The pieces start-up creates before the main window, in the order it needs them.

// The per-user settings store, opened (and created when missing).
std::unique_ptr<Settings> CreateSettingsStore();

// The splash window, shown and painted at once; null where there is none.
std::unique_ptr<QWidget> ShowSplashWindow();
// Shows the splash again above the main window once that is on the screen.
void BringSplashToFront(QWidget* splash);

// Fixes the short date pattern to "dd/mm/yyyy" for the whole run.
void FixShortDateFormat();
// The pattern in Qt's notation.
inline constexpr const char* kShortDateFormat = "dd/MM/yyyy";

QIcon ApplicationIcon();

// The common file dialogs and the printer set-up.
std::unique_ptr<TDialogBox> CreateDialogBox();

// Opens the about window modally over `parent`.
void ShowAboutWindow(QWidget* parent);

// The preview hook the main window installs for the reports.
PreviewHook ReportPreviewHook();

}  // namespace billpay::gui
