// A transition onto the heaviest theory page, timed from the release of the button that leads
// there to the target page painted and presented on the headless desktop: its first visit (a
// course built afresh for each one) and a later visit. Each repetition is one transition, so
// the statistics are those of single transitions: median and 99th percentile.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "HeadlessCourse.h"

namespace {

using apostila::bench::HeadlessCourse;

double percentile99(const std::vector<double>& v) {
  if (v.empty()) return 0;
  std::vector<double> s(v);
  std::sort(s.begin(), s.end());
  const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(s.size())));
  return s[std::max<std::size_t>(rank, 1) - 1];
}

void FirstVisitOfTheHeaviestTheoryPage(benchmark::State& state) {
  const int target = apostila::bench::heaviestTheoryPage();
  for (auto _ : state) {
    state.PauseTiming();
    {
      auto course = std::make_unique<HeadlessCourse>();
      course->start();
      course->pressTheButtonLeadingTo(0, target);
      state.ResumeTiming();
      course->release();
      state.PauseTiming();
      if (!apostila::app::page(target)->visible()) state.SkipWithError("the click did not lead to the page");
    }
    state.ResumeTiming();
  }
  state.SetLabel("Form" + std::to_string(target));
}
BENCHMARK(FirstVisitOfTheHeaviestTheoryPage)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);

void LaterVisitOfTheHeaviestTheoryPage(benchmark::State& state) {
  static HeadlessCourse* course = [] {
    auto* c = new HeadlessCourse;  // kept for every repetition: the pages stay built
    c->start();
    return c;
  }();
  const int target = apostila::bench::heaviestTheoryPage();
  for (auto _ : state) {
    state.PauseTiming();
    course->transition(0, target);  // shown once before every timed visit
    course->pressTheButtonLeadingTo(target, target);
    state.ResumeTiming();
    course->release();
    state.PauseTiming();
    if (!apostila::app::page(target)->visible()) state.SkipWithError("the click did not lead to the page");
    course->transition(target, 0);
    state.ResumeTiming();
  }
  state.SetLabel("Form" + std::to_string(target));
}
BENCHMARK(LaterVisitOfTheHeaviestTheoryPage)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1000)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
