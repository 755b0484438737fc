#pragma once

namespace billpay::gui {

// The short date pattern of the whole run, "dd/mm/yyyy" in Qt's notation:
// dates are shown day first whatever the regional settings say.
inline constexpr const char* kShortDateFormat = "dd/MM/yyyy";

// Fixes the pattern for the run: the default locale becomes one whose short
// date is day first, and later changes of the regional settings are not
// picked up while the program runs.
void FixShortDateFormat();

}  // namespace billpay::gui
