#include "reports/band_canvas.h"

namespace billpay::gui {

std::uint16_t FontMeasures::Index(const QFont& font) {
    return report_.FontIndex(font);
}

const QFontMetricsF& FontMeasures::Metrics(std::uint16_t fontIndex) {
    if (metrics_.size() <= fontIndex) metrics_.resize(fontIndex + 1u);
    if (!metrics_[fontIndex]) metrics_[fontIndex].emplace(report_.Fonts().at(fontIndex));
    return *metrics_[fontIndex];
}

void BandCanvas::AddText(const QRectF& bandRect, ReportText text, std::uint16_t font, Qt::Alignment alignment,
                         bool clipped) {
    page_.texts.push_back({bandRect.translated(origin_), std::move(text), font, alignment, clipped});
}

void BandCanvas::AddLine(const QLineF& bandLine, double penWidth) {
    page_.lines.push_back({bandLine.translated(origin_), penWidth});
}

}  // namespace billpay::gui
