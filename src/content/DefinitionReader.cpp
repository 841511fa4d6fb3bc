// The page definition reader.
#include "content/DefinitionReader.h"

#include <memory>
#include <unordered_map>
#include <string>
#include <vector>

#include "content/ByteReader.h"
#include "content/Graphic.h"
#include "content/ReadError.h"
#include "content/StreamFormat.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "content/ValueLimits.h"
#include "content/ValueReader.h"
#include "ui/Font.h"

namespace apostila::content {

void registerContentClasses() {
  ui::registerClass(TPanel::kType);
  ui::registerClass(TLabel::kType);
  ui::registerClass(TImage::kType);
  ui::registerClass(TSpeedButton::kType);
  // Known by name but not element kinds: a record naming one is refused.
  ui::registerClass(ui::Font::kType);
  ui::registerClass(GraphicBitmap::kType);
  ui::registerClass(Picture::kType);
}

namespace {

// A defined property's value, read only when the owner asks for it.
class StreamDefinedValue : public ui::DefinedValue {
 public:
  explicit StreamDefinedValue(ValueReader& values) : values_(values) {}
  std::int32_t integer() override {
    ValueCode c = values_.code();
    if (!ValueReader::isInteger(c)) fail(c);
    return static_cast<std::int32_t>(values_.integerPayload(c));
  }
  bool boolean() override {
    ValueCode c = values_.code();
    if (c != ValueCode::False && c != ValueCode::True) fail(c);
    return c == ValueCode::True;
  }
  std::span<const std::uint8_t> binary() override {
    ValueCode c = values_.code();
    if (c != ValueCode::Binary) fail(c);
    return values_.input().take(values_.input().u32());
  }

 private:
  [[noreturn]] void fail(ValueCode c) {
    values_.skipPayload(c);
    throw ReadError(msg::kInvalidPropertyValue);
  }
  ValueReader& values_;
};

struct Fixup {
  ui::Persistent* object;
  const ui::PropInfo* prop;
  std::string target;
  std::string context;  // element name and path, for the error message
  std::size_t offset;   // where its property record begins
};

// Names compare without regard to ASCII case; this is the key they are kept under.
std::string nameKey(std::string_view name) {
  std::string key(name);
  for (char& ch : key)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return key;
}

class Reader {
 public:
  Reader(std::span<const std::uint8_t> data, ui::Form& page) : in_(data), values_(in_), page_(page) {}

  // Where the record or property being read begins.
  std::size_t itemStart() const { return itemStart_; }

  void run() {
    // Every element is found by name through one table, so a page with many elements reads in
    // time linear in their number.
    for (ui::Component* c : page_.components())
      if (!c->name().empty()) byName_.emplace(nameKey(c->name()), c);
    if (!hasSignature(in_.take(kSignature.size()))) throw ReadError(msg::kInvalidStreamFormat);
    readPrefix();
    in_.shortString();  // the stored class name: the page object's own class is authoritative
    namePage(in_.shortString());

    page_.setLoading(true);
    readProperties(page_);
    readChildren(page_);
    resolveReferences();
    page_.scaleToScreen();
    arrangeAll(page_);
    page_.loaded();
    for (ui::Component* c : completed_) c->loaded();
  }

  // Undoes what a failed read created, last created first.
  void discard() {
    for (const ui::MemberInfo* m : bound_) m->bind(page_, nullptr);
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    created_.clear();
    page_.setLoading(false);
  }

 private:
  struct Prefix {
    std::uint8_t flags = 0;
    int position = -1;
  };

  Prefix readPrefix() {
    Prefix p;
    if (isPrefix(in_.peek())) {
      p.flags = in_.u8() & ~kPrefixMark;
      if (p.flags & kPrefixPosition) {
        ValueCode c = values_.code();
        if (!ValueReader::isInteger(c)) throw ReadError(msg::kInvalidStreamFormat);
        p.position = static_cast<int>(values_.integerPayload(c));
      }
    }
    return p;
  }

  void namePage(const std::string& stored) {
    // Another live component of the same owner keeps its name; this one gets a counter.
    std::string name = stored;
    auto taken = [&](const std::string& n) {
      ui::Component* owner = page_.owner();
      if (!owner) return false;
      for (ui::Component* c : owner->components())
        if (c != &page_ && ui::sameName(c->name(), n)) return true;
      return false;
    };
    for (int i = 1; taken(name); ++i) name = stored + "_" + std::to_string(i);
    page_.setName(name);
  }

  static std::string displayName(const ui::Component& c, const ui::Form& page) {
    if (!c.name().empty()) return c.name();
    if (&c == &page) return std::string(page.pageClass().className);
    return std::string(c.typeInfo().className);
  }

  void readProperties(ui::Component& owner) {
    while (in_.peek() != kEnd) readProperty(owner);
    in_.skip(1);
  }

  void readProperty(ui::Component& owner) {
    itemStart_ = in_.position();
    std::string path = in_.shortString();
    try {
      ui::Persistent* target = &owner;
      std::size_t start = 0;
      for (;;) {
        std::size_t dot = path.find('.', start);
        std::string part = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        const ui::PropInfo* prop = target->typeInfo().findProperty(part);
        if (dot == std::string::npos) {
          if (prop) {
            readValue(*target, *prop, owner, path);
          } else {
            StreamDefinedValue defined(values_);
            if (!target->readDefined(part, defined)) {
              values_.skip();
              throw ReadError(msg::propertyMissing(part));
            }
          }
          return;
        }
        if (!prop) {
          values_.skip();
          throw ReadError(msg::propertyMissing(part));
        }
        if (prop->kind != ui::PropKind::Object || !prop->object) {
          values_.skip();
          throw ReadError(msg::kInvalidPropertyPath);
        }
        target = prop->object(*target);
        start = dot + 1;
      }
    } catch (const ReadError& e) {
      throw ReadError(msg::errorReading(displayName(owner, page_), path, e.what()));
    }
  }

  [[noreturn]] void invalid(ValueCode c) {
    values_.skipPayload(c);
    throw ReadError(msg::kInvalidPropertyValue);
  }

  void readValue(ui::Persistent& obj, const ui::PropInfo& prop, ui::Component& owner, const std::string& path) {
    if (!prop.writable()) {
      values_.skip();
      throw ReadError(msg::kReadOnly);
    }
    ValueCode c = values_.code();
    switch (prop.kind) {
      case ui::PropKind::Integer: {
        std::int64_t v;
        if (ValueReader::isInteger(c)) {
          v = values_.integerPayload(c);
        } else if (c == ValueCode::Ident && prop.idents) {
          const ui::IdentEntry* e = prop.idents->findName(values_.identPayload(c));
          if (!e) throw ReadError(msg::kInvalidPropertyValue);
          v = e->value;
        } else {
          invalid(c);
        }
        if (!withinLimits(obj, prop, v)) throw ReadError(msg::kInvalidPropertyValue);
        prop.setInteger(obj, v);
        return;
      }
      case ui::PropKind::Int64:
        if (!ValueReader::isInteger(c) && c != ValueCode::Int64) invalid(c);
        prop.setInteger(obj, values_.integerPayload(c));
        return;
      case ui::PropKind::Char: {
        if (!ValueReader::isString(c)) invalid(c);
        std::string s = values_.stringPayload(c);
        // One character at most: a single UTF-8 sequence.
        std::size_t n = 0;
        for (unsigned char ch : s) n += (ch & 0xC0) != 0x80;
        if (n > 1) throw ReadError(msg::kInvalidPropertyValue);
        std::uint32_t cp = 0;
        if (!s.empty()) {
          auto b = static_cast<unsigned char>(s[0]);
          cp = b < 0x80 ? b : (b & (0x3F >> (s.size() - 1)));
          for (std::size_t i = 1; i < s.size(); ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        }
        prop.setInteger(obj, cp);
        return;
      }
      case ui::PropKind::Enum: {
        if (!ValueReader::isIdent(c)) invalid(c);
        int ordinal = prop.enumType->find(values_.identPayload(c));
        if (ordinal < 0) throw ReadError(msg::kInvalidPropertyValue);
        prop.setInteger(obj, ordinal);
        return;
      }
      case ui::PropKind::Float:
        if (c != ValueCode::Extended && c != ValueCode::Single && !ValueReader::isInteger(c)) invalid(c);
        prop.setFloat(obj, values_.floatPayload(c));
        return;
      case ui::PropKind::String:
        if (!ValueReader::isString(c)) invalid(c);
        prop.setString(obj, values_.stringPayload(c));
        return;
      case ui::PropKind::Set: {
        if (c != ValueCode::Set) invalid(c);
        std::int64_t mask = 0;
        for (const std::string& m : values_.setPayload()) {
          int ordinal = prop.enumType->find(m);
          if (ordinal < 0) throw ReadError(msg::kInvalidPropertyValue);
          if (ordinal <= 31) mask |= std::int64_t{1} << ordinal;
        }
        prop.setInteger(obj, mask);
        return;
      }
      case ui::PropKind::Object:
        // Owned sub-objects (font, glyph, picture) are filled through dotted paths; a nil
        // leaves them as they are. Collections do not occur in these kinds.
        if (c != ValueCode::Nil) invalid(c);
        return;
      case ui::PropKind::Reference:
        if (c == ValueCode::Nil) {
          prop.setReference(obj, nullptr);
        } else if (c == ValueCode::Ident) {
          fixups_.push_back({&obj, &prop, values_.identPayload(c), displayName(owner, page_) + "." + path, itemStart_});
        } else {
          invalid(c);
        }
        return;
      case ui::PropKind::Event: {
        if (c == ValueCode::Nil) return;
        if (c != ValueCode::Ident) invalid(c);
        const ui::HandlerInfo* h = page_.pageClass().findHandler(values_.identPayload(c));
        if (!h || static_cast<int>(h->fn.index()) != static_cast<int>(prop.signature))
          throw ReadError(msg::kInvalidPropertyValue);
        prop.setEvent(obj, page_, h->fn);
        return;
      }
    }
  }

  void readChildren(ui::Component& parent, int depth = 0) {
    while (in_.peek() != kEnd) readChild(parent, depth + 1);
    in_.skip(1);
  }

  ui::Component* named(const std::string& name) const {
    auto it = byName_.find(nameKey(name));
    return it == byName_.end() ? nullptr : it->second;
  }

  void readChild(ui::Component& enclosing, int depth) {
    itemStart_ = in_.position();
    if (depth > kMaxNesting) throw ReadError(msg::kInvalidStreamFormat);
    Prefix prefix = readPrefix();
    std::string className = in_.shortString();
    std::string name = in_.shortString();
    auto* parent = dynamic_cast<ui::Container*>(&enclosing);
    if (!parent) throw ReadError(msg::notAContainer(displayName(enclosing, page_)));

    ui::Component* element;
    if (prefix.flags & kPrefixExists) {
      element = named(name);
      if (!element) throw ReadError(msg::ancestorNotFound(name));
    } else {
      const ui::TypeInfo* kind = page_.pageClass().findMemberKind(className);
      if (!kind) kind = ui::findRegisteredClass(className);
      if (!kind || !kind->isComponent || !kind->create) throw ReadError(msg::classNotFound(className));
      if (named(name)) throw ReadError(msg::duplicateName(name));
      const ui::MemberInfo* member = page_.pageClass().findMember(name);
      if (member && !kind->inheritsFrom(*member->kind))
        throw ReadError(msg::wrongKind(name, std::string(member->kind->className)));
      element = kind->create(page_);
      created_.push_back(element);
      element->setName(name);
      if (!name.empty()) byName_.emplace(nameKey(name), element);
      element->setLoading(true);
      if (auto* control = dynamic_cast<ui::Control*>(element)) control->setParent(parent);
      if (member) {
        member->bind(page_, element);
        bound_.push_back(member);
      }
    }
    if (prefix.flags & kPrefixPosition)
      if (auto* control = dynamic_cast<ui::Control*>(element)) parent->moveControl(control, prefix.position);
    readProperties(*element);
    readChildren(*element, depth);
    completed_.push_back(element);
  }

  void resolveReferences() {
    for (const Fixup& f : fixups_) {
      ui::Component* target = named(f.target);
      itemStart_ = f.offset;
      if (!target || !f.prop->setReference(*f.object, target))
        throw ReadError("Error reading " + f.context + ": " + msg::kInvalidPropertyValue);
    }
  }

  static void arrangeAll(ui::Container& c) {
    c.arrange();
    for (ui::Control* child : c.controls())
      if (auto* inner = dynamic_cast<ui::Container*>(child)) arrangeAll(*inner);
  }

  ByteReader in_;
  ValueReader values_;
  ui::Form& page_;
  std::vector<ui::Component*> created_;
  std::vector<ui::Component*> completed_;
  std::vector<Fixup> fixups_;
  std::vector<const ui::MemberInfo*> bound_;
  std::unordered_map<std::string, ui::Component*> byName_;
  std::size_t itemStart_ = 0;
};

}  // namespace

void readDefinition(std::span<const std::uint8_t> definition, ui::Form& page, std::size_t* failedAt) {
  registerContentClasses();
  Reader reader(definition, page);
  try {
    reader.run();
  } catch (...) {
    if (failedAt) *failedAt = reader.itemStart();
    reader.discard();
    throw;
  }
}

}  // namespace apostila::content
