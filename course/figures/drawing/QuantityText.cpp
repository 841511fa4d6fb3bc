// Formatting of the course's quantities.
#include "drawing/QuantityText.h"

#include <cmath>
#include <cstdio>

namespace apostila::figures {

std::string QuantityText::number(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(std::fabs(value) * scale) / scale;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = ',';
  // A value that rounds to zero is written without a sign.
  if (value < 0 && rounded != 0) text = "\u2212" + text;
  return text;
}

std::string QuantityText::plain(double value) {
  std::string text = number(value, 6);
  if (text.find(',') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == ',') text.pop_back();
  return text;
}

std::string QuantityText::ohms(double r) {
  if (std::fabs(r) >= 1e6) return plain(r / 1e6) + " M\u03A9";
  if (std::fabs(r) >= 1e3) return plain(r / 1e3) + " k\u03A9";
  return plain(r) + " \u03A9";
}

std::string QuantityText::volts(double v, int decimals) { return number(v, decimals) + " V"; }
std::string QuantityText::milliamps(double a, int decimals) { return number(a * 1e3, decimals) + " mA"; }
std::string QuantityText::microamps(double a, int decimals) { return number(a * 1e6, decimals) + " \u00B5A"; }

}  // namespace apostila::figures
