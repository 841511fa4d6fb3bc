// Named values in page sources. The figure program computes every number the course states and
// writes them to a values file, one "name<TAB>text" per line; a quoted string in a page source
// names one as {name}, and the compiler puts its text in its place, so a number is typed once:
//
//   Caption: "IC ≈ {q17.ic} e VCE ≈ {q17.vce}"      ->  "IC ≈ 2,4 mA e VCE ≈ 6,7 V"
//   Caption: "VCE = {=q17.vce}"                      ->  "VCE = 12 V − 5,28 V = 6,72 V"
//   Caption: "a set {{1, 2}"                       ->  "a set {1, 2}"   ({{ is one brace)
//
// A worked step is written in the file as "=name<TAB>12 V − 5,28 V = 6,72 V", from its one
// declaration beside the values. A name that the file lacks is an error at the string's file and line. Without a values file
// (no --values option) every reference is unknown.
#pragma once

#include <map>
#include <string>

namespace apostila::tools {

class ComputedValues {
 public:
  // Reads a values file's text; errors name the file and line.
  static ComputedValues parse(const std::string& text, const std::string& file);
  static ComputedValues load(const std::string& path);

  // The string with every {name} replaced; file and line locate an error.
  std::string substitute(const std::string& text, const std::string& file, int line) const;

  // The table the page-source parser substitutes from; empty until a tool sets it.
  static const ComputedValues& current();
  static void setCurrent(ComputedValues values);

  // A string written back into a source: each { doubled, so that it reads as itself again.
  static std::string escape(const std::string& text);

 private:
  std::map<std::string, std::string> texts_;
};

}  // namespace apostila::tools
