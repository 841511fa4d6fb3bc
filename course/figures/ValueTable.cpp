// The named values and their values file.
#include "ValueTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "drawing/QuantityText.h"

namespace apostila::figures {

namespace {

bool validName(const std::string& n) {
  if (n.empty() || n.front() == '.' || n.back() == '.') return false;
  for (char c : n)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_')) return false;
  return true;
}

// Units are written as the course writes them; a prefix is read off only where the rest is a
// unit of its own.
const char* const kBaseUnits[] = {"V", "A", "\u03A9", "W", "V/\u00B0C", "Hz", "s"};

}  // namespace

int ValueTable::decimalsFor(double value, const std::string& unit, int significant) {
  const double shown = std::fabs(value / scaleOf(unit));
  if (shown == 0) return significant - 1;  // no leading digit to count from
  return std::max(0, significant - 1 - static_cast<int>(std::floor(std::log10(shown))));
}

double ValueTable::scaleOf(const std::string& unit) {
  for (const char* base : kBaseUnits)
    if (unit == base) return 1;
  const struct {
    const char* prefix;
    double scale;
  } prefixes[] = {{"M", 1e6}, {"k", 1e3}, {"m", 1e-3}, {"\u00B5", 1e-6}, {"n", 1e-9}, {"p", 1e-12}};
  for (const auto& p : prefixes) {
    const std::string pre = p.prefix;
    if (unit.rfind(pre, 0) != 0) continue;
    for (const char* base : kBaseUnits)
      if (unit.substr(pre.size()) == base) return p.scale;
  }
  if (unit.empty() || unit == "\u00B0C" || unit == "%") return 1;
  throw std::invalid_argument("named value: unknown unit '" + unit + "'");
}

void ValueTable::add(const std::string& name, double value, const std::string& unit, int decimals) {
  if (!validName(name)) throw std::invalid_argument("named value: bad name '" + name + "'");
  refuseTwice(name);
  const double shown = value / scaleOf(unit);
  std::string text = decimals == kExact ? QuantityText::plain(shown) : QuantityText::number(shown, decimals);
  if (!unit.empty()) text += (unit == "%" ? "" : " ") + unit;
  const double scale = scaleOf(unit), step = decimals == kExact ? 0 : std::pow(10.0, -decimals);
  values_.push_back({name, value, unit, text, step == 0 ? value : std::round(shown / step) * step * scale});
}

void ValueTable::merge(const ValueTable& other) {
  for (const NamedValue& v : other.values_) {
    refuseTwice(v.name);
    values_.push_back(v);
  }
}

void ValueTable::refuseTwice(const std::string& name) const {
  for (const NamedValue& v : values_)
    if (v.name == name) throw std::invalid_argument("named value: '" + name + "' added twice");
}

const NamedValue& ValueTable::operator[](const std::string& name) const {
  for (const NamedValue& v : values_)
    if (v.name == name) return v;
  throw std::out_of_range("named value: no value named '" + name + "'");
}

std::string ValueTable::file() const {
  std::string out;
  for (const NamedValue& v : values_) out += v.name + "\t" + v.text + "\n";
  return out;
}

}  // namespace apostila::figures
