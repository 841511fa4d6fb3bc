// A quiz picture drawn with cairo on a white ground, antialiased: the standard schematic
// symbols (wires and junction dots, supply terminals, zigzag resistors, the NPN transistor in
// its circle, the battery, the ground) and labels with subscripts ("R" + "B"). The circuit
// figures are built from these; other drawings use the cairo context directly.
#pragma once

#include <cairo.h>

#include <string>

#include "BmpWriter.h"
#include "CairoPicture.h"

namespace apostila::figures {

class QuizPicture {
 public:
  struct Pt {
    double x, y;
  };
  // Where an NPN's leads end, to wire the rest of the circuit to.
  struct Npn {
    Pt base, collector, emitter;
  };
  enum class Align { Left, Center, Right };

  QuizPicture(int width, int height);
  QuizPicture(const QuizPicture&) = delete;
  QuizPicture& operator=(const QuizPicture&) = delete;

  void wire(Pt a, Pt b);
  void wire(Pt a, Pt corner, Pt b);
  void dot(Pt p);
  // An open circle where a supply is connected.
  void terminal(Pt p);
  // A resistor on the straight, axis-parallel line from a to b: a zigzag of fixed length in
  // the middle and plain leads to either end.
  void resistor(Pt a, Pt b);
  // The transistor with its base bar at bar; the base lead starts baseLead pixels to its left,
  // collector and emitter leads end lead pixels above and below.
  Npn npn(Pt bar, double baseLead = 18, double lead = 10);
  // The ground symbol hanging from top.
  void ground(Pt top);
  // A battery standing between its + terminal (top) and its - terminal (bottom).
  void battery(Pt plus, Pt minus);

  // A name with a subscript, such as "R" "B1" or "V" "CC", followed by the rest ("= 12 V"); the
  // baseline of the text is at y, and align places the whole run around x.
  void name(Pt at, const std::string& main, const std::string& sub, const std::string& rest = "",
            Align align = Align::Left);
  void text(Pt at, const std::string& utf8, Align align = Align::Left, double size = kTextSize);

  cairo_t* cr() { return cr_; }
  RgbImage image() { return picture_.image(false); }

  static constexpr double kTextSize = 12;
  static constexpr std::uint32_t kInk = 0x000000;
  static constexpr std::uint32_t kValueInk = 0x00307F;

  void setInk(std::uint32_t rgb);

 private:
  double runWidth(const std::string& utf8, double size);
  void show(double x, double y, const std::string& utf8, double size);

  CairoPicture picture_;
  cairo_t* cr_;
};

}  // namespace apostila::figures
