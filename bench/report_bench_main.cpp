// Speed of the conversion report: preparing the report of a 100,000-payment
// bank file and showing its first page in the preview, then paging and
// zooming. Runs headless on the offscreen platform.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "aba/validation.h"
#include "aba_generator.h"
#include "app/dialog_box.h"
#include "bankfile/bank_file.h"
#include "bankfile/null_host.h"
#include "reports/prepared_report.h"
#include "reports/preview_area.h"
#include "reports/report_callers.h"
#include "reports/report_preview.h"
#include "util/clock.h"

namespace {

class BenchDialogs final : public billpay::gui::TDialogBox {
public:
    std::optional<QString> OpenFile(QWidget*, const billpay::gui::OpenFileRequest&) override { return {}; }
    std::optional<billpay::gui::SaveFileChoice> SaveFile(QWidget*, const billpay::gui::SaveFileRequest&,
                                                         const billpay::gui::CanCloseHook&) override {
        return {};
    }
    QString LastSaveFileName() const override { return {}; }
    void PrinterSetup(QWidget*) override {}
    QPrinter& Printer() override { return printer_; }

private:
    QPrinter printer_;
};

struct BankFile {
    billpay::TextLines lines;
    QString hashTotal;
};

// The MT9 diskette file (it carries a hash total) of a generated ABA file of
// `payments` payments, made once.
const BankFile& ConvertedFile(int payments) {
    static BankFile file;
    if (!file.lines.empty()) return file;
    billpay::testing::AbaGeneratorOptions options;
    options.details = payments;
    const std::string path = "/tmp/billpay-report-bench.aba";
    {
        std::ofstream out(path, std::ios::binary);
        out << billpay::testing::GenerateAbaFile(options);
    }
    const billpay::ValidationRun run = billpay::ValidateAbaFile(path, 'M').run;
    std::remove(path.c_str());
    billpay::NullHost host;
    billpay::TickingClock clock({2026, 12, 10}, {9, 30, 0, 0});
    billpay::TBankFile engine(host, clock);
    billpay::ConversionOptions conversion;
    conversion.DebitAccount = run.DebitAccount;
    conversion.BatchNo = "12";
    engine.CreateBankFile(run.lines, 'M', conversion, file.lines);
    file.hashTotal = QString::fromStdString(engine.Result().HashTotalText);
    return file;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The bytes the prepared pages' display lists take (runs and the owned
// texts of the header; the detail lines are views of the bank file).
double DisplayListMegabytes(const billpay::gui::PreparedReport& report) {
    double bytes = 0;
    for (const billpay::gui::PreparedPage& page : report.Pages()) {
        bytes += static_cast<double>(page.texts.capacity() * sizeof(billpay::gui::TextRun) +
                                     page.lines.capacity() * sizeof(billpay::gui::LineRun));
    }
    return bytes / (1024.0 * 1024.0);
}

// What the user waits for after "Print File": the report prepared and the
// preview's first page painted.
void BM_ConversionReportToFirstPage(benchmark::State& state) {
    const BankFile& file = ConvertedFile(static_cast<int>(state.range(0)));
    if (file.lines.empty()) state.SkipWithError("conversion failed");
    const double before = PeakMegabytes();
    BenchDialogs dialogs;
    dialogs.Printer().setPageSize(QPageSize(QPageSize::A4));
    int pages = 0;
    double displayList = 0;
    billpay::gui::SetPreviewHook([&](billpay::gui::PreparedReport& report) {
        pages = report.PageCount();
        displayList = DisplayListMegabytes(report);
        billpay::gui::TfrmPreview preview(report, dialogs);
        preview.setWindowState(Qt::WindowNoState);
        preview.resize(1280, 900);
        preview.show();
        QImage image(preview.q1rpreview->viewport()->size(), QImage::Format_RGB32);
        preview.q1rpreview->viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    });
    for (auto _ : state) {
        billpay::gui::PrintConversionReport(dialogs, file.lines, "National, ANZ PC Diskette(MT9)",
                                            file.hashTotal);
    }
    billpay::gui::SetPreviewHook({});
    state.counters["lines"] = static_cast<double>(file.lines.size());
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["peak_rise_MB"] = PeakMegabytes() - before;
    state.counters["display_list_MB"] = displayList;
}
BENCHMARK(BM_ConversionReportToFirstPage)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One step of paging or zooming in the preview of the same report: the page
// changed or the zoom set, and the visible page painted.
void BM_PreviewPageAndZoom(benchmark::State& state) {
    const BankFile& file = ConvertedFile(100000);
    BenchDialogs dialogs;
    dialogs.Printer().setPageSize(QPageSize(QPageSize::A4));
    const bool zoom = state.range(0) != 0;
    billpay::gui::SetPreviewHook([&](billpay::gui::PreparedReport& report) {
        billpay::gui::TfrmPreview preview(report, dialogs);
        preview.setWindowState(Qt::WindowNoState);
        preview.resize(1280, 900);
        preview.show();
        billpay::gui::TReportPreviewArea& area = *preview.q1rpreview;
        QImage image(area.viewport()->size(), QImage::Format_RGB32);
        int step = 0;
        for (auto _ : state) {
            ++step;
            if (zoom) {
                area.SetZoom(50 + (step % 150));
            } else {
                area.SetPageNumber(1 + (step * 37) % report.PageCount());
            }
            area.viewport()->render(&image);
            benchmark::DoNotOptimize(image.bits());
        }
    });
    billpay::gui::PrintConversionReport(dialogs, file.lines, "National, ANZ PC Diskette(MT9)",
                                        file.hashTotal);
    billpay::gui::SetPreviewHook({});
}
BENCHMARK(BM_PreviewPageAndZoom)->ArgName("zoom")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
