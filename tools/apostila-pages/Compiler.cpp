// Type-aware encoding of page sources.
#include "Compiler.h"

#include <algorithm>
#include <stdexcept>

#include "ByteWriter.h"
#include "PictureCheck.h"
#include "ReadBack.h"
#include "content/DefinitionReader.h"
#include "content/ReadError.h"
#include "content/ValueReader.h"
#include "ui/Form.h"

namespace apostila::tools {

namespace {

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
  ByteWriter w(out);
  if (v.kind == K::Raw) return v.bytes;
  if (target.defined) {
    switch (target.defined->kind) {
      case ui::DefinedKind::Integer:
        if (v.kind != K::Integer || v.integer < INT32_MIN || v.integer > INT32_MAX)
          unsuitable("expected a 32-bit integer");
        w.integer(v.integer);
        return out;
      case ui::DefinedKind::Boolean:
        if (v.kind != K::Boolean) unsuitable("expected true or false");
        w.boolean(v.boolean);
        return out;
      case ui::DefinedKind::Bitmap:
      case ui::DefinedKind::Picture: {
        bool picture = target.defined->kind == ui::DefinedKind::Picture;
        if (v.kind == K::Binary) {
          w.binary(v.bytes);
          return out;
        }
        if (v.kind != (picture ? K::Picture : K::Bitmap))
          unsuitable(picture ? "expected picture TBitmap \"file.bmp\"" : "expected bitmap \"file.bmp\"");
        // A picture file must hold a picture; only inline data may give the empty bitmap.
        if (!v.file.empty() || !v.bytes.empty()) checkPicture(v.bytes, v.file);
        if (picture && (v.text.empty() || v.text.size() > 255)) unsuitable("bad graphic class name");
        std::size_t size = v.bytes.size() + 4 + (picture ? 1 + v.text.size() : 0);
        if (size > UINT32_MAX) unsuitable("the picture is too large");
        // The graphic's own layout inside the binary value: its class name for a picture, then
        // the file's length and the file.
        w.code(content::ValueCode::Binary);
        w.u32(static_cast<std::uint32_t>(size));
        if (picture) w.shortString(v.text);
        w.u32(static_cast<std::uint32_t>(v.bytes.size()));
        w.bytes(v.bytes);
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
          w.ident(named->name);
        else
          w.integer(v.integer);
        return out;
      }
      if (v.kind == K::Ident && p.idents) {
        const ui::IdentEntry* e = p.idents->findName(v.text);
        if (!e) unsuitable("'" + v.text + "' is not a known name for " + std::string(p.name));
        w.ident(e->name);
        return out;
      }
      unsuitable("expected an integer" + std::string(p.idents ? " or a name" : ""));
    case ui::PropKind::Int64:
      if (v.kind != K::Integer) unsuitable("expected an integer");
      w.integer(v.integer);
      return out;
    case ui::PropKind::Char:
      if (v.kind != K::String) unsuitable("expected a one-character string");
      w.string(v.text);
      return out;
    case ui::PropKind::Enum:
      if (p.enumType == &ui::kBooleanType) {
        if (v.kind == K::Boolean) {
          w.boolean(v.boolean);
          return out;
        }
        unsuitable("expected true or false");
      }
      if (v.kind == K::Ident) {
        int ordinal = p.enumType->find(v.text);
        if (ordinal < 0) unsuitable("'" + v.text + "' is not a member of " + std::string(p.enumType->name));
        w.ident(p.enumType->members[static_cast<std::size_t>(ordinal)]);
        return out;
      }
      unsuitable("expected a member of " + std::string(p.enumType->name));
    case ui::PropKind::Float:
      if (v.kind == K::Float) w.extended(v.floating);
      else if (v.kind == K::Integer) w.extended(static_cast<double>(v.integer));
      else unsuitable("expected a number");
      return out;
    case ui::PropKind::String:
      if (v.kind != K::String) unsuitable("expected a quoted string, not " + kindName(v.kind));
      w.string(v.text);
      return out;
    case ui::PropKind::Set: {
      if (v.kind != K::Set) unsuitable("expected a set in brackets");
      w.code(content::ValueCode::Set);
      for (const std::string& m : v.members) {
        int ordinal = p.enumType->find(m);
        if (ordinal < 0) unsuitable("'" + m + "' is not a member of " + std::string(p.enumType->name));
        w.shortString(p.enumType->members[static_cast<std::size_t>(ordinal)]);
      }
      w.end();
      return out;
    }
    case ui::PropKind::Object:
      if (v.kind != K::Nil) unsuitable(std::string(p.name) + " is an object: set its parts, as in " +
                                       std::string(p.name) + ".Name");
      w.nil();
      return out;
    case ui::PropKind::Reference:
    case ui::PropKind::Event:
      if (v.kind == K::Nil) {
        w.nil();
        return out;
      }
      if (v.kind != K::Ident) unsuitable("expected a name");
      w.ident(v.text);
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
  std::vector<std::uint8_t> out;
  ByteWriter(out).signature();
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
  ByteWriter w(out);
  if (e.exists || e.isInline || e.position >= 0) w.prefix(e.exists, e.position, e.isInline);
  w.shortString(e.kind);
  w.shortString(e.name);
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
    w.shortString(p.path);
    w.bytes(value);
  }
  w.end();
  for (const SourceElement& c : e.children) element(c, depth + 1, out);
  w.end();
}

}  // namespace apostila::tools
