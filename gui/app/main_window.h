#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "aba/aba_lines.h"
#include "reports/report_callers.h"
#include "util/text_lines.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QWidget;

namespace billpay {
class TBankFile;
}

namespace billpay::gui {

class MessageBoxes;
class Settings;
class TDialogBox;
class TWindowConversionHost;
class TDBSuperBankAccount;

// What the main window works with, created before it at start-up. Tests hand
// in doubles so that every dialog answer and every stored value is scripted.
struct MainWindowServices {
    Settings& settings;
    TDialogBox& dialogs;
    MessageBoxes& messages;
    TBankFile& bankFile;
    // The host the engine was created with; the window attaches its progress
    // bar and message boxes to it.
    TWindowConversionHost& conversionHost;
    // Opens the about window modally (Help menu).
    std::function<void(QWidget* parent)> showAboutBox;
    // Installed as the report engine's preview hook while the window lives;
    // when empty, the preview window opens modally over the main window.
    PreviewHook previewHook;
};

// The five-page wizard that carries one ABA file from selection through
// validation, conversion and authorisation to export. It owns the process
// state (four stage flags, the format code, the status line) and the line
// lists the stages fill. Pages are never locked: the actions' update pass
// enables or disables what each page lets the user do.
class TfrmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // ---- process state (read by tests and the reports)
    bool FileSelected() const { return fileSelected_; }
    bool Validated() const { return validated_; }
    bool Converted() const { return converted_; }
    bool Authorised() const { return authorised_; }
    char FormatCode() const { return formatCode_; }
    QString Status() const;
    const std::vector<std::string>& ValidationErrors() const { return validationErrors_; }
    const TextLines& BankFileLines() const { return bankFileLines_; }
    const std::string& DebitAccount() const { return debitAccount_; }
    const std::string& RemitterName() const { return remitterName_; }
    const std::string& HashTotalText() const { return hashTotalText_; }
    bool Converting() const { return converting_; }

    // ---- stage setters; clearing a stage clears every later one
    void SetFileSelected(bool value);
    void SetValidated(bool value);
    void SetConverted(bool value);
    void SetAuthorised(bool value);

    void AddValidationResult(const QString& text);
    void ClearValidation();
    void ShowFirstPage();

    // The actions' update pass, run whenever the application goes idle.
    void UpdateActions();

    // ---- handlers (public so that tests drive the window as the user would)
    void FormShow();
    void btnABABrowseClick();
    void SelectAbaFile(const QString& fileName);  // Browse's choice, or a file dropped on the window
    void tabValidateShow();
    void cbBankingFormatChange();
    void actValidateExecute();
    void btnPrintErrorsClick();
    void tabConvertDataShow();
    void OptionFieldExit(QWidget* field);
    void actConvertUpdate();
    void actConvertExecute();
    void btnPrintFileClick();
    void tabAuthoriseShow();
    void actAuthoriseExecute();
    void tabFExpSelectShow();
    void edExportFilenameChange();
    void Button4Click();
    bool SaveDialogCanClose(const QString& fileName);
    void actExportExecute();
    void mnuPrintSetupClick();
    void mnuHelpClick();
    void mnuAboutClick();

    // Runs one user action: an error that escapes it ends the action and is
    // shown in the application's general error box.
    void RunGuarded(const std::function<void()>& action);

    // ---- controls, named as the pages name them
    QTabWidget* PageControl = nullptr;
    QWidget* tabFImpSelect = nullptr;
    QWidget* tabValidate = nullptr;
    QWidget* tabConvertData = nullptr;
    QWidget* tabAuthorise = nullptr;
    QWidget* tabFExpSelect = nullptr;
    QLabel* lblProcessStatus = nullptr;
    QLabel* lblBPStatus = nullptr;
    QPushButton* btnPrev = nullptr;
    QPushButton* btnNext = nullptr;

    QMenu* mnuFile = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuPrintSetup = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuAbout = nullptr;

    QAction* actNextPage = nullptr;
    QAction* actPrevPage = nullptr;
    QAction* actValidate = nullptr;
    QAction* actConvert = nullptr;
    QAction* actAuthorise = nullptr;
    QAction* actExport = nullptr;

    // Select ABA File to Import
    QLineEdit* lblABAFilename = nullptr;
    QPushButton* btnABABrowse = nullptr;

    // Validate ABA File
    QWidget* pnlValidate = nullptr;
    QComboBox* cbBankingFormat = nullptr;
    QProgressBar* ValProgress = nullptr;
    QPlainTextEdit* ValMemo = nullptr;
    TDBSuperBankAccount* AccountValidator = nullptr;
    QPushButton* btnPrintErrors = nullptr;
    QPushButton* btnValidate = nullptr;

    // Convert File Data
    QWidget* pnlConvert = nullptr;
    QLineEdit* edBatchNo = nullptr;
    QLineEdit* edDebitAccount = nullptr;
    QLabel* lblPreformat = nullptr;
    QLineEdit* edPreFormat = nullptr;
    QLabel* lblConfidential = nullptr;
    QCheckBox* cbConfidential = nullptr;
    QLineEdit* ebPayeeReference = nullptr;
    QLineEdit* ebPayeeParticulars = nullptr;
    QLineEdit* ebPayeeCode = nullptr;
    QProgressBar* CvtProgress = nullptr;
    QPushButton* btnPrintFile = nullptr;
    QPushButton* btnConvert = nullptr;

    // Authorise Payments
    QPushButton* btnAuthorise = nullptr;

    // Export Data To Bank File
    QLineEdit* edExportFilename = nullptr;
    QPushButton* Button4 = nullptr;
    QProgressBar* ExpProgress = nullptr;
    QPushButton* btnExport = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window, one function per page (each in its page's file).
    void BuildMenus();
    void BuildActions();
    QWidget* BuildStatusStrip();
    void BuildSelectFilePage();
    void BuildValidatePage();
    void BuildConvertPage();
    void BuildAuthorisePage();
    void BuildExportPage();
    void PageShown(int index);

    void SetStatus(const QString& status);
    bool AbaFileExists() const;
    void ReselectFile();  // SetFileSelected(false), then whether the file exists
    QString FormatListText() const;
    QString ProposedExportFileName() const;
    void SetExportFileText(const QString& text);
    void ShowGeneralError(const QString& text);
    void SetConverting(bool converting);

    Settings& settings_;
    TDialogBox& dialogs_;
    MessageBoxes& messages_;
    TBankFile& bankFile_;
    TWindowConversionHost& conversionHost_;
    std::function<void(QWidget*)> showAboutBox_;

    bool fileSelected_ = false;
    bool validated_ = false;
    bool converted_ = false;
    bool authorised_ = false;
    char formatCode_ = 0;
    bool converting_ = false;
    QPointer<QWidget> focusBeforeConversion_;

    billpay::AbaLines abaLines_;
    std::vector<std::string> validationErrors_;
    TextLines bankFileLines_;
    std::string debitAccount_;
    std::string remitterName_;
    std::string hashTotalText_;
};

}  // namespace billpay::gui
