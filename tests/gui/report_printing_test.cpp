// Printing the prepared pages through QPrinter, checked in the PDF it writes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "fake_dialogs.h"
#include "report_capture.h"
#include "reports/report_printing.h"

using namespace billpay::gui;
using namespace billpay::gui::testing;

namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ReportPrinting, TwoPageReportPrintsTwoPdfPagesWithItsLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("report.pdf");

    FakeDialogBox dialogs;
    dialogs.Printer().setPageSize(QPageSize(QPageSize::A4));
    QStringList lines;
    for (int i = 1; i <= 50; ++i) lines << QString("Line %1 - (DTL) Title not supplied").arg(i, 4);

    ReportCapture capture;
    std::vector<std::pair<int, int>> progress;
    bool printed = false;
    SetPreviewHook([&](PreparedReport& report) {
        ASSERT_EQ(report.PageCount(), 2);
        QPrinter& printer = dialogs.Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printed = PrintPreparedReport(printer, report, [&](int page, int count) {
            progress.emplace_back(page, count);
            return true;
        });
    });
    PrintValidationReport(dialogs, lines, "pay.aba");
    ASSERT_TRUE(printed);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}}));
    EXPECT_EQ(dialogs.Printer().pageLayout().orientation(), QPageLayout::Portrait);

    const QString info = RunTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();

    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_TRUE(pages[page].contains("VORLA BILL PAYMENT UTILITY"));
        EXPECT_TRUE(pages[page].contains(QString("Page: %1").arg(page + 1)));
        EXPECT_TRUE(pages[page].contains("(TRL) = Trailer Record"));
    }
    // The text tool lays runs of blanks out by position, so blanks are compared
    // as one.
    const QString flowing = text.simplified();
    for (const QString& line : lines) EXPECT_TRUE(flowing.contains(line.simplified())) << line.toStdString();
    EXPECT_TRUE(pages[1].simplified().contains("*** END OF REPORT ***"));
}

TEST(ReportPrinting, LandscapeReportPrintsLandscapePagesAndCancelStopsTheJob) {
    QTemporaryDir dir;
    FakeDialogBox dialogs;
    dialogs.Printer().setPageSize(QPageSize(QPageSize::A4));
    billpay::TextLines bankFile;
    for (int i = 0; i < 80; ++i) bankFile.push_back("1,PAYMENT");

    ReportCapture capture;
    std::optional<int> cancelAfter;
    bool printed = false;
    int asked = 0;
    int pageCount = 0;
    SetPreviewHook([&](PreparedReport& report) {
        pageCount = report.PageCount();
        QPrinter& printer = dialogs.Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(cancelAfter ? "cancelled.pdf" : "landscape.pdf"));
        asked = 0;
        printed = PrintPreparedReport(printer, report, [&](int page, int) {
            ++asked;
            return !cancelAfter || page < *cancelAfter;
        });
    });

    PrintConversionReport(dialogs, bankFile, "ASB Gateway", "");
    ASSERT_TRUE(printed);
    EXPECT_EQ(dialogs.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    const QString info = RunTool("pdfinfo", {dir.filePath("landscape.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pageCount))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+84[12][.0-9]* x 595"))) << info.toStdString();

    cancelAfter = 1;
    PrintConversionReport(dialogs, bankFile, "ASB Gateway", "");
    EXPECT_FALSE(printed);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dialogs.Printer().pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
