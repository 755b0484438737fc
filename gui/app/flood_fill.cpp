#include "app/flood_fill.h"

#include <vector>

namespace billpay::gui {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;

struct Span {
    int y;
    int left;  // a pixel of the target colour on row y, not yet filled
};

}  // namespace

int FloodFill(QImage& image, QPoint start, QColor target, QColor replacement) {
    if (image.isNull() || !image.rect().contains(start)) return 0;
    const QRgb from = target.rgb() & kRgbMask;
    const QRgb to = replacement.rgba();
    if (from == (to & kRgbMask)) return 0;
    if (image.format() != QImage::Format_ARGB32) image = image.convertToFormat(QImage::Format_ARGB32);

    const int width = image.width();
    const int height = image.height();
    auto row = [&image](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    auto isTarget = [from](QRgb pixel) { return (pixel & kRgbMask) == from; };
    if (!isTarget(row(start.y())[start.x()])) return 0;

    // Each span is widened to the whole run of target pixels on its row,
    // filled, and every run touching it on the rows above and below is queued.
    int filled = 0;
    std::vector<Span> pending{{start.y(), start.x()}};
    while (!pending.empty()) {
        const Span span = pending.back();
        pending.pop_back();
        QRgb* line = row(span.y);
        if (!isTarget(line[span.left])) continue;  // filled since it was queued
        int left = span.left;
        while (left > 0 && isTarget(line[left - 1])) --left;
        int right = span.left;
        while (right + 1 < width && isTarget(line[right + 1])) ++right;
        for (int x = left; x <= right; ++x) line[x] = to;
        filled += right - left + 1;

        for (const int y : {span.y - 1, span.y + 1}) {
            if (y < 0 || y >= height) continue;
            const QRgb* neighbour = row(y);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool target = isTarget(neighbour[x]);
                if (target && !inRun) pending.push_back({y, x});
                inRun = target;
            }
        }
    }
    return filled;
}

}  // namespace billpay::gui
