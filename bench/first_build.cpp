// The first build of all 86 pages in a fresh process (fonts, tables and definition bytes met
// for the first time), then the median of five copies of the definitions' bytes in the same
// process. Prints "first_build_ms" and "copy_ms"; run it several times for a spread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "DefinitionCopy.h"
#include "HeadlessCourse.h"

namespace {
double msSince(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}
}  // namespace

int main() {
  auto t0 = std::chrono::steady_clock::now();
  auto course = std::make_unique<apostila::bench::HeadlessCourse>();
  const double build = msSince(t0);
  course.reset();

  apostila::bench::DefinitionCopy copy;
  std::vector<double> copies;
  unsigned sink = 0;
  for (int i = 0; i < 5; ++i) {
    t0 = std::chrono::steady_clock::now();
    sink += copy.run();
    copies.push_back(msSince(t0));
  }
  std::sort(copies.begin(), copies.end());
  std::printf("first_build_ms %.3f\ncopy_ms %.3f\nsink %u\n", build, copies[2], sink);
  return 0;
}
