// The shared bias-circuit drawings: every combination of base network, transistor type,
// resistors and current marks is laid out inside the box it is given (pages place a circuit
// beside equations in one picture, so ink outside the box would run into them), with the
// transistor where its type puts it; a box too small for the circuit is refused, not overdrawn.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"

namespace apostila {
namespace {

using figures::BiasCircuitDrawings;
using figures::Drawing;
using Base = BiasCircuitDrawings::Base;

TEST(BiasCircuitDrawings, EveryVariantStaysInsideItsBox) {
  const BiasCircuitDrawings::Values values{.vcc = "12 V", .rb = "470 kΩ", .rb1 = "22 kΩ", .rb2 = "4,7 kΩ",
                                           .rc = "2,2 kΩ", .re = "1 kΩ", .vth = "2,11 V", .rth = "3,87 kΩ",
                                           .beta = "200"};
  const double margin = 30;
  const BiasCircuitDrawings::Box box{margin, margin, 240, 250};
  for (Base base : {Base::Fixed, Base::Divider, Base::CollectorFeedback, Base::Thevenin})
    for (int variant = 0; variant < 16; ++variant) {
      BiasCircuitDrawings::Circuit c;
      c.base = base;
      c.pnp = variant & 1;
      c.rc = variant & 2;
      c.re = variant & 4;
      c.currents = variant & 8;
      c.values = values;
      SCOPED_TRACE("base " + std::to_string(static_cast<int>(base)) + ", variant " + std::to_string(variant));
      Drawing d(static_cast<int>(box.width + 2 * margin), static_cast<int>(box.height + 2 * margin));
      const auto at = BiasCircuitDrawings::draw(d, c, box);
      const figures::RgbImage img = d.image();
      int outside = 0;
      for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
          const bool in = x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
          if (!in && img.pixels[static_cast<std::size_t>(y * img.width + x)] != 0xFFFFFFu) ++outside;
        }
      EXPECT_EQ(outside, 0);
      // The base network to the left of the transistor; the NPN's collector up, the PNP's emitter.
      EXPECT_LT(at.baseColumnX, at.base.x);
      EXPECT_LT(at.base.x, at.collector.x);
      EXPECT_EQ(c.pnp, at.emitter.y < at.collector.y);
      EXPECT_LT(at.supplyY, at.base.y);
      EXPECT_LT(at.base.y, at.groundY);
    }
}

TEST(BiasCircuitDrawings, ABoxTooSmallIsRefused) {
  BiasCircuitDrawings::Circuit c;
  c.base = Base::Divider;
  c.re = true;
  c.currents = true;
  c.values.rc = "2,2 kΩ";
  Drawing d(400, 400);
  EXPECT_THROW(BiasCircuitDrawings::draw(d, c, {0, 0, 240, 120}), std::invalid_argument);  // too low
  EXPECT_THROW(BiasCircuitDrawings::draw(d, c, {0, 0, 120, 300}), std::invalid_argument);  // too narrow
  EXPECT_NO_THROW(BiasCircuitDrawings::draw(d, c, {0, 0, 240, 300}));
}

}  // namespace
}  // namespace apostila
