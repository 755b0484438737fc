// The conversion options page: its fields for every format code, the values
// it remembers, the typing rules and the conversion through the engine.
#include <QApplication>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

enum class Debit { Grouped, AsStored, Empty };

// The page for one format code, as the payroll office knows it.
struct FormatCase {
    char code;
    int batchLength;  // 0: shut
    bool batchRequired;
    Debit debit;
    const char* preformatLabel;  // nullptr: shut
    int preformatLength;
    bool preformatRequired;
    bool confidential;
    bool payer;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << "format " << c.code;
}

const FormatCase kFormatCases[] = {
    {'G', 2, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'K', 0, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'J', 2, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'S', 0, false, Debit::Grouped, nullptr, 0, false, false, true},
    {'A', 0, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'H', 2, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'D', 2, false, Debit::Grouped, "Other Party Particulars:", 12, false, false, false},
    {'B', 4, true, Debit::Grouped, nullptr, 0, false, false, false},
    {'E', 0, false, Debit::AsStored, "Preformat Reference:", 16, true, false, false},
    {'V', 0, false, Debit::AsStored, "Ordering Party Name:", 35, true, false, false},
    {'F', 0, false, Debit::AsStored, nullptr, 0, false, false, false},
    {'L', 0, false, Debit::AsStored, "Ordering Party Name:", 35, true, true, false},
    {'X', 0, false, Debit::AsStored, nullptr, 0, false, false, false},
    {'I', 0, false, Debit::Empty, nullptr, 0, false, false, false},
    {'Z', 0, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'N', 0, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'M', 2, true, Debit::Grouped, nullptr, 0, false, false, false},
    {'T', 7, true, Debit::Grouped, nullptr, 0, false, false, false},
    {'U', 4, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'W', 0, false, Debit::Grouped, nullptr, 0, false, false, false},
    {'P', 3, true, Debit::Grouped, nullptr, 0, false, false, false},
};

QString GoldenInput(char code) {
    if (code == 'X') return "input-hsbc.aba";
    if (code == 'E' || code == 'F' || code == 'L' || code == 'V') return "input-bank-own.aba";
    return "input.aba";
}

// Editable: window colour, writable, reached with Tab. Shut: the opposite.
void ExpectEditable(const QLineEdit* field, bool editable, char code) {
    SCOPED_TRACE(std::string(1, code) + " " + field->objectName().toStdString());
    EXPECT_EQ(!field->isReadOnly(), editable);
    EXPECT_EQ(field->focusPolicy() == Qt::StrongFocus, editable);
    EXPECT_EQ(field->palette().color(QPalette::Base),
              QApplication::palette(field).color(editable ? QPalette::Base : QPalette::Button));
}

// Types into a field as the keyboard does, so that the typing rules apply.
void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
}

class ConvertPage : public WindowTest {
protected:
    void SetUp() override {
        CreateWindow();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
};

class ConvertPageFormats : public ConvertPage, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ConvertPageFormats, FieldsOpenAsTheFormatNeeds) {
    const FormatCase& c = GetParam();
    settings.values["Settings/BatchNo"] = "12";
    settings.values["Settings/PreFormatRef"] = "Remembered ref";
    settings.values["Settings/Confidential"] = "2";  // any non-zero number reads as ticked
    settings.values["Settings/PayeeReference"] = "Ref";
    ValidateGolden(c.code, GoldenInput(c.code));
    Page(2);

    ExpectEditable(w().edBatchNo, c.batchLength > 0, c.code);
    EXPECT_EQ(w().edBatchNo->text(), c.batchLength > 0 ? "12" : "");
    ExpectEditable(w().edPreFormat, c.preformatLabel != nullptr, c.code);
    EXPECT_EQ(w().edPreFormat->text(), c.preformatLabel ? "Remembered ref" : "");
    if (c.preformatLabel) {
        EXPECT_EQ(w().lblPreformat->text(), c.preformatLabel);
        EXPECT_FALSE(w().edPreFormat->toolTip().isEmpty());
    } else {
        EXPECT_TRUE(w().edPreFormat->toolTip().isEmpty());
    }
    EXPECT_EQ(w().cbConfidential->isEnabled(), c.confidential);
    EXPECT_EQ(w().cbConfidential->isChecked(), c.confidential);
    for (QLineEdit* payer : {w().ebPayeeReference, w().ebPayeeParticulars, w().ebPayeeCode}) {
        ExpectEditable(payer, c.payer, c.code);
        EXPECT_EQ(payer->isEnabled(), c.payer);
    }
    EXPECT_EQ(w().ebPayeeReference->text(), c.payer ? "Ref" : "");
    ExpectEditable(w().edDebitAccount, false, c.code);

    const QString stored = QString::fromStdString(w().DebitAccount());
    switch (c.debit) {
        case Debit::Grouped:
            EXPECT_EQ(w().edDebitAccount->text(), "12-3113-0123457-00");
            break;
        case Debit::AsStored:
            EXPECT_EQ(w().edDebitAccount->text(), stored);
            EXPECT_FALSE(stored.isEmpty());
            break;
        case Debit::Empty:
            EXPECT_EQ(w().edDebitAccount->text(), "");
            break;
    }

    // The maximum length holds for typing.
    QLineEdit* limited = c.batchLength > 0 ? w().edBatchNo : c.preformatLabel ? w().edPreFormat : nullptr;
    const int length = c.batchLength > 0 ? c.batchLength : c.preformatLength;
    if (limited) {
        limited->clear();
        Type(limited, QString(length + 2, '7'));
        EXPECT_EQ(limited->text(), QString(length, '7'));
    }

    // Convert waits for a required field, and the fields say so as they change.
    w().edBatchNo->setText(c.batchLength > 0 ? " " : "");
    w().edPreFormat->setText(c.preformatLabel ? " " : "");
    EXPECT_EQ(w().actConvert->isEnabled(), !c.batchRequired && !c.preformatRequired);
    if (c.batchLength > 0) w().edBatchNo->setText("1");
    if (c.preformatLabel) w().edPreFormat->setText("x");
    EXPECT_TRUE(w().actConvert->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(EveryCode, ConvertPageFormats, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(1, info.param.code); });

TEST_F(ConvertPage, BeforeValidationEveryFieldIsShut) {
    settings.values["Settings/BatchNo"] = "12";
    SelectFileAndFormat(CopyGolden("input.aba"), 'B');
    Page(2);
    EXPECT_FALSE(w().pnlConvert->isEnabled());
    ExpectEditable(w().edBatchNo, false, 'B');
    EXPECT_EQ(w().edBatchNo->text(), "");
    EXPECT_FALSE(w().actConvert->isEnabled());
    EXPECT_FALSE(w().btnPrintFile->isEnabled());
}

TEST_F(ConvertPage, SwitchingToAFormatWithoutPreformatEmptiesTheFieldButKeepsItsLabel) {
    ValidateGolden('E', "input-bank-own.aba");
    Page(2);
    w().edPreFormat->setText("CITI REF");
    EXPECT_EQ(w().lblPreformat->text(), "Preformat Reference:");
    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('V'));
    w().actValidateExecute();
    Page(2);
    EXPECT_EQ(w().lblPreformat->text(), "Ordering Party Name:");
    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('A'));
    w().actValidateExecute();
    Page(2);
    EXPECT_EQ(w().edPreFormat->text(), "");
    EXPECT_TRUE(w().edPreFormat->isReadOnly());
    EXPECT_EQ(w().lblPreformat->text(), "Ordering Party Name:");
}

TEST_F(ConvertPage, FieldsAreWrittenAsTypedWhenLeftWhileInUse) {
    ValidateGolden('B');
    Page(2);
    w().edBatchNo->setFocus();
    w().edBatchNo->setText(" 42");
    w().btnConvert->setFocus();  // leaving the field writes it, before any conversion
    EXPECT_EQ(settings.Value("Settings", "BatchNo"), " 42");

    // The window losing the focus, or a menu opening, does not leave the field.
    settings.writes.clear();
    w().edBatchNo->setFocus();
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(w().edBatchNo, &out);
    }
    EXPECT_TRUE(settings.writes.isEmpty());

    // Left without a change: written all the same.
    w().edBatchNo->setFocus();
    w().btnPrintFile->setFocus();
    w().btnConvert->setFocus();
    EXPECT_EQ(settings.writes, QStringList{"Settings/BatchNo= 42"});
}

TEST_F(ConvertPage, TheShutBatchFieldClickedAndLeftKeepsTheRememberedNumber) {
    settings.values["Settings/BatchNo"] = "0815";
    ValidateGolden('A');
    Page(2);
    QTest::mouseClick(w().edBatchNo, Qt::LeftButton);
    EXPECT_TRUE(w().edBatchNo->hasFocus());
    w().btnConvert->setFocus();
    Page(1);
    EXPECT_EQ(settings.Value("Settings", "BatchNo"), "0815");
    EXPECT_FALSE(settings.writes.join(",").contains("BatchNo"));
}

TEST_F(ConvertPage, ConfidentialAndPayerFieldsAreRememberedEachInItsOwnValue) {
    ValidateGolden('L', "input-bank-own.aba");
    Page(2);
    w().cbConfidential->setFocus();
    w().cbConfidential->setChecked(true);
    w().edPreFormat->setFocus();
    EXPECT_EQ(settings.Value("Settings", "Confidential"), "1");

    ValidateGolden('S');
    Page(2);
    EXPECT_FALSE(w().cbConfidential->isChecked());
    const std::pair<QLineEdit*, const char*> fields[] = {{w().ebPayeeReference, "PayeeReference"},
                                                         {w().ebPayeeParticulars, "PayeeParticulars"},
                                                         {w().ebPayeeCode, "PayeeCode"}};
    for (const auto& [field, name] : fields) {
        field->setFocus();
        field->setText(QString(name).left(5));
        w().btnConvert->setFocus();
        EXPECT_EQ(settings.Value("Settings", name), QString(name).left(5));
    }
}

TEST_F(ConvertPage, FieldsRefuseControlCharactersTypedOrPasted) {
    ValidateGolden('D');
    Page(2);
    w().edPreFormat->clear();
    Type(w().edPreFormat, "ab");
    QTest::keyClick(w().edPreFormat, Qt::Key_Tab, Qt::NoModifier);  // moves on, inserts nothing
    w().edPreFormat->setFocus();
    w().edPreFormat->insert("c\td");  // a paste holding a tab is refused whole
    w().edPreFormat->insert(QString("e") + QChar(0x7f));
    w().edPreFormat->insert("f");
    EXPECT_EQ(w().edPreFormat->text(), "abf");
}

TEST_F(ConvertPage, ARememberedNumberLongerThanTheFieldIsShownAsStored) {
    settings.values["Settings/BatchNo"] = "123456";
    ValidateGolden('P');
    Page(2);
    EXPECT_EQ(w().edBatchNo->text(), "123456");
    w().edBatchNo->setFocus();
    w().edBatchNo->end(false);
    QTest::keyClick(w().edBatchNo, Qt::Key_9);
    EXPECT_EQ(w().edBatchNo->text(), "123456");  // cannot grow
    QTest::keyClick(w().edBatchNo, Qt::Key_Backspace);
    EXPECT_EQ(w().edBatchNo->text(), "12345");  // but can be shortened
}

TEST_F(ConvertPage, ConvertHandsTheFieldsToTheEngineAndEnablesPrintFile) {
    ValidateGolden('B');
    Page(2);
    w().edBatchNo->setText("12");
    w().actConvertExecute();
    ASSERT_TRUE(w().Converted()) << (messages.shown.empty() ? "" : messages.shown[0].text.toStdString());
    EXPECT_EQ(w().Status(), "Converted");
    EXPECT_TRUE(w().btnPrintFile->isEnabled());
    EXPECT_GT(w().BankFileLines().size(), 2u);
    EXPECT_EQ(w().CvtProgress->value(), w().CvtProgress->maximum());
    EXPECT_FALSE(w().Converting());
    EXPECT_TRUE(w().centralWidget()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Editing a field afterwards changes no stage.
    w().edBatchNo->setText("13");
    EXPECT_TRUE(w().Converted());
    // Shown again after converting, the progress bar stays full.
    Page(3);
    Page(2);
    EXPECT_EQ(w().CvtProgress->value(), w().CvtProgress->maximum());
}

TEST_F(ConvertPage, TheWindowTakesNoInputWhileTheEngineRuns) {
    ValidateGolden('A');
    Page(2);
    bool disabledDuringConversion = false;
    bool menusDisabled = false;
    QMetaObject::Connection watch = QObject::connect(w().CvtProgress, &QProgressBar::valueChanged, [&] {
        if (!w().Converting()) return;
        disabledDuringConversion = !w().centralWidget()->isEnabled() && !w().actValidate->isEnabled();
        menusDisabled = !w().menuBar()->isEnabled();
        // A close request in the middle of the conversion is refused.
        w().close();
    });
    w().show();
    w().actConvertExecute();
    QObject::disconnect(watch);
    EXPECT_TRUE(disabledDuringConversion);
    EXPECT_TRUE(menusDisabled);
    EXPECT_TRUE(w().isVisible());
    EXPECT_TRUE(w().Converted());
}

TEST_F(ConvertPage, ResultSummaryNamesTheProposedExportFile) {
    ValidateGolden('A');
    Page(2);
    settings.values["Files/ExportFile"] = "/srv/pay/wages.txt";
    w().actConvertExecute();
    EXPECT_EQ(bankFile.BankingFileName, "/srv/pay/wages.txt");
    settings.values["Files/ExportFile"] = "";
    w().actConvertExecute();
    EXPECT_EQ(QString::fromStdString(bankFile.BankingFileName), QDir::home().filePath("bankfile.txt"));
}

TEST_F(ConvertPage, PrintButtonsAreDisabledWhileTheirReportIsShownAndEnabledAfterEvenOnFailure) {
    ValidateGolden('A');
    Page(2);
    w().actConvertExecute();
    struct Case {
        QPushButton* button;
        const char* title;
    };
    for (const Case& c : {Case{w().btnPrintFile, "Bill Payment Conversion Report"},
                          Case{w().btnPrintErrors, "Bill Payment Validation Report"}}) {
        SCOPED_TRACE(c.title);
        bool enabledDuringPreview = true;
        onPreview = [&](PreparedReport&) { enabledDuringPreview = c.button->isEnabled(); };
        previews.clear();
        ASSERT_TRUE(c.button->isEnabled());
        QTest::mouseClick(c.button, Qt::LeftButton);
        EXPECT_EQ(previews, QStringList{c.title});
        EXPECT_FALSE(enabledDuringPreview);
        EXPECT_TRUE(c.button->isEnabled());

        messages.shown.clear();
        onPreview = [](PreparedReport&) { throw std::runtime_error("printer went away"); };
        QTest::mouseClick(c.button, Qt::LeftButton);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "printer went away");
        EXPECT_TRUE(c.button->isEnabled());
    }
}

}  // namespace
}  // namespace billpay::gui::testing
