// One embedded font file at one pixel size, with its rendered glyphs cached. Internal to the
// text renderer. Faces are shared by every ScreenFont of that file and size and live until the
// program ends; like the rest of the window-system layer they are used from one thread.
//
// Nothing is drawn before it is needed: measuring reads advances from the font's metrics, and a
// glyph is rendered the first time it is drawn. Every size of one file shares one opened file,
// so the hinter analyses each file once, not once per size.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/text/FontCatalog.h"

namespace apostila::ui {

// A rendered glyph: an 8-bit coverage image placed relative to the pen position on the baseline.
struct Glyph {
  int advance = 0;  // whole pixels the pen moves on
  int left = 0;     // pen x to the image's left column
  int top = 0;      // baseline up to the image's top row
  int width = 0;
  int rows = 0;
  std::vector<std::uint8_t> coverage;  // width x rows, no padding
};

// Measures of the file at this size, in pixels (see ScreenFont for how they are rounded).
struct FaceMeasures {
  int ascent = 0;
  int descent = 0;
  int height = 0;  // ascent + descent
  int underlineOffset = 0;  // rows below the baseline to the underline's top row
  int underlineThickness = 1;
  int strikeOffset = 0;     // rows above the baseline to the strike-out's top row
  int strikeThickness = 1;
};

class SizedFace {
 public:
  // The shared face at ppem pixels per em (kept to a sane range by the caller).
  static SizedFace& get(const FaceChoice& face, int ppem);

  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  int ppem() const { return ppem_; }
  // The cell height the design alone gives at ppem pixels per em, before hinting is allowed
  // for; a first guess when a size must be found for a given cell height.
  int designCellHeight(int ppem) const;
  const FaceMeasures& measures() const { return measures_; }
  // The glyph index of a character, 0 when the face has none.
  unsigned glyphIndex(char32_t cp) const;
  // A glyph's advance in whole pixels, the same as glyph(index).advance, without rendering it.
  int advance(unsigned index);
  // The rendered glyph for an index; the reference stays valid as long as the face.
  const Glyph& glyph(unsigned index);

 private:
  struct File;  // one opened font file, shared by all its sizes
  SizedFace(const FaceChoice& face, int ppem);
  // Makes this size the file's current one before FreeType is asked anything size-dependent.
  void activate() const;
  // How far a glyph's rendered image reaches above the baseline, and how many rows it has.
  std::pair<int, int> inkExtent(unsigned index);

  File* file_ = nullptr;
  void* size_ = nullptr;  // this size's FreeType size object, owned by the file
  int ppem_ = 0;
  int extraWeight_ = 0;  // 26.6 pixels added to every stroke, 0 for the face as designed
  int unitsPerEm_ = 2048;
  long designCell_ = 0;  // ascent + descent in font units
  FaceMeasures measures_;
  std::unordered_map<unsigned, Glyph> glyphs_;
  std::vector<int> advances_;  // by glyph index; kUnknown until asked
  static constexpr int kUnknown = -1;
};

}  // namespace apostila::ui
