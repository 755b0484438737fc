#include "reports/report_form.h"

#include "app/app_title.h"
#include "reports/report_fonts.h"

namespace billpay::gui {
namespace {

constexpr double kRuleWidth = 742;

TReportLabel* AddLabel(TReportBand& band, double left, double top, const QFont& font, ReportText caption,
                       ReportAlignment alignment = ReportAlignment::Left) {
    TReportLabel* label = band.Add<TReportLabel>(left, top);
    label->Font = font;
    label->Caption = std::move(caption);
    label->Alignment = alignment;
    return label;
}

TReportSystemField* AddSystemField(TReportBand& band, double top, SystemData data, const QString& prefix,
                                   const QFont& font, ReportAlignment alignment) {
    TReportSystemField* field = band.Add<TReportSystemField>(0, top);
    field->Data = data;
    field->Prefix = prefix;
    field->Font = font;
    field->Alignment = alignment;
    return field;
}

TReportShape* AddRule(TReportBand& band, double top, ShapeKind shape = ShapeKind::HorizontalLine,
                      double height = 0) {
    TReportShape* rule = band.Add<TReportShape>(0, top);
    rule->Shape = shape;
    rule->Width = kRuleWidth;
    rule->Height = height;
    return rule;
}

}  // namespace

TfrmReport::TfrmReport() {
    const QFont formFont = ReportFont("Arial", 11);
    const QFont headingFont = ReportFont("Arial", 16, true);
    const QFont fixedBold = ReportFont("Courier New", 11, true);
    const QFont fixed = ReportFont("Courier New", 11);

    QuickReport.Margins.setLeft(0);
    QuickReport.BeforePrint = [this](bool& printReport) { QuickReportBeforePrint(printReport); };
    QuickReport.OnNeedData = [this](bool& moreData) { QuickReportNeedData(moreData); };

    GenericPageHeader = QuickReport.AddBand(BandKind::PageHeader, 97);
    AppName = AddLabel(*GenericPageHeader, 0, 12, headingFont, QString(), ReportAlignment::Centre);
    AppName->OnPrint = [this](QString& value) { AppNamePrint(value); };
    RptTitle = AddSystemField(*GenericPageHeader, 43, SystemData::ReportTitle, QString(), headingFont,
                              ReportAlignment::Centre);
    rptDate = AddSystemField(*GenericPageHeader, 46, SystemData::DateTime, QStringLiteral("Date Run: "),
                             fixedBold, ReportAlignment::Left);
    rptPageNo = AddSystemField(*GenericPageHeader, 46, SystemData::PageNumber, QStringLiteral("Page: "),
                               fixedBold, ReportAlignment::Right);
    qlblFilename = AddLabel(*GenericPageHeader, 0, 72, formFont, QString(), ReportAlignment::Centre);
    line = AddRule(*GenericPageHeader, 92);

    Q1RBand1 = QuickReport.AddBand(BandKind::Detail, 24);
    lblErrorText = AddLabel(*Q1RBand1, 0, 4, fixed, QString());
    lblErrorText->AutoSize = false;
    lblErrorText->Width = kRuleWidth;

    Q1RBand2 = QuickReport.AddBand(BandKind::Summary, 32);
    Q1RShape1 = AddRule(*Q1RBand2, 5, ShapeKind::TopAndBottomLines, 20);
    Q1RLabel1 = AddLabel(*Q1RBand2, 0, 8, formFont, QStringLiteral("***  END OF REPORT  ***"),
                         ReportAlignment::Centre);
    Q1RShape2 = AddRule(*Q1RBand2, 27);

    Q1RBand3 = QuickReport.AddBand(BandKind::PageFooter, 40);
    Q1RShape3 = AddRule(*Q1RBand3, 5);
    lblLegendHeader = AddLabel(*Q1RBand3, 0, 15, formFont, QStringLiteral("(HDR) = Header Record"));
    lblLegendDetail = AddLabel(*Q1RBand3, 136, 15, formFont, QStringLiteral("(DTL) = Detail Record"));
    lblLegendTrailer = AddLabel(*Q1RBand3, 260, 15, formFont, QStringLiteral("(TRL) = Trailer Record"));

    Q1RBand4 = QuickReport.AddBand(BandKind::Summary, 32);
    lblHashTotal = AddLabel(*Q1RBand4, 0, 12, fixed, QString());
    lblHashTotal->OnPrint = [this](QString& value) { lblHashTotalPrint(value); };
}

void TfrmReport::QuickReportBeforePrint(bool& printReport) {
    LineCount = PrintLines.Count();
    printReport = LineCount > 0;
    LineIndex = 0;
    Q1RBand4->Enabled = !HashTotalText.isEmpty();
}

void TfrmReport::QuickReportNeedData(bool& moreData) {
    moreData = LineIndex < LineCount;
    if (moreData) {
        lblErrorText->Caption = PrintLines.Line(LineIndex);
        ++LineIndex;
    }
}

void TfrmReport::AppNamePrint(QString& value) {
    value = kApplicationTitle.toUpper();
}

void TfrmReport::lblHashTotalPrint(QString& value) {
    value = QStringLiteral("HASH TOTAL: ") + HashTotalText;
}

}  // namespace billpay::gui
