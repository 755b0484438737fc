// The last two pages: authorising the converted batch, choosing the export
// file and writing it.
#include <QApplication>
#include <QFile>

#include "app/export_file_rules.h"
#include "window_fixture.h"

namespace billpay::gui::testing {
namespace {

const QString kTooLongCaption = QStringLiteral("Banking Path/Filename Too Long");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AuthoriseExport : public WindowTest {
protected:
    // Converted and authorised under `code`, standing on the Export page.
    // `remembered` is the export file stored by then.
    void Authorised(char code, const char* batch = nullptr, const QString& remembered = {}) {
        CreateWindow();
        ValidateGolden(code);
        Page(2);
        if (batch) w().edBatchNo->setText(batch);
        w().actConvertExecute();
        ASSERT_TRUE(w().Converted());
        Page(3);
        w().actAuthoriseExecute();
        if (!remembered.isEmpty()) settings.values["Files/ExportFile"] = remembered;
        Page(4);
    }
};

TEST_F(AuthoriseExport, AuthoriseNeedsAConversionAndResetsTheExportProgress) {
    CreateWindow();
    ValidateGolden('A');
    Page(3);
    EXPECT_FALSE(w().actAuthorise->isEnabled());
    w().ExpProgress->setValue(1);
    Page(2);
    Page(3);
    EXPECT_EQ(w().ExpProgress->value(), 0);
    Page(4);
    EXPECT_EQ(w().edExportFilename->text(), "<Please specify a name and location for the export file...>");
    EXPECT_FALSE(w().actExport->isEnabled());
}

TEST_F(AuthoriseExport, WithNothingRememberedTheFormatsDefaultIsProposedAndStored) {
    Authorised('D');
    const QString proposed = QDir::home().filePath("bankfile.afi");
    EXPECT_EQ(w().edExportFilename->text(), proposed);
    EXPECT_EQ(settings.Value("Files", "ExportFile"), proposed);
    EXPECT_TRUE(w().actExport->isEnabled());
}

TEST_F(AuthoriseExport, TheRememberedFileIsProposed) {
    Authorised('A', nullptr, folder.filePath("wages.txt"));
    EXPECT_EQ(w().edExportFilename->text(), folder.filePath("wages.txt"));
}

TEST_F(AuthoriseExport, BrowseStartsFromTheFieldAndAppliesTheChosenType) {
    Authorised('D');
    struct Case {
        QString field;
        int startIndex;
        QString proposed;
        SaveFileChoice answer;
        QString result;
    };
    const QString dir = folder.path() + "/";
    const Case cases[] = {
        {dir + "pay.afi", 3, dir + "pay.afi", {dir + "pay", 2}, dir + "pay.dat"},
        {dir + "pay.kbb", 6, dir + "pay.kbb", {dir + "pay.txt", 5}, dir + "pay.csv"},
        {dir + "pay", 6, dir + "pay", {dir + "pay.kbb", 6}, dir + "pay.kbb"},
        {dir, 3, dir + "bankfile.afi", {dir + "x.y/pay.1.txt", 3}, dir + "x.y/pay.1.afi"},
    };
    for (const Case& c : cases) {
        w().edExportFilename->setText(c.field);
        dialogs.saveAnswers.push_back(c.answer);
        w().Button4Click();
        const SaveFileRequest& request = dialogs.saveRequests.back();
        EXPECT_EQ(request.title, "Save Banking File as");
        EXPECT_EQ(request.filter, kExportFileFilter);
        EXPECT_EQ(request.filterIndex, c.startIndex) << c.field.toStdString();
        EXPECT_EQ(request.fileName, c.proposed);
        EXPECT_TRUE(dialogs.hookInstalledDuringSave);
        EXPECT_EQ(w().edExportFilename->text(), c.result);
        EXPECT_EQ(settings.Value("Files", "ExportFile"), c.result);
    }
    // The next Browse opens in the folder of the name the dialog returned last.
    EXPECT_EQ(dialogs.saveRequests.back().initialDirectory, dir);
    dialogs.saveAnswers.clear();
    w().Button4Click();  // cancelled: nothing changes
    EXPECT_EQ(dialogs.saveRequests.back().initialDirectory, dir + "x.y/");
    EXPECT_EQ(w().edExportFilename->text(), dir + "x.y/pay.1.afi");
}

TEST_F(AuthoriseExport, ANameOverNinetyCharactersKeepsTheDialogOpen) {
    Authorised('A');
    const QString ninety = "/" + QString(85, 'p') + ".txt";
    ASSERT_EQ(ninety.size(), 90);
    dialogs.saveAnswers = {SaveFileChoice{"/" + QString(86, 'p') + ".txt", 1}, SaveFileChoice{ninety, 1}};
    w().Button4Click();
    EXPECT_EQ(dialogs.refusedByHook, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].caption, kTooLongCaption);
    EXPECT_EQ(
        messages.shown[0].text,
        "The path and filename you have selected for the banking file\rexceeds the maximum length of 90 "
        "characters.\r\rPlease select a shorter path or filename.");
    EXPECT_EQ(w().edExportFilename->text(), ninety);

    // The limit is on the name as chosen, before the type's extension is added.
    messages.shown.clear();
    const QString bare = "/" + QString(89, 'p');
    dialogs.saveAnswers = {SaveFileChoice{bare, 2}};
    w().Button4Click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(w().edExportFilename->text(), bare + ".dat");
}

TEST_F(AuthoriseExport, ExportWritesTheBankFileEveryTime) {
    Authorised('A');
    const QString target = folder.filePath("out.txt");
    w().edExportFilename->setText(target);
    for (int round = 0; round < 2; ++round) {
        w().actExportExecute();
        ASSERT_EQ(messages.shown.size(), static_cast<std::size_t>(round + 1));
        EXPECT_EQ(messages.shown.back().caption, "Export File Success");
        EXPECT_EQ(messages.shown.back().kind, MessageKind::Information);
        EXPECT_EQ(messages.shown.back().text,
                  "Bill payment data was successfully saved to Export File: " + target);
        EXPECT_EQ(w().Status(), "Exported");
        EXPECT_EQ(w().ExpProgress->value(), 1);
    }
    const QByteArray written = ReadAll(target);
    EXPECT_EQ(written.toStdString(), std::string(w().BankFileLines().CrLfText()));
    EXPECT_TRUE(written.endsWith("\r\n"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AuthoriseExport, AnUnwritablePathShowsTheErrorAndLeavesTheOldFile) {
    Authorised('A');
    struct Case {
        QString target;
        bool keepsOldFile;
    };
    const QString existing = folder.filePath("keep.txt");
    QFile::remove(existing);
    WriteFile("keep.txt", "previous contents\r\n");
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool folderLocked = !QFileInfo(folder.path()).isWritable();
    for (const Case& c : {Case{folder.filePath("missing/out.txt"), false},
                          Case{folder.filePath("keep.txt/out.txt"), false}, Case{existing, true}}) {
        if (c.keepsOldFile && !folderLocked) continue;  // running with rights that ignore permissions
        messages.shown.clear();
        w().edExportFilename->setText(c.target);
        const QString before = w().Status();
        w().actExportExecute();
        ASSERT_EQ(messages.shown.size(), 1u) << c.target.toStdString();
        EXPECT_EQ(messages.shown[0].caption, "Error Writing Bank File");
        EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
        EXPECT_TRUE(
            messages.shown[0].text.startsWith("An error occurred whilst attempting to write data to the "
                                              "specified bank Export File.\r\rError: "));
        EXPECT_GT(messages.shown[0].text.size(), 88);  // the reason follows
        EXPECT_EQ(w().Status(), before);
        EXPECT_TRUE(w().Authorised());
        EXPECT_EQ(w().ExpProgress->value(), 0);
        if (c.keepsOldFile) {
            EXPECT_EQ(ReadAll(existing), "previous contents\r\n");
        }
    }
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AuthoriseExport, AnotherFormatLetterForgetsTheExportFileAndProposesItsDefault) {
    Authorised('P', "7");
    w().edExportFilename->setText(folder.filePath("p.dat"));
    Page(1);
    w().cbBankingFormat->setCurrentIndex(FormatIndex('H'));
    EXPECT_EQ(settings.Value("Files", "ExportFile"), "");
    w().actValidateExecute();
    Page(2);
    w().actConvertExecute();
    w().actAuthoriseExecute();
    Page(4);
    EXPECT_EQ(w().edExportFilename->text(), QDir::home().filePath("bankfile.txt"));
}

}  // namespace
}  // namespace billpay::gui::testing
