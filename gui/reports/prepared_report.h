#pragma once

#include <cstdint>
#include <vector>

#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "reports/report_text.h"

namespace billpay::gui {

// Positions and sizes on a prepared page are in page units: 1/96 inch, the
// pixels of the report form, so a page drawn at 100 % on a 96-dpi screen has
// the size of the paper.
inline constexpr double kPageUnitsPerInch = 96.0;

// One text run: its text, drawn in one line (never wrapped) from the top of
// its rectangle with the given alignment. A clipped run is cut at the right
// edge of its rectangle; an unclipped run was measured to fit it.
struct TextRun {
    QRectF rect;
    ReportText text;
    std::uint16_t font = 0;  // index into PreparedReport::Fonts()
    Qt::Alignment alignment = Qt::AlignLeft;
    bool clipped = false;
};

// One straight line, drawn with a black pen of the given width.
struct LineRun {
    QLineF line;
    double penWidth = 1.0;
};

// The display list of one page, in the order in which it was laid out.
struct PreparedPage {
    std::vector<TextRun> texts;
    std::vector<LineRun> lines;
};

// A report laid out on pages in memory: what the preview shows and printing
// replays. It holds the pages, the title and the paper; the fonts are kept
// once for the whole report and the runs name them by index.
class PreparedReport {
public:
    QString Title() const { return title_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    const PreparedPage& Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    const std::vector<PreparedPage>& Pages() const { return pages_; }
    const std::vector<QFont>& Fonts() const { return fonts_; }
    const QFont& FontOf(const TextRun& run) const { return fonts_.at(run.font); }

    // The paper in page units, turned to the report's orientation.
    QSizeF PageSize() const { return pageSize_; }
    QPageLayout::Orientation Orientation() const { return orientation_; }

    void SetTitle(const QString& title) { title_ = title; }
    void SetPaper(const QSizeF& pageSize, QPageLayout::Orientation orientation) {
        pageSize_ = pageSize;
        orientation_ = orientation;
    }
    // The index of the font in the report's table, adding it when new.
    std::uint16_t FontIndex(const QFont& font);
    PreparedPage& AddPage() { return pages_.emplace_back(); }

private:
    QString title_;
    QSizeF pageSize_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    std::vector<QFont> fonts_;
    std::vector<PreparedPage> pages_;
};

}  // namespace billpay::gui
