// Named values: every number that a page's text or a figure states, computed once and written
// once. A value keeps its exact result, its unit and the text the course shows for it, with a
// decimal comma and the precision chosen where it is added ("q17.ic" -> 2.404e-3, "mA",
// "2,4 mA"). The figure program writes the table beside the pictures as values.txt, which
// the page compiler reads to replace "{q17.ic}" in a page's strings.
//
//   ValueTable t;
//   t.add("q17.ic", 2.404e-3, "mA", 1);        // shown in mA with one decimal: "2,4 mA"
//   t.add("q17.rb", 470e3, "kΩ");              // exact, without trailing zeros: "470 kΩ"
//   t.add("q17.beta", 100, "");                // "100"
//   d.text().draw(at, "R_B = " + t.text("q17.rb"));
#pragma once

#include <string>
#include <vector>

namespace apostila::figures {

struct NamedValue {
  std::string name;
  double value;      // in the base unit: V, A, Ω, W, °C
  std::string unit;  // the unit shown: "mA", "kΩ", "V", "" ...
  std::string text;  // as shown: "2,4 mA"
  double shown = 0;  // the value as its text gives it, in the base unit: 2.4e-3
};

class ValueTable {
 public:
  static constexpr int kExact = -1;  // as many decimals as the value needs, up to six

  // Throws for a name already present, a malformed name, or a unit without a known prefix.
  void add(const std::string& name, double value, const std::string& unit, int decimals = kExact);

  // Takes in every value of other; throws for a name both hold.
  void merge(const ValueTable& other);

  const NamedValue& operator[](const std::string& name) const;  // throws for an unknown name
  const std::string& text(const std::string& name) const { return (*this)[name].text; }
  double value(const std::string& name) const { return (*this)[name].value; }
  // The value rounded as it is printed, for a worked step that a learner redoes from the page.
  double shown(const std::string& name) const { return (*this)[name].shown; }
  const std::vector<NamedValue>& all() const { return values_; }

  // The values file: "name<TAB>text" per line, in the order the values were added.
  std::string file() const;

  // How many base units one shown unit is: "mA" -> 1e-3, "kΩ" -> 1e3, "V" -> 1.
  static double scaleOf(const std::string& unit);

  // The decimals that show a value to this many significant figures in its unit; a value of
  // 10^significant units or more keeps its whole units, and zero shows significant − 1 decimals.
  static int decimalsFor(double value, const std::string& unit, int significant);

 private:
  void refuseTwice(const std::string& name) const;

  std::vector<NamedValue> values_;
};

// The table of the whole course, every part's values (Topics.h).
const ValueTable& courseValues();
// The text the course shows for one of its values, for a figure's lettering: val("q17.ic") is
// "2,4 mA".
const std::string& val(const std::string& name);

}  // namespace apostila::figures
