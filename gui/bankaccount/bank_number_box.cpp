#include "bankaccount/bank_number_box.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace billpay::gui {

BankNumberBox::BankNumberBox(QWidget* parent) : QComboBox(parent) {}

void BankNumberBox::showPopup() {
    emit DroppingDown();
    QAbstractItemView* list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    QComboBox::showPopup();
}

void BankNumberBox::hidePopup() {
    QComboBox::hidePopup();
    emit ClosedUp();
}

}  // namespace billpay::gui
