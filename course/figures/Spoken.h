// A picture's lettering as a screen reader should read it: the lettering markup's subscripts,
// braces and fractions put back into the plain text the pages write ("V_{CE(sat)}" -> "VCE(sat)",
// "\frac{12 V}{2,2 kΩ}" -> "12 V / 2,2 kΩ"), so that a description can be built from the very
// strings a picture letters and cannot drift from them.
//
//   spoken("I_B = \\frac{V_{CC} − V_{BE}}{R_B}")   // "IB = (VCC − VBE) / RB"
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "drawing/Drawing.h"
#include "drawing/QuantityText.h"

namespace apostila::figures {

namespace spoken_detail {

// The group that starts at s[i] == '{', without its braces; i is left after the closing brace.
inline std::string group(const std::string& s, std::size_t& i) {
  int depth = 0;
  const std::size_t from = i + 1;
  for (; i < s.size(); ++i) {
    if (s[i] == '{') ++depth;
    if (s[i] == '}' && --depth == 0) break;
  }
  std::string inner = s.substr(from, i - from);
  ++i;
  return inner;
}

// A fraction's term, in parentheses where it is a sum or difference, so that the quotient reads
// as it is meant.
inline std::string term(const std::string& t) {
  for (const char* sign : {" + ", " \u2212 ", " - "})
    if (t.find(sign) != std::string::npos) return "(" + t + ")";
  return t;
}

}  // namespace spoken_detail

inline std::string spoken(const std::string& markup) {
  std::string out;
  std::size_t i = 0;
  while (i < markup.size()) {
    // Lettering spaced apart on a line reads as separate statements; two spaces as one.
    if (markup[i] == ' ') {
      std::size_t j = i;
      while (j < markup.size() && markup[j] == ' ') ++j;
      out += j - i >= 3 && !out.empty() && j < markup.size() ? "; " : " ";
      i = j;
      continue;
    }
    if (markup.compare(i, 6, "\\frac{") == 0) {
      i += 5;
      const std::string num = spoken(spoken_detail::group(markup, i));
      const std::string den = i < markup.size() && markup[i] == '{' ? spoken(spoken_detail::group(markup, i)) : "";
      out += spoken_detail::term(num) + " / " + spoken_detail::term(den);
    } else if (markup[i] == '\\' && i + 1 < markup.size() && markup[i + 1] == ' ') {
      i += 2;  // a hard space that only holds a subscript's place
    } else if (markup[i] == '_' || markup[i] == '^') {
      const bool power = markup[i] == '^';
      ++i;
      if (power) out += " elevado a ";
      if (i < markup.size() && markup[i] == '{')
        out += spoken(spoken_detail::group(markup, i));
    } else {
      out += markup[i++];
    }
  }
  return out;
}

// The rows of a worked block (Equation's rows, each with its ink) as one text: a row that begins
// with "=" goes on from the one above; rows in the values' ink are the results, which it says
// unless the picture's description has said so once for all its blocks.
inline std::string spokenRows(const std::vector<std::pair<std::string, std::uint32_t>>& rows, bool sayInk = true) {
  std::string out;
  bool results = false;
  for (const auto& [markup, ink] : rows) {
    results = results || ink == Drawing::kBlue;
    const bool goesOn = markup.rfind("=", 0) == 0 && !out.empty();
    if (!out.empty()) out += goesOn ? " " : "; ";
    out += spoken(markup);
  }
  return out + "." + (results && sayInk ? " Em azul, os resultados." : "");
}

// A graph's frame is read in clauses of their own, which the description test knows: "Eixo
// horizontal: " and "Eixo vertical: " followed by axisText, and "Curvas para " followed by the
// parameters a family of curves is drawn for, each clause ending at ". ".
//
// A graph's axis as a description reads it, from the numbers the axis is drawn with: "VCE, de 0
// a 30 V" (scale as the plot's: 1e-3 for a current in A shown in mA).
inline std::string axisText(const std::string& quantity, const std::string& unit, double from, double to,
                            double scale = 1) {
  return spoken(quantity) + ", de " + QuantityText::plain(from / scale) + " a " + QuantityText::plain(to / scale) +
         (unit.empty() ? "" : " " + unit);
}

}  // namespace apostila::figures
