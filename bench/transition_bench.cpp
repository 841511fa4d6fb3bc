// A transition onto the heaviest theory page, timed from the release of the button that leads
// there to the target page painted and presented on the headless desktop: its first visit (a
// course built afresh for each one) and a later visit, on a 96-dpi screen and on one of device
// scale 2. Each repetition is one transition, so the statistics are those of single
// transitions: median and 99th percentile.
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

void firstVisit(benchmark::State& state, int scale) {
  const int target = apostila::bench::heaviestTheoryPage();
  for (auto _ : state) {
    state.PauseTiming();
    {
      auto course = std::make_unique<HeadlessCourse>(scale);
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

void laterVisit(benchmark::State& state, HeadlessCourse& course) {
  const int target = apostila::bench::heaviestTheoryPage();
  for (auto _ : state) {
    state.PauseTiming();
    course.transition(0, target);  // shown once before every timed visit
    course.pressTheButtonLeadingTo(target, target);
    state.ResumeTiming();
    course.release();
    state.PauseTiming();
    if (!apostila::app::page(target)->visible()) state.SkipWithError("the click did not lead to the page");
    course.transition(target, 0);
    state.ResumeTiming();
  }
  state.SetLabel("Form" + std::to_string(target));
}

// One course for every repetition of a later visit: the pages stay built. The page registry is
// the program's, so one course at a time: a scale's course is made when its benchmark starts,
// after the other's is let go. The last one is kept to the end, as the program keeps its pages.
HeadlessCourse& courseAt(int scale) {
  static HeadlessCourse* course = nullptr;
  static int made = 0;
  if (made != scale) {
    delete course;
    course = new HeadlessCourse(scale);
    course->start();
    made = scale;
  }
  return *course;
}

void FirstVisitOfTheHeaviestTheoryPage(benchmark::State& state) { firstVisit(state, 1); }
void LaterVisitOfTheHeaviestTheoryPage(benchmark::State& state) { laterVisit(state, courseAt(1)); }
void FirstVisitOfTheHeaviestTheoryPageAtScale2(benchmark::State& state) { firstVisit(state, 2); }
void LaterVisitOfTheHeaviestTheoryPageAtScale2(benchmark::State& state) { laterVisit(state, courseAt(2)); }

BENCHMARK(FirstVisitOfTheHeaviestTheoryPage)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);
BENCHMARK(FirstVisitOfTheHeaviestTheoryPageAtScale2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(100)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);
BENCHMARK(LaterVisitOfTheHeaviestTheoryPage)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1000)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);
BENCHMARK(LaterVisitOfTheHeaviestTheoryPageAtScale2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1000)
    ->ComputeStatistics("p99", percentile99)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
