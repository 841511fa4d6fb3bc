// The values file and its units.
#include "ValuesFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace apostila::testing {

const std::vector<std::pair<std::string, double>>& printedUnits() {
  static const std::vector<std::pair<std::string, double>> units = [] {
    std::vector<std::pair<std::string, double>> u;
    const std::pair<const char*, double> prefixes[] = {{"", 1},       {"M", 1e6},        {"k", 1e3},
                                                       {"m", 1e-3},   {"\u00B5", 1e-6},  {"n", 1e-9},
                                                       {"p", 1e-12}};
    for (const char* base : {"V", "A", "\u03A9", "W", "s"})
      for (const auto& [prefix, scale] : prefixes)
        // A bare "s" after a number is as often the start of a word ("TO-3 são"): the course
        // prints times with a prefix only.
        if (std::string(base) != "s" || *prefix) u.emplace_back(std::string(prefix) + base, scale);
    std::stable_sort(u.begin(), u.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    return u;
  }();
  return units;
}

std::map<std::string, std::string> valuesFile() {
  std::ifstream in(std::filesystem::path(APOSTILA_BINARY_DIR) / "course" / "pictures" / "values.txt");
  EXPECT_TRUE(in) << "values.txt was not written";
  std::map<std::string, std::string> out;
  for (std::string line; std::getline(in, line);)
    if (const std::size_t tab = line.find('\t'); tab != std::string::npos) out[line.substr(0, tab)] = line.substr(tab + 1);
  return out;
}

std::vector<std::string> numbersIn(const std::string& text, bool partNames) {
  auto letter = [&](std::size_t i) { return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); };
  auto alnum = [&](std::size_t i) { return i < text.size() && std::isalnum(static_cast<unsigned char>(text[i])); };
  auto digit = [&](std::size_t i) { return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); };
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const bool named = i > 0 && (alnum(i - 1) || (partNames && text[i - 1] == '-' && i > 1 && letter(i - 2)));
    if (!digit(i) || named) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (digit(j) || (j < text.size() && text[j] == ',' && digit(j + 1))) ++j;
    if (partNames && letter(j)) {  // "2N", "547B": part of a name
      while (alnum(j)) ++j;
      i = j;
      continue;
    }
    std::string token = text.substr(i, j - i);
    if (j < text.size() && text[j] == ' ')
      for (const auto& [u, scale] : printedUnits())
        if (text.compare(j + 1, u.size(), u) == 0 && !alnum(j + 1 + u.size())) {
          token += " " + u;
          j += 1 + u.size();
          break;
        }
    out.push_back(token);
    i = j;
  }
  return out;
}

Shown readShown(const std::string& text) {
  std::string number = text, unit;
  if (const std::size_t space = text.find(' '); space != std::string::npos) {
    number = text.substr(0, space);
    unit = text.substr(space + 1);
  } else if (!text.empty() && text.back() == '%') {
    number = text.substr(0, text.size() - 1);  // a percentage is written without the space
  }
  double scale = 1;
  if (!unit.empty()) {
    const auto& units = printedUnits();
    const auto u = std::find_if(units.begin(), units.end(), [&](const auto& p) { return p.first == unit; });
    if (u == units.end()) return {};
    scale = u->second;
  }
  if (!number.empty() && number.front() == '+') number.erase(0, 1);  // a signed percentage
  if (number.rfind("\u2212", 0) == 0) number.replace(0, 3, "-");    // the course's minus sign
  if (number.empty() || number.find_first_not_of("0123456789,-") != std::string::npos) return {};
  const std::size_t comma = number.find(',');
  const int decimals = comma == std::string::npos ? 0 : static_cast<int>(number.size() - comma - 1);
  if (comma != std::string::npos) number[comma] = '.';
  return {std::stod(number) * scale, 0.5 * std::pow(10.0, -decimals) * scale * (1 + 1e-9), true};
}

namespace {

TEST(ValuesFile, ReadsEachUnitAtItsScaleAndRefusesUnknownOnes) {
  const struct {
    const char* text;
    double value, tolerance;
    bool ok;
  } cases[] = {
      {"2,4 mA", 2.4e-3, 0.05e-3, true}, {"470 k\u03A9", 470e3, 0.5e3, true}, {"10 nA", 10e-9, 0.5e-9, true},
      {"35 ns", 35e-9, 0.5e-9, true},   {"2,1 mV", 2.1e-3, 0.05e-3, true},   {"1,5 M\u03A9", 1.5e6, 0.05e6, true},
      {"24 \u00B5A", 24e-6, 0.5e-6, true}, {"100", 100, 0.5, true},           {"-0,25", -0.25, 0.005, true},
      {"+7,6%", 7.6, 0.05, true},
      {"3 furlongs", 0, 0, false},       {"", 0, 0, false},                   {"x V", 0, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Shown s = readShown(c.text);
    EXPECT_EQ(s.ok, c.ok);
    if (!c.ok) continue;
    EXPECT_NEAR(s.value, c.value, std::fabs(c.value) * 1e-12);
    EXPECT_NEAR(s.tolerance, c.tolerance, c.tolerance * 1e-6);
  }
}

// Every text the figure program wrote must be one this reader reads.
TEST(ValuesFile, EveryValueOfTheCourseIsReadable) {
  for (const auto& [name, text] : valuesFile()) {
    if (name.rfind('=', 0) == 0) continue;  // a step's whole text
    EXPECT_TRUE(readShown(text).ok) << name << ": \"" << text << "\"";
  }
}

}  // namespace
}  // namespace apostila::testing
