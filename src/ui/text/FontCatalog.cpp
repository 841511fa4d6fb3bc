// The font substitution table (the reasons for each choice are in docs/fonts.md).
#include "ui/text/FontCatalog.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <stdexcept>
#include <string>

extern "C" const apostila::EmbeddedBlob apostila_fonts[];
extern "C" const std::size_t apostila_fonts_count;

namespace apostila::ui {

namespace {

struct Family {
  std::string_view name;
  std::string_view files[4];  // regular, bold, italic, bold italic
  bool heavier = false;       // drawn heavier than the files are
};

constexpr std::string_view kLiberation[4] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                             "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"};
constexpr std::string_view kDejaVu[4] = {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
                                         "DejaVuSans-BoldOblique.ttf"};

// The first entry is the default for unknown names.
const Family kFamilies[] = {
    {"MS Sans Serif", {kLiberation[0], kLiberation[1], kLiberation[2], kLiberation[3]}},
    {"Arial", {kLiberation[0], kLiberation[1], kLiberation[2], kLiberation[3]}},
    {"Verdana", {kDejaVu[0], kDejaVu[1], kDejaVu[2], kDejaVu[3]}},
    // A black weight: the bold faces made heavier still. It has no lighter or bolder variant, so
    // regular and bold look the same.
    {"Arial Black", {kDejaVu[1], kDejaVu[1], kDejaVu[3], kDejaVu[3]}, true},
    // The substitutes under their own names, for code that wants them directly.
    {"Liberation Sans", {kLiberation[0], kLiberation[1], kLiberation[2], kLiberation[3]}},
    {"DejaVu Sans", {kDejaVu[0], kDejaVu[1], kDejaVu[2], kDejaVu[3]}},
};

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

const EmbeddedBlob& file(std::string_view name) {
  for (const EmbeddedBlob& b : FontCatalog::files())
    if (b.id() == name) return b;
  // The build embeds every file the table names; reaching this is a build defect.
  throw std::logic_error("font file not embedded: " + std::string(name));
}

int styleIndex(bool bold, bool italic) { return (bold ? 1 : 0) + (italic ? 2 : 0); }

}  // namespace

std::span<const EmbeddedBlob> FontCatalog::files() { return {apostila_fonts, apostila_fonts_count}; }

FaceChoice FontCatalog::face(std::string_view name, bool bold, bool italic) {
  const Family* family = &kFamilies[0];
  for (const Family& f : kFamilies)
    if (sameName(f.name, name)) family = &f;
  return {&file(family->files[styleIndex(bold, italic)]), family->heavier};
}

FaceChoice FontCatalog::fallback(bool bold, bool italic) { return {&file(kDejaVu[styleIndex(bold, italic)]), false}; }

}  // namespace apostila::ui
