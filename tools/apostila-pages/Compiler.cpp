// Type-aware encoding of page sources.
#include "Compiler.h"

#include <cmath>
#include <stdexcept>

#include <algorithm>

#include "PictureCheck.h"
#include "ReadBack.h"
#include "content/DefinitionReader.h"
#include "content/ReadError.h"
#include "content/ValueReader.h"
#include "ui/Form.h"

namespace apostila::tools {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putShort(std::vector<std::uint8_t>& out, std::string_view s) {
  out.push_back(static_cast<std::uint8_t>(s.size()));
  out.insert(out.end(), s.begin(), s.end());
}

void putInteger(std::vector<std::uint8_t>& out, std::int64_t v) {
  if (v >= -128 && v <= 127) {
    out.push_back(2);
    out.push_back(static_cast<std::uint8_t>(v));
  } else if (v >= -32768 && v <= 32767) {
    out.push_back(3);
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  } else if (v >= INT32_MIN && v <= INT32_MAX) {
    out.push_back(4);
    put32(out, static_cast<std::uint32_t>(v));
  } else {
    out.push_back(19);
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
  }
}

void putIdent(std::vector<std::uint8_t>& out, std::string_view name) {
  out.push_back(7);
  putShort(out, name);
}

bool isAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

void putString(std::vector<std::uint8_t>& out, const std::string& s) {
  if (isAscii(s) && s.size() <= 255) {
    out.push_back(6);
    putShort(out, s);
  } else if (isAscii(s)) {
    out.push_back(12);
    put32(out, static_cast<std::uint32_t>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
  } else {
    if (content::sanitizeUtf8(s) != s) throw std::invalid_argument("the text is not valid UTF-8");
    out.push_back(20);
    put32(out, static_cast<std::uint32_t>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
  }
}

void putExtended(std::vector<std::uint8_t>& out, double d) {
  out.push_back(5);
  std::uint8_t b[10] = {};
  if (d != 0 && std::isfinite(d)) {
    int e;
    double m = std::frexp(std::fabs(d), &e);  // m in [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
    int exponent = e - 1 + 16383;
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    b[8] = static_cast<std::uint8_t>(exponent);
    b[9] = static_cast<std::uint8_t>((exponent >> 8) & 0x7F);
  } else if (!std::isfinite(d)) {
    throw std::invalid_argument("a float must be finite");
  }
  if (std::signbit(d)) b[9] |= 0x80;
  out.insert(out.end(), b, b + 10);
}

[[noreturn]] void unsuitable(const std::string& what) { throw std::invalid_argument(what); }

std::string kindName(SourceValue::Kind k) {
  switch (k) {
    case SourceValue::Kind::Integer: return "an integer";
    case SourceValue::Kind::Float: return "a number with a fraction";
    case SourceValue::Kind::String: return "a string";
    case SourceValue::Kind::Ident: return "an identifier";
    case SourceValue::Kind::Boolean: return "true or false";
    case SourceValue::Kind::Set: return "a set";
    case SourceValue::Kind::Nil: return "nil";
    case SourceValue::Kind::Bitmap: return "a bitmap";
    case SourceValue::Kind::Picture: return "a picture";
    case SourceValue::Kind::Binary: return "binary data";
    case SourceValue::Kind::Raw: return "raw data";
  }
  return "a value";
}

}  // namespace

PropertyTarget resolvePath(const ui::TypeInfo& type, const std::string& path, std::string& why) {
  const ui::TypeInfo* t = &type;
  std::size_t start = 0;
  for (;;) {
    std::size_t dot = path.find('.', start);
    std::string part = path.substr(start, dot == std::string::npos ? dot : dot - start);
    const ui::PropInfo* p = t->findProperty(part);
    if (dot == std::string::npos) {
      if (p) return {p, nullptr};
      if (const ui::DefinedProp* d = t->findDefined(part)) return {nullptr, d};
      why = std::string(t->className) + " has no property " + part;
      return {};
    }
    if (!p) {
      why = std::string(t->className) + " has no property " + part;
      return {};
    }
    if (p->kind != ui::PropKind::Object || !p->objectType) {
      why = part + " of " + std::string(t->className) + " is not an object with properties of its own";
      return {};
    }
    t = p->objectType;
    start = dot + 1;
  }
}

const ui::TypeInfo* recordType(const std::string& kind, bool root) {
  content::registerContentClasses();
  if (root) return &ui::Form::kType;
  const ui::TypeInfo* t = ui::findRegisteredClass(kind);
  return t && t->isComponent ? t : nullptr;
}

std::vector<std::uint8_t> encodeValue(const SourceValue& v, const PropertyTarget& target) {
  using K = SourceValue::Kind;
  std::vector<std::uint8_t> out;
  if (v.kind == K::Raw) return v.bytes;
  if (target.defined) {
    switch (target.defined->kind) {
      case ui::DefinedKind::Integer:
        if (v.kind != K::Integer || v.integer < INT32_MIN || v.integer > INT32_MAX)
          unsuitable("expected a 32-bit integer");
        putInteger(out, v.integer);
        return out;
      case ui::DefinedKind::Boolean:
        if (v.kind != K::Boolean) unsuitable("expected true or false");
        out.push_back(v.boolean ? 9 : 8);
        return out;
      case ui::DefinedKind::Bitmap:
      case ui::DefinedKind::Picture: {
        bool picture = target.defined->kind == ui::DefinedKind::Picture;
        out.push_back(10);
        if (v.kind == K::Binary) {
          put32(out, static_cast<std::uint32_t>(v.bytes.size()));
          out.insert(out.end(), v.bytes.begin(), v.bytes.end());
          return out;
        }
        if (v.kind != (picture ? K::Picture : K::Bitmap))
          unsuitable(picture ? "expected picture TBitmap \"file.bmp\"" : "expected bitmap \"file.bmp\"");
        // A picture file must hold a picture; only inline data may give the empty bitmap.
        if (!v.file.empty() || !v.bytes.empty()) checkPicture(v.bytes, v.file);
        if (picture && (v.text.empty() || v.text.size() > 255)) unsuitable("bad graphic class name");
        std::size_t size = v.bytes.size() + 4 + (picture ? 1 + v.text.size() : 0);
        if (size > UINT32_MAX) unsuitable("the picture is too large");
        put32(out, static_cast<std::uint32_t>(size));
        if (picture) putShort(out, v.text);
        put32(out, static_cast<std::uint32_t>(v.bytes.size()));
        out.insert(out.end(), v.bytes.begin(), v.bytes.end());
        return out;
      }
    }
  }
  const ui::PropInfo& p = *target.prop;
  if (!p.writable()) unsuitable(std::string(p.name) + " is read-only");
  switch (p.kind) {
    case ui::PropKind::Integer:
      if (v.kind == K::Integer) {
        if (v.integer < INT32_MIN || v.integer > INT32_MAX) unsuitable("the integer does not fit in 32 bits");
        const ui::IdentEntry* named = p.idents ? p.idents->findValue(static_cast<std::int32_t>(v.integer)) : nullptr;
        if (named)
          putIdent(out, named->name);
        else
          putInteger(out, v.integer);
        return out;
      }
      if (v.kind == K::Ident && p.idents) {
        const ui::IdentEntry* e = p.idents->findName(v.text);
        if (!e) unsuitable("'" + v.text + "' is not a known name for " + std::string(p.name));
        putIdent(out, e->name);
        return out;
      }
      unsuitable("expected an integer" + std::string(p.idents ? " or a name" : ""));
    case ui::PropKind::Int64:
      if (v.kind != K::Integer) unsuitable("expected an integer");
      putInteger(out, v.integer);
      return out;
    case ui::PropKind::Char:
      if (v.kind != K::String) unsuitable("expected a one-character string");
      putString(out, v.text);
      return out;
    case ui::PropKind::Enum:
      if (p.enumType == &ui::kBooleanType) {
        if (v.kind == K::Boolean) {
          out.push_back(v.boolean ? 9 : 8);
          return out;
        }
        unsuitable("expected true or false");
      }
      if (v.kind == K::Ident) {
        int ordinal = p.enumType->find(v.text);
        if (ordinal < 0) unsuitable("'" + v.text + "' is not a member of " + std::string(p.enumType->name));
        putIdent(out, p.enumType->members[static_cast<std::size_t>(ordinal)]);
        return out;
      }
      unsuitable("expected a member of " + std::string(p.enumType->name));
    case ui::PropKind::Float:
      if (v.kind == K::Float) putExtended(out, v.floating);
      else if (v.kind == K::Integer) putExtended(out, static_cast<double>(v.integer));
      else unsuitable("expected a number");
      return out;
    case ui::PropKind::String:
      if (v.kind != K::String) unsuitable("expected a quoted string, not " + kindName(v.kind));
      putString(out, v.text);
      return out;
    case ui::PropKind::Set: {
      if (v.kind != K::Set) unsuitable("expected a set in brackets");
      out.push_back(11);
      for (const std::string& m : v.members) {
        int ordinal = p.enumType->find(m);
        if (ordinal < 0) unsuitable("'" + m + "' is not a member of " + std::string(p.enumType->name));
        putShort(out, p.enumType->members[static_cast<std::size_t>(ordinal)]);
      }
      out.push_back(0);
      return out;
    }
    case ui::PropKind::Object:
      if (v.kind != K::Nil) unsuitable(std::string(p.name) + " is an object: set its parts, as in " +
                                       std::string(p.name) + ".Name");
      out.push_back(13);
      return out;
    case ui::PropKind::Reference:
    case ui::PropKind::Event:
      if (v.kind == K::Nil) {
        out.push_back(13);
        return out;
      }
      if (v.kind != K::Ident) unsuitable("expected a name");
      putIdent(out, v.text);
      return out;
  }
  unsuitable("unsupported property");
}

SourceError Compiler::error(const std::string& file, int line, const std::string& what) const {
  if (file.empty()) return SourceError(file_, line, what);
  return SourceError(file, line, what, file_, rootLine_);
}

static std::string nameKey(const std::string& name) {
  std::string key = name;
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

void Compiler::mark(std::size_t offset, const std::string& file, int line) { marks_.push_back({offset, file, line}); }

void Compiler::readBackOrFail(const SourceElement& root, const std::vector<std::uint8_t>& definition) const {
  auto failure = readBack(definition, root, pageClass_);
  if (!failure) return;
  // The last item that begins at or before the refused one is the line it came from.
  auto it = std::upper_bound(marks_.begin(), marks_.end(), failure->offset,
                             [](std::size_t at, const Mark& m) { return at < m.offset; });
  const Mark& m = it == marks_.begin() ? marks_.front() : *(it - 1);
  throw error(m.file, m.line, "the program would refuse this page: " + failure->message);
}

std::vector<std::uint8_t> Compiler::compile(const SourceElement& root) {
  names_.clear();
  nameKeys_.clear();
  marks_.clear();
  rootLine_ = root.line;
  if (root.isFrame) throw SourceError(file_, root.line, "a frame is not a page; pages name it with 'on frame'");
  if (!root.frame.empty()) throw SourceError(file_, root.line, "the page is on frame '" + root.frame + "', not expanded");
  pageClass_ = pages_ ? pages_(root.kind) : nullptr;
  if (pages_ && !pageClass_) throw SourceError(file_, root.line, "no page class named " + root.kind);
  std::vector<std::uint8_t> out{'T', 'P', 'F', '0'};
  mark(0, root.file, root.line);
  element(root, 0, out);
  // The handlers reach these elements through the members; a page without one would fail
  // only when a learner clicks.
  if (const ui::MemberInfo* m = pageClass_ ? pageClass_->firstMemberNotIn(names_) : nullptr)
    throw SourceError(file_, root.line, "the page class needs a " + std::string(m->kind->className) + " named " +
                                            std::string(m->name));
  readBackOrFail(root, out);
  return out;
}

void Compiler::element(const SourceElement& e, int depth, std::vector<std::uint8_t>& out) {
  const bool root = depth == 0;
  // The parser bounds nesting already; a tree built in code is held to the reader's bound too.
  if (depth > content::kMaxNesting)
    throw error(e.file, e.line, "elements nest deeper than the program reads (" +
                                    std::to_string(content::kMaxNesting) + " levels below the page)");
  mark(out.size(), e.file, e.line);
  if (e.role != SourceElement::Role::Element)
    throw error(e.file, e.line, "'" + e.name + "' belongs to a page on a frame, which is expanded before compiling");
  const ui::TypeInfo* type = recordType(e.kind, root);
  if (!type) throw error(e.file, e.line, "unknown element kind " + e.kind);
  if (!root) {
    if (!nameKeys_.insert(nameKey(e.name)).second) {
      if (!e.exists) throw error(e.file, e.line, "a second element named " + e.name);
    } else {
      names_.push_back(e.name);
    }
    if (pageClass_) {
      const ui::MemberInfo* m = pageClass_->findMember(e.name);
      if (m && !type->inheritsFrom(*m->kind))
        throw error(e.file, e.line, e.name + " must be a " + std::string(m->kind->className));
    }
  }
  if (e.exists || e.isInline || e.position >= 0) {
    std::uint8_t prefix = 0xF0 | (e.exists ? 1 : 0) | (e.position >= 0 ? 2 : 0) | (e.isInline ? 4 : 0);
    out.push_back(prefix);
    if (e.position >= 0) putInteger(out, e.position);
  }
  putShort(out, e.kind);
  putShort(out, e.name);
  for (const SourceProperty& p : e.properties) {
    if (p.slot != SourceProperty::Slot::None)
      throw error(p.file, p.line, p.path + ": a frame's slot, filled when a page on the frame is expanded");
    std::string why;
    PropertyTarget target = resolvePath(*type, p.path, why);
    if (!target.prop && !target.defined) throw error(p.file, p.line, why);
    std::vector<std::uint8_t> value;
    try {
      value = encodeValue(p.value, target);
    } catch (const std::invalid_argument& ex) {
      throw error(p.file, p.line, p.path + ": " + ex.what());
    }
    if (pageClass_ && target.prop && target.prop->kind == ui::PropKind::Event && p.value.kind == SourceValue::Kind::Ident &&
        !pageClass_->findHandler(p.value.text))
      throw error(p.file, p.line, p.path + ": the page class has no handler " + p.value.text);
    mark(out.size(), p.file, p.line);
    putShort(out, p.path);
    out.insert(out.end(), value.begin(), value.end());
  }
  out.push_back(0);
  for (const SourceElement& c : e.children) element(c, depth + 1, out);
  out.push_back(0);
}

}  // namespace apostila::tools
