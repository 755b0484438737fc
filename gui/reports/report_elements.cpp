#include "reports/report_elements.h"

namespace billpay::gui {
namespace {

// The left edge of a text `width` wide placed as `alignment` says.
double AlignedLeft(ReportAlignment alignment, double left, double width, double bandWidth) {
    switch (alignment) {
        case ReportAlignment::Centre:
            return (bandWidth - width) / 2;
        case ReportAlignment::Right:
            return bandWidth - width;
        case ReportAlignment::Left:
            break;
    }
    return left;
}

// Adds an auto-sized text: measured, so it is never cut.
void AddMeasuredText(BandCanvas& canvas, ReportText text, const QFont& font, ReportAlignment alignment,
                     double left, double top) {
    const std::uint16_t index = canvas.Measures().Index(font);
    const QFontMetricsF& metrics = canvas.Measures().Metrics(index);
    const double width = metrics.horizontalAdvance(text.ToString());
    const QRectF rect(AlignedLeft(alignment, left, width, canvas.BandWidth()), top, width, metrics.height());
    canvas.AddText(rect, std::move(text), index, Qt::AlignLeft, false);
}

}  // namespace

void TReportLabel::Print(BandCanvas& canvas) {
    ReportText text = Caption;
    if (OnPrint) {
        QString value = Caption.ToString();
        OnPrint(value);
        text = ReportText(value);
    }
    if (AutoSize) {
        AddMeasuredText(canvas, std::move(text), Font, Alignment, Left, Top);
        return;
    }
    const std::uint16_t index = canvas.Measures().Index(Font);
    const double height = canvas.Measures().Metrics(index).height();
    const QRectF rect(AlignedLeft(Alignment, Left, Width, canvas.BandWidth()), Top, Width, height);
    canvas.AddText(rect, std::move(text), index, Qt::AlignLeft, true);
}

void TReportSystemField::Print(BandCanvas& canvas) {
    QString value;
    switch (Data) {
        case SystemData::ReportTitle:
            value = canvas.Run().title;
            break;
        case SystemData::DateTime:
            value = canvas.Run().dateTimeText;
            break;
        case SystemData::PageNumber:
            value = QString::number(canvas.PageNumber());
            break;
    }
    AddMeasuredText(canvas, ReportText(Prefix + value), Font, Alignment, Left, Top);
}

void TReportShape::Print(BandCanvas& canvas) {
    canvas.AddLine(QLineF(Left, Top, Left + Width, Top), PenWidth);
    if (Shape == ShapeKind::TopAndBottomLines) {
        canvas.AddLine(QLineF(Left, Top + Height, Left + Width, Top + Height), PenWidth);
    }
}

}  // namespace billpay::gui
