#include "reports/page_painter.h"

#include <QPainter>

#include "reports/prepared_report.h"

namespace billpay::gui {

void PaintPreparedPage(QPainter& painter, const PreparedReport& report, int pageIndex) {
    const PreparedPage& page = report.Page(pageIndex);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const LineRun& run : page.lines) {
        painter.setPen(QPen(Qt::black, run.penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(run.line);
    }
    painter.setPen(Qt::black);
    int currentFont = -1;
    for (const TextRun& run : page.texts) {
        if (run.font != currentFont) {
            painter.setFont(report.FontOf(run));
            currentFont = run.font;
        }
        // An unclipped run was measured on another device; it may come out a
        // hair wider here, so it is let out of its rectangle rather than cut.
        const int flags = static_cast<int>(run.alignment) | Qt::AlignTop | Qt::TextSingleLine |
                          (run.clipped ? 0 : Qt::TextDontClip);
        painter.drawText(run.rect, flags, run.text.ToString());
    }
    painter.restore();
}

}  // namespace billpay::gui
