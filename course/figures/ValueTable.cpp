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
  steps_.insert(steps_.end(), other.steps_.begin(), other.steps_.end());
}

const NamedValue* ValueTable::find(const std::string& name) const {
  for (const NamedValue& v : values_)
    if (v.name == name) return &v;
  return earlier_ ? earlier_->find(name) : nullptr;
}

double ValueTable::printed(const std::string& operand) const {
  if (const NamedValue* v = find(operand)) return v->shown;
  // A number as printed: digits with a decimal comma, then a space and a unit, or nothing.
  const std::size_t space = operand.find(' ');
  std::string digits = operand.substr(0, space);
  const std::string unit = space == std::string::npos ? "" : operand.substr(space + 1);
  std::replace(digits.begin(), digits.end(), ',', '.');
  const bool number = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
  });
  if (!number || std::count(digits.begin(), digits.end(), '.') > 1)
    throw std::out_of_range("worked step: '" + operand + "' is neither a value nor a number");
  return std::stod(digits) * scaleOf(unit);
}

void ValueTable::work(const std::string& result, const std::string& a, Op op, const std::string& b,
                      const std::string& unit, int decimals) {
  work(result, op, {a, b}, unit, decimals);
}

void ValueTable::work(const std::string& result, Op op, const std::vector<std::string>& operands,
                      const std::string& unit, int decimals) {
  for (const WorkedStep& s : steps_)
    if (s.result == result) throw std::invalid_argument("worked step: '" + result + "' worked twice");
  const bool chain = op == Op::Sum || op == Op::Difference || op == Op::Product;
  if (operands.size() < 2 || (operands.size() > 2 && !chain))
    throw std::invalid_argument("worked step: '" + result + "' needs two operands, or more for a chain");
  std::vector<double> values;
  for (const std::string& o : operands) values.push_back(printed(o));
  // Operands printed in decimals can give a result exactly halfway between two printed ones
  // (8,7 mA / 40 µA = 217,5), which a learner rounds away from zero; the binary result may fall
  // a hair short of the half, so it is nudged outwards by far less than any printed digit.
  add(result, workedFrom(op, values) * (1 + 1e-12), unit, decimals);
  steps_.push_back({result, op, operands});
}

const WorkedStep& ValueTable::step(const std::string& result) const {
  for (const WorkedStep& s : steps_)
    if (s.result == result) return s;
  throw std::out_of_range("worked step: no step works '" + result + "'");
}

std::string ValueTable::operandText(const std::string& operand) const {
  if (const NamedValue* v = find(operand)) return v->text;
  printed(operand);  // refuses what is no number
  return operand;
}

std::string ValueTable::workedText(const std::string& result) const {
  const WorkedStep& s = step(result);
  std::string out;
  for (const std::string& o : s.operands) out += (out.empty() ? "" : signOf(s.op)) + operandText(o);
  return out;
}

std::string ValueTable::stepText(const std::string& result) const {
  return workedText(result) + " = " + (*this)[result].text;
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
  for (const WorkedStep& s : steps_)
    if (s.op != Op::Change) out += "=" + s.result + "\t" + stepText(s.result) + "\n";
  return out;
}

}  // namespace apostila::figures
