#pragma once

#include <optional>
#include <vector>

#include <QFontMetricsF>
#include <QPointF>

#include "reports/prepared_report.h"

namespace billpay::gui {

// What stays the same for every page of one run: the report's title and the
// date and time of the run.
struct ReportRunInfo {
    QString title;
    QString dateTimeText;
};

// Measures texts once per font for a whole run.
class FontMeasures {
public:
    explicit FontMeasures(PreparedReport& report) : report_(report) {}
    std::uint16_t Index(const QFont& font);
    const QFontMetricsF& Metrics(std::uint16_t fontIndex);

private:
    PreparedReport& report_;
    std::vector<std::optional<QFontMetricsF>> metrics_;
};

// One band being printed on one page: elements add their runs through it at
// positions relative to the band's top left corner.
class BandCanvas {
public:
    BandCanvas(PreparedPage& page, FontMeasures& measures, const ReportRunInfo& run, QPointF origin,
               double bandWidth, int pageNumber)
        : page_(page),
          measures_(measures),
          run_(run),
          origin_(origin),
          bandWidth_(bandWidth),
          pageNumber_(pageNumber) {}

    double BandWidth() const { return bandWidth_; }
    int PageNumber() const { return pageNumber_; }
    const ReportRunInfo& Run() const { return run_; }
    FontMeasures& Measures() { return measures_; }

    void AddText(const QRectF& bandRect, ReportText text, std::uint16_t font, Qt::Alignment alignment,
                 bool clipped);
    void AddLine(const QLineF& bandLine, double penWidth);

private:
    PreparedPage& page_;
    FontMeasures& measures_;
    const ReportRunInfo& run_;
    QPointF origin_;
    double bandWidth_;
    int pageNumber_;
};

}  // namespace billpay::gui
