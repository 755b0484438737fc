#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "aba/validation.h"
#include "aba_generator.h"

namespace {

// Reading (decoding and splitting) plus validation of a generated file.
void BM_ReadAndValidate(benchmark::State& state) {
    billpay::testing::AbaGeneratorOptions options;
    options.details = static_cast<int>(state.range(0));
    const std::string path = "/tmp/billpay-bench-" + std::to_string(options.details) + ".aba";
    {
        std::ofstream out(path, std::ios::binary);
        out << billpay::testing::GenerateAbaFile(options);
    }
    for (auto _ : state) {
        auto outcome = billpay::ValidateAbaFile(path, 'A');
        if (!outcome.run.Validated()) state.SkipWithError("generated file did not validate");
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadAndValidate)->Arg(1000)->Arg(100000)->Arg(999999)->Unit(benchmark::kMillisecond);

}  // namespace
