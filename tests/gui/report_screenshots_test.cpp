// Pictures of the report preview for review, drawn on the offscreen platform.
// Runs only when BILLPAY_SCREENSHOT_DIR names the folder to write them to
// (scripts/screenshots.sh sets it); docs/screenshots/report-preview.png is the
// validation report's whole page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPageSize>
#include <QPrinter>

#include "app/widget_png.h"
#include "fake_dialogs.h"
#include "report_capture.h"
#include "reports/preview_area.h"
#include "reports/report_preview.h"

using namespace billpay::gui;
using namespace billpay::gui::testing;

namespace {

void SavePreview(PreparedReport& report, TDialogBox& dialogs, int page, bool wholePage, const QString& path) {
    TfrmPreview preview(report, dialogs);
    preview.setWindowState(Qt::WindowNoState);
    preview.resize(1280, 900);
    preview.show();
    preview.q1rpreview->SetPageNumber(page);
    preview.btnNavClick(nullptr);
    if (wholePage) preview.btnOnePageClick();
    QApplication::processEvents();  // lets the scroll bars settle
    EXPECT_TRUE(SaveWidgetPng(preview, path)) << path.toStdString();
}

TEST(Screenshots, ReportPreviews) {
    const QString dir = qEnvironmentVariable("BILLPAY_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "BILLPAY_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(dir));

    FakeDialogBox dialogs;
    dialogs.Printer().setPageSize(QPageSize(QPageSize::A4));
    ReportCapture capture;  // fixes the clock
    int shown = 0;
    SetPreviewHook([&](PreparedReport& report) {
        const QString name = shown++ == 0 ? "report-preview" : "conversion-report-preview";
        SavePreview(report, dialogs, 1, true, dir + "/" + name + ".png");
        SavePreview(report, dialogs, report.PageCount(), false, dir + "/" + name + "-last-page.png");
    });

    QStringList results = {"Line    5 - (DTL) Account Number invalid - 12-3113-0123456-00",
                           "Line    7 - (DTL) Title not supplied",
                           "Net Total on ABA trailer record (1234.50) not equal to Credit Total (1230.00)"};
    for (int line = 10; line < 60; ++line)
        results << QString("Line %1 - (DTL) Reference not supplied").arg(line, 4);
    PrintValidationReport(dialogs, results, "/home/payroll/pay-2026-12.aba");

    billpay::TextLines bankFile;
    bankFile.push_back("1NZHSBC123456789012PS100000400000000100999.9820261209APO");
    for (int i = 0; i < 60; ++i) {
        bankFile.push_back(QString("2           7ANZD%1        123113  1231130123457000            SMITH  CO")
                               .arg(i * 1234 + 5, 16, 10, QChar('0'))
                               .toStdString());
    }
    bankFile.push_back(std::string(200, 'X'));
    PrintConversionReport(dialogs, bankFile, "HSBC Batch Payments", "00012345678");
    EXPECT_EQ(shown, 2);
}

}  // namespace
