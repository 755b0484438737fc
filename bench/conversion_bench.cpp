#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "aba/validation.h"
#include "aba_generator.h"
#include "bankfile/bank_file.h"
#include "bankfile/null_host.h"
#include "util/clock.h"

namespace {

// The validated lines of a generated file of `details` payments, made once.
const billpay::ValidationRun& Validated(int details) {
    static std::map<int, billpay::ValidationRun> runs;
    auto it = runs.find(details);
    if (it == runs.end()) {
        billpay::testing::AbaGeneratorOptions options;
        options.details = details;
        const std::string path = "/tmp/billpay-convert-bench.aba";
        {
            std::ofstream out(path, std::ios::binary);
            out << billpay::testing::GenerateAbaFile(options);
        }
        it = runs.emplace(details, billpay::ValidateAbaFile(path, 'A').run).first;
        std::remove(path.c_str());
    }
    return it->second;
}

// Conversion alone (validation done beforehand) of one format.
void Convert(benchmark::State& state, char code) {
    const billpay::ValidationRun& run = Validated(static_cast<int>(state.range(0)));
    if (!run.Validated()) state.SkipWithError("generated file did not validate");
    billpay::NullHost host;
    billpay::TickingClock clock({2026, 12, 10}, {9, 30, 0, 0});
    billpay::ConversionOptions options;
    options.DebitAccount = run.DebitAccount;
    options.BatchNo = "12";
    for (auto _ : state) {
        billpay::TBankFile engine(host, clock);
        billpay::TextLines out;
        if (!engine.CreateBankFile(run.lines, code, options, out)) state.SkipWithError("conversion failed");
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ConvertFixedWidthA(benchmark::State& state) {
    Convert(state, 'A');
}
void BM_ConvertDelimitedG(benchmark::State& state) {
    Convert(state, 'G');
}
void BM_ConvertTwoPassJ(benchmark::State& state) {
    Convert(state, 'J');
}

BENCHMARK(BM_ConvertFixedWidthA)->Arg(999999)->Unit(benchmark::kMillisecond);
// GIFTS carries the payment count in five digits, so 99,999 is the most a G file holds.
BENCHMARK(BM_ConvertDelimitedG)->Arg(99999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertTwoPassJ)->Arg(999999)->Unit(benchmark::kMillisecond);

}  // namespace
