#pragma once

#include <QString>

#include "reports/banded_report.h"
#include "reports/print_line_list.h"

namespace billpay::gui {

// The layout both printed reports share: a page header with the program's
// name, the report title, the run's date and time, the page number and the
// file or format line; one detail band per line to print; the end-of-report
// band and the hash-total band after the last line; the record-type legend as
// page footer. The form is never shown: it holds the report and feeds it.
// Positions and sizes are the form's pixels at 96 per inch (page units).
class TfrmReport {
public:
    TfrmReport();
    TfrmReport(const TfrmReport&) = delete;
    TfrmReport& operator=(const TfrmReport&) = delete;

    TBandedReport QuickReport;

    TReportBand* GenericPageHeader = nullptr;
    TReportLabel* AppName = nullptr;
    TReportSystemField* RptTitle = nullptr;
    TReportSystemField* rptDate = nullptr;
    TReportSystemField* rptPageNo = nullptr;
    TReportLabel* qlblFilename = nullptr;
    TReportShape* line = nullptr;

    TReportBand* Q1RBand1 = nullptr;
    TReportLabel* lblErrorText = nullptr;

    TReportBand* Q1RBand2 = nullptr;
    TReportShape* Q1RShape1 = nullptr;
    TReportLabel* Q1RLabel1 = nullptr;
    TReportShape* Q1RShape2 = nullptr;

    TReportBand* Q1RBand3 = nullptr;
    TReportShape* Q1RShape3 = nullptr;
    TReportLabel* lblLegendHeader = nullptr;
    TReportLabel* lblLegendDetail = nullptr;
    TReportLabel* lblLegendTrailer = nullptr;

    TReportBand* Q1RBand4 = nullptr;
    TReportLabel* lblHashTotal = nullptr;

    PrintLineList PrintLines;
    std::size_t LineCount = 0;
    std::size_t LineIndex = 0;
    QString HashTotalText;

    void QuickReportBeforePrint(bool& printReport);
    void QuickReportNeedData(bool& moreData);
    void AppNamePrint(QString& value);
    void lblHashTotalPrint(QString& value);
};

}  // namespace billpay::gui
