// The rewrite of sources onto a sheet's styles (see Restyle.h).
#include "Restyle.h"

#include <span>
#include <set>
#include <stdexcept>

#include "ComputedValues.h"
#include "FileIo.h"
#include "PageSource.h"

namespace apostila::tools {

namespace {

bool sameValue(const SourceValue& a, const SourceValue& b) {
  return a.kind == b.kind && a.integer == b.integer && a.floating == b.floating && a.boolean == b.boolean &&
         a.text == b.text && a.members == b.members && a.bytes == b.bytes && a.file == b.file;
}

bool sameProperties(const std::vector<SourceProperty>& a, const std::vector<SourceProperty>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].path != b[i].path || a[i].slot != b[i].slot || !sameValue(a[i].value, b[i].value)) return false;
  return true;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
}

std::string trimmed(const std::string& line) {
  std::size_t i = line.find_first_not_of(' ');
  return i == std::string::npos ? "" : line.substr(i);
}

class Restyler {
 public:
  Restyler(const std::vector<SourceStyle>& styles, std::vector<std::string>& lines) : styles_(styles), lines_(lines) {}

  void walk(const SourceElement& e) {
    if (e.role == SourceElement::Role::Element && !e.isFrame && e.style.empty()) choose(e);
    for (const SourceElement& c : e.children) walk(c);
  }

  std::set<int> removed;  // line numbers
  int elements = 0;

 private:
  // A property written on one line of this source, which a style's line can take the place of.
  bool ownLine(const SourceProperty& p) const {
    if (!p.file.empty() || p.line < 1 || static_cast<std::size_t>(p.line) > lines_.size()) return false;
    const std::size_t next = static_cast<std::size_t>(p.line);  // the following line, 0-based
    return next >= lines_.size() || trimmed(lines_[next]).rfind('"', 0) != 0;
  }

  void choose(const SourceElement& e) {
    const SourceStyle* best = nullptr;
    std::vector<int> bestLines;
    for (const SourceStyle& s : styles_) {
      std::vector<int> spared;
      std::vector<SourceProperty> own;
      bool fits = true;
      for (const SourceProperty& sp : s.properties) {
        bool present = false;
        for (const SourceProperty& p : e.properties) present = present || p.path == sp.path;
        fits = fits && present;
      }
      if (!fits) continue;
      for (const SourceProperty& p : e.properties) {
        bool given = false;
        for (const SourceProperty& sp : s.properties)
          given = given || (sp.path == p.path && sp.slot == p.slot && sameValue(sp.value, p.value));
        if (given && ownLine(p))
          spared.push_back(p.line);
        else
          own.push_back(p);
      }
      if (spared.size() < 2 || (best && spared.size() <= bestLines.size())) continue;
      if (!sameProperties(withStyle(own, s.properties), e.properties)) continue;
      best = &s;
      bestLines = spared;
    }
    if (!best) return;
    std::string& head = lines_[static_cast<std::size_t>(e.line - 1)];
    const bool cr = !head.empty() && head.back() == '\r';
    if (cr) head.pop_back();
    head += " like " + best->name + (cr ? "\r" : "");
    removed.insert(bestLines.begin(), bestLines.end());
    ++elements;
  }

  const std::vector<SourceStyle>& styles_;
  std::vector<std::string>& lines_;
};

bool isFrameFile(const std::string& name) {
  return name.size() > 6 && name.compare(name.size() - 6, 6, ".frame") == 0;
}

}  // namespace

RestyleResult restyleSource(const std::string& text, const std::string& fileName, const std::string& sheetName,
                            const std::vector<std::filesystem::path>& searchPath) {
  auto parse = [&](const std::string& t) {
    return isFrameFile(fileName) ? parseFrame(t, fileName, searchPath) : parseSource(t, fileName, searchPath);
  };
  const std::string before = writeSource(parse(text));

  // The sheet as this source will see it, through a "use" line of its own.
  std::vector<std::string> lines = splitLines(text);
  const std::string use = "use \"" + sheetName + "\"";
  std::size_t first = 0;
  bool hasUse = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string t = trimmed(lines[i]);
    if (!t.empty() && t.back() == '\r') t.pop_back();
    if (t == use) hasUse = true;
  }
  while (first < lines.size() && (trimmed(lines[first]).empty() || trimmed(lines[first])[0] == '#' ||
                                  trimmed(lines[first]) == "\r"))
    ++first;
  const std::string probe = hasUse ? text : [&] {
    std::string t;
    for (std::size_t i = 0; i < lines.size(); ++i) t += (i == first ? use + "\n" : "") + lines[i] + (i + 1 < lines.size() ? "\n" : "");
    return t;
  }();
  // Parsed with the "use" line, so that every style is known; the line numbers are the probe's.
  std::vector<std::string> probeLines = splitLines(probe);
  const SourceElement tree = parse(probe);
  std::vector<SourceStyle> styles;
  {
    const std::string sheetOnly = use + "\n";
    styles = readStyleSheet(sheetOnly, fileName, searchPath);
  }
  Restyler r(styles, probeLines);
  r.walk(tree);

  RestyleResult result;
  if (r.elements == 0) {
    result.text = text;
    return result;
  }
  for (std::size_t i = 0; i < probeLines.size(); ++i) {
    if (r.removed.count(static_cast<int>(i + 1))) continue;
    result.text += probeLines[i];
    if (i + 1 < probeLines.size()) result.text += "\n";
  }
  if (writeSource(parse(result.text)) != before)
    throw SourceError(fileName + ": on the styles of " + sheetName + " the source would not give the same page; left as it was");
  result.elements = r.elements;
  result.linesSaved = static_cast<int>(lines.size()) - static_cast<int>(splitLines(result.text).size());
  return result;
}

int restyleCommand(const std::vector<std::string>& args, std::ostream& out) {
  ComputedValues::setCurrent({});
  std::vector<std::string> sources;
  std::vector<std::filesystem::path> search;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-I" && i + 1 < args.size())
      search.emplace_back(args[++i]);
    else if (args[i] == "--values" && i + 1 < args.size())
      ComputedValues::setCurrent(ComputedValues::load(args[++i]));
    else
      sources.push_back(args[i]);
  }
  if (args.empty() || sources.empty()) return -1;
  const std::string sheetName = std::filesystem::path(args[0]).filename().string();
  int elements = 0, saved = 0;
  for (const std::string& source : sources) {
    const auto bytes = readInput(source);
    const RestyleResult r = restyleSource(std::string(bytes.begin(), bytes.end()), source, sheetName, search);
    if (r.elements == 0) continue;
    // The one command whose output is its input: what was read is checked and done with, and
    // the source is replaced through a fresh temporary file as every output is.
    forgetInputs();
    writeOutput(source, std::span(reinterpret_cast<const std::uint8_t*>(r.text.data()), r.text.size()));
    out << source << ": " << r.elements << " elements on styles, " << r.linesSaved << " lines fewer\n";
    elements += r.elements;
    saved += r.linesSaved;
  }
  out << elements << " elements on styles, " << saved << " lines fewer in all\n";
  return 0;
}

}  // namespace apostila::tools
