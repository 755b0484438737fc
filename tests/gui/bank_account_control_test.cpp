#include <memory>

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "bankaccount/bank_account.h"
#include "bankaccount/bank_account_control.h"
#include "fake_bound_field.h"

using namespace billpay::gui;
using billpay::gui::testing::FakeBoundField;

namespace {

constexpr char kValid15[] = "123113012345700";     // 12-3113-0123457-00
constexpr char kInvalid15[] = "123113012345800";   // 12-3113-0123458-00
constexpr char kValid16[] = "0865231954512000";    // 08-6523-1954512-000
constexpr char kInvalid16[] = "1231130123457000";  // bank 12 takes a 2-digit suffix under scheme A

// The control on a shown, active window, with a second edit to take the focus away.
class AccountControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<QWidget>();
        control = new TDBSuperBankAccount(window_.get());
        elsewhere = new QLineEdit(window_.get());
        elsewhere->setGeometry(0, 40, 100, 21);
        window_->resize(300, 80);
        window_->show();
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QComboBox* Bank() const { return control->findChild<QComboBox*>("cbBankNo"); }
    QLineEdit* Branch() const { return control->findChild<QLineEdit*>("edBranchNo"); }
    QLineEdit* Customer() const { return control->findChild<QLineEdit*>("edCustomerNo"); }
    QLineEdit* Suffix() const { return control->findChild<QLineEdit*>("edSuffixNo"); }
    QStringList Shown() const {
        return {Bank()->currentText(), Branch()->text(), Customer()->text(), Suffix()->text()};
    }

    // Types each character into whichever widget has the focus at that moment, as a person would.
    static void Type(const QString& keys) {
        for (QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    static void Focus(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(widget->hasFocus());
    }

    std::unique_ptr<QWidget> window_;
    TDBSuperBankAccount* control = nullptr;
    QLineEdit* elsewhere = nullptr;
};

TEST_F(AccountControlTest, StartsWithItsDefaultsAsProperties) {
    EXPECT_FALSE(control->property("Valid").toBool());
    EXPECT_FALSE(control->property("NoValidation").toBool());
    EXPECT_EQ(control->property("Gutter").toInt(), 8);
    EXPECT_EQ(control->property("Margin").toInt(), 70);
    EXPECT_EQ(control->property("ErrColor").value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(control->property("Caption").toString(), "Bank Account");
    EXPECT_FALSE(control->property("UltraFlat").toBool());
    EXPECT_EQ(control->property("BankAccount").toString(), "0000");

    const QStringList items = control->property("Items").toStringList();
    ASSERT_EQ(items.size(), 31);
    EXPECT_EQ(items.front(), "01 ANZ");
    EXPECT_EQ(items.back(), "38 Kiwibank");
    EXPECT_EQ(Bank()->count(), 31);
    EXPECT_TRUE(Bank()->isEditable());
    EXPECT_EQ(Bank()->completer(), nullptr);
    EXPECT_EQ(Shown(), QStringList({"", "", "", ""}));
    EXPECT_EQ(control->height(), 21);

    EXPECT_EQ(Bank()->accessibleName(), "Bank number");
    EXPECT_EQ(Branch()->accessibleName(), "Branch number");
    EXPECT_EQ(Customer()->accessibleName(), "Customer number");
    EXPECT_EQ(Suffix()->accessibleName(), "Suffix");
    EXPECT_EQ(control->accessibleName(), "Bank Account");
    for (QWidget* part : std::initializer_list<QWidget*>{Bank(), Branch(), Customer(), Suffix()})
        EXPECT_FALSE(part->toolTip().isEmpty()) << part->objectName().toStdString();
}

struct LayoutCase {
    int margin, gutter;
    int width;
    QRect bank, branch, customer, suffix;
};

TEST_F(AccountControlTest, SharesTheFieldWidthFiveToFourToSixPointTwoToTwoPointOneSevenFive) {
    const LayoutCase cases[] = {
        {70, 8, 233, {70, 0, 40, 21}, {118, 0, 32, 21}, {158, 0, 50, 21}, {216, 0, 17, 21}},
        {100, 8, 263, {100, 0, 40, 21}, {148, 0, 32, 21}, {188, 0, 50, 21}, {246, 0, 17, 21}},
        {70, 12, 245, {70, 0, 40, 21}, {122, 0, 32, 21}, {166, 0, 50, 21}, {228, 0, 17, 21}},
        {0, 0, 139, {0, 0, 40, 21}, {40, 0, 32, 21}, {72, 0, 50, 21}, {122, 0, 17, 21}},
    };
    for (const LayoutCase& c : cases) {
        control->setProperty("Margin", c.margin);
        control->setProperty("Gutter", c.gutter);
        SCOPED_TRACE(::testing::Message() << "margin " << c.margin << " gutter " << c.gutter);
        EXPECT_EQ(control->width(), c.width);
        EXPECT_EQ(control->height(), 21);
        EXPECT_EQ(Bank()->geometry(), c.bank);
        EXPECT_EQ(Branch()->geometry(), c.branch);
        EXPECT_EQ(Customer()->geometry(), c.customer);
        EXPECT_EQ(Suffix()->geometry(), c.suffix);
        EXPECT_EQ(control->findChild<QLabel*>("lblCaption")->geometry(), QRect(0, 0, c.margin, 21));
        EXPECT_EQ(control->findChild<QLabel*>("lblDash1")->geometry(),
                  QRect(c.bank.right() + 1, 0, c.gutter, 21));
    }

    // A resize from outside is laid out again at the control's own size.
    control->resize(500, 40);
    EXPECT_EQ(control->width(), 139);
    EXPECT_EQ(Suffix()->geometry(), QRect(122, 0, 17, 21));
}

TEST_F(AccountControlTest, WritingTheNumberFillsTheFieldsAndChecksIt) {
    struct Case {
        const char* stored;
        QStringList shown;
    };
    const Case cases[] = {
        {kValid15, {"12", "3113", "0123457", "00"}},
        {kInvalid15, {"12", "3113", "0123458", "00"}},
        {kValid16, {"08", "6523", "1954512", "000"}},
        {kInvalid16, {"12", "3113", "0123457", "000"}},
        {"25250012345690009", {"25", "2500", "1234569", "000"}},  // cut to 16 characters
        {"0000", {"00", "00", "", ""}},                           // what the validation page writes first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        control->setProperty("BankAccount", QString(c.stored));
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(control->BankAccount(), c.shown.join(""));
        EXPECT_EQ(control->Valid(), billpay::CheckStoredAccount(std::string(c.stored).substr(0, 16)));
    }
}

TEST_F(AccountControlTest, WritingTheDigitsAlreadyShownChecksThemAgain) {
    control->SetBankAccount(kValid15);
    control->SetValid(false);
    control->SetBankAccount(kValid15);
    EXPECT_TRUE(control->Valid());

    control->SetBankAccount(kInvalid15);
    control->SetValid(true);
    control->SetBankAccount(kInvalid15);
    EXPECT_FALSE(control->Valid());
}

TEST_F(AccountControlTest, TypingMovesThroughTheFieldsAsEachFills) {
    Focus(Bank());
    Type("12");
    EXPECT_TRUE(Branch()->hasFocus());
    Type("3113");
    EXPECT_TRUE(Customer()->hasFocus());
    Type("0123457");
    EXPECT_TRUE(Suffix()->hasFocus());
    Type("00");
    EXPECT_TRUE(Suffix()->hasFocus());
    EXPECT_EQ(control->BankAccount(), kValid15);
    EXPECT_TRUE(control->Valid());

    // Going back with Shift+Tab into a full field leaves the focus there.
    QTest::keyClick(Suffix(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(Customer()->hasFocus());
    QTest::keyClick(Customer(), Qt::Key_Left);
    EXPECT_TRUE(Customer()->hasFocus());
    // Any other key released in a full field moves on.
    QTest::keyClick(Customer(), Qt::Key_End);
    EXPECT_TRUE(Suffix()->hasFocus());
}

TEST_F(AccountControlTest, ATypedNonDigitChangesNothing) {
    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    QSignalSpy validity(control, &TDBSuperBankAccount::OnValidityChange);
    for (QWidget* part : std::initializer_list<QWidget*>{Bank(), Branch(), Customer(), Suffix()}) {
        Focus(part);
        QTest::keyClicks(part, "a -.");
        EXPECT_TRUE(part->hasFocus()) << part->objectName().toStdString();
    }
    EXPECT_EQ(Shown(), QStringList({"12", "3113", "0123457", "00"}));
    EXPECT_TRUE(control->Valid());
    EXPECT_EQ(validity.count(), 0);
    EXPECT_EQ(field.editCalls, 0);
    EXPECT_EQ(field.value, kValid15);
}

TEST_F(AccountControlTest, ChoosingABankFromTheListKeepsItsNumberAndMovesToTheBranch) {
    Focus(Bank());
    Bank()->showPopup();
    QAbstractItemView* list = Bank()->view();
    ASSERT_TRUE(list->isVisible());
    // Widened over the caption while the list is open.
    EXPECT_EQ(Bank()->geometry(), QRect(0, 0, 110, 21));

    list->setCurrentIndex(list->model()->index(Bank()->findText("12 ASB Bank"), 0));
    QTest::keyClick(list, Qt::Key_Return);

    EXPECT_EQ(Bank()->currentText(), "12");
    EXPECT_TRUE(Branch()->hasFocus());
    EXPECT_EQ(Bank()->geometry(), QRect(70, 0, 40, 21));
    EXPECT_EQ(control->BankName(), "ASB Bank");
    EXPECT_EQ(control->BankNumber(), 12);
}

TEST_F(AccountControlTest, AClosedListPutsTheBankFieldBackAtTheMargin) {
    Focus(Bank());
    Bank()->showPopup();
    Bank()->hidePopup();
    EXPECT_EQ(Bank()->geometry(), QRect(70, 0, 40, 21));
    EXPECT_TRUE(Bank()->hasFocus());
}

TEST_F(AccountControlTest, InvalidFieldsShowTheErrorColour) {
    const auto bases = [this] {
        QList<QColor> colours;
        for (QWidget* part : std::initializer_list<QWidget*>{Bank(), Branch(), Customer(), Suffix()})
            colours << part->palette().color(QPalette::Base);
        return colours;
    };
    const QColor window = QApplication::palette(Branch()).color(QPalette::Base);
    ASSERT_NE(window, QColor(Qt::red));

    control->SetBankAccount(kInvalid15);
    EXPECT_EQ(bases(), QList<QColor>(4, QColor(Qt::red)));
    control->SetErrColor(Qt::yellow);
    EXPECT_EQ(bases(), QList<QColor>(4, QColor(Qt::yellow)));
    control->SetBankAccount(kValid16);
    EXPECT_EQ(bases(), QList<QColor>(4, window));
    Focus(Suffix());
    QTest::keyClick(Suffix(), Qt::Key_Backspace);
    EXPECT_EQ(bases(), QList<QColor>(4, QColor(Qt::yellow)));
}

TEST_F(AccountControlTest, AllEmptyKeepsTheVerdictUnlessBound) {
    control->SetBankAccount(kValid15);
    control->SetBankAccount("");
    EXPECT_TRUE(control->Valid());
    control->SetBankAccount(kInvalid15);
    control->SetBankAccount("");
    EXPECT_FALSE(control->Valid());

    for (const bool required : {false, true}) {
        SCOPED_TRACE(required ? "required" : "optional");
        FakeBoundField field;
        field.required = required;
        field.Load(required ? kValid15 : kInvalid15);
        control->SetBoundField(&field);
        field.Load("");
        EXPECT_EQ(Shown(), QStringList({"", "", "", ""}));
        EXPECT_EQ(control->Valid(), !required);
        control->SetBoundField(nullptr);
    }
}

TEST_F(AccountControlTest, NoValidationPassesEveryNumberAndReportsEveryCheck) {
    control->SetNoValidation(true);
    QSignalSpy validity(control, &TDBSuperBankAccount::OnValidityChange);
    control->SetBankAccount(kInvalid15);
    EXPECT_TRUE(control->Valid());
    control->SetBankAccount("0000");
    EXPECT_TRUE(control->Valid());
    control->SetBankAccount("0000");
    EXPECT_EQ(validity.count(), 3);

    Focus(Customer());
    Type("12");
    EXPECT_TRUE(control->Valid());
    EXPECT_EQ(validity.count(), 5);
}

TEST_F(AccountControlTest, ReportsAVerdictOnlyWhenItChangesAndIgnoresOneGivenMeanwhile) {
    QSignalSpy validity(control, &TDBSuperBankAccount::OnValidityChange);
    // A listener that tries to overturn the verdict is ignored.
    QObject::connect(control, &TDBSuperBankAccount::OnValidityChange, control,
                     [this] { control->SetValid(!control->Valid()); });
    control->SetBankAccount(kValid15);
    control->SetBankAccount(kValid15);
    EXPECT_TRUE(control->Valid());
    EXPECT_EQ(validity.count(), 1);
    control->SetBankAccount(kInvalid16);
    EXPECT_FALSE(control->Valid());
    EXPECT_EQ(validity.count(), 2);
}

TEST_F(AccountControlTest, AVerdictInOneControlDoesNotHoldUpAnother) {
    auto* other = new TDBSuperBankAccount(window_.get());
    QObject::connect(control, &TDBSuperBankAccount::OnValidityChange, other,
                     [other] { other->SetBankAccount(kValid16); });
    control->SetBankAccount(kValid15);
    EXPECT_TRUE(other->Valid());
}

TEST_F(AccountControlTest, NamesTheBankInTheBankField) {
    struct Case {
        const char* stored;
        const char* name;
        int number;
    };
    const Case cases[] = {
        {kValid15, "ASB Bank", 12},
        {"38", "Kiwibank", 38},
        {"99", "", 99},
        {"1", "", 1},
        {"", "", 0},
        {"ab90", "", 0},  // pasted letters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        control->SetBankAccount(c.stored);
        EXPECT_EQ(control->property("BankName").toString(), c.name);
        EXPECT_EQ(control->property("BankNumber").toInt(), c.number);
    }
}

TEST_F(AccountControlTest, UltraFlatTakesTheFramesAway) {
    for (QWidget* part : std::initializer_list<QWidget*>{Branch(), Customer(), Suffix()})
        EXPECT_TRUE(static_cast<QLineEdit*>(part)->hasFrame());
    EXPECT_TRUE(Bank()->hasFrame());
    control->setProperty("UltraFlat", true);
    for (QWidget* part : std::initializer_list<QWidget*>{Branch(), Customer(), Suffix()})
        EXPECT_FALSE(static_cast<QLineEdit*>(part)->hasFrame());
    EXPECT_FALSE(Bank()->hasFrame());
}

TEST_F(AccountControlTest, SetFocusFocusesTheBankField) {
    Focus(elsewhere);
    control->SetFocus();
    EXPECT_TRUE(Bank()->hasFocus());
    Focus(elsewhere);
    control->setFocus();
    EXPECT_TRUE(Bank()->hasFocus());
}

// --- binding --------------------------------------------------------------------------------------

TEST_F(AccountControlTest, EditsTheBoundFieldAndPostsIt) {
    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    EXPECT_EQ(Shown(), QStringList({"12", "3113", "0123457", "00"}));
    EXPECT_TRUE(control->Valid());
    EXPECT_FALSE(field.editing);
    EXPECT_TRUE(field.writes.isEmpty());

    // A typed key puts the record into edit state; an invalid number empties the field, a valid
    // one is written back in stored form.
    Focus(Suffix());
    QTest::keyClick(Suffix(), Qt::Key_End);
    QTest::keyClick(Suffix(), Qt::Key_Backspace);
    EXPECT_TRUE(field.editing);
    EXPECT_FALSE(control->Valid());
    EXPECT_EQ(field.value, "");
    Type("1");
    EXPECT_TRUE(control->Valid());
    EXPECT_EQ(field.value, "123113012345701");

    Focus(elsewhere);
    field.Post();
    EXPECT_EQ(field.posted, "123113012345701");
    EXPECT_FALSE(field.editing);

    // Another record shows its own number.
    field.Load(kValid16);
    EXPECT_EQ(Shown(), QStringList({"08", "6523", "1954512", "000"}));
    EXPECT_EQ(control->BankAccount(), kValid16);
    EXPECT_TRUE(control->Valid());
}

TEST_F(AccountControlTest, FillsOnlyThePartsTheBoundValueReaches) {
    FakeBoundField field;
    control->SetBoundField(&field);
    struct Case {
        const char* value;
        QStringList shown;
    };
    const Case cases[] = {
        {"1", {"1", "", "", ""}},
        {"123", {"12", "3", "", ""}},
        {"1231130",
         {
             "12",
             "3113",
             "0",
             "",
         }},
        {"12311301234570", {"12", "3113", "0123457", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        field.Load(c.value);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_FALSE(control->Valid());
    }
}

TEST_F(AccountControlTest, EscapeShowsTheBoundValueAgain) {
    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    field.value = kValid16;  // changed without telling the control
    Focus(Branch());
    QTest::keyClick(Branch(), Qt::Key_Escape);
    EXPECT_EQ(Shown(), QStringList({"08", "6523", "1954512", "000"}));
    EXPECT_TRUE(control->Valid());
}

TEST(AccountControlInADialog, EscapeClosesTheDialogUnlessItRestoresABoundValue) {
    QDialog dialog;
    auto* control = new TDBSuperBankAccount(&dialog);
    auto* branch = control->findChild<QLineEdit*>("edBranchNo");
    dialog.show();
    dialog.activateWindow();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy rejected(&dialog, &QDialog::rejected);

    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    branch->setFocus(Qt::TabFocusReason);
    QTest::keyClick(branch, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 0);

    control->SetBoundField(nullptr);
    QTest::keyClick(branch, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(AccountControlTest, ARecordThatCannotBeEditedKeepsItsNumber) {
    FakeBoundField field;
    field.editable = false;
    field.Load(kValid15);
    control->SetBoundField(&field);
    Focus(Suffix());
    QTest::keyClick(Suffix(), Qt::Key_End);
    QTest::keyClick(Suffix(), Qt::Key_Backspace);
    Type("5");
    EXPECT_EQ(Suffix()->text(), "00");
    EXPECT_EQ(field.value, kValid15);
    EXPECT_TRUE(control->Valid());
}

TEST_F(AccountControlTest, LeavingWhileTheFieldRefusesTheNumberReturnsToTheBankField) {
    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    QSignalSpy errors(control, &TDBSuperBankAccount::OnBoundFieldError);
    Focus(Suffix());
    QTest::keyClick(Suffix(), Qt::Key_End);
    QTest::keyClick(Suffix(), Qt::Key_Backspace);
    Type("1");
    ASSERT_EQ(field.value, "123113012345701");

    field.refuseWrites = true;
    elsewhere->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(Bank()->hasFocus());
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.front().front().toString(), "Field 'Account' refuses the value");

    // Once the field takes the number the focus can leave.
    field.refuseWrites = false;
    Focus(elsewhere);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(field.value, "123113012345701");
}

TEST_F(AccountControlTest, OutlivesItsBoundField) {
    auto field = std::make_unique<FakeBoundField>();
    field->Load(kValid15);
    control->SetBoundField(field.get());
    field.reset();
    EXPECT_EQ(control->Field(), nullptr);
    Focus(Suffix());
    Type("1");
    control->SetBankAccount(kValid16);
    EXPECT_TRUE(control->Valid());
}

TEST_F(AccountControlTest, CanBeDestroyedWhileEditingWithTheFocusInside) {
    FakeBoundField field;
    field.Load(kValid15);
    control->SetBoundField(&field);
    Focus(Suffix());
    Type("0");
    ASSERT_TRUE(field.editing);
    delete control;
    control = nullptr;
    field.Load(kValid16);
    EXPECT_EQ(field.value, kValid16);
}

}  // namespace
