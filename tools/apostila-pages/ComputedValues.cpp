// Reading the values file and substituting named values into source strings.
#include "ComputedValues.h"

#include <cctype>
#include <sstream>

#include "FileIo.h"
#include "PageSource.h"

namespace apostila::tools {

namespace {

bool nameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_'; }

// A value's name, or "=" and a value's name for the step that works it out.
bool validName(const std::string& name) {
  const std::size_t from = !name.empty() && name[0] == '=' ? 1 : 0;
  if (name.size() == from) return false;
  for (std::size_t i = from; i < name.size(); ++i)
    if (!nameChar(name[i])) return false;
  return true;
}

ComputedValues& table() {
  static ComputedValues values;
  return values;
}

}  // namespace

ComputedValues ComputedValues::parse(const std::string& text, const std::string& file) {
  ComputedValues v;
  std::istringstream in(text);
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) throw SourceError(file, n, "expected a name, a tab and the value's text");
    const std::string name = line.substr(0, tab);
    if (name.empty()) throw SourceError(file, n, "the value has no name");
    if (!validName(name)) throw SourceError(file, n, "bad value name '" + name + "'");
    if (!v.texts_.emplace(name, line.substr(tab + 1)).second)
      throw SourceError(file, n, "the value '" + name + "' is given twice");
  }
  return v;
}

ComputedValues ComputedValues::load(const std::string& path) {
  auto bytes = readInput(path);
  return parse(std::string(bytes.begin(), bytes.end()), path);
}

std::string ComputedValues::substitute(const std::string& text, const std::string& file, int line) const {
  if (text.find('{') == std::string::npos) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '{') {
      out += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '{') {
      out += '{';
      ++i;
      continue;
    }
    const std::size_t close = text.find('}', i + 1);
    if (close == std::string::npos)
      throw SourceError(file, line, "'{' without its '}': write {{ for a brace of the text");
    const std::string name = text.substr(i + 1, close - i - 1);
    if (!validName(name)) throw SourceError(file, line, "bad value name '{" + name + "}': write {{ for a brace of the text");
    auto it = texts_.find(name);
    if (it == texts_.end())
      throw SourceError(file, line,
                        name[0] == '=' ? "no worked step for '" + name.substr(1) + "'"
                                       : "unknown computed value '" + name + "'");
    out += it->second;
    i = close;
  }
  return out;
}

const ComputedValues& ComputedValues::current() { return table(); }
void ComputedValues::setCurrent(ComputedValues values) { table() = std::move(values); }

std::string ComputedValues::escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '{') out += '{';
  }
  return out;
}

}  // namespace apostila::tools
