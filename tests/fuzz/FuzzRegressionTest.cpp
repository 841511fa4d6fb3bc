// Replays every input a fuzz campaign found something with, through the same check the fuzz
// target ran: each must now be handled soundly (read or refused with the reader's error). The
// inputs live in regressions/<target>/, one file each, named for what they found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <vector>

#include "FuzzChecks.h"

namespace {

namespace fs = std::filesystem;
using Check = void (*)(std::span<const std::uint8_t>);

struct Target {
  const char* name;
  Check check;
};

void PrintTo(const Target& t, std::ostream* os) { *os << t.name; }

class FuzzRegression : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzRegression, EveryKeptInputIsHandled) {
  const fs::path dir = fs::path(APOSTILA_FUZZ_REGRESSIONS) / GetParam().name;
  std::vector<fs::path> inputs;
  if (fs::is_directory(dir))
    for (const auto& e : fs::directory_iterator(dir))
      if (e.is_regular_file()) inputs.push_back(e.path());
  if (inputs.empty()) GTEST_SKIP() << "no input kept for " << GetParam().name;
  for (const fs::path& p : inputs) {
    SCOPED_TRACE(p.filename().string());
    std::ifstream in(p, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NO_THROW(GetParam().check(bytes));
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression,
                         ::testing::Values(Target{"bitmap", apostila::fuzz::checkBitmap},
                                           Target{"definition", apostila::fuzz::checkDefinition},
                                           Target{"page_source", apostila::fuzz::checkPageSource}),
                         [](const auto& target) { return std::string(target.param.name); });

}  // namespace
