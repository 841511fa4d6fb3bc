// Circuit diagrams from standard symbols, all drawn the same way on every figure. Parts are
// placed by their terminals and keep their terminals under names, so that wires are drawn
// between names rather than recomputed coordinates.
//
//   Drawing d(212, 246);
//   Schematic s(d);
//   s.supply("VCC", {80, 20}, "+V_{CC}");                // terminal circle, lettering above
//   s.resistor("RB", {40, 40}, {40, 120}, "R_B", "470 kΩ");
//   s.npn("Q", {80, 120});                               // base lead ends at the point given
//   s.wire({s.pin("RB.b"), s.pin("Q.b")});
//   s.ground("0", s.pin("Q.e"));
//
// Where a circuit is a chain, it is written as its topology: each element starts where the last
// one ended and goes on in a direction, for a length or up to a point, and the positions follow:
//
//   s.from(s.pin("VCC"))
//       .resistor("R", Schematic::down(58), "R_C", "150 Ω")   // 58 px down from VCC
//       .led("LED", s.pin("Q.c"), "LED", "2 V");              // then on to the collector
//
// Pins: two-terminal parts "NAME.a" and "NAME.b" (a is the anode or + end; a relay coil and a
// switch contact have both), transistors
// "NAME.b", "NAME.c", "NAME.e", supply and ground "NAME". Lettering is set beside a part on the
// side given (Side::Auto: right of a vertical part, above a horizontal one); the value goes in
// dark blue under the name.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "drawing/Drawing.h"

namespace apostila::figures {

// How far a transistor's collector and emitter leads reach from its base terminal: along the
// base lead to the lead column, and up and down from the base's height.
struct SchematicTransistor {
  double lead = 40, reach = 20;
};

class Schematic {
 public:
  enum class Side { Auto, Left, Right, Above, Below };

  using TransistorSize = SchematicTransistor;
  static constexpr TransistorSize kCompactTransistor{32, 24};  // for circuits drawn small

  explicit Schematic(Drawing& d, TransistorSize transistor = {}) : d_(d), transistor_(transistor) {}

  // Where the next element of a chain ends: a length in a direction from the last one's end,
  // or a point of the picture (a pin).
  struct Step {
    enum class Kind { By, To, ToX, ToY };
    Step(Pt point) : kind(Kind::To), to(point) {}  // NOLINT: a point is a step to it
    Step(Kind how, Pt point) : kind(how), to(point) {}
    Pt end(Pt from) const {
      switch (kind) {
        case Kind::By: return {from.x + to.x, from.y + to.y};
        case Kind::ToX: return {to.x, from.y};
        case Kind::ToY: return {from.x, to.y};
        case Kind::To: break;
      }
      return to;
    }
    Kind kind;
    Pt to;  // the point, or the offset of a step By
  };
  static Step right(double length) { return {Step::Kind::By, {length, 0}}; }
  static Step left(double length) { return {Step::Kind::By, {-length, 0}}; }
  static Step up(double length) { return {Step::Kind::By, {0, -length}}; }
  static Step down(double length) { return {Step::Kind::By, {0, length}}; }
  // Straight on, across or along, until the chain reaches this x or this y.
  static Step toX(double x) { return {Step::Kind::ToX, {x, 0}}; }
  static Step toY(double y) { return {Step::Kind::ToY, {0, y}}; }

  // A chain of elements from start, each added at the end of the last.
  class Chain {
   public:
    Chain(Schematic& s, Pt start) : s_(s), at_(start) {}
    Pt here() const { return at_; }
    Chain& wire(Step step);
    // The parts, each from the chain's end to the step's.
    Chain& resistor(const std::string& name, Step step, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto) {
      return part(&Schematic::resistor, name, step, label, value, side);
    }
    Chain& led(const std::string& name, Step step, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto) {
      return part(&Schematic::led, name, step, label, value, side);
    }
    Chain& diode(const std::string& name, Step step, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto) {
      return part(&Schematic::diode, name, step, label, value, side);
    }
    Chain& coil(const std::string& name, Step step, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto) {
      return part(&Schematic::coil, name, step, label, value, side);
    }
    Chain& battery(const std::string& name, Step step, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto) {
      return part(&Schematic::battery, name, step, label, value, side);
    }
    // A wire carrying a named current: the arrow on it points along the chain.
    Chain& wire(Step step, const std::string& current, Side side = Side::Auto);
    Chain& dot();
    Chain& ground(const std::string& name);

   private:
    using TwoTerminal = void (Schematic::*)(const std::string&, Pt, Pt, const std::string&, const std::string&, Side);
    Chain& part(TwoTerminal draw, const std::string& name, Step step, const std::string& label,
                const std::string& value, Side side);

    Schematic& s_;
    Pt at_;
  };
  Chain from(Pt start) { return Chain(*this, start); }

  // A terminal of a part placed before; throws for a name never placed.
  Pt pin(const std::string& name) const;

  void wire(const std::vector<Pt>& points);
  void dot(Pt p);

  // Two-terminal parts between a and b on one axis: the symbol in the middle, leads to both ends.
  void resistor(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
                Side side = Side::Auto);
  // Anode at a, cathode at b.
  void diode(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
             Side side = Side::Auto);
  void zener(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
             Side side = Side::Auto);
  void led(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
           Side side = Side::Auto);
  // A relay's coil: a rectangle on the axis a–b, lettered like a resistor.
  void coil(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
            Side side = Side::Auto);
  // A switch's contact between a and b: two terminal circles and the blade, open (lifted to the
  // side away from the lettering) or closed.
  void contact(const std::string& name, Pt a, Pt b, bool closed, const std::string& label = "",
               const std::string& value = "", Side side = Side::Auto);
  // The + terminal at a, the − at b: a battery (long and short plate) or a source in a circle.
  void battery(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
               Side side = Side::Auto);
  void source(const std::string& name, Pt a, Pt b, const std::string& label = "", const std::string& value = "",
              Side side = Side::Auto);

  // A transistor whose base lead ends at base; the body lies to its right (mirrored: to its
  // left). The NPN's collector is up, its emitter down with the arrow pointing out; the PNP's
  // emitter is up with the arrow pointing in. The leads' reach is the schematic's TransistorSize.
  void npn(const std::string& name, Pt base, bool mirrored = false);
  void pnp(const std::string& name, Pt base, bool mirrored = false);

  void ground(const std::string& name, Pt top);
  // An open circle where a supply connects, its lettering above it.
  void supply(const std::string& name, Pt at, const std::string& label);

  // An arrow on the wire from a to b (in the direction of the current) with its name beside.
  void current(Pt a, Pt b, const std::string& label, Side side = Side::Auto);
  // + beside plus, − beside minus, the name between them.
  void voltage(Pt plus, Pt minus, const std::string& label, Side side = Side::Auto);
  // Lettering beside the segment a–b (a part's name above its value), clear pixels off it.
  void label(Pt a, Pt b, const std::string& name, const std::string& value, Side side = Side::Auto,
             double clear = 9);

 private:
  struct Axis {
    double ux, uy, length;
  };
  static Axis axis(Pt a, Pt b);
  // Leads from a and b to the symbol's ends, which lie `body` pixels apart about the middle;
  // returns the symbol's start.
  Pt leads(Pt a, Pt b, double body);
  void diodeBody(Pt a, Pt b, int kind);
  void transistor(const std::string& name, Pt base, bool mirrored, bool pnp);
  void twoPins(const std::string& name, Pt a, Pt b);

  Drawing& d_;
  TransistorSize transistor_;
  std::map<std::string, Pt> pins_;
};

}  // namespace apostila::figures
