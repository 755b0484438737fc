#pragma once

#include <QAbstractScrollArea>
#include <QSize>

namespace billpay::gui {

class PreparedReport;

// Which kind of zoom was set last; a whole-page or page-width zoom is
// recomputed whenever the area's size changes.
enum class ZoomKind { Percent, WholePage, PageWidth };

// Shows one prepared page at a zoom percentage. Only the page in view is
// painted, so paging and zooming cost the same for any length of report.
class TReportPreviewArea final : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The border drawn around the page (its frame and shadow), in pixels.
    static constexpr int kPageBorder = 4;
    static constexpr int kMinimumZoom = 1;
    static constexpr int kMaximumZoom = 1000;

    explicit TReportPreviewArea(QWidget* parent = nullptr);

    // The pages to show, not owned; null shows none.
    void SetReport(const PreparedReport* report);

    int PageCount() const;
    // The page shown, counted from 1; 0 when there is no page.
    int PageNumber() const { return pageNumber_; }
    // Shows the page (ignored outside 1 to the page count), both scroll bars at 0.
    void SetPageNumber(int page);

    int Zoom() const { return zoom_; }
    ZoomKind LastZoomKind() const { return zoomKind_; }
    // Sets the zoom, kept between kMinimumZoom and kMaximumZoom.
    void SetZoom(int percent);
    // The smaller of the zooms at which the page's width and its height fill
    // 95 % of the area; 100 when there is no page.
    void ZoomToWholePage();
    // The zoom at which the page's width fills 98 % of the area; 100 when
    // there is no page.
    void ZoomToPageWidth();

    // The page at the current zoom, without its border.
    QSize ZoomedPageSize() const;
    // Where the page's top left corner is drawn in the viewport.
    QPoint PageOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QSizeF PageSizeAtFullZoom() const;
    void ApplyZoom(int percent, ZoomKind kind);
    void UpdateScrollBars();

    const PreparedReport* report_ = nullptr;
    int pageNumber_ = 0;
    int zoom_ = 100;
    ZoomKind zoomKind_ = ZoomKind::Percent;
};

}  // namespace billpay::gui
