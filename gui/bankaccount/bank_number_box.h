#pragma once

#include <QComboBox>

namespace billpay::gui {

// The bank field of the account entry: an editable drop-down that says when its list opens and
// closes, so the entry can widen it over its caption while the bank names show. The list is at
// least as wide as its widest entry.
class BankNumberBox : public QComboBox {
    Q_OBJECT

public:
    explicit BankNumberBox(QWidget* parent);

    void showPopup() override;
    void hidePopup() override;

signals:
    void DroppingDown();
    void ClosedUp();
};

}  // namespace billpay::gui
