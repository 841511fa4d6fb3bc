// Peak memory of the course on the headless desktop: the pages built, the start page shown,
// then every page visited once through the pages' own transition, in creation order. Prints
// the resident set after start-up and its peak after the tour, and the native windows there
// were after start-up, one line of "key value" each.
#include <cstdio>

#include "HeadlessCourse.h"

int main() {
  using namespace apostila;
  bench::HeadlessCourse course;
  course.start();
  int pageWindows = 0;
  for (platform::WindowId id : course.desktop.windows())
    pageWindows += course.desktop.kind(id) == platform::WindowKind::Page;
  const bench::Resident started = bench::resident();
  int current = 0;
  for (int next = 1; next < app::kPageCount; ++next) {
    course.transition(current, next);
    current = next;
  }
  course.transition(current, 0);
  const bench::Resident toured = bench::resident();
  std::printf("page_windows_after_startup %d\n", pageWindows);
  std::printf("rss_after_startup_kb %ld\n", started.nowKb);
  std::printf("peak_rss_after_tour_kb %ld\n", toured.peakKb);
  std::printf("definition_bytes %zu\n", bench::definitionBytes());
  return 0;
}
