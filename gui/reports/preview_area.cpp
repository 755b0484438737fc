#include "reports/preview_area.h"

#include <algorithm>
#include <cmath>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "reports/page_painter.h"
#include "reports/prepared_report.h"

namespace billpay::gui {

TReportPreviewArea::TReportPreviewArea(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void TReportPreviewArea::SetReport(const PreparedReport* report) {
    report_ = report;
    pageNumber_ = PageCount() > 0 ? 1 : 0;
    UpdateScrollBars();
    viewport()->update();
}

int TReportPreviewArea::PageCount() const {
    return report_ != nullptr ? report_->PageCount() : 0;
}

void TReportPreviewArea::SetPageNumber(int page) {
    if (page < 1 || page > PageCount()) return;
    pageNumber_ = page;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void TReportPreviewArea::SetZoom(int percent) {
    ApplyZoom(percent, ZoomKind::Percent);
}

void TReportPreviewArea::ZoomToWholePage() {
    const QSizeF page = PageSizeAtFullZoom();
    if (page.isEmpty()) {
        ApplyZoom(100, ZoomKind::WholePage);
        return;
    }
    const auto byWidth = static_cast<int>(std::lround(width() / page.width() * 95));
    const auto byHeight = static_cast<int>(std::lround(height() / page.height() * 95));
    ApplyZoom(std::min(byWidth, byHeight), ZoomKind::WholePage);
}

void TReportPreviewArea::ZoomToPageWidth() {
    const QSizeF page = PageSizeAtFullZoom();
    if (page.isEmpty()) {
        ApplyZoom(100, ZoomKind::PageWidth);
        return;
    }
    ApplyZoom(static_cast<int>(std::lround(width() / page.width() * 98)), ZoomKind::PageWidth);
}

void TReportPreviewArea::ApplyZoom(int percent, ZoomKind kind) {
    zoom_ = std::clamp(percent, kMinimumZoom, kMaximumZoom);
    zoomKind_ = kind;
    UpdateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

QSizeF TReportPreviewArea::PageSizeAtFullZoom() const {
    if (PageCount() == 0) return {};
    return report_->PageSize();
}

QSize TReportPreviewArea::ZoomedPageSize() const {
    const QSizeF page = PageSizeAtFullZoom();
    return QSize(static_cast<int>(std::lround(page.width() * zoom_ / 100.0)),
                 static_cast<int>(std::lround(page.height() * zoom_ / 100.0)));
}

QPoint TReportPreviewArea::PageOrigin() const {
    const QSize content = ZoomedPageSize() + QSize(kPageBorder, kPageBorder);
    const QSize view = viewport()->size();
    const int x = content.width() < view.width() ? (view.width() - content.width()) / 2
                                                 : -horizontalScrollBar()->value();
    const int y = content.height() < view.height() ? (view.height() - content.height()) / 2
                                                   : -verticalScrollBar()->value();
    return QPoint(x + 1, y + 1);
}

void TReportPreviewArea::UpdateScrollBars() {
    const QSize content = ZoomedPageSize() + QSize(kPageBorder, kPageBorder);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
}

void TReportPreviewArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    switch (zoomKind_) {
        case ZoomKind::WholePage:
            ZoomToWholePage();
            break;
        case ZoomKind::PageWidth:
            ZoomToPageWidth();
            break;
        case ZoomKind::Percent:
            UpdateScrollBars();
            break;
    }
}

// The viewport also changes size when a scroll bar comes or goes; the
// ranges follow it so that a page that fits shows no scroll bar.
bool TReportPreviewArea::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) UpdateScrollBars();
    return QAbstractScrollArea::viewportEvent(event);
}

void TReportPreviewArea::paintEvent(QPaintEvent*) {
    if (pageNumber_ < 1 || pageNumber_ > PageCount()) return;
    QPainter painter(viewport());
    const QSize size = ZoomedPageSize();
    const QRect page(PageOrigin(), size);
    // A frame one pixel outside the page and a shadow below and to the right
    // make up the border.
    painter.fillRect(page.translated(kPageBorder - 1, kPageBorder - 1), palette().color(QPalette::Shadow));
    painter.setPen(Qt::black);
    painter.drawRect(page.adjusted(-1, -1, 0, 0));
    painter.fillRect(page, Qt::white);

    painter.setClipRect(page);
    painter.translate(page.topLeft());
    const double scale = zoom_ / 100.0;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PaintPreparedPage(painter, *report_, pageNumber_ - 1);
}

}  // namespace billpay::gui
