// One file from selection to the exported bank file, through the window's
// own buttons with scripted dialogs, for every golden case: the exported file
// must equal the golden bank file byte for byte.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

struct GoldenCase {
    char code;
    QMap<QString, QString> options;
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
    *out << "format " << c.code;
}

QMap<QString, QString> ReadOptions(const QString& path) {
    QMap<QString, QString> options;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return options;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        const qsizetype equals = trimmed.indexOf('=');
        if (equals > 0) options[trimmed.left(equals)] = trimmed.mid(equals + 1);
    }
    return options;
}

std::vector<GoldenCase> GoldenCases() {
    std::vector<GoldenCase> cases;
    for (const BankFormat& format : BankFormats()) {
        const QString folder = kGoldenFolder + "/" + QChar(format.code);
        QMap<QString, QString> options = ReadOptions(folder + "/options.txt");
        // The page shows the debit account validation found; a case that
        // overrides it with digits of its own is the command line's alone.
        if (options.value("debit-account").size() > 0) continue;
        if (options.value("now") != "2026-12-10T09:30:00.00") continue;  // the fixture's clock
        cases.push_back({format.code, options});
    }
    return cases;
}

class EndToEnd : public WindowTest, public ::testing::WithParamInterface<GoldenCase> {
protected:
    void Click(QPushButton* button) {
        w().UpdateActions();
        ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Type(QLineEdit* field, const QString& text) {
        if (text.isEmpty()) return;
        ASSERT_FALSE(field->isReadOnly()) << field->objectName().toStdString();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_P(EndToEnd, FromTheAbaFileToTheExportedBankFile) {
    const GoldenCase& c = GetParam();
    CreateWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    dialogs.openAnswers.push_back(CopyGolden(c.options.value("input", "input.aba")));
    Click(w().btnABABrowse);
    Click(w().btnNext);
    w().cbBankingFormat->setCurrentIndex(FormatIndex(c.code));
    Click(w().btnValidate);
    ASSERT_TRUE(w().Validated()) << w().ValMemo->toPlainText().toStdString();

    Click(w().btnNext);
    Type(w().edBatchNo, c.options.value("batch"));
    Type(w().edPreFormat, c.options.value("preformat"));
    if (c.options.value("confidential") == "1") {
        w().cbConfidential->setFocus();
        QTest::keyClick(w().cbConfidential, Qt::Key_Space);
    }
    Type(w().ebPayeeReference, c.options.value("payer-reference"));
    Type(w().ebPayeeParticulars, c.options.value("payer-particulars"));
    Type(w().ebPayeeCode, c.options.value("payer-code"));
    Click(w().btnConvert);
    ASSERT_TRUE(w().Converted()) << (messages.shown.empty() ? "" : messages.shown.back().text.toStdString());
    EXPECT_EQ(settings.Value("Settings", "BatchNo"), c.options.value("batch"));

    Click(w().btnNext);
    Click(w().btnAuthorise);
    Click(w().btnNext);
    const QString target = folder.filePath("export/bank");
    QDir(folder.path()).mkpath("export");
    dialogs.saveAnswers.push_back(SaveFileChoice{target, 6});
    Click(w().Button4);
    ASSERT_EQ(w().edExportFilename->text(), target);
    Click(w().btnExport);
    ASSERT_EQ(w().Status(), "Exported")
        << (messages.shown.empty() ? "" : messages.shown.back().text.toStdString());

    QFile exported(target);
    QFile expected(kGoldenFolder + "/" + QChar(c.code) + "/expected.txt");
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().toStdString(), expected.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(GoldenFiles, EndToEnd, ::testing::ValuesIn(GoldenCases()),
                         [](const auto& info) { return std::string(1, info.param.code); });

}  // namespace
}  // namespace billpay::gui::testing
