#include "reports/banded_report.h"

#include <QLocale>

#include "reports/band_canvas.h"

namespace billpay::gui {
namespace {

std::vector<TReportBand*> EnabledBands(const std::vector<std::unique_ptr<TReportBand>>& bands,
                                       BandKind kind) {
    std::vector<TReportBand*> out;
    for (const auto& band : bands) {
        if (band->Kind == kind && band->Enabled) out.push_back(band.get());
    }
    return out;
}

// Lays bands out from the top of the page down and breaks pages: each page
// opens with the page headers and closes with the page footers at its foot.
class PageFlow {
public:
    PageFlow(PreparedReport& out, const ReportRunInfo& run, const QMarginsF& margins,
             std::vector<TReportBand*> headers, std::vector<TReportBand*> footers)
        : out_(out), measures_(out), run_(run), headers_(std::move(headers)), footers_(std::move(footers)) {
        const QSizeF size = out.PageSize();
        left_ = margins.left();
        top_ = margins.top();
        width_ = size.width() - margins.left() - margins.right();
        double footerHeight = 0;
        for (const TReportBand* band : footers_) footerHeight += band->Height;
        footerTop_ = size.height() - margins.bottom() - footerHeight;
    }

    // Prints the band below the last one, on a new page when it does not fit
    // on this one. A band too high for an empty page is printed all the same
    // rather than breaking pages for ever.
    void Place(TReportBand& band) {
        if (page_ == nullptr) StartPage();
        if (y_ + band.Height > footerTop_ && y_ > bodyTop_) {
            FinishPage();
            StartPage();
        }
        PrintAt(band, y_);
        y_ += band.Height;
    }

    void Finish() {
        if (page_ == nullptr) StartPage();
        FinishPage();
    }

private:
    void StartPage() {
        page_ = &out_.AddPage();
        y_ = top_;
        for (TReportBand* band : headers_) {
            PrintAt(*band, y_);
            y_ += band->Height;
        }
        bodyTop_ = y_;
    }

    void FinishPage() {
        double y = footerTop_;
        for (TReportBand* band : footers_) {
            PrintAt(*band, y);
            y += band->Height;
        }
    }

    void PrintAt(TReportBand& band, double y) {
        BandCanvas canvas(*page_, measures_, run_, QPointF(left_, y), width_, out_.PageCount());
        band.Print(canvas);
    }

    PreparedReport& out_;
    FontMeasures measures_;
    const ReportRunInfo& run_;
    std::vector<TReportBand*> headers_;
    std::vector<TReportBand*> footers_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double footerTop_ = 0;
    PreparedPage* page_ = nullptr;
    double y_ = 0;
    double bodyTop_ = 0;
};

// Units per inch of the units a paper size can be defined in.
double UnitsPerInch(QPageSize::Unit unit) {
    switch (unit) {
        case QPageSize::Millimeter:
            return 25.4;
        case QPageSize::Point:
            return 72.0;
        case QPageSize::Inch:
            return 1.0;
        case QPageSize::Pica:
            return 6.0;
        case QPageSize::Didot:
            return 67.54;
        case QPageSize::Cicero:
            return 5.628;
    }
    return 72.0;
}

}  // namespace

// From the size the paper is defined in: the sizes in other units are rounded
// (A4 comes out 11.69 inches high rather than 11.693).
QSizeF PaperSizeInPageUnits(const QPageSize& paper, QPageLayout::Orientation orientation) {
    const QSizeF defined = paper.isValid() ? paper.definitionSize() : QSizeF(210, 297);
    const double perInch = paper.isValid() ? UnitsPerInch(paper.definitionUnits()) : 25.4;
    QSizeF size(defined.width() / perInch * kPageUnitsPerInch,
                defined.height() / perInch * kPageUnitsPerInch);
    if (orientation == QPageLayout::Landscape) size.transpose();
    return size;
}

QString ReportDateTimeText(const QDateTime& when) {
    return when.date().toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') +
           QLocale().toString(when.time(), QLocale::ShortFormat);
}

TReportBand* TBandedReport::AddBand(BandKind kind, double height) {
    bands_.push_back(std::make_unique<TReportBand>(kind, height));
    return bands_.back().get();
}

std::optional<PreparedReport> TBandedReport::Prepare() {
    bool printReport = true;
    if (BeforePrint) BeforePrint(printReport);
    if (!printReport) return std::nullopt;

    PreparedReport out;
    out.SetTitle(ReportTitle);
    out.SetPaper(PaperSizeInPageUnits(Paper, Orientation), Orientation);
    const ReportRunInfo run{ReportTitle, ReportDateTimeText(Clock ? Clock() : QDateTime::currentDateTime())};

    PageFlow flow(out, run, Margins, EnabledBands(bands_, BandKind::PageHeader),
                  EnabledBands(bands_, BandKind::PageFooter));
    const std::vector<TReportBand*> details = EnabledBands(bands_, BandKind::Detail);
    if (OnNeedData) {
        for (;;) {
            bool moreData = false;
            OnNeedData(moreData);
            if (!moreData) break;
            for (TReportBand* band : details) flow.Place(*band);
        }
    }
    for (TReportBand* band : EnabledBands(bands_, BandKind::Summary)) flow.Place(*band);
    flow.Finish();
    return out;
}

void TBandedReport::Preview(const std::function<void(PreparedReport&)>& show) {
    std::optional<PreparedReport> prepared = Prepare();
    if (prepared && show) show(*prepared);
}

}  // namespace billpay::gui
