#include "reports/report_printing.h"

#include <QPainter>
#include <QPrinter>

#include "reports/page_painter.h"
#include "reports/prepared_report.h"

namespace billpay::gui {
namespace {

// Puts the printer's orientation back however the job ends.
class OrientationRestorer {
public:
    explicit OrientationRestorer(QPrinter& printer)
        : printer_(printer), saved_(printer.pageLayout().orientation()) {}
    ~OrientationRestorer() { printer_.setPageOrientation(saved_); }
    OrientationRestorer(const OrientationRestorer&) = delete;
    OrientationRestorer& operator=(const OrientationRestorer&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation saved_;
};

}  // namespace

bool PrintPreparedReport(QPrinter& printer, const PreparedReport& report, const PrintProgress& progress) {
    if (report.PageCount() == 0) return false;
    OrientationRestorer restorer(printer);
    printer.setPageOrientation(report.Orientation());
    printer.setDocName(report.Title());

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / kPageUnitsPerInch;
    bool completed = true;
    for (int page = 0; page < report.PageCount(); ++page) {
        if (progress && !progress(page, report.PageCount())) {
            printer.abort();
            completed = false;
            break;
        }
        if (page > 0) printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        PaintPreparedPage(painter, report, page);
        painter.restore();
    }
    if (painter.isActive()) painter.end();
    return completed;
}

}  // namespace billpay::gui
