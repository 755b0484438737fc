#pragma once

#include <functional>

class QPrinter;

namespace billpay::gui {

class PreparedReport;

// Told before each page is printed (0-based) with the page count; returning
// false cancels the rest of the job.
using PrintProgress = std::function<bool(int pageIndex, int pageCount)>;

// Prints every prepared page on the printer in the report's orientation, each
// page at its paper size from the printable area's corner. The printer's
// orientation is restored afterwards. False when the printer could not be
// opened or the job was cancelled.
bool PrintPreparedReport(QPrinter& printer, const PreparedReport& report, const PrintProgress& progress = {});

}  // namespace billpay::gui
