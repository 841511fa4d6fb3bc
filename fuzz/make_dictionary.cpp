// Writes the fuzzers' dictionaries from the program's own tables, so that they follow every
// class, property, enumeration and handler as the code has them:
//   definition.dict   the stream's signature, value codes, and names as the stream stores them
//                     (a length byte, then the name): classes, property paths, identifiers
//   page_source.dict  the same names as a page source writes them, with the format's keywords
// Usage: fuzz_dictionary OUTPUT_DIR
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <utility>

#include "FuzzPages.h"
#include "content/DefinitionReader.h"
#include "content/Graphic.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "content/StreamFormat.h"
#include "ui/Font.h"

namespace {

using namespace apostila;

struct Names {
  std::set<std::string> classes, paths, idents;
};

void addType(Names& n, const ui::TypeInfo& type, const std::string& prefix, int depth) {
  for (const ui::TypeInfo* t = &type; t; t = t->parent) {
    for (const ui::PropInfo& p : t->props) {
      const std::string path = prefix + std::string(p.name);
      n.paths.insert(path);
      if (p.enumType)
        for (std::string_view m : p.enumType->members) n.idents.insert(std::string(m));
      if (p.idents)
        for (const ui::IdentEntry& e : p.idents->entries) n.idents.insert(std::string(e.name));
      if (p.kind == ui::PropKind::Object && p.objectType && depth < 2) addType(n, *p.objectType, path + ".", depth + 1);
    }
    for (const ui::DefinedProp& d : t->defined) n.paths.insert(prefix + std::string(d.name));
  }
}

// A libFuzzer dictionary entry: printable ASCII as it is, everything else as \xNN.
std::string quoted(const std::string& bytes) {
  std::string out = "\"";
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[5];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  return out + "\"";
}

std::string shortString(const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_dictionary OUTPUT_DIR\n";
    return 2;
  }
  Names n;
  const ui::TypeInfo* kinds[] = {&ui::Form::kType,        &content::TPanel::kType, &content::TLabel::kType,
                                 &content::TImage::kType, &content::TSpeedButton::kType};
  for (const ui::TypeInfo* k : kinds) {
    n.classes.insert(std::string(k->className));
    addType(n, *k, "", 0);
  }
  for (const ui::TypeInfo* k : {&ui::Font::kType, &content::GraphicBitmap::kType, &content::Picture::kType})
    n.classes.insert(std::string(k->className));
  std::set<std::string> handlers, members;
  for (const ui::PageClassInfo* c : fuzz::FuzzPages::classes()) {
    n.classes.insert(std::string(c->className));
    for (const ui::PageClassInfo* p = c; p; p = p->parent) {
      for (const ui::HandlerInfo& h : p->handlers) handlers.insert(std::string(h.name));
      for (const ui::MemberInfo& m : p->members) members.insert(std::string(m.name));
    }
  }

  const std::string dir = argv[1];
  std::ofstream def(dir + "/definition.dict"), src(dir + "/page_source.dict");
  def << "# The page definition stream: signature, value codes, names as stored.\n";
  def << "signature=" << quoted(std::string(content::kSignature)) << "\n";
  for (int c = 0; c <= content::kMaxValueCode; ++c) def << "code" << c << "=" << quoted(std::string(1, static_cast<char>(c))) << "\n";
  for (auto [name, flag] : {std::pair{"exists", content::kPrefixExists}, std::pair{"position", content::kPrefixPosition},
                            std::pair{"inline", content::kPrefixInline}})
    def << "prefix_" << name << "=" << quoted(std::string(1, static_cast<char>(content::kPrefixMark | flag))) << "\n";
  for (const auto* set : {&n.classes, &n.paths, &members}) 
    for (const std::string& s : *set) def << quoted(shortString(s)) << "\n";
  // Identifiers and handler names are values: the identifier code, then the short string.
  for (const auto* set : {&n.idents, &handlers})
    for (const std::string& s : *set) def << quoted(std::string(1, static_cast<char>(content::ValueCode::Ident)) + shortString(s)) << "\n";

  src << "# Page sources: keywords, classes, property paths, identifiers, handlers.\n";
  for (const char* k : {"frame", "place ", "in ", "change ", " on frame ", "<required>", "<optional>", "picture TBitmap ",
                        "bitmap ", "binary ", "raw ", "base64", "true", "false", "nil", ": ", "[", "]", "\\n", "{{", "{t06.ic}",
                        "style ", " like ", "use ", "\"course.styles\"", "style Body\n", "style Body like ", " like Body"})
    src << quoted(k) << "\n";
  src << quoted("\\x00") << "\n";  // a string's one-byte escape
  for (const auto* set : {&n.classes, &n.idents, &handlers, &members})
    for (const std::string& s : *set) src << quoted(s) << "\n";
  for (const std::string& s : n.paths) src << quoted(s + ": ") << "\n";
  if (!def || !src) {
    std::cerr << "fuzz_dictionary: cannot write to " << dir << "\n";
    return 1;
  }
  return 0;
}
