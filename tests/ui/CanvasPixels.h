// Test helper: a canvas compared pixel by pixel with a picture written as text, one character per
// pixel, each character standing for a colour.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ui/canvas/Canvas.h"

namespace apostila::ui::test {

using Palette = std::map<char, std::uint32_t>;

inline ::testing::AssertionResult pixelsAre(const Canvas& c, const std::vector<std::string>& rows, const Palette& p) {
  if (static_cast<int>(rows.size()) != c.height())
    return ::testing::AssertionFailure() << "picture has " << rows.size() << " rows, canvas " << c.height();
  std::string diff;
  bool same = true;
  for (int y = 0; y < c.height(); ++y) {
    std::string actual;
    for (int x = 0; x < c.width(); ++x) {
      char ch = '?';
      for (const auto& [k, v] : p)
        if (v == c.pixel(x, y)) ch = k;
      actual += ch;
    }
    if (actual != rows[static_cast<std::size_t>(y)]) same = false;
    diff += "  " + rows[static_cast<std::size_t>(y)] + "   " + actual + "\n";
  }
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected (left) and drawn (right):\n" << diff;
}

}  // namespace apostila::ui::test
