#pragma once

#include <QDialog>

class QAbstractButton;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace billpay::gui {

class PreparedReport;
class TDialogBox;
class TReportPreviewArea;

// The report preview window: one prepared page at a time under a toolbar for
// printing, zoom, page navigation and printer set-up. Created anew for every
// preview; it shows the pages, it does not own them.
class TfrmPreview final : public QDialog {
    Q_OBJECT

public:
    TfrmPreview(const PreparedReport& report, TDialogBox& dialogs, QWidget* parent = nullptr);

    QWidget* ToolBar = nullptr;
    QToolButton* btnPrint = nullptr;
    QToolButton* btnOnePage = nullptr;
    QToolButton* btnFitToWidth = nullptr;
    QComboBox* cmbZoom = nullptr;
    QToolButton* btnFirst = nullptr;
    QToolButton* btnPrevious = nullptr;
    QToolButton* btnNext = nullptr;
    QToolButton* btnLast = nullptr;
    QLabel* Page = nullptr;
    QPushButton* btnSetup = nullptr;
    TReportPreviewArea* q1rpreview = nullptr;

    // The handlers, public so that tests drive them as the controls do.
    void FormShow();
    void FormResize();
    void btnNavClick(const QAbstractButton* sender);
    void btnOnePageClick();
    void btnFitToWidthClick();
    void cmbZoomChange();
    void cmbZoomExit();
    void btnPrintClick();
    void PrintSetup();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar();
    void SelectZoomEntry(const QString& entry);
    void PlaceSetupButton();

    const PreparedReport& report_;
    TDialogBox& dialogs_;
};

// Shows the prepared report in a new preview window, modally, maximised; the
// window is freed once it has closed. The main window installs this (with
// its dialog module and itself as parent) as the preview hook.
void ShowReportPreview(PreparedReport& report, TDialogBox& dialogs, QWidget* parent);

}  // namespace billpay::gui
