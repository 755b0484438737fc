#include "bankaccount/bank_account_control.h"

#include <algorithm>
#include <string>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "bankaccount/account_field_layout.h"
#include "bankaccount/bank_list.h"
#include "bankaccount/bank_number_box.h"

namespace billpay::gui {

namespace {

// Shortest texts, blanks ignored, of the four parts of a complete number.
constexpr std::array<qsizetype, 4> kCompleteLengths{kBankNumberLength, kBranchNumberLength,
                                                    kCustomerNumberLength, kSuffixMinLength};

QStringList DefaultItems() {
    QStringList items;
    for (std::string_view entry : kBankList)
        items << QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
    return items;
}

bool IsWithin(const QWidget* widget, const QWidget* ancestor) {
    // Walks across windows too, so that the bank field's open list counts as the bank field.
    for (; widget; widget = widget->parentWidget())
        if (widget == ancestor) return true;
    return false;
}

bool IsDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The widths the four parts are cut to in the stored form.
constexpr std::array<qsizetype, 4> kPartLengths{kBankNumberLength, kBranchNumberLength, kCustomerNumberLength,
                                                kSuffixMaxLength};

std::array<QString, 4> CutToPartLengths(const std::array<QString, 4>& texts) {
    std::array<QString, 4> parts;
    for (std::size_t i = 0; i < texts.size(); ++i) parts[i] = texts[i].left(kPartLengths[i]);
    return parts;
}

// The stored form: the parts cut to their widths and joined. Cut as texts, so that a pasted
// character outside ASCII stays whole.
QString StoredFormOf(const std::array<QString, 4>& texts) {
    const auto parts = CutToPartLengths(texts);
    return parts[0] + parts[1] + parts[2] + parts[3];
}

// A character typed, rather than a shortcut or a control key.
bool IsPrintable(const QKeyEvent& key) {
    const bool shortcut = key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
    return !shortcut && !key.text().isEmpty() && key.text().front().isPrint();
}

bool IsComplete(const std::array<QString, 4>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].trimmed().size() < kCompleteLengths[i]) return false;
    return true;
}

QLineEdit* MakeEdit(QWidget* parent, const char* objectName, int maxLength, const QString& accessibleName,
                    const QString& toolTip) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    edit->setAccessibleName(accessibleName);
    edit->setToolTip(toolTip);
    return edit;
}

}  // namespace

TDBSuperBankAccount::TDBSuperBankAccount(QWidget* parent) : QFrame(parent), items_(DefaultItems()) {
    setFrameShape(QFrame::NoFrame);

    lblCaption_ = new QLabel(tr("Bank Account"), this);
    lblCaption_->setObjectName("lblCaption");
    lblCaption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Created in entry order, which is also the tab order.
    cbBankNo_ = new BankNumberBox(this);
    cbBankNo_->setObjectName("cbBankNo");
    cbBankNo_->setEditable(true);
    cbBankNo_->setInsertPolicy(QComboBox::NoInsert);
    cbBankNo_->setCompleter(nullptr);
    cbBankNo_->lineEdit()->setMaxLength(static_cast<int>(kBankNumberLength));
    cbBankNo_->setAccessibleName(tr("Bank number"));
    cbBankNo_->setToolTip(tr("Bank number: two digits, or choose the bank from the list"));
    cbBankNo_->addItems(items_);
    cbBankNo_->setCurrentIndex(-1);
    cbBankNo_->setEditText(QString());
    lblCaption_->setBuddy(cbBankNo_);

    edBranchNo_ = MakeEdit(this, "edBranchNo", static_cast<int>(kBranchNumberLength), tr("Branch number"),
                           tr("Branch number: four digits"));
    edCustomerNo_ = MakeEdit(this, "edCustomerNo", static_cast<int>(kCustomerNumberLength),
                             tr("Customer number"), tr("Customer (base) number: seven digits"));
    edSuffixNo_ = MakeEdit(this, "edSuffixNo", static_cast<int>(kSuffixMaxLength), tr("Suffix"),
                           tr("Suffix: two or three digits"));

    for (std::size_t i = 0; i < lblDashes_.size(); ++i) {
        auto* dash = new QLabel(QStringLiteral("-"), this);
        dash->setObjectName(QStringLiteral("lblDash%1").arg(i + 1));
        dash->setAlignment(Qt::AlignCenter);
        dash->setAccessibleName(tr("Separator"));
        lblDashes_[i] = dash;
    }
    setAccessibleName(Caption());
    setToolTip(tr("New Zealand bank account number"));
    setFocusProxy(cbBankNo_);

    connect(cbBankNo_, &QComboBox::editTextChanged, this, &TDBSuperBankAccount::BankNoChanged);
    connect(cbBankNo_, &QComboBox::activated, this, &TDBSuperBankAccount::BankClicked);
    connect(cbBankNo_, &BankNumberBox::DroppingDown, this, &TDBSuperBankAccount::BankDropDown);
    connect(cbBankNo_, &BankNumberBox::ClosedUp, this, &TDBSuperBankAccount::NarrowBank);
    connect(edBranchNo_, &QLineEdit::textChanged, this, &TDBSuperBankAccount::BranchNoChanged);
    connect(edCustomerNo_, &QLineEdit::textChanged, this, &TDBSuperBankAccount::CustomerNoChanged);
    connect(edSuffixNo_, &QLineEdit::textChanged, this, &TDBSuperBankAccount::SuffixNoChanged);
    connect(qApp, &QApplication::focusChanged, this, &TDBSuperBankAccount::FocusChanged);

    for (QObject* watched : std::initializer_list<QObject*>{cbBankNo_, cbBankNo_->lineEdit(), edBranchNo_,
                                                            edCustomerNo_, edSuffixNo_})
        watched->installEventFilter(this);

    LayOut();
    PaintFields();
}

TDBSuperBankAccount::~TDBSuperBankAccount() {
    if (field_) field_->RemoveEditor(this);
    // The parts go after this body has run; the focus leaving them then, or anything else they
    // signal, must not reach the handlers of a control that is half gone.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (QObject* part : std::initializer_list<QObject*>{cbBankNo_, edBranchNo_, edCustomerNo_, edSuffixNo_})
        part->disconnect(this);
}

// --- properties -------------------------------------------------------------------------------

void TDBSuperBankAccount::SetValid(bool valid) {
    if (updating_) return;
    const QScopedValueRollback guard(updating_, true);
    if (noValidation_) valid = true;
    const bool changed = valid != valid_;
    if (changed) {
        valid_ = valid;
        PaintFields();
        if (!valid_ && EditingBound()) WriteBoundField(QString());
    }
    if (changed || noValidation_) DoValidityChange();
    if (valid_ && EditingBound()) WriteBoundField(StoredFormOf(FieldTexts()));
}

void TDBSuperBankAccount::SetGutter(int gutter) {
    gutter_ = std::max(0, gutter);
    LayOut();
}

void TDBSuperBankAccount::SetErrColor(const QColor& color) {
    errColor_ = color;
    PaintFields();
}

void TDBSuperBankAccount::SetMargin(int margin) {
    margin_ = std::max(0, margin);
    LayOut();
}

QString TDBSuperBankAccount::Caption() const {
    return lblCaption_->text();
}

void TDBSuperBankAccount::SetCaption(const QString& caption) {
    lblCaption_->setText(caption);
    setAccessibleName(caption);
}

void TDBSuperBankAccount::SetItems(const QStringList& items) {
    items_ = items;
    // Refilling the list must not change what the bank field shows.
    const QString text = cbBankNo_->currentText();
    const QScopedValueRollback guard(updating_, true);
    cbBankNo_->clear();
    cbBankNo_->addItems(items_);
    cbBankNo_->setCurrentIndex(-1);
    cbBankNo_->setEditText(text);
}

void TDBSuperBankAccount::SetUltraFlat(bool flat) {
    ultraFlat_ = flat;
    cbBankNo_->setFrame(!flat);
    for (QLineEdit* edit : {edBranchNo_, edCustomerNo_, edSuffixNo_}) edit->setFrame(!flat);
}

void TDBSuperBankAccount::SetBoundField(BoundField* field) {
    if (field == field_) return;
    if (field_) field_->RemoveEditor(this);
    field_ = field;
    modified_ = false;
    if (!field_) return;
    field_->AddEditor(this);
    FillFromBoundField();
}

QString TDBSuperBankAccount::BankAccount() const {
    return StoredFormOf(parts_);
}

void TDBSuperBankAccount::SetBankAccount(const QString& storedForm) {
    const QString stored = storedForm.left(static_cast<qsizetype>(kStoredFormMaxLength));
    {
        // One check for the whole number rather than one per field.
        const QScopedValueRollback guard(updating_, true);
        SetBankText(stored.mid(0, 2));
        edBranchNo_->setText(stored.mid(2, 4));
        edCustomerNo_->setText(stored.mid(6, 7));
        edSuffixNo_->setText(stored.mid(13, 3));
    }
    Check();
    TakePartsFromFields();
}

QString TDBSuperBankAccount::BankName() const {
    const QString text = cbBankNo_->currentText();
    if (text.size() < 2) return {};
    const std::string_view name = ::billpay::BankName(text.left(2).toStdString());
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

int TDBSuperBankAccount::BankNumber() const {
    bool ok = false;
    const int number = parts_[0].toInt(&ok);
    return ok ? number : 0;
}

void TDBSuperBankAccount::SetFocus() {
    cbBankNo_->setFocus(Qt::OtherFocusReason);
}

void TDBSuperBankAccount::DoValidityChange() {
    emit OnValidityChange();
}

// --- checking -----------------------------------------------------------------------------------

std::array<QString, 4> TDBSuperBankAccount::FieldTexts() const {
    return {cbBankNo_->currentText(), edBranchNo_->text(), edCustomerNo_->text(), edSuffixNo_->text()};
}

void TDBSuperBankAccount::TakePartsFromFields() {
    parts_ = CutToPartLengths(FieldTexts());
}

void TDBSuperBankAccount::Check() {
    modified_ = true;
    const auto texts = FieldTexts();
    if (IsComplete(texts)) {
        SetBankText(texts[0].left(2));
        TakePartsFromFields();
        const auto checked = FieldTexts();
        SetValid(CheckBankAccount(checked[0].toStdString(), checked[1].toStdString(),
                                  checked[2].toStdString(), checked[3].toStdString()));
    } else if (std::any_of(texts.begin(), texts.end(), [](const QString& t) { return !t.isEmpty(); })) {
        SetValid(false);
    } else if (field_) {
        SetValid(!field_->Required());
    }
    // All empty and unbound: the verdict stands.
}

void TDBSuperBankAccount::PaintFields() {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{cbBankNo_, edBranchNo_, edCustomerNo_, edSuffixNo_}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base,
                         valid_ ? QApplication::palette(widget).color(QPalette::Base) : errColor_);
        widget->setPalette(palette);
    }
}

// --- change handlers ----------------------------------------------------------------------------

void TDBSuperBankAccount::SetBankText(const QString& text) {
    if (cbBankNo_->currentText() == text) return;
    const QScopedValueRollback guard(updating_, true);
    cbBankNo_->setEditText(text);
}

void TDBSuperBankAccount::BankNoChanged(const QString& text) {
    if (updating_) return;
    if (text.trimmed().size() >= 2) {
        if (field_ && !field_->Editing()) {
            field_->Edit();
            SetBankText(text.trimmed());
        }
        const QString shown = cbBankNo_->currentText();
        parts_[0] = shown.left(2);
        if (shown.size() > 2) edBranchNo_->setFocus(Qt::TabFocusReason);
        NarrowBank();
    }
    Check();
}

void TDBSuperBankAccount::BranchNoChanged() {
    if (!updating_) Check();
}

void TDBSuperBankAccount::CustomerNoChanged() {
    if (!updating_) Check();
}

void TDBSuperBankAccount::SuffixNoChanged() {
    if (!updating_) Check();
}

// --- bank field list and focus --------------------------------------------------------------------

void TDBSuperBankAccount::BankDropDown() {
    // Over the caption, so that the bank names are readable.
    if (cbBankNo_->x() != margin_) return;
    cbBankNo_->setGeometry(0, 0, cbBankNo_->width() + margin_, cbBankNo_->height());
    cbBankNo_->raise();
    bankWidened_ = true;
}

void TDBSuperBankAccount::NarrowBank() {
    if (bankWidened_) LayOut();
}

void TDBSuperBankAccount::BankClicked(int index) {
    NarrowBank();
    // The line holds two characters at most, so a chosen entry arrives already cut to its bank
    // number; choosing one finishes the bank number.
    if (cbBankNo_->itemText(index).size() > 2) edBranchNo_->setFocus(Qt::TabFocusReason);
}

void TDBSuperBankAccount::BankEnter() {
    SetBankText(cbBankNo_->currentText().left(2));
}

void TDBSuperBankAccount::BankExit() {
    NarrowBank();
    const QString bank = cbBankNo_->currentText().left(2);
    parts_[0] = bank;
    cbBankNo_->setEditText(bank);
}

void TDBSuperBankAccount::ControlExit() {
    if (!EditingBound()) return;
    try {
        UpdateRecord();
    } catch (const BoundFieldError& error) {
        cbBankNo_->setFocus(Qt::OtherFocusReason);
        emit OnBoundFieldError(QString::fromUtf8(error.what()));
    }
}

void TDBSuperBankAccount::FocusChanged(QWidget*, QWidget* now) {
    // No focus widget means the window was deactivated; nothing was left inside it.
    if (!now) return;
    const bool inBank = IsWithin(now, cbBankNo_);
    const bool inControl = IsWithin(now, this);
    const bool leftBank = bankHasFocus_ && !inBank;
    const bool enteredBank = !bankHasFocus_ && inBank;
    const bool leftControl = hasFocus_ && !inControl;
    bankHasFocus_ = inBank;
    hasFocus_ = inControl;
    if (leftBank) BankExit();
    if (enteredBank) BankEnter();
    if (leftControl) ControlExit();
}

// --- keys ---------------------------------------------------------------------------------------

TDBSuperBankAccount::Part TDBSuperBankAccount::PartOf(const QObject* watched) const {
    if (watched == cbBankNo_ || watched == cbBankNo_->lineEdit()) return Part::kBank;
    if (watched == edBranchNo_) return Part::kBranch;
    if (watched == edCustomerNo_) return Part::kCustomer;
    if (watched == edSuffixNo_) return Part::kSuffix;
    return Part::kNone;
}

bool TDBSuperBankAccount::eventFilter(QObject* watched, QEvent* event) {
    const Part part = PartOf(watched);
    if (part != Part::kNone) {
        if (event->type() == QEvent::KeyPress) return KeyPress(part, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::KeyRelease) KeyRelease(part, static_cast<QKeyEvent*>(event));
    }
    return QFrame::eventFilter(watched, event);
}

// True when the key is to be discarded.
bool TDBSuperBankAccount::KeyPress(Part part, QKeyEvent* key) {
    const bool printable = IsPrintable(*key);
    if (printable && !IsDigits(key->text())) return true;

    if (key->key() == Qt::Key_Escape) {
        if (!field_) return false;
        FillFromBoundField();
        QLineEdit* edit = part == Part::kBank       ? cbBankNo_->lineEdit()
                          : part == Part::kBranch   ? edBranchNo_
                          : part == Part::kCustomer ? edCustomerNo_
                                                    : edSuffixNo_;
        edit->selectAll();
        return true;
    }

    const bool edits = printable || key->key() == Qt::Key_Backspace || key->matches(QKeySequence::Paste) ||
                       key->matches(QKeySequence::Cut) || key->key() == Qt::Key_Delete ||
                       (key->key() == Qt::Key_Insert && (key->modifiers() & Qt::ShiftModifier));
    // A record that cannot be edited keeps its value: the key is lost.
    return edits && field_ && !field_->Edit();
}

void TDBSuperBankAccount::KeyRelease(Part part, const QKeyEvent* key) {
    // A discarded character leaves the focus where it is, too.
    if (IsPrintable(*key) && !IsDigits(key->text())) return;
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Shift:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return;
        default:
            break;
    }
    switch (part) {
        case Part::kBank:
            if (cbBankNo_->currentText().trimmed().size() == 2) edBranchNo_->setFocus(Qt::TabFocusReason);
            break;
        case Part::kBranch:
            if (edBranchNo_->text().trimmed().size() == 4) edCustomerNo_->setFocus(Qt::TabFocusReason);
            break;
        case Part::kCustomer:
            if (edCustomerNo_->text().trimmed().size() == 7) edSuffixNo_->setFocus(Qt::TabFocusReason);
            break;
        case Part::kSuffix:
        case Part::kNone:
            break;
    }
}

// --- layout -------------------------------------------------------------------------------------

void TDBSuperBankAccount::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    LayOut();
}

void TDBSuperBankAccount::LayOut() {
    if (layingOut_) return;
    const QScopedValueRollback guard(layingOut_, true);
    setFixedSize(AccountControlWidth(margin_, gutter_), kAccountControlHeight);
    const AccountFieldLayout layout = LayOutAccountFields(width(), margin_, gutter_);
    lblCaption_->setGeometry(0, 0, margin_, kAccountControlHeight);
    cbBankNo_->setGeometry(layout.fields[0]);
    edBranchNo_->setGeometry(layout.fields[1]);
    edCustomerNo_->setGeometry(layout.fields[2]);
    edSuffixNo_->setGeometry(layout.fields[3]);
    for (std::size_t i = 0; i < lblDashes_.size(); ++i) lblDashes_[i]->setGeometry(layout.labels[i]);
    bankWidened_ = false;
}

// --- binding ------------------------------------------------------------------------------------

bool TDBSuperBankAccount::EditingBound() const {
    return field_ && field_->Editing();
}

void TDBSuperBankAccount::WriteBoundField(const QString& text) {
    try {
        field_->SetText(text);
    } catch (const BoundFieldError& error) {
        emit OnBoundFieldError(QString::fromUtf8(error.what()));
    }
}

void TDBSuperBankAccount::FillFromBoundField() {
    if (updating_ || !field_) return;
    {
        const QScopedValueRollback guard(updating_, true);
        const QString stored = field_->Text();
        SetBankText(stored.size() >= 1 ? stored.mid(0, 2) : QString());
        edBranchNo_->setText(stored.size() > 2 ? stored.mid(2, 4) : QString());
        edCustomerNo_->setText(stored.size() > 6 ? stored.mid(6, 7) : QString());
        edSuffixNo_->setText(stored.size() > 13 ? stored.mid(13, 3) : QString());
    }
    TakePartsFromFields();
    Check();
}

void TDBSuperBankAccount::BoundValueChanged() {
    FillFromBoundField();
}

void TDBSuperBankAccount::UpdateRecord() {
    if (!field_ || !modified_) return;
    TakePartsFromFields();
    if (valid_) {
        // The field's own change notice would only bring the same number back.
        const QScopedValueRollback guard(updating_, true);
        field_->SetText(BankAccount());
    }
    modified_ = false;
}

void TDBSuperBankAccount::BoundFieldDestroyed() {
    field_ = nullptr;
    modified_ = false;
}

}  // namespace billpay::gui
