// The bias circuits of a single supply, drawn one way everywhere: the base fed by RB from the
// supply (fixed base current, with or without RE), by the divider RB1–RB2, by RB from the
// collector (collector feedback), or by the divider's Thévenin equivalent VTH–RTH; RC and RE
// present or not; NPN or PNP; the currents IB, IC and IE marked or not.
//
//   BiasCircuitDrawings::Circuit c;
//   c.base = BiasCircuitDrawings::Base::Divider;
//   c.re = true;
//   c.currents = true;
//   c.values = {.vcc = val("t24.vcc"), .rb1 = val("t24.rb1"), .rb2 = val("t24.rb2"),
//               .rc = val("t24.rc"), .re = val("t24.re"), .beta = val("t24.beta")};
//   list.add("t24-divisor.bmp", [c] { return BiasCircuitDrawings::bmp(193, 241, c); });
//
//   // or inside a larger picture, in a box of it, with marks of one's own afterwards:
//   Drawing d(540, 250);
//   auto at = BiasCircuitDrawings::draw(d, c, {0, 0, 200, 250});
//   d.text().draw({at.emitter.x + 10, at.emitter.y}, "V_E");
//
// Layout: the supply terminal on top, ground at the foot, the base column on the left and the
// transistor's column on the right with RC and RE lettered to its right. The NPN has its
// collector up; the PNP (same positive supply) has its emitter up, so RE hangs from the supply
// and RC goes to ground, and RB of fixed bias goes from the base to ground. An empty value
// letters the part by its name only; an empty β is not written. Every part's name is set with
// its subscript (RB, RB1, VTH ...). Sizes from about 180 x 160 upwards fit; values take two
// lines beside a part, so a circuit with values wants about 240 px of height.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Drawing.h"
#include "model/BiasCircuit.h"

namespace apostila::figures {

class BiasCircuitDrawings {
 public:
  enum class Base {
    Fixed,              // RB from the supply (for the PNP: from ground) to the base
    Divider,            // RB1 from the supply to the base, RB2 from the base to ground
    CollectorFeedback,  // RB from the collector to the base
    Thevenin,           // the divider replaced by VTH in series with RTH
  };

  // The texts set beside the parts, usually named values ("2,2 kΩ"); empty: name only.
  struct Values {
    std::string vcc{}, rb{}, rb1{}, rb2{}, rc{}, re{}, vth{}, rth{}, beta{};
  };

  struct Circuit {
    Base base = Base::Fixed;
    bool pnp = false;
    bool rc = true;  // without it the collector (NPN) or emitter (PNP) side is a plain wire
    bool re = false;
    bool currents = false;  // IB, IC, IE in their conventional directions
    Values values;
  };

  // The drawing of a circuit as the course declares it (BiasCircuit.h): its base network, its
  // polarity and whether it has RE; lettered by names only until values are set.
  static Circuit of(const BiasCircuit& c);
  // The same, each part present lettered with the course's named value of it: prefix + ".vcc",
  // ".rb" (".rb1" and ".rb2" for a divider), ".rc", ".re" and, unless left out, ".beta".
  enum class Beta { Shown, Left };
  static Circuit lettered(const BiasCircuit& c, const std::string& prefix, Beta beta = Beta::Shown);

  // Where the circuit goes inside a picture.
  struct Box {
    double x = 0, y = 0, width = 0, height = 0;
  };

  // Points of the drawn circuit, for marks a figure adds of its own.
  struct Layout {
    Pt base;          // the transistor's base terminal
    Pt collector;     // its collector and emitter terminals
    Pt emitter;
    double supplyY;   // the top rail (or the supply terminal's foot)
    double groundY;   // the foot line
    double baseColumnX, transistorColumnX;
  };

  // Draws into the whole picture, or into box; throws std::invalid_argument for a box too small.
  static Layout draw(Drawing& d, const Circuit& c);
  static Layout draw(Drawing& d, const Circuit& c, Box box);
  // The circuit in words, for a learner who cannot see it: its kind, each part with the value it
  // is lettered with, how the parts are connected and the currents marked. "Circuito de
  // polarização fixa: VCC = 12 V, RB = 470 kΩ, …". A figure that adds marks of its own adds
  // their words after it.
  static std::string describe(const Circuit& c);
  // A picture of exactly width x height holding the circuit alone.
  static std::vector<std::uint8_t> bmp(int width, int height, const Circuit& c);
};

}  // namespace apostila::figures
