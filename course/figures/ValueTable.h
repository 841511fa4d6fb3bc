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
//
// A result worked in print is declared as a step, from its operands as they are printed, so
// that the page and the picture print the step from its declaration:
//
//   t.work("q17.vce", "q17.vcc", Op::Difference, "q17.vrc", "V", 2);   // 12 V − 5,28 V = 6,72 V
//   eq.row("= " + worked("q17.vce"));                                 // "12 V − 5,28 V"
//   Caption: "VCE = {=q17.vce}"                       // "VCE = 12 V − 5,28 V = 6,72 V"
#pragma once

#include <string>
#include <vector>

#include "WorkedStep.h"

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

  ValueTable() = default;
  // A part's table, whose steps may take an operand from the parts before it (earlier must
  // outlive this table): the hand method's VBE, a circuit's result that a later page goes on
  // from.
  explicit ValueTable(const ValueTable* earlier) : earlier_(earlier) {}

  // Throws for a name already present, a malformed name, or a unit without a known prefix.
  void add(const std::string& name, double value, const std::string& unit, int decimals = kExact);

  // Declares result = a op b and adds it, worked from the operands as printed: each a value's
  // name (of this table or an earlier one) or a number as printed ("10", "4,3 kΩ"). Throws
  // for a result already declared, an unknown operand, or what add refuses.
  void work(const std::string& result, const std::string& a, Op op, const std::string& b, const std::string& unit,
            int decimals = kExact);
  // A chain, result = a op b op c …: sums, differences and products only.
  void work(const std::string& result, Op op, const std::vector<std::string>& operands, const std::string& unit,
            int decimals = kExact);

  // Takes in every value and step of other; throws for a name both hold.
  void merge(const ValueTable& other);

  const NamedValue& operator[](const std::string& name) const;  // throws for an unknown name
  const std::string& text(const std::string& name) const { return (*this)[name].text; }
  double value(const std::string& name) const { return (*this)[name].value; }
  // The value rounded as it is printed, for a worked step that a learner redoes from the page.
  double shown(const std::string& name) const { return (*this)[name].shown; }
  const std::vector<NamedValue>& all() const { return values_; }
  const std::vector<WorkedStep>& steps() const { return steps_; }
  const WorkedStep& step(const std::string& result) const;  // throws for a result never worked

  // An operand as it is printed: a value's text, or the number itself; and its value so
  // printed, in the base unit ("4,3 kΩ" -> 4300). Throws for what is neither.
  std::string operandText(const std::string& operand) const;
  double printed(const std::string& operand) const;
  // A step's operands with the operation's sign, as a row of working prints them: "12 V −
  // 5,28 V"; and the whole step, "12 V − 5,28 V = 6,72 V".
  std::string workedText(const std::string& result) const;
  std::string stepText(const std::string& result) const;

  // The values file: "name<TAB>text" per line, in the order the values were added, then a line
  // "=name<TAB>step" for every step that a caption can print whole (all but changes).
  std::string file() const;

  // How many base units one shown unit is: "mA" -> 1e-3, "kΩ" -> 1e3, "V" -> 1.
  static double scaleOf(const std::string& unit);

  // The decimals that show a value to this many significant figures in its unit; a value of
  // 10^significant units or more keeps its whole units, and zero shows significant − 1 decimals.
  static int decimalsFor(double value, const std::string& unit, int significant);

 private:
  void refuseTwice(const std::string& name) const;
  const NamedValue* find(const std::string& name) const;  // here or in an earlier table

  const ValueTable* earlier_ = nullptr;
  std::vector<NamedValue> values_;
  std::vector<WorkedStep> steps_;
};

// The table of the whole course, every part's values (Topics.h).
const ValueTable& courseValues();
// The text the course shows for one of its values, for a figure's lettering: val("q17.ic") is
// "2,4 mA".
const std::string& val(const std::string& name);
// A declared step's operands as a row of working prints them: worked("t18.vce") is "12 V −
// 5,28 V"; a quotient as a fraction in the lettering markup, workedFraction("t18.ib") is
// "\\frac{11,3 V}{470 kΩ}".
std::string worked(const std::string& result);
std::string workedFraction(const std::string& result);
// The whole step, workedStep("t18.vce") is "12 V − 5,28 V = 6,72 V".
std::string workedStep(const std::string& result);

}  // namespace apostila::figures
