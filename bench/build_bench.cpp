// Building all 86 pages from their definitions, in-process on the headless desktop, next to a
// copy of the definitions' bytes in the same run (the first build of a fresh process is
// measured by bench_first_build).
#include <benchmark/benchmark.h>

#include <memory>

#include "DefinitionCopy.h"
#include "HeadlessCourse.h"

namespace {

void BuildAllPages(benchmark::State& state) {
  for (auto _ : state) {
    auto course = std::make_unique<apostila::bench::HeadlessCourse>();
    benchmark::DoNotOptimize(course->app->forms().size());
    state.PauseTiming();
    course.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BuildAllPages)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void CopyTheDefinitions(benchmark::State& state) {
  apostila::bench::DefinitionCopy copy;
  for (auto _ : state) benchmark::DoNotOptimize(copy.run());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(apostila::bench::definitionBytes()));
}
BENCHMARK(CopyTheDefinitions)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
