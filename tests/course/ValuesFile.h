// The figure program's values file read back as the pages show it: "q17.ic<TAB>2,4 mA" gives
// the name, the text, and the number in SI units with the half-step of its last digit as the
// rounding it allows. The tests keep their own table of the units the course prints, so that
// a unit the figure program starts printing and this reader does not know fails loudly
// instead of being read at the wrong scale.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace apostila::testing {

// Every value of values.txt, by name.
std::map<std::string, std::string> valuesFile();

// "2,4 mA" -> 2.4e-3 ± 0.05e-3; ok is false for a text that is no number with a known unit.
struct Shown {
  double value = 0, tolerance = 0;
  bool ok = false;
};
Shown readShown(const std::string& text);

// The numbers of a text, each with the unit that follows it: "IC ≈ 2,4 mA e VCE ≈ 6,7 V" gives
// "2,4 mA" and "6,7 V". Digits inside a name (RB1, VCE(sat)) are not numbers; with partNames,
// neither are those of a part's name ("TO-92", "2N2222A", "BC547B").
std::vector<std::string> numbersIn(const std::string& text, bool partNames = false);

// The units the course prints after a number and a space, longest first (so that "mA" is
// found before "A"), each with its scale to the SI unit.
const std::vector<std::pair<std::string, double>>& printedUnits();

}  // namespace apostila::testing
