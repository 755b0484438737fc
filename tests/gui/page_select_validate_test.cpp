// The first two pages: choosing the ABA file and validating it, with the
// settings each of them reads and writes.
#include <QDir>

#include "app/platform_file_names.h"
#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

using SelectAndValidate = WindowTest;

TEST_F(SelectAndValidate, BrowseOpensOnTheRememberedFileOrTheDefault) {
    CreateWindow();
    w().btnABABrowseClick();  // cancelled: nothing changes
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const OpenFileRequest& first = dialogs.openRequests[0];
    EXPECT_EQ(first.title, "Open ABA Data File");
    EXPECT_EQ(first.filter, "ABA Files|*.ABA");
    EXPECT_EQ(first.defaultExtension, "ABA");
    EXPECT_EQ(first.fileName, "Bankfile.ABA");
    EXPECT_EQ(QDir(first.initialDirectory), QDir(QFileInfo(PlatformFileName("C:\\Bankfile.ABA")).path()));
    EXPECT_FALSE(settings.Has("Files", "LastFileProcessed"));
    EXPECT_EQ(w().Status(), "Waiting...");

    const QString file = CopyGolden("input.aba");
    settings.values["Files/LastFileProcessed"] = file;
    w().btnABABrowseClick();
    EXPECT_EQ(dialogs.openRequests[1].fileName, "input.aba");
    EXPECT_EQ(QDir(dialogs.openRequests[1].initialDirectory), QDir(folder.path()));
}

TEST_F(SelectAndValidate, AChosenFileIsRememberedEvenWhenItIsGone) {
    CreateWindow();
    dialogs.openAnswers.push_back(folder.filePath("vanished.aba"));
    w().btnABABrowseClick();
    EXPECT_EQ(settings.Value("Files", "LastFileProcessed"),
              QDir::toNativeSeparators(folder.filePath("vanished.aba")));
    EXPECT_EQ(w().Status(), "Waiting...");
    EXPECT_FALSE(w().actValidate->isEnabled());
}

TEST_F(SelectAndValidate, TheStoredFormatIsReadEachTimeThePageIsShown) {
    struct Case {
        const char* stored;
        int selected;
        char code;
    };
    const Case cases[] = {{"abc", 0, 'G'}, {"20", 20, 'P'}, {"-1", 0, 'G'}, {"21", -1, 0}, {"-2", -1, 0}};
    for (const Case& c : cases) {
        settings.values["FormatSettings/BankSystem"] = c.stored;
        CreateWindow();
        Page(1);
        EXPECT_EQ(w().cbBankingFormat->currentIndex(), c.selected) << c.stored;
        EXPECT_EQ(w().FormatCode(), c.code) << c.stored;
    }

    // Shown again after the store changed behind it: the new entry is selected.
    settings.values["FormatSettings/BankSystem"] = "6";
    Page(0);
    Page(1);
    EXPECT_EQ(w().FormatCode(), 'D');
}

TEST_F(SelectAndValidate, FormatLetterChangeForgetsTheExportFileOnlyWhenItDiffers) {
    CreateWindow();
    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('P'));
    settings.values["Files/ExportFile"] = "/tmp/p.dat";
    w().cbBankingFormat->setCurrentIndex(FormatIndex('P'));  // no change of letter
    EXPECT_EQ(settings.Value("Files", "ExportFile"), "/tmp/p.dat");
    w().cbBankingFormat->setCurrentIndex(FormatIndex('H'));
    EXPECT_EQ(settings.Value("Files", "ExportFile"), "");
    EXPECT_EQ(settings.Value("FormatSettings", "BankSystem"), QString::number(FormatIndex('H')));
}

TEST_F(SelectAndValidate, CleanRunListsTheSummaryAndKeepsTheFirstDetailsAccounts) {
    CreateWindow();
    ValidateGolden('A');
    EXPECT_EQ(w().ValMemo->toPlainText(),
              "Validation Completed OK\nFile Contains 4 Transactions\nDirect Credit Balance is $100999.98");
    EXPECT_TRUE(w().ValidationErrors().empty());
    EXPECT_FALSE(w().DebitAccount().empty());
    EXPECT_FALSE(w().RemitterName().empty());
    EXPECT_EQ(w().ValProgress->value(), w().ValProgress->maximum());
}

TEST_F(SelectAndValidate, ProblemsGoToTheMemoAndLeaveTheFileUnvalidated) {
    CreateWindow();
    const QString file = WriteFile("bad.aba", "0 short header\r\n1 short detail\r\n");
    SelectFileAndFormat(file, 'A');
    w().actValidateExecute();
    EXPECT_FALSE(w().Validated());
    EXPECT_EQ(w().Status(), "ABA File Selected");
    EXPECT_FALSE(w().ValidationErrors().empty());
    EXPECT_TRUE(w().ValMemo->toPlainText().startsWith("Line    1 - Record length incorrect (14)"));
    EXPECT_TRUE(w().btnPrintErrors->isEnabled());
    EXPECT_FALSE(w().actConvert->isEnabled());
}

TEST_F(SelectAndValidate, AFileThatCannotBeReadOrIsEmptyEndsInWaiting) {
    struct Case {
        const char* name;
        bool create;
        const char* caption;
    };
    for (const Case& c : {Case{"empty.aba", true, "No Data To Process"},
                          Case{"removed.aba", false, "Error Opening ABA File"}}) {
        messages.shown.clear();
        CreateWindow();
        const QString file = WriteFile(c.name, "");
        SelectFileAndFormat(file, 'G');
        if (!c.create) QFile::remove(file);
        w().actValidateExecute();
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].caption, c.caption);
        EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
        EXPECT_EQ(w().Status(), "Waiting...");
        EXPECT_FALSE(w().FileSelected());
    }
}

TEST_F(SelectAndValidate, ValidateAgainDiscardsTheConversionAtOnce) {
    CreateWindow();
    ValidateGolden('A');
    w().actConvertExecute();
    w().actAuthoriseExecute();
    w().actValidateExecute();
    EXPECT_TRUE(w().Validated());
    EXPECT_FALSE(w().Converted());
    EXPECT_FALSE(w().Authorised());
    EXPECT_FALSE(w().btnPrintFile->isEnabled());
}

}  // namespace
}  // namespace billpay::gui::testing
