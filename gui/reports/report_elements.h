#pragma once

#include <functional>

#include <QFont>
#include <QString>

#include "reports/band_canvas.h"
#include "reports/report_text.h"

namespace billpay::gui {

// Where a text stands on its band: from its left position, or centred on or
// right-aligned to the band.
enum class ReportAlignment { Left, Centre, Right };

// Something printed on a band each time the band prints.
class TReportElement {
public:
    virtual ~TReportElement() = default;
    virtual void Print(BandCanvas& canvas) = 0;

    double Left = 0;
    double Top = 0;
};

// A text. An auto-sized label is as wide as its text; a fixed-size label is
// `Width` wide and its text is cut at the right edge. Texts are never wrapped.
// `OnPrint`, when set, is given the caption and may replace the printed text.
class TReportLabel final : public TReportElement {
public:
    void Print(BandCanvas& canvas) override;

    ReportText Caption;
    QFont Font;
    ReportAlignment Alignment = ReportAlignment::Left;
    bool AutoSize = true;
    double Width = 0;
    std::function<void(QString& value)> OnPrint;
};

// A text the engine supplies, after a prefix.
enum class SystemData { ReportTitle, DateTime, PageNumber };

class TReportSystemField final : public TReportElement {
public:
    void Print(BandCanvas& canvas) override;

    SystemData Data = SystemData::ReportTitle;
    QString Prefix;
    QFont Font;
    ReportAlignment Alignment = ReportAlignment::Left;
};

// A horizontal line at `Top`, or the top and bottom lines of a box `Height` high.
enum class ShapeKind { HorizontalLine, TopAndBottomLines };

class TReportShape final : public TReportElement {
public:
    void Print(BandCanvas& canvas) override;

    ShapeKind Shape = ShapeKind::HorizontalLine;
    double Width = 0;
    double Height = 0;
    double PenWidth = 1;
};

}  // namespace billpay::gui
