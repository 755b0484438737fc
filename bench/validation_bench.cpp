#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "aba/validation.h"
#include "aba_generator.h"

namespace {

// Reading (decoding and splitting) plus validation of a generated file, on
// `threads` threads (the command line uses every core; the desktop program,
// which steps a progress bar, one).
void ReadAndValidate(benchmark::State& state, unsigned threads) {
    billpay::testing::AbaGeneratorOptions options;
    options.details = static_cast<int>(state.range(0));
    const std::string path = "/tmp/billpay-bench-" + std::to_string(options.details) + ".aba";
    {
        std::ofstream out(path, std::ios::binary);
        out << billpay::testing::GenerateAbaFile(options);
    }
    for (auto _ : state) {
        auto outcome = billpay::ValidateAbaFile(path, 'A', billpay::CheckAccountDigits, nullptr, threads);
        if (!outcome.run.Validated()) state.SkipWithError("generated file did not validate");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::remove(path.c_str());
}
void BM_ReadAndValidate(benchmark::State& state) {
    ReadAndValidate(state, 1);
}
void BM_ReadAndValidateTwoThreads(benchmark::State& state) {
    ReadAndValidate(state, 2);
}

BENCHMARK(BM_ReadAndValidate)->Arg(1000)->Arg(100000)->Arg(999999)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndValidateTwoThreads)->Arg(999999)->Unit(benchmark::kMillisecond);

}  // namespace
