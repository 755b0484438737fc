// The validation and conversion reports, read from the prepared pages' display
// lists: what each page prints, where, and in which font.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>

#include "fake_dialogs.h"
#include "report_capture.h"
#include "reports/report_form.h"

using namespace billpay::gui;
using namespace billpay::gui::testing;

namespace {

constexpr double kTopMargin = 38;
constexpr double kBottomMargin = 38;
constexpr double kRightMargin = 38;
constexpr double kHeaderHeight = 97;
constexpr double kFooterHeight = 40;

const QStringList kCleanSummary = {"ABA file validated: no errors found", "Detail records: 3",
                                   "Total credits: 123.45"};

class ReportTest : public ::testing::Test {
protected:
    ReportTest() { dialogs.Printer().setPageSize(QPageSize(QPageSize::A4)); }

    QString DateRunText() const {
        return "Date Run: 11/12/2026 " + QLocale().toString(kReportRunTime.time(), QLocale::ShortFormat);
    }

    // Lines printed by the detail band, in order, over all pages.
    static QStringList DetailTexts(const CapturedReport& report, const QStringList& expectedLines) {
        QStringList out;
        for (const CapturedPage& page : report.pages) {
            for (const CapturedText& run : page.texts) {
                if (expectedLines.contains(run.text)) out << run.text;
            }
        }
        return out;
    }

    static QStringList NumberedLines(int count) {
        QStringList lines;
        for (int i = 1; i <= count; ++i) {
            lines << QString("Line %1 - (DTL) Account Number invalid").arg(i, 4);
        }
        return lines;
    }

    FakeDialogBox dialogs;
    ReportCapture capture;
};

TEST_F(ReportTest, ValidationReportOfACleanFileIsOnePageWithLegendAndNoHashTotal) {
    PrintValidationReport(dialogs, kCleanSummary, "/data/pay.aba");

    ASSERT_EQ(capture.shown.size(), 1u);
    const CapturedReport& report = capture.shown[0];
    EXPECT_EQ(report.title, "Bill Payment Validation Report");
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);
    ASSERT_EQ(report.pages.size(), 1u);
    const CapturedPage& page = report.pages[0];
    EXPECT_EQ(page.Texts(),
              (QStringList{"VORLA BILL PAYMENT UTILITY", "Bill Payment Validation Report", DateRunText(),
                           "Page: 1", "ABA File: /data/pay.aba", kCleanSummary[0], kCleanSummary[1],
                           kCleanSummary[2], "***  END OF REPORT  ***", "(HDR) = Header Record",
                           "(DTL) = Detail Record", "(TRL) = Trailer Record"}));

    // Header: centred headings, date at the left, page number right-aligned to
    // the band, the rule 742 wide at top 92.
    const double bandWidth = report.pageSize.width() - kRightMargin;
    const CapturedText& appName = page.texts[0];
    EXPECT_NEAR(appName.rect.center().x(), bandWidth / 2, 0.01);
    EXPECT_DOUBLE_EQ(appName.rect.top(), kTopMargin + 12);
    EXPECT_TRUE(appName.font.bold());
    EXPECT_EQ(appName.font.pixelSize(), 16);
    EXPECT_EQ(QFontInfo(appName.font).family(), QFontInfo(QFont("Arial")).family());
    EXPECT_DOUBLE_EQ(page.texts[1].rect.top(), kTopMargin + 43);
    EXPECT_DOUBLE_EQ(page.texts[2].rect.left(), 0);
    EXPECT_DOUBLE_EQ(page.texts[2].rect.top(), kTopMargin + 46);
    EXPECT_NEAR(page.texts[3].rect.right(), bandWidth, 0.01);
    EXPECT_TRUE(page.texts[3].font.fixedPitch() || QFontInfo(page.texts[3].font).fixedPitch());
    EXPECT_NEAR(page.texts[4].rect.center().x(), bandWidth / 2, 0.01);
    EXPECT_EQ(page.texts[4].font.pixelSize(), 11);

    // Detail lines one band (24) apart below the header, in a fixed-pitch font.
    for (int i = 0; i < 3; ++i) {
        const CapturedText& detail = page.texts[5 + i];
        EXPECT_DOUBLE_EQ(detail.rect.top(), kTopMargin + kHeaderHeight + 24 * i + 4);
        EXPECT_DOUBLE_EQ(detail.rect.width(), 742);
        EXPECT_TRUE(QFontInfo(detail.font).fixedPitch());
    }

    // Rules: header, the end band's pair and the rule below it, the footer's.
    const double endBandTop = kTopMargin + kHeaderHeight + 3 * 24;
    const double footerTop = report.pageSize.height() - kBottomMargin - kFooterHeight;
    ASSERT_EQ(page.lines.size(), 5u);
    EXPECT_EQ(page.lines[0].line, QLineF(0, kTopMargin + 92, 742, kTopMargin + 92));
    EXPECT_EQ(page.lines[1].line, QLineF(0, endBandTop + 5, 742, endBandTop + 5));
    EXPECT_EQ(page.lines[2].line, QLineF(0, endBandTop + 25, 742, endBandTop + 25));
    EXPECT_EQ(page.lines[3].line, QLineF(0, endBandTop + 27, 742, endBandTop + 27));
    EXPECT_EQ(page.lines[4].line, QLineF(0, footerTop + 5, 742, footerTop + 5));

    // The legend at the foot of the page.
    const double legendLefts[] = {0, 136, 260};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(page.texts[9 + i].rect.left(), legendLefts[i]);
        EXPECT_DOUBLE_EQ(page.texts[9 + i].rect.top(), footerTop + 15);
    }
    EXPECT_EQ(page.Find("HASH TOTAL"), nullptr);
}

TEST_F(ReportTest, ValidationReportOverSeveralPagesRepeatsHeaderAndLegendAndEndsOnce) {
    const QStringList lines = NumberedLines(100);
    PrintValidationReport(dialogs, lines, "pay.aba");

    ASSERT_EQ(capture.shown.size(), 1u);
    const CapturedReport& report = capture.shown[0];
    ASSERT_GE(report.pages.size(), 3u);
    const double footerTop = report.pageSize.height() - kBottomMargin - kFooterHeight;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        const CapturedPage& page = report.pages[i];
        SCOPED_TRACE(i);
        ASSERT_GE(page.texts.size(), 5u);
        EXPECT_EQ(page.texts[0].text, "VORLA BILL PAYMENT UTILITY");
        EXPECT_EQ(page.texts[3].text, QString("Page: %1").arg(i + 1));
        EXPECT_EQ(page.texts[4].text, "ABA File: pay.aba");
        EXPECT_EQ(page.texts.back().text, "(TRL) = Trailer Record");
        EXPECT_EQ(page.Find("***  END OF REPORT") != nullptr, i + 1 == report.pages.size());
        for (const CapturedText& run : page.texts) {
            if (run.text.startsWith("Line")) {
                EXPECT_LE(run.rect.bottom(), footerTop);
            }
        }
    }
    EXPECT_EQ(DetailTexts(report, lines), lines);
}

TEST_F(ReportTest, EndBandThatNoLongerFitsGoesOnANewPageWithHeaderAndLegend) {
    // As many lines as fill the first page exactly.
    PrintValidationReport(dialogs, NumberedLines(100), "pay.aba");
    int perPage = 0;
    for (const CapturedText& run : capture.shown.at(0).pages.at(0).texts)
        perPage += run.text.startsWith("Line");

    PrintValidationReport(dialogs, NumberedLines(perPage), "pay.aba");
    const CapturedReport& report = capture.shown.at(1);
    ASSERT_EQ(report.pages.size(), 2u);
    const CapturedPage& last = report.pages[1];
    EXPECT_EQ(last.Texts(),
              (QStringList{"VORLA BILL PAYMENT UTILITY", "Bill Payment Validation Report", DateRunText(),
                           "Page: 2", "ABA File: pay.aba", "***  END OF REPORT  ***", "(HDR) = Header Record",
                           "(DTL) = Detail Record", "(TRL) = Trailer Record"}));
}

TEST_F(ReportTest, ConversionReportIsLandscapeWithoutLegendAndWithHashTotalOnlyWhenThereIsOne) {
    billpay::TextLines bankFile;
    for (int i = 0; i < 60; ++i)
        bankFile.push_back(QString("13,%1,PAYMENT").arg(i, 6, 10, QChar('0')).toStdString());

    for (const QString& hashTotal : {QString("00012345678"), QString()}) {
        SCOPED_TRACE(hashTotal.toStdString());
        capture.shown.clear();
        PrintConversionReport(dialogs, bankFile, "BNZ PC Diskette", hashTotal);

        ASSERT_EQ(capture.shown.size(), 1u);
        const CapturedReport& report = capture.shown[0];
        EXPECT_EQ(report.title, "Bill Payment Conversion Report");
        EXPECT_EQ(report.orientation, QPageLayout::Landscape);
        EXPECT_GT(report.pageSize.width(), report.pageSize.height());
        ASSERT_GE(report.pages.size(), 2u);
        for (const CapturedPage& page : report.pages) {
            EXPECT_EQ(page.texts[4].text, "Format: BNZ PC Diskette");
            EXPECT_EQ(page.Find("(HDR)"), nullptr);
            EXPECT_EQ(page.lines.front().line, QLineF(0, kTopMargin + 92, 1092, kTopMargin + 92));
            for (const LineRun& rule : page.lines) EXPECT_DOUBLE_EQ(rule.line.length(), 1092);
            const CapturedText* detail = page.Find("13,");
            if (detail != nullptr) {
                EXPECT_DOUBLE_EQ(detail->rect.width(), 1092);
            }
        }
        const QStringList lastTexts = report.pages.back().Texts();
        QStringList ending{"13,000059,PAYMENT", "***  END OF REPORT  ***"};
        if (!hashTotal.isEmpty()) ending << "HASH TOTAL: 00012345678";
        EXPECT_EQ(lastTexts.mid(lastTexts.size() - ending.size()), ending);
        EXPECT_EQ(report.pages.back().lines.size(), 4u);  // header rule, the pair, the rule below
    }
}

TEST_F(ReportTest, LineLongerThanTheLabelIsCutAtItsRightEdgeNotWrapped) {
    const QString longLine = QString("X").repeated(300);
    PrintValidationReport(dialogs, {longLine}, "pay.aba");

    const CapturedText* detail = capture.shown.at(0).pages.at(0).Find("XXX");
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->text, longLine);
    EXPECT_TRUE(detail->clipped);
    EXPECT_DOUBLE_EQ(detail->rect.left(), 0);
    EXPECT_DOUBLE_EQ(detail->rect.width(), 742);
    EXPECT_LT(detail->rect.height(), 2 * QFontMetricsF(detail->font).height());
}

TEST_F(ReportTest, EmptyListShowsNoPreview) {
    PrintValidationReport(dialogs, {}, "pay.aba");
    PrintConversionReport(dialogs, billpay::TextLines(), "BNZ PC Diskette", "123");
    EXPECT_TRUE(capture.shown.empty());
}

TEST_F(ReportTest, FailureInThePreviewTravelsOnAndTheNextReportRunsAfresh) {
    SetPreviewHook([](PreparedReport&) { throw std::runtime_error("printer gone"); });
    EXPECT_THROW(PrintValidationReport(dialogs, kCleanSummary, "pay.aba"), std::runtime_error);

    ReportCapture again;
    PrintValidationReport(dialogs, kCleanSummary, "pay.aba");
    ASSERT_EQ(again.shown.size(), 1u);
    EXPECT_EQ(again.shown[0].pages.at(0).Find("Page: ")->text, "Page: 1");
}

// The engine on its own: a veto shows nothing, disabled bands print nothing,
// summaries print in declaration order, and a band higher than the page
// neither loops nor is lost.
TEST(BandedReport, VetoDisabledBandsSummaryOrderAndOversizedBand) {
    TBandedReport report;
    bool veto = true;
    report.BeforePrint = [&](bool& print) { print = !veto; };
    int shown = 0;
    report.Preview([&](PreparedReport&) { ++shown; });
    EXPECT_EQ(shown, 0);

    veto = false;
    TReportBand* disabled = report.AddBand(BandKind::Summary, 10);
    disabled->Add<TReportLabel>(0, 0)->Caption = "disabled";
    disabled->Enabled = false;
    report.AddBand(BandKind::Summary, 10)->Add<TReportLabel>(0, 0)->Caption = "first";
    report.AddBand(BandKind::Summary, 5000)->Add<TReportLabel>(0, 0)->Caption = "huge";
    report.AddBand(BandKind::Summary, 10)->Add<TReportLabel>(0, 0)->Caption = "last";
    const std::optional<PreparedReport> pages = report.Prepare();
    ASSERT_TRUE(pages);
    QStringList texts;
    for (const PreparedPage& page : pages->Pages()) {
        for (const TextRun& run : page.texts) texts << run.text.ToString();
    }
    EXPECT_EQ(texts, (QStringList{"first", "huge", "last"}));
    EXPECT_EQ(pages->PageCount(), 3);
}

}  // namespace
