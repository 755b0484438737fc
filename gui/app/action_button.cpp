#include "app/action_button.h"

#include <QAction>
#include <QPushButton>

namespace billpay::gui {

void BindButtonToAction(QPushButton* button, QAction* action) {
    auto follow = [button, action] {
        button->setText(action->text());
        button->setToolTip(action->toolTip());
        button->setStatusTip(action->statusTip());
        button->setAccessibleName(QString(action->text()).remove('&'));
        button->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    QObject::connect(button, &QPushButton::clicked, action, [action] {
        if (action->isEnabled()) action->trigger();
    });
}

}  // namespace billpay::gui
