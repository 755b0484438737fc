#pragma once

#include <array>

#include <QColor>
#include <QFrame>
#include <QString>
#include <QStringList>

#include "bankaccount/bank_account.h"
#include "bankaccount/bound_field.h"

class QLabel;
class QLineEdit;
class QKeyEvent;

namespace billpay::gui {

class BankNumberBox;

// Entry of one New Zealand bank account number: a caption in the left margin, then the bank
// number (an editable drop-down of the bank list), the branch number, the customer number and the
// suffix, separated by "-" labels. Only digits can be typed; the focus moves on as each part
// fills. The number is checked whenever a part changes, the four fields show ErrColor while it is
// invalid, and Valid holds the verdict.
//
// The control may edit a BoundField, which holds the number in stored form (the four parts
// joined without separators). The field's value fills the parts; while its record is being edited
// a valid number is written back to it and an invalid one empties it.
//
// The fields keep the style's normal frame; UltraFlat takes it away.
class TDBSuperBankAccount : public QFrame, private BoundFieldEditor {
    Q_OBJECT
    Q_PROPERTY(bool Valid READ Valid WRITE SetValid NOTIFY OnValidityChange)
    Q_PROPERTY(bool NoValidation READ NoValidation WRITE SetNoValidation)
    Q_PROPERTY(int Gutter READ Gutter WRITE SetGutter)
    Q_PROPERTY(QColor ErrColor READ ErrColor WRITE SetErrColor)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(bool UltraFlat READ UltraFlat WRITE SetUltraFlat)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(QString BankAccount READ BankAccount WRITE SetBankAccount)
    Q_PROPERTY(QString BankName READ BankName)
    Q_PROPERTY(int BankNumber READ BankNumber)

public:
    explicit TDBSuperBankAccount(QWidget* parent = nullptr);
    ~TDBSuperBankAccount() override;

    // The verdict of the last check. Writing it applies a verdict: the colours, OnValidityChange
    // and the bound field follow. A write made while a verdict is being applied is ignored.
    bool Valid() const { return valid_; }
    void SetValid(bool valid);

    // When set, every check yields valid and raises OnValidityChange.
    bool NoValidation() const { return noValidation_; }
    void SetNoValidation(bool noValidation) { noValidation_ = noValidation; }

    // Width in pixels of each "-" label (default 8).
    int Gutter() const { return gutter_; }
    void SetGutter(int gutter);

    // Background of the four fields while the number is invalid (default red).
    QColor ErrColor() const { return errColor_; }
    void SetErrColor(const QColor& color);

    // Room in pixels left of the bank field, where the caption shows (default 70).
    int Margin() const { return margin_; }
    void SetMargin(int margin);

    QString Caption() const;
    void SetCaption(const QString& caption);

    // The bank field's drop-down entries (default: the bank list, "01 ANZ" to "38 Kiwibank").
    QStringList Items() const { return items_; }
    void SetItems(const QStringList& items);

    bool UltraFlat() const { return ultraFlat_; }
    void SetUltraFlat(bool flat);

    // The name of the bound field, kept for the form that binds it.
    QString DataField() const { return dataField_; }
    void SetDataField(const QString& name) { dataField_ = name; }

    // The field edited by the control, or none. Binding shows the field's value at once. The
    // field tells the control when it goes away.
    void SetBoundField(BoundField* field);
    BoundField* Field() const { return field_; }

    // Read: the stored parts joined (at most 16 characters). Write: the first 16 characters fill
    // the fields (characters 1-2, 3-6, 7-13 and 14-16), the number is checked once and the stored
    // parts are taken from the fields.
    QString BankAccount() const;
    void SetBankAccount(const QString& storedForm);

    // The name of the listed bank whose number is in the bank field; empty when there is none.
    QString BankName() const;
    // The stored bank number as an integer; 0 when it is empty or not a number.
    int BankNumber() const;

    // Focuses the bank field.
    void SetFocus();

signals:
    // The verdict changed; with NoValidation, raised at every check.
    void OnValidityChange();
    // The bound field refused a value. When that happened as the focus left the control, the
    // bank field has the focus again.
    void OnBoundFieldError(const QString& message);

protected:
    virtual void DoValidityChange();

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Part { kBank, kBranch, kCustomer, kSuffix, kNone };

    void BankNoChanged(const QString& text);
    void BranchNoChanged();
    void CustomerNoChanged();
    void SuffixNoChanged();
    void BankDropDown();
    void BankClicked(int index);
    void BankEnter();
    void BankExit();
    void ControlExit();
    void FocusChanged(QWidget* old, QWidget* now);

    void Check();
    void LayOut();
    void NarrowBank();
    void PaintFields();
    void TakePartsFromFields();
    void FillFromBoundField();
    void WriteBoundField(const QString& text);
    bool EditingBound() const;
    void SetBankText(const QString& text);

    Part PartOf(const QObject* watched) const;
    bool KeyPress(Part part, QKeyEvent* key);
    void KeyRelease(Part part, const QKeyEvent* key);

    std::array<QString, 4> FieldTexts() const;

    // BoundFieldEditor
    void BoundValueChanged() override;
    void UpdateRecord() override;
    void BoundFieldDestroyed() override;

    QLabel* lblCaption_;
    BankNumberBox* cbBankNo_;
    QLineEdit* edBranchNo_;
    QLineEdit* edCustomerNo_;
    QLineEdit* edSuffixNo_;
    std::array<QLabel*, 3> lblDashes_;

    std::array<QString, 4> parts_{"0", "0", "0", "0"};  // bank, branch, customer number, suffix
    QStringList items_;
    QString dataField_;
    BoundField* field_ = nullptr;
    QColor errColor_{Qt::red};
    int gutter_ = 8;
    int margin_ = 70;
    bool valid_ = false;
    bool noValidation_ = false;
    bool ultraFlat_ = false;
    bool modified_ = false;     // the fields changed since the bound field last took them
    bool updating_ = false;     // filling from the bound field or applying a verdict
    bool layingOut_ = false;    // the control is setting its own size
    bool bankWidened_ = false;  // the bank field lies over the margin while its list is open
    bool bankHasFocus_ = false;
    bool hasFocus_ = false;
};

}  // namespace billpay::gui
