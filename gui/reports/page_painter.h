#pragma once

class QPainter;

namespace billpay::gui {

class PreparedReport;

// Paints one prepared page in page units: the caller sets the painter's
// transform (zoom on screen, resolution on a printer) and the page's origin.
void PaintPreparedPage(QPainter& painter, const PreparedReport& report, int pageIndex);

}  // namespace billpay::gui
