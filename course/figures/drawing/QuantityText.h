// Numbers and quantities written the way the course writes them: a decimal comma, a space
// before the unit, kilo-ohms as "kΩ" ("2,2 kΩ", "12 V", "24 µA"). The quiz's statements and
// answers and the labels in its circuit figures are all written with these, so a figure and
// the text beside it cannot disagree.
#pragma once

#include <string>

namespace apostila::figures {

class QuantityText {
 public:
  // Rounded to the given number of decimals, half away from zero, with a decimal comma; no
  // thousands separator. Negative values take the minus sign U+2212.
  static std::string number(double value, int decimals);
  // The shortest form, without trailing zeros: 2.2 -> "2,2", 10.0 -> "10".
  static std::string plain(double value);

  // A resistance in Ω, kΩ or MΩ, as short as it is exact: "470 kΩ", "2,2 kΩ", "1 kΩ".
  static std::string ohms(double ohms);
  static std::string volts(double volts, int decimals);  // "6,7 V"
  static std::string milliamps(double amps, int decimals);  // "2,4 mA"
  static std::string microamps(double amps, int decimals);  // "24 µA"
};

}  // namespace apostila::figures
