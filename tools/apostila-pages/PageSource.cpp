// Parser and writer of the page source format (see PageSource.h).
#include "PageSource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "Base64.h"
#include "ComputedValues.h"
#include "FileIo.h"
#include "content/DefinitionReader.h"
#include "ui/TypeInfo.h"

namespace apostila::tools {

namespace {

// Far above any picture a page shows (the largest is about 700 KB).
constexpr std::size_t kMaxPictureBytes = 16u << 20;

// The bytes a quoted string may not hold as they stand: the C0 controls but tab, line feed and
// carriage return (which end or break a line before a string sees them), and DEL.
bool isControlByte(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A byte as two upper-case hex digits.
std::string hexByte(unsigned char c) {
  const char* digits = "0123456789ABCDEF";
  return {digits[c >> 4], digits[c & 15]};
}

struct Line {
  int number;
  int indent;
  std::string text;  // without indentation
};

bool isIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Where a property stands in the order the sources keep.
int rank(const std::string& path) {
  static const char* const first[] = {"Left", "Top", "Width", "Height"};
  for (int i = 0; i < 4; ++i)
    if (ui::sameName(path, first[i])) return i;
  const bool handler = path.size() > 2 && path.compare(0, 2, "On") == 0 &&
                       std::isupper(static_cast<unsigned char>(path[2])) && path.find('.') == std::string::npos;
  return handler ? 5 : 4;
}

bool goesBefore(const std::string& a, const std::string& b) {
  const int ra = rank(a), rb = rank(b);
  if (ra != rb) return ra < rb;
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

class Parser {
 public:
  enum class Mode { Page, Frame, Sheet };

  Parser(const std::string& text, std::string file, std::vector<std::filesystem::path> search, Mode mode,
         std::vector<std::string> chain = {})
      : file_(std::move(file)), search_(std::move(search)), frame_(mode == Mode::Frame), sheet_(mode == Mode::Sheet),
        chain_(std::move(chain)) {
    chain_.push_back(fileKey(file_));
    // A byte-order mark that an editor put in front of the first line is not part of it.
    std::istringstream in(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
    std::string raw;
    int n = 0;
    while (std::getline(in, raw)) {
      ++n;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      std::size_t i = 0;
      while (i < raw.size() && raw[i] == ' ') ++i;
      if (i < raw.size() && raw[i] == '\t') fail(n, "tabs are not allowed for indentation; use spaces");
      std::string rest = raw.substr(i);
      if (rest.empty() || rest[0] == '#') continue;
      while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
      lines_.push_back({n, static_cast<int>(i), rest});
    }
  }

  SourceElement parse() {
    preamble();
    if (sheet_) {
      if (pos_ < lines_.size()) fail(lines_[pos_].number, "a style sheet holds only 'use' lines and styles");
      return {};
    }
    if (pos_ >= lines_.size())
      fail(lines_.empty() ? 1 : lines_.back().number,
           frame_ ? "the frame holds nothing: it begins with a line \"frame\"" : "the source holds no element");
    SourceElement root = element(lines_[pos_].indent, nullptr);
    if (pos_ < lines_.size()) {
      if (topKeyword(lines_[pos_]) == "style" || topKeyword(lines_[pos_]) == "use")
        fail(lines_[pos_].number, "styles and style sheets come before the first element");
      fail(lines_[pos_].number, "only one top-level element is allowed");
    }
    return root;
  }

  std::vector<SourceStyle> takeStyles() { return std::move(styles_); }

 private:
  [[noreturn]] void fail(int line, const std::string& what) const { throw SourceError(file_, line, what); }

  static std::string fileKey(const std::string& file) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(file, ec);
    return ec ? file : p.string();
  }

  static std::string topKeyword(const Line& l) {
    std::size_t end = l.text.find(' ');
    return l.text.substr(0, end);
  }

  // "use" lines and styles, before the first element.
  void preamble() {
    for (const Line& l : lines_)
      if (topKeyword(l) == "style") {
        std::istringstream words(l.text);
        std::string keyword, name;
        if (words >> keyword >> name) defined_.push_back({name, l.number});
      }
    while (pos_ < lines_.size()) {
      const std::string keyword = topKeyword(lines_[pos_]);
      if (keyword == "use")
        useSheet(lines_[pos_++]);
      else if (keyword == "style")
        defineStyle();
      else
        break;
    }
  }

  static bool isSheetName(const std::string& s) {
    if (s.size() <= 7 || s.size() > 255 || s.compare(s.size() - 7, 7, ".styles") != 0 || s[0] == '.') return false;
    for (char c : s)
      if (!isIdentChar(c) && c != '-' && c != '.') return false;
    return true;
  }

  void useSheet(const Line& l) {
    line_ = l.number;
    text_ = l.text;
    at_ = 3;
    const std::string name = quoted();
    skipSpaces();
    if (at_ < text_.size()) fail(l.number, "unexpected text after the style sheet's name: '" + text_.substr(at_) + "'");
    if (!isSheetName(name))
      fail(l.number, "bad style sheet name '" + name + "': a file name ending in .styles, without folders");
    const std::filesystem::path dir = std::filesystem::path(file_).parent_path();
    std::optional<std::vector<std::uint8_t>> bytes;
    std::filesystem::path found;
    for (const std::filesystem::path& p : {dir / name, dir / "frames" / name}) {
      try {
        bytes = readInputIfPresent(p);
      } catch (const FileError& e) {
        fail(l.number, "style sheet '" + name + "': " + e.what());
      }
      if (bytes) {
        found = p;
        break;
      }
    }
    if (!bytes)
      fail(l.number, "style sheet '" + name + "' not found (looked in " + (dir.empty() ? "." : dir.string()) +
                         " and in frames/ there)");
    const std::string key = fileKey(found.string());
    for (std::size_t i = 0; i < chain_.size(); ++i)
      if (chain_[i] == key) {
        std::string cycle;
        for (std::size_t j = i; j < chain_.size(); ++j) cycle += std::filesystem::path(chain_[j]).filename().string() + " -> ";
        fail(l.number, "style sheets use each other in a cycle: " + cycle + name);
      }
    // A sheet that two others both use is read once.
    auto known = loaded_->find(key);
    if (known == loaded_->end()) {
      std::vector<SourceStyle> styles;
      try {
        Parser sheet(std::string(bytes->begin(), bytes->end()), found.string(), search_, Mode::Sheet, chain_);
        sheet.loaded_ = loaded_;
        sheet.parse();
        styles = sheet.takeStyles();
      } catch (const SourceError& e) {
        throw SourceError(std::string(e.what()) + " (style sheet used by " + file_ + ":" + std::to_string(l.number) + ")");
      }
      for (SourceStyle& st : styles) {
        if (st.file.empty()) st.file = found.string();
        for (SourceProperty& p : st.properties)
          if (p.file.empty()) p.file = st.file;
      }
      known = loaded_->emplace(key, std::move(styles)).first;
    }
    for (const SourceStyle& st : known->second) addStyle(st, l.number);
  }

  void addStyle(SourceStyle st, int line) {
    for (const SourceStyle& s : styles_) {
      if (!ui::sameName(s.name, st.name)) continue;
      if (s.file == st.file && s.line == st.line) return;  // the same definition, by two ways
      fail(line, "style " + st.name + " is defined twice (" + where(s) + " and " + where(st) + ")");
    }
    styles_.push_back(std::move(st));
  }

  std::string where(const SourceStyle& s) const {
    return (s.file.empty() ? file_ : s.file) + ":" + std::to_string(s.line);
  }

  const SourceStyle& findStyle(const std::string& name, int line) const {
    for (const SourceStyle& s : styles_)
      if (ui::sameName(s.name, name)) return s;
    for (const auto& [defined, at] : defined_)
      if (ui::sameName(defined, name) && at >= line)
        fail(line, "style " + name + " is used before it is defined (line " + std::to_string(at) + ")");
    fail(line, "no style named " + name);
  }

  // "style NAME" or "style NAME like BASE", then its properties, indented.
  void defineStyle() {
    const Line& head = lines_[pos_++];
    std::istringstream words(head.text);
    std::string keyword, more;
    SourceStyle st;
    st.line = head.number;
    std::string base;
    words >> keyword;
    if (!(words >> st.name) || !isName(st.name) ||
        ((words >> more) && (more != "like" || !(words >> base) || !isName(base) || (words >> more))))
      fail(head.number, "expected 'style NAME' or 'style NAME like STYLE'");
    if (!base.empty() && ui::sameName(base, st.name))
      fail(head.number, "style " + st.name + " is based on itself, a cycle");
    if (pos_ >= lines_.size() || lines_[pos_].indent <= head.indent)
      fail(head.number, "style " + st.name + " gives no property");
    const int body = lines_[pos_].indent;
    while (pos_ < lines_.size() && lines_[pos_].indent > head.indent) {
      const Line& l = lines_[pos_];
      if (l.indent != body) fail(l.number, "unexpected indentation");
      if (!isProperty(l.text)) fail(l.number, "a style holds properties only");
      SourceProperty p = property(body);
      if (p.slot != SourceProperty::Slot::None) fail(l.number, "a style gives values; slots belong to a frame's elements");
      for (const SourceProperty& q : st.properties)
        if (ui::sameName(q.path, p.path)) fail(l.number, "style " + st.name + " gives " + p.path + " twice");
      st.properties.push_back(std::move(p));
    }
    // Kept in stored order, so that an element with nothing of its own gets them in it too.
    std::stable_sort(st.properties.begin(), st.properties.end(),
                     [](const SourceProperty& a, const SourceProperty& b) { return goesBefore(a.path, b.path); });
    if (!base.empty()) st.properties = withStyle(st.properties, findStyle(base, head.number).properties);
    addStyle(std::move(st), head.number);
  }

  // `parent` is the enclosing record: null for the root.
  SourceElement element(int indent, const SourceElement* parent, int depth = 0) {
    const Line& head = lines_[pos_++];
    if (head.indent != indent) fail(head.number, "unexpected indentation");
    // Bounded here, before anything recurses over the tree, at the depth the program reads.
    if (depth > content::kMaxNesting)
      fail(head.number, "elements nest deeper than the program reads (" + std::to_string(content::kMaxNesting) +
                            " levels below the page)");
    SourceElement e = header(head, parent);
    if (pos_ < lines_.size() && lines_[pos_].indent > indent) {
      int body = lines_[pos_].indent;
      if (e.role == SourceElement::Role::Place)
        fail(lines_[pos_].number, "a place holds nothing in the frame: the pages fill it");
      while (pos_ < lines_.size() && lines_[pos_].indent > indent) {
        const Line& l = lines_[pos_];
        if (l.indent != body) fail(l.number, "unexpected indentation");
        if (isProperty(l.text)) {
          if (!e.children.empty()) fail(l.number, "properties come before the child elements");
          if (e.role == SourceElement::Role::Fill)
            fail(l.number, "'in " + e.name + "' holds the elements the page adds there, not properties");
          e.properties.push_back(property(body));
        } else {
          if (e.role == SourceElement::Role::Change)
            fail(l.number, "'change " + e.name + "' holds properties only; new elements go in a place of the frame");
          e.children.push_back(element(body, &e, depth + 1));
          if (!e.frame.empty() && e.children.back().role == SourceElement::Role::Element)
            fail(l.number, "a page on a frame adds elements at a place of the frame, as in 'in content'");
        }
      }
    }
    if (e.role == SourceElement::Role::Fill && e.children.empty())
      fail(e.line, "'in " + e.name + "' adds no element");
    if (!e.style.empty()) e.properties = withStyle(e.properties, findStyle(e.style, e.line).properties);
    return e;
  }

  static bool isProperty(const std::string& t) {
    std::size_t i = 0;
    while (i < t.size() && (isIdentChar(t[i]) || t[i] == '.')) ++i;
    return i > 0 && i < t.size() && t[i] == ':';
  }

  SourceElement header(const Line& l, const SourceElement* parent) {
    std::istringstream words(l.text);
    SourceElement e;
    e.line = l.number;
    std::string first;
    words >> first;
    if (!parent && frame_) {
      std::string more;
      if (first != "frame" || (words >> more)) fail(l.number, "a frame begins with a line \"frame\"");
      e.isFrame = true;
      return e;
    }
    if (!parent && first == "frame") fail(l.number, "this is a frame, not a page: pages name it with 'on frame'");
    if (first == "change" || first == "in" || first == "place") {
      if (!parent) fail(l.number, "a source begins with its page: kind and name, as in \"TForm5 Form5\"");
      return keywordLine(l, words, first, *parent);
    }
    e.kind = first;
    if (!(words >> e.name)) fail(l.number, "expected an element: kind and name, as in \"TLabel Label1\"");
    if (!isName(e.kind)) fail(l.number, "bad element kind '" + e.kind + "'");
    if (!isName(e.name)) fail(l.number, "bad element name '" + e.name + "'");
    std::string w;
    while (words >> w) {
      if (w == "inherited") {
        e.exists = true;
      } else if (w == "inline") {
        e.isInline = true;
      } else if (w == "like") {
        if (!e.style.empty() || !(words >> e.style) || !isName(e.style))
          fail(l.number, "'like' needs the name of one style, as in 'like Body'");
      } else if (w == "at") {
        if (!(words >> e.position) || e.position < 0) fail(l.number, "'at' needs a position, a whole number");
      } else if (w == "on" && !parent) {
        if (!(words >> w) || w != "frame") fail(l.number, "expected 'on frame \"NAME.frame\"'");
        line_ = l.number;
        text_ = l.text;
        at_ = words.eof() ? text_.size() : static_cast<std::size_t>(words.tellg());
        e.frame = quoted();
        if (!isFrameName(e.frame))
          fail(l.number, "bad frame name '" + e.frame + "': a file name ending in .frame, without folders");
        skipSpaces();
        if (at_ < text_.size()) fail(l.number, "unexpected text after the frame name: '" + text_.substr(at_) + "'");
        return e;
      } else {
        fail(l.number, "unexpected '" + w + "' after the element name");
      }
    }
    return e;
  }

  // "change NAME" and "in NAME" directly under a page built on a frame; "place NAME" in a frame.
  SourceElement keywordLine(const Line& l, std::istringstream& words, const std::string& word,
                            const SourceElement& parent) {
    SourceElement e;
    e.line = l.number;
    e.role = word == "change" ? SourceElement::Role::Change
             : word == "in"   ? SourceElement::Role::Fill
                              : SourceElement::Role::Place;
    std::string more;
    if (!(words >> e.name) || !isName(e.name) || (words >> more))
      fail(l.number, "expected '" + word + " NAME'");
    if (e.role == SourceElement::Role::Place) {
      if (!frame_) fail(l.number, "'place' belongs in a frame");
    } else if (frame_ || parent.frame.empty()) {
      fail(l.number, "'" + word + "' stands directly under a page built on a frame (\"on frame\")");
    }
    return e;
  }

  static bool isFrameName(const std::string& s) {
    if (s.size() <= 6 || s.size() > 255 || s.compare(s.size() - 6, 6, ".frame") != 0 || s[0] == '.') return false;
    for (char c : s)
      if (!isIdentChar(c) && c != '-' && c != '.') return false;
    return true;
  }

  static bool isName(const std::string& s) { return isSourceName(s); }

  SourceProperty property(int indent) {
    const Line& l = lines_[pos_++];
    SourceProperty p;
    p.line = l.number;
    std::size_t colon = l.text.find(':');
    p.path = l.text.substr(0, colon);
    if (p.path.size() > 255) fail(l.number, "property path longer than 255 characters");
    for (std::size_t s = 0;;) {
      std::size_t dot = p.path.find('.', s);
      if (!isName(p.path.substr(s, dot == std::string::npos ? dot : dot - s)))
        fail(l.number, "bad property path '" + p.path + "'");
      if (dot == std::string::npos) break;
      s = dot + 1;
    }
    line_ = l.number;
    text_ = l.text.substr(colon + 1);
    at_ = 0;
    skipSpaces();
    if (at_ < text_.size() && text_[at_] == '<') {
      std::string slot = text_.substr(at_);
      if (slot != "<required>" && slot != "<optional>") fail(l.number, "expected <required> or <optional>");
      if (!frame_) fail(l.number, slot + " belongs in a frame; a page gives the value");
      p.slot = slot == "<required>" ? SourceProperty::Slot::Required : SourceProperty::Slot::Optional;
      return p;
    }
    p.value = value(indent);
    skipSpaces();
    if (at_ < text_.size()) fail(l.number, "unexpected text after the value: '" + text_.substr(at_) + "'");
    return p;
  }

  void skipSpaces() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }

  std::string word() {
    skipSpaces();
    std::size_t start = at_;
    if (at_ < text_.size() && isIdentStart(text_[at_]))
      while (at_ < text_.size() && isIdentChar(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }

  // The column, in characters from 1, of byte `at` of text_: text_ is always the rest of line
  // line_ from some point on, and that line is indented by spaces.
  int column(std::size_t at) const {
    for (const Line& l : lines_) {
      if (l.number != line_ || l.text.size() < text_.size()) continue;
      const std::string before = l.text.substr(0, l.text.size() - text_.size()) + text_.substr(0, at);
      int n = l.indent + 1;
      for (unsigned char c : before) n += (c & 0xC0) != 0x80;
      return n;
    }
    return static_cast<int>(at) + 1;
  }

  // A control byte in a string would reach the page unseen, or cut the text short where it is
  // a NUL; the source writes one as \xHH. A tab is text as it stands.
  void refuseControlByte(std::size_t at) const {
    auto c = static_cast<unsigned char>(text_[at]);
    if (!isControlByte(c)) return;
    fail(line_, "control byte 0x" + hexByte(c) + " at column " + std::to_string(column(at)));
  }

  std::string quoted() {
    skipSpaces();
    if (at_ >= text_.size() || text_[at_] != '"') fail(line_, "expected a quoted string");
    ++at_;
    std::string out;
    for (;;) {
      if (at_ >= text_.size()) fail(line_, "the string has no closing quote");
      char c = text_[at_++];
      if (c == '"') return out;
      refuseControlByte(at_ - 1);
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) fail(line_, "the string has no closing quote");
      refuseControlByte(at_);
      char e = text_[at_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case 'x': {
          for (std::size_t i = at_; i < at_ + 2 && i < text_.size(); ++i) refuseControlByte(i);
          int high = at_ < text_.size() ? hexDigit(text_[at_]) : -1;
          int low = at_ + 1 < text_.size() ? hexDigit(text_[at_ + 1]) : -1;
          if (high < 0 || low < 0) fail(line_, "the escape \\x takes two hex digits, as in \\x1B");
          out += static_cast<char>(high * 16 + low);
          at_ += 2;
          break;
        }
        default: fail(line_, std::string("unknown escape \\") + e);
      }
    }
  }

  // Quoted pieces on this line (at least `required`) and on deeper continuation lines.
  std::string pieces(int indent, int required) {
    std::string out;
    int n = 0;
    for (skipSpaces(); at_ < text_.size() && text_[at_] == '"'; skipSpaces(), ++n) out += quoted();
    while (pos_ < lines_.size() && lines_[pos_].indent > indent && !lines_[pos_].text.empty() &&
           lines_[pos_].text[0] == '"') {
      std::size_t keepAt = at_;
      std::string keepText = text_;
      line_ = lines_[pos_].number;
      text_ = lines_[pos_++].text;
      at_ = 0;
      for (skipSpaces(); at_ < text_.size(); skipSpaces(), ++n) out += quoted();
      text_ = keepText;
      at_ = keepAt;
    }
    if (n < required) fail(line_, "expected a quoted string");
    return out;
  }

  std::vector<std::uint8_t> base64(int indent) {
    auto bytes = base64Decode(pieces(indent, 0));
    if (!bytes) fail(line_, "malformed base64 data");
    return *bytes;
  }

  std::vector<std::uint8_t> fileBytes(const std::string& name) {
    if (name.empty()) fail(line_, "the picture's file name is empty");
    std::vector<std::filesystem::path> places{std::filesystem::path(file_).parent_path() / name};
    for (const auto& dir : search_) places.push_back(dir / name);
    for (const auto& p : places) {
      try {
        if (auto bytes = readInputIfPresent(p, kMaxPictureBytes)) return std::move(*bytes);
      } catch (const FileError& e) {
        fail(line_, "picture file '" + name + "': " + e.what());
      }
    }
    fail(line_, "picture file '" + name + "' not found");
  }

  // bitmap/picture/binary/raw payloads: a file name, or base64 data.
  std::vector<std::uint8_t> payload(int indent, SourceValue& v, bool fileAllowed) {
    skipSpaces();
    std::size_t save = at_;
    if (word() == "base64") return base64(indent);
    at_ = save;
    if (!fileAllowed) fail(line_, "expected base64 data");
    v.file = pieces(indent, 1);
    return fileBytes(v.file);
  }

  SourceValue value(int indent) {
    SourceValue v;
    skipSpaces();
    if (at_ >= text_.size()) fail(line_, "the property has no value");
    char c = text_[at_];
    if (c == '"') {
      v.kind = SourceValue::Kind::String;
      v.text = ComputedValues::current().substitute(pieces(indent, 1), file_, line_);
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      std::size_t start = at_++;
      while (at_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.' ||
                                    text_[at_] == 'e' || text_[at_] == 'E' || text_[at_] == '-'))
        ++at_;
      std::string num = text_.substr(start, at_ - start);
      try {
        std::size_t used = 0;
        if (num.find_first_of(".eE") != std::string::npos) {
          v.kind = SourceValue::Kind::Float;
          v.floating = std::stod(num, &used);
        } else {
          v.kind = SourceValue::Kind::Integer;
          v.integer = std::stoll(num, &used);
        }
        if (used != num.size()) throw std::invalid_argument(num);
      } catch (const std::exception&) {
        fail(line_, "bad number '" + num + "'");
      }
    } else if (c == '[') {
      ++at_;
      v.kind = SourceValue::Kind::Set;
      skipSpaces();
      if (at_ < text_.size() && text_[at_] == ']') {
        ++at_;
        return v;
      }
      for (;;) {
        std::string m = word();
        if (m.empty()) fail(line_, "expected a set member");
        v.members.push_back(m);
        skipSpaces();
        if (at_ < text_.size() && text_[at_] == ',') {
          ++at_;
          continue;
        }
        if (at_ < text_.size() && text_[at_] == ']') {
          ++at_;
          break;
        }
        fail(line_, "expected ',' or ']' in the set");
      }
    } else {
      std::string w = word();
      if (w.empty()) fail(line_, "unexpected '" + text_.substr(at_) + "'");
      if (w == "true" || w == "false") {
        v.kind = SourceValue::Kind::Boolean;
        v.boolean = w == "true";
      } else if (w == "nil") {
        v.kind = SourceValue::Kind::Nil;
      } else if (w == "bitmap") {
        v.kind = SourceValue::Kind::Bitmap;
        v.bytes = payload(indent, v, true);
      } else if (w == "picture") {
        v.kind = SourceValue::Kind::Picture;
        v.text = word();
        if (v.text.empty()) fail(line_, "'picture' needs its graphic class, as in picture TBitmap \"file.bmp\"");
        v.bytes = payload(indent, v, true);
      } else if (w == "binary") {
        v.kind = SourceValue::Kind::Binary;
        v.bytes = payload(indent, v, false);
      } else if (w == "raw") {
        v.kind = SourceValue::Kind::Raw;
        v.bytes = payload(indent, v, false);
      } else {
        v.kind = SourceValue::Kind::Ident;
        v.text = w;
      }
    }
    return v;
  }

  std::string file_;
  std::vector<std::filesystem::path> search_;
  bool frame_;
  bool sheet_;
  std::vector<std::string> chain_;   // the source and the sheets being read that led to it
  // Sheets already read, with their styles; shared with the sheets this source uses.
  std::shared_ptr<std::map<std::string, std::vector<SourceStyle>>> loaded_ =
      std::make_shared<std::map<std::string, std::vector<SourceStyle>>>();
  std::vector<SourceStyle> styles_;  // defined so far
  std::vector<std::pair<std::string, int>> defined_;  // every style this file defines, and where
  std::vector<Line> lines_;
  std::size_t pos_ = 0;
  int line_ = 0;
  std::string text_;
  std::size_t at_ = 0;
};

// Refuses a word that cannot stand bare on a source line.
const std::string& bare(const std::string& word, const char* what) {
  if (!isSourceName(word)) throw SourceError("the " + std::string(what) + " '" + word + "' is not a plain name; it cannot be written as source");
  return word;
}

std::string barePath(const std::string& path) {
  for (std::size_t s = 0;;) {
    std::size_t dot = path.find('.', s);
    if (!isSourceName(path.substr(s, dot == std::string::npos ? dot : dot - s)))
      throw SourceError("the property path '" + path + "' is not made of plain names; it cannot be written as source");
    if (dot == std::string::npos) return path;
    s = dot + 1;
  }
}

std::string quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (isControlByte(static_cast<unsigned char>(c)))
          out += "\\x" + hexByte(static_cast<unsigned char>(c));
        else
          out += c;
    }
  }
  return out + "\"";
}

void writeBase64(std::string& out, const std::vector<std::uint8_t>& bytes, int indent) {
  std::string b = base64Encode(bytes);
  out += " base64\n";
  for (std::size_t i = 0; i < b.size(); i += 76)
    out += std::string(static_cast<std::size_t>(indent + 2), ' ') + "\"" + b.substr(i, 76) + "\"\n";
}

std::string formatFloat(double d) {
  std::ostringstream s;
  s.precision(17);
  s << d;
  std::string t = s.str();
  if (t.find_first_of(".eE") == std::string::npos) t += ".0";
  return t;
}

void writeElement(std::string& out, const SourceElement& e, int indent) {
  std::string pad(static_cast<std::size_t>(indent), ' ');
  switch (e.role) {
    case SourceElement::Role::Change: out += pad + "change " + bare(e.name, "element name"); break;
    case SourceElement::Role::Fill: out += pad + "in " + bare(e.name, "place name"); break;
    case SourceElement::Role::Place: out += pad + "place " + bare(e.name, "place name"); break;
    case SourceElement::Role::Element:
      if (e.isFrame) {
        out += pad + "frame";
        break;
      }
      out += pad + bare(e.kind, "element kind") + " " + bare(e.name, "element name");
      if (e.position >= 0) out += " at " + std::to_string(e.position);
      if (e.exists) out += " inherited";
      if (e.isInline) out += " inline";
      if (!e.frame.empty()) out += " on frame " + quote(e.frame);
      break;
  }
  out += "\n";
  std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  for (const SourceProperty& p : e.properties) {
    out += inner + barePath(p.path) + ":";
    if (p.slot != SourceProperty::Slot::None) {
      out += p.slot == SourceProperty::Slot::Required ? " <required>\n" : " <optional>\n";
      continue;
    }
    const SourceValue& v = p.value;
    switch (v.kind) {
      case SourceValue::Kind::Integer: out += " " + std::to_string(v.integer) + "\n"; break;
      case SourceValue::Kind::Float: out += " " + formatFloat(v.floating) + "\n"; break;
      case SourceValue::Kind::String: out += " " + quote(ComputedValues::escape(v.text)) + "\n"; break;
      case SourceValue::Kind::Ident: out += " " + bare(v.text, "identifier") + "\n"; break;
      case SourceValue::Kind::Boolean: out += v.boolean ? " true\n" : " false\n"; break;
      case SourceValue::Kind::Nil: out += " nil\n"; break;
      case SourceValue::Kind::Set: {
        out += " [";
        for (std::size_t i = 0; i < v.members.size(); ++i) out += (i ? ", " : "") + bare(v.members[i], "set member");
        out += "]\n";
        break;
      }
      case SourceValue::Kind::Bitmap: out += " bitmap"; writeBase64(out, v.bytes, indent + 2); break;
      case SourceValue::Kind::Picture: out += " picture " + bare(v.text, "graphic class"); writeBase64(out, v.bytes, indent + 2); break;
      case SourceValue::Kind::Binary: out += " binary"; writeBase64(out, v.bytes, indent + 2); break;
      case SourceValue::Kind::Raw: out += " raw"; writeBase64(out, v.bytes, indent + 2); break;
    }
  }
  for (const SourceElement& c : e.children) writeElement(out, c, indent + 2);
}

}  // namespace

bool isSourceName(std::string_view s) {
  if (s.empty() || s.size() > 255 || !isIdentStart(s[0])) return false;
  for (char c : s)
    if (!isIdentChar(c)) return false;
  return true;
}

SourceElement parseSource(const std::string& text, const std::string& fileName,
                          const std::vector<std::filesystem::path>& searchPath) {
  return Parser(text, fileName, searchPath, Parser::Mode::Page).parse();
}

SourceElement parseFrame(const std::string& text, const std::string& fileName,
                         const std::vector<std::filesystem::path>& searchPath) {
  return Parser(text, fileName, searchPath, Parser::Mode::Frame).parse();
}

std::vector<SourceStyle> readStyleSheet(const std::string& text, const std::string& fileName,
                                        const std::vector<std::filesystem::path>& searchPath) {
  Parser sheet(text, fileName, searchPath, Parser::Mode::Sheet);
  sheet.parse();
  return sheet.takeStyles();
}


std::vector<SourceProperty> withStyle(const std::vector<SourceProperty>& own, const std::vector<SourceProperty>& style) {
  std::vector<const SourceProperty*> added;
  for (const SourceProperty& p : style) {
    bool given = false;
    for (const SourceProperty& o : own) given = given || ui::sameName(o.path, p.path);
    if (!given) added.push_back(&p);
  }
  std::vector<SourceProperty> out;
  out.reserve(own.size() + added.size());
  std::size_t j = 0;
  for (const SourceProperty& o : own) {
    while (j < added.size() && goesBefore(added[j]->path, o.path)) out.push_back(*added[j++]);
    out.push_back(o);
  }
  while (j < added.size()) out.push_back(*added[j++]);
  return out;
}

std::string writeSource(const SourceElement& root) {
  std::string out;
  writeElement(out, root, 0);
  return out;
}

}  // namespace apostila::tools
