// The desktop program's speed: start-up to the shown main window, and a
// validation through the window whose every line is in error, so that the
// results memo fills with a hundred thousand lines. Headless on the
// offscreen platform unless the environment names another.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "aba_generator.h"
#include "app/main_window.h"
#include "app/native_settings.h"
#include "app/qt_dialog_box.h"
#include "app/splash_window.h"
#include "app/window_conversion_host.h"
#include "bankfile/bank_file.h"
#include "fake_dialogs.h"
#include "memory_settings.h"
#include "util/clock.h"

namespace {

using namespace billpay;
using namespace billpay::gui;
using namespace billpay::gui::testing;

// What start-up creates before the main window.
struct Services {
    MemorySettings settings;
    FakeDialogBox dialogs;
    RecordingMessageBoxes messages;
    TWindowConversionHost host;
    SystemClock clock;
    TBankFile bankFile{host, clock};

    std::unique_ptr<TfrmMain> CreateWindow() {
        return std::make_unique<TfrmMain>(
            MainWindowServices{settings, dialogs, messages, bankFile, host, [](QWidget*) {}, {}});
    }
};

void BM_StartUpToShownMainWindow(benchmark::State& state) {
    Services services;
    for (auto _ : state) {
        std::unique_ptr<TfrmMain> window = services.CreateWindow();
        window->ShowFirstPage();
        window->show();
        window->FormShow();
        QCoreApplication::processEvents();  // the first paint
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

// The same with what the program itself creates first: the splash window
// (shown and painted, its one second not waited for), the user's settings
// store (only read here) and the Qt dialog module with its printer.
void BM_StartUpWithTheProgramsOwnServices(benchmark::State& state) {
    for (auto _ : state) {
        NativeSettings settings;
        const std::unique_ptr<TfrmSplash> splash = ShowSplash();
        QtDialogBox dialogs;
        RecordingMessageBoxes messages;
        TWindowConversionHost host;
        SystemClock clock;
        TBankFile bankFile(host, clock);
        auto window = std::make_unique<TfrmMain>(
            MainWindowServices{settings, dialogs, messages, bankFile, host, [](QWidget*) {}, {}});
        window->ShowFirstPage();
        window->show();
        window->FormShow();
        splash->BringToFront();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWithTheProgramsOwnServices)->Unit(benchmark::kMillisecond);

// An ABA file of `details` payments, each with a transaction code that is not
// "50" or "53", so that every detail line yields one result line.
std::string AbaFileWithEveryDetailInError(int details) {
    std::string text = billpay::testing::AbaHeaderRecord("091226") + "\r\n";
    const std::string detail = billpay::testing::AbaDetailRecord("123113012345700", 1000, "J SMITH", "WAGES",
                                                                 "123113012345700", "ACME LTD", "99");
    text.reserve(static_cast<std::size_t>(details + 2) * (detail.size() + 2));
    for (int i = 0; i < details; ++i) text += detail + "\r\n";
    text += billpay::testing::AbaTrailerRecord(1000LL * details, 1000LL * details, 0, details) + "\r\n";
    return text;
}

void BM_ValidateThroughTheWindowEveryLineInError(benchmark::State& state) {
    const int details = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath("errors.aba");
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary)
        << AbaFileWithEveryDetailInError(details);

    Services services;
    std::unique_ptr<TfrmMain> window = services.CreateWindow();
    window->show();
    window->SelectAbaFile(path);
    for (auto _ : state) {
        window->actValidateExecute();
        QCoreApplication::processEvents();  // the memo laid out and painted
    }
    if (window->ValidationErrors().size() < static_cast<std::size_t>(details))
        state.SkipWithError("not every detail line was reported");
    state.counters["memo_lines"] = static_cast<double>(window->ValMemo->blockCount());
}
BENCHMARK(BM_ValidateThroughTheWindowEveryLineInError)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto before = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    const auto after = std::chrono::steady_clock::now();
    std::printf("QApplication created in %.1f ms\n",
                std::chrono::duration<double, std::milli>(after - before).count());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
