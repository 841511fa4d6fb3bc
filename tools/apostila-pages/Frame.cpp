// Expansion of pages built on a frame (see Frame.h and the format in PageSource.h).
#include "Frame.h"


#include "FileIo.h"
#include "ui/TypeInfo.h"

namespace apostila::tools {

namespace {

using Role = SourceElement::Role;

void markFrom(SourceElement& e, const std::string& file) {
  e.file = file;
  for (SourceProperty& p : e.properties)
    if (p.file.empty()) p.file = file;  // a style's properties keep their sheet
  for (SourceElement& c : e.children) markFrom(c, file);
}

SourceElement* findElement(SourceElement& e, const std::string& name) {
  for (SourceElement& c : e.children) {
    if (c.role != Role::Element) continue;
    if (ui::sameName(c.name, name)) return &c;
    if (SourceElement* inner = findElement(c, name)) return inner;
  }
  return nullptr;
}

bool hasPlace(const SourceElement& e, const std::string& name) {
  for (const SourceElement& c : e.children)
    if ((c.role == Role::Place && ui::sameName(c.name, name)) || hasPlace(c, name)) return true;
  return false;
}

void placeNames(const SourceElement& e, std::string& out) {
  for (const SourceElement& c : e.children) {
    if (c.role == Role::Place) out += (out.empty() ? "" : ", ") + c.name;
    placeNames(c, out);
  }
}

// A page's property replaces the frame's of the same path where the frame has one; a property
// the frame does not name comes after the frame's, in the page's order.
void applyOverrides(SourceElement& target, const std::vector<SourceProperty>& given, const std::string& pageFile) {
  for (std::size_t i = 0; i < given.size(); ++i) {
    const SourceProperty& p = given[i];
    for (std::size_t j = 0; j < i; ++j)
      if (ui::sameName(given[j].path, p.path)) throw SourceError(pageFile, p.line, p.path + " is given twice");
    bool placed = false;
    for (SourceProperty& q : target.properties) {
      if (ui::sameName(q.path, p.path)) {
        q = p;
        placed = true;
        break;
      }
    }
    if (!placed) target.properties.push_back(p);
  }
}

// An element a page adds may not take the name of one of the frame's: handlers would reach
// only one of the two.
void checkAdded(const SourceElement& added, SourceElement& frame, const std::string& pageFile) {
  for (const SourceElement& c : added.children) {
    if (findElement(frame, c.name))
      throw SourceError(pageFile, c.line, "the frame has an element named " + c.name + " already");
    checkAdded(c, frame, pageFile);
  }
}

// Replaces each place with the elements the page adds there.
void fill(SourceElement& e, const std::vector<const SourceElement*>& fills) {
  std::vector<SourceElement> children;
  for (SourceElement& c : e.children) {
    if (c.role != Role::Place) {
      fill(c, fills);
      children.push_back(std::move(c));
      continue;
    }
    for (const SourceElement* f : fills)
      if (ui::sameName(f->name, c.name)) children.insert(children.end(), f->children.begin(), f->children.end());
  }
  e.children = std::move(children);
}

bool sameValue(const SourceValue& a, const SourceValue& b) {
  return a.kind == b.kind && a.integer == b.integer && a.floating == b.floating && a.boolean == b.boolean &&
         a.text == b.text && a.members == b.members && a.bytes == b.bytes;
}

// The page's properties that the frame element does not give as they stand.
std::vector<SourceProperty> differing(const SourceElement& page, const SourceElement& frame) {
  std::vector<SourceProperty> out;
  for (const SourceProperty& p : page.properties) {
    bool same = false;
    for (const SourceProperty& q : frame.properties)
      if (ui::sameName(q.path, p.path)) same = q.slot == SourceProperty::Slot::None && sameValue(q.value, p.value);
    if (!same) out.push_back(p);
  }
  return out;
}

}  // namespace

FrameReader framesBeside(const std::string& pageFile) {
  std::filesystem::path dir = std::filesystem::path(pageFile).parent_path() / "frames";
  return [dir](const std::string& name, std::string& path) -> std::optional<std::string> {
    path = (dir / name).string();
    auto bytes = readInputIfPresent(dir / name);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
  };
}

Frame::Frame(const std::string& text, std::string file, const std::vector<std::filesystem::path>& searchPath,
             std::string usedBy, int usedAt)
    : file_(std::move(file)), usedBy_(std::move(usedBy)), usedAt_(usedAt) {
  try {
    root_ = parseFrame(text, file_, searchPath);
  } catch (const SourceError& e) {
    throw SourceError(std::string(e.what()) + " (frame used by " + usedBy_ +
                      (usedAt_ > 0 ? ":" + std::to_string(usedAt_) : "") + ")");
  }
  std::vector<std::string> seen;
  checkPlaces(root_, seen);
  markFrom(root_, file_);
}

void Frame::failInFrame(int line, const std::string& what) const {
  throw SourceError(file_, line, what, usedBy_, usedAt_);
}

void Frame::checkPlaces(const SourceElement& e, std::vector<std::string>& seen) const {
  for (const SourceElement& c : e.children) {
    if (c.role == Role::Place) {
      for (const std::string& s : seen)
        if (ui::sameName(s, c.name)) failInFrame(c.line, "a second place named " + c.name);
      seen.push_back(c.name);
    }
    checkPlaces(c, seen);
  }
}

// Checks that the page gave every required property and drops the optional ones it left.
void Frame::finish(SourceElement& e, const std::string& path) const {
  std::vector<SourceProperty> kept;
  for (SourceProperty& p : e.properties) {
    if (p.slot == SourceProperty::Slot::Required)
      throw SourceError(usedBy_, usedAt_,
                        "the page gives no " + path + p.path + ", which its frame asks for (" + file_ + ":" +
                            std::to_string(p.line) + ")");
    if (p.slot == SourceProperty::Slot::None) kept.push_back(std::move(p));
  }
  e.properties = std::move(kept);
  for (SourceElement& c : e.children)
    if (c.role == Role::Element) finish(c, c.name + ".");
}

SourceElement Frame::expand(const SourceElement& page) const {
  SourceElement out = root_;
  out.isFrame = false;
  out.kind = page.kind;
  out.name = page.name;
  out.line = page.line;
  out.file.clear();
  out.exists = page.exists;
  out.isInline = page.isInline;
  out.position = page.position;
  applyOverrides(out, page.properties, usedBy_);

  std::vector<const SourceElement*> changed;
  std::vector<const SourceElement*> fills;
  for (const SourceElement& c : page.children) {
    if (c.role == Role::Change) {
      for (const SourceElement* d : changed)
        if (ui::sameName(d->name, c.name))
          throw SourceError(usedBy_, c.line, c.name + " is changed twice; give its changes in one place");
      SourceElement* target = findElement(out, c.name);
      if (!target) throw SourceError(usedBy_, c.line, "the frame has no element " + c.name + " to change");
      applyOverrides(*target, c.properties, usedBy_);
      changed.push_back(&c);
    } else if (c.role == Role::Fill) {
      if (!hasPlace(out, c.name)) {
        std::string names;
        placeNames(out, names);
        throw SourceError(usedBy_, c.line,
                          "the frame has no place " + c.name + (names.empty() ? "" : " (its places: " + names + ")"));
      }
      for (const SourceElement* f : fills)
        if (ui::sameName(f->name, c.name)) throw SourceError(usedBy_, c.line, "place " + c.name + " is filled twice");
      checkAdded(c, out, usedBy_);
      fills.push_back(&c);
    }
  }
  finish(out, "");
  fill(out, fills);
  return out;
}

SourceElement readPage(const std::string& text, const std::string& fileName,
                       const std::vector<std::filesystem::path>& searchPath, const FrameReader& frames) {
  SourceElement page = parseSource(text, fileName, searchPath);
  if (page.frame.empty()) return page;
  std::string path = page.frame;
  std::optional<std::string> frameText = frames ? frames(page.frame, path) : std::nullopt;
  if (!frameText) throw SourceError(fileName, page.line, "frame '" + page.frame + "' not found (looked for " + path + ")");
  return Frame(*frameText, path, searchPath, fileName, page.line).expand(page);
}

// Walks the frame's children beside the page's: each frame element must come in its turn, and
// the page's elements between them go to the place that stands there in the frame.
void Frame::shortenChildren(const SourceElement& page, const SourceElement& frame, SourceElement& out,
                            std::vector<SourceElement>& fills) const {
  std::size_t at = 0;
  const auto& kids = page.children;
  for (std::size_t i = 0; i < frame.children.size(); ++i) {
    const SourceElement& f = frame.children[i];
    if (f.role == Role::Place) {
      const SourceElement* next = nullptr;
      for (std::size_t j = i + 1; j < frame.children.size() && !next; ++j)
        if (frame.children[j].role == Role::Element) next = &frame.children[j];
      SourceElement fill;
      fill.role = Role::Fill;
      fill.name = f.name;
      while (at < kids.size() && !(next && ui::sameName(kids[at].name, next->name))) fill.children.push_back(kids[at++]);
      if (!fill.children.empty()) fills.push_back(std::move(fill));
      continue;
    }
    if (at >= kids.size() || !ui::sameName(kids[at].name, f.name) || kids[at].kind != f.kind)
      throw std::runtime_error("the frame has " + f.kind + " " + f.name + " where the page has " +
                               (at < kids.size() ? kids[at].kind + " " + kids[at].name : "nothing more"));
    SourceElement change;
    change.role = Role::Change;
    change.name = f.name;
    change.properties = differing(kids[at], f);
    if (!change.properties.empty()) out.children.push_back(std::move(change));
    shortenChildren(kids[at++], f, out, fills);
  }
  if (at < kids.size())
    throw std::runtime_error(kids[at].name + " is at no place of the frame");
}

SourceElement Frame::shorten(const SourceElement& page, const std::string& frameName) const {
  SourceElement out;
  out.kind = page.kind;
  out.name = page.name;
  out.line = 1;
  out.exists = page.exists;
  out.isInline = page.isInline;
  out.position = page.position;
  out.frame = frameName;
  out.properties = differing(page, root_);
  // The changes first, then the elements added at each place, both in the frame's order.
  std::vector<SourceElement> fills;
  shortenChildren(page, root_, out, fills);
  for (SourceElement& f : fills) out.children.push_back(std::move(f));
  // The short form must give the page back exactly; what the walk cannot see is a page whose
  // properties stand in another order than the frame's.
  if (writeSource(expand(out)) != writeSource(page))
    throw std::runtime_error("the page does not follow frame " + frameName +
                             ": its properties are in another order than the frame's");
  return out;
}

}  // namespace apostila::tools
