// Helpers for the element painting tests: bitmaps written as text (one character per pixel),
// a small page to put elements on, and a whole-canvas comparison that reports where two
// canvases differ.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "content/Bitmap.h"
#include "ui/Container.h"
#include "ui/Form.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::testing {

using Rgb = std::uint32_t;
using ColorKey = std::map<char, Rgb>;

// The 3-D colours of the scheme, as drawn.
inline const Rgb kFace = ui::toRgb(ui::clBtnFace), kHighlight = ui::toRgb(ui::clBtnHighlight),
                 kShadow = ui::toRgb(ui::clBtnShadow);

// A 24-bit BMP file of the picture, rows listed top first.
inline std::vector<std::uint8_t> bmpFileOf(const std::vector<std::string>& rows, const ColorKey& key) {
  const int w = static_cast<int>(rows.at(0).size()), h = static_cast<int>(rows.size());
  const int stride = (w * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> f(54 + static_cast<std::size_t>(stride * h), 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  f[0] = 'B', f[1] = 'M';
  put32(2, static_cast<std::uint32_t>(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  f[26] = 1, f[28] = 24;
  for (int y = 0; y < h; ++y) {
    // Bottom row first.
    const std::string& row = rows[static_cast<std::size_t>(h - 1 - y)];
    for (int x = 0; x < w; ++x) {
      const Rgb c = key.at(row[static_cast<std::size_t>(x)]);
      std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
      f[at] = c & 0xFF, f[at + 1] = (c >> 8) & 0xFF, f[at + 2] = (c >> 16) & 0xFF;
    }
  }
  return f;
}

// That file decoded, the file kept alive for the whole test run because a decoded bitmap reads
// its pixels from the file's bytes.
inline content::Bitmap bitmapOf(const std::vector<std::string>& rows, const ColorKey& key) {
  static std::deque<std::vector<std::uint8_t>> files;
  files.push_back(bmpFileOf(rows, key));
  return content::Bitmap::decode(files.back());
}

// Every pixel of actual against expected; on a difference, how many and the first few.
inline ::testing::AssertionResult sameCanvas(const ui::Canvas& actual, const ui::Canvas& expected) {
  if (actual.width() != expected.width() || actual.height() != expected.height())
    return ::testing::AssertionFailure() << "sizes differ";
  int count = 0;
  std::string where;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (actual.pixel(x, y) != expected.pixel(x, y) && ++count <= 5) {
        char buf[96];
        std::snprintf(buf, sizeof buf, " (%d,%d) drawn %06X, expected %06X;", x, y, actual.pixel(x, y),
                      expected.pixel(x, y));
        where += buf;
      }
  if (count == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << count << " pixels differ:" << where;
}

// A page without a window to hold elements, measured by the embedded fonts as on screen.
struct PaintPage {
  PaintPage() {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    form.setVisible(true);
  }
  template <class T>
  T* add(ui::Container* parent, const ui::Bounds& bounds) {
    auto* e = new T(&form);
    e->setParent(parent ? parent : &form);
    e->setBounds(bounds);
    return e;
  }
  // The page's client area as the window layer paints it, at a device scale: width x height
  // page pixels, scale times as many in each direction in the canvas.
  ui::Canvas paint(int width, int height, int scale = 1) {
    form.setBounds({0, 0, width, height});
    ui::Canvas c(width * scale, height * scale, 0xFF00FF, scale);
    form.paintTree(c);
    return c;
  }
  ui::Form form{nullptr};
};

}  // namespace apostila::testing
