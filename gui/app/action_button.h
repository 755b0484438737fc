#pragma once

class QAction;
class QPushButton;

namespace billpay::gui {

// Binds a push button to an action, as the form designer's action property
// does: the button shows the action's caption and hint, follows its enabled
// state, and a click triggers the action.
void BindButtonToAction(QPushButton* button, QAction* action);

}  // namespace billpay::gui
