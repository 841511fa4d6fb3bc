// How long the course takes to come up and to move between pages, on the headless desktop
// with this build's definitions: building all 86 pages, showing a page the first time, and a
// transition between two pages already built.
#include <benchmark/benchmark.h>

#include "CourseFixture.h"

namespace {

using apostila::testing::Course;

void BuildAllPages(benchmark::State& state) {
  for (auto _ : state) {
    Course course;
    benchmark::DoNotOptimize(course.app->forms().size());
  }
}
BENCHMARK(BuildAllPages)->Unit(benchmark::kMillisecond);

void StartAndShowTheStartPage(benchmark::State& state) {
  for (auto _ : state) {
    Course course;
    course.start();
  }
}
BENCHMARK(StartAndShowTheStartPage)->Unit(benchmark::kMillisecond);

void TransitionBetweenTwoTheoryPages(benchmark::State& state) {
  Course course;
  course.start();
  auto* a = apostila::app::Form5;
  auto* b = apostila::app::Form6;
  a->show();
  b->show();  // both windows exist now
  course.app->processPending();
  bool forward = true;
  for (auto _ : state) {
    apostila::pages::Page* from = forward ? static_cast<apostila::pages::Page*>(a) : b;
    from->transitionTo(forward ? static_cast<apostila::ui::Form*>(b) : a);
    course.app->processPending();
    forward = !forward;
  }
}
BENCHMARK(TransitionBetweenTwoTheoryPages)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
