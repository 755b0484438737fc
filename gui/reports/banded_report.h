#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "reports/prepared_report.h"
#include "reports/report_band.h"

namespace billpay::gui {

// A banded report: bands of the four kinds laid out on pages of the chosen
// paper, detail bands fed by `OnNeedData`. All pages are prepared in memory
// before anything is shown.
class TBandedReport {
public:
    // Asked before the report is prepared; setting `printReport` to false
    // stops it: no page is prepared and nothing is shown.
    std::function<void(bool& printReport)> BeforePrint;
    // Asked before each row of detail bands; `moreData` starts false.
    std::function<void(bool& moreData)> OnNeedData;
    // The date and time the report prints as run at; the computer's clock
    // unless set.
    std::function<QDateTime()> Clock;

    QString ReportTitle;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    QPageSize Paper = QPageSize(QPageSize::A4);
    // In page units, from the edges of the paper.
    QMarginsF Margins{0, 38, 38, 38};

    // A new band; bands of one kind print in the order they were added.
    TReportBand* AddBand(BandKind kind, double height);

    // Lays the report out; empty when `BeforePrint` vetoed it.
    std::optional<PreparedReport> Prepare();

    // Prepares the pages, hands them to `show` and discards them when it
    // returns. Shows nothing when `BeforePrint` vetoes the report.
    void Preview(const std::function<void(PreparedReport&)>& show);

private:
    std::vector<std::unique_ptr<TReportBand>> bands_;
};

// The paper in page units, turned to the orientation.
QSizeF PaperSizeInPageUnits(const QPageSize& paper, QPageLayout::Orientation orientation);

// "dd/mm/yyyy", a blank and the time in the short time format of the locale.
QString ReportDateTimeText(const QDateTime& when);

}  // namespace billpay::gui
