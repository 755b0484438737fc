#pragma once

class QLineEdit;
class QString;

namespace billpay::gui {

// An edit field that only shows a value: read-only, in the button-face
// colour, skipped by Tab (a click still selects its text for copying).
void MakeReadOnlyField(QLineEdit* field, const QString& hint);

// Switches an option field between editable (window colour, not read-only,
// reachable with Tab) and shut (button-face colour, read-only, no tab stop).
void SetFieldEditable(QLineEdit* field, bool editable);

}  // namespace billpay::gui
