// FreeType faces at a size and their glyph cache.
#include "ui/text/SizedFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace apostila::ui {

namespace {

FT_Library library() {
  // One library for the whole run: faces are cached for the run as well.
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("cannot start the font renderer");
    return l;
  }();
  return lib;
}

// Hinting: the auto-hinter in its normal mode snaps stems to whole pixels in both directions,
// which keeps 11 px text crisp with grey antialiasing. Its hinted advances, though, grow with
// the rounded-up stems and space bold text out; the design advance rounded to whole pixels keeps
// the designer's spacing. Either way advances are whole pixels, so measuring adds up exactly
// the pen positions that drawing uses.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT;

int roundScaled(long units, int ppem, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(units) * ppem / unitsPerEm));
}

}  // namespace

// One opened font file. FreeType keeps one size object per SizedFace on it; a size is made
// current before each request that depends on it.
struct SizedFace::File {
  FT_Face face = nullptr;
  FT_Size current = nullptr;
  ~File() {
    if (face) FT_Done_Face(face);  // with every size made on it
  }

  static File& open(const EmbeddedBlob& blob) {
    static std::map<const std::uint8_t*, std::unique_ptr<File>> files;
    auto& slot = files[blob.data];
    if (!slot) {
      auto file = std::make_unique<File>();
      if (FT_New_Memory_Face(library(), blob.data, static_cast<FT_Long>(blob.size), 0, &file->face) != 0)
        throw std::runtime_error(std::string("cannot open font ") + blob.name);
      slot = std::move(file);
    }
    return *slot;
  }
};

SizedFace& SizedFace::get(const FaceChoice& face, int ppem) {
  static std::map<std::tuple<const std::uint8_t*, bool, int>, std::unique_ptr<SizedFace>> cache;
  auto& slot = cache[{face.file->data, face.heavier, ppem}];
  if (!slot) slot.reset(new SizedFace(face, ppem));
  return *slot;
}

void SizedFace::activate() const {
  auto* size = static_cast<FT_Size>(size_);
  if (file_->current == size) return;
  FT_Activate_Size(size);
  file_->current = size;
}

SizedFace::SizedFace(const FaceChoice& choice, int ppem)
    : file_(&File::open(*choice.file)), ppem_(ppem), extraWeight_(choice.heavier ? ppem * 64 / 16 : 0) {
  FT_Size size = nullptr;
  if (FT_New_Size(file_->face, &size) != 0) throw std::runtime_error(std::string("cannot open font ") + choice.file->name);
  size_ = size;
  activate();
  if (FT_Set_Pixel_Sizes(file_->face, 0, static_cast<FT_UInt>(ppem)) != 0)
    throw std::runtime_error(std::string("cannot open font ") + choice.file->name);
  FT_Face f = file_->face;
  advances_.assign(static_cast<std::size_t>(std::max<FT_Long>(f->num_glyphs, 0)), kUnknown);
  const int upem = f->units_per_EM > 0 ? f->units_per_EM : 2048;

  // The cell is the extent the font's designer reserved for every glyph (the clipping ascent and
  // descent of its metrics table, the horizontal header's when absent), each part rounded up so
  // that no design pixel row is cut off. Hinting can still lift an accent or drop a descender a
  // row further, and a label clips at its edges, so the cell also takes in the hinted accented
  // capitals and descenders of the Western letters.
  long asc = f->ascender, desc = -f->descender;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    asc = os2->usWinAscent;
    desc = os2->usWinDescent;
  }
  unitsPerEm_ = upem;
  designCell_ = asc + desc;
  const int designHeight = designCellHeight(ppem);
  int ascent = std::min(static_cast<int>((static_cast<long long>(asc) * ppem + upem - 1) / upem), designHeight);
  int descent = designHeight - ascent;
  for (char32_t c : U"ÁÂÃÀÉÊÍÓÔÕÚÇÅgjpqyç") {
    if (unsigned i = glyphIndex(c)) {
      const auto [top, rows] = inkExtent(i);
      if (rows == 0) continue;
      ascent = std::max(ascent, top);
      descent = std::max(descent, rows - top);
    }
  }
  measures_.ascent = ascent;
  measures_.descent = descent;
  measures_.height = ascent + descent;

  // Underline and strike-out: one pixel at small sizes, thicker as the font grows.
  const int ulThick = std::max(1, roundScaled(f->underline_thickness, ppem, upem));
  const int ulPos = std::max(1, roundScaled(-f->underline_position, ppem, upem) - ulThick / 2);
  measures_.underlineThickness = ulThick;
  measures_.underlineOffset = std::min(ulPos, std::max(0, measures_.descent - ulThick));
  int stThick = ulThick, stPos = 0;
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    stThick = std::max(1, roundScaled(os2->yStrikeoutSize, ppem, upem));
    stPos = roundScaled(os2->yStrikeoutPosition, ppem, upem);
  } else {
    stPos = roundScaled(static_cast<long>(upem) * 22 / 100, ppem, upem);  // about half the x-height
  }
  measures_.strikeThickness = stThick;
  measures_.strikeOffset = std::max(stThick, stPos);
}

// The size object belongs to the file, which lets go of all of them at once.
SizedFace::~SizedFace() = default;

std::pair<int, int> SizedFace::inkExtent(unsigned index) {
  if (extraWeight_ > 0) {
    // Made heavier after loading: only the rendered image tells.
    const Glyph& g = glyph(index);
    return {g.top, g.rows};
  }
  // Loading an outline glyph sets the place and size its rendered image will have.
  activate();
  FT_Face f = file_->face;
  if (FT_Load_Glyph(f, index, kLoadFlags) != 0 || f->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
    const Glyph& g = glyph(index);
    return {g.top, g.rows};
  }
  return {f->glyph->bitmap_top, static_cast<int>(f->glyph->bitmap.rows)};
}

int SizedFace::advance(unsigned index) {
  if (index >= advances_.size()) return glyph(index).advance;
  int& known = advances_[index];
  if (known != kUnknown) return known;
  FT_Fixed linear = 0;
  // The design advance straight from the metrics table, scaled as loading scales it; a face
  // made heavier changes its advances with its outlines, so those come from the glyph.
  activate();
  if (extraWeight_ > 0 || FT_Get_Advance(file_->face, index, FT_LOAD_NO_HINTING, &linear) != 0)
    known = glyph(index).advance;
  else
    known = static_cast<int>((linear + 0x8000) >> 16);
  return known;
}

int SizedFace::designCellHeight(int ppem) const {
  // Exact integer ceiling: no floating-point doubt about whether a cell is 13 or 14 rows.
  const long long num = static_cast<long long>(designCell_) * ppem;
  return static_cast<int>((num + unitsPerEm_ - 1) / unitsPerEm_);
}

unsigned SizedFace::glyphIndex(char32_t cp) const { return FT_Get_Char_Index(file_->face, cp); }

const Glyph& SizedFace::glyph(unsigned index) {
  auto it = glyphs_.find(index);
  if (it != glyphs_.end()) return it->second;
  Glyph g;
  activate();
  FT_Face f = file_->face;
  if (FT_Load_Glyph(f, index, kLoadFlags) == 0) {
    g.advance = static_cast<int>((f->glyph->linearHoriAdvance + 0x8000) >> 16);
    if (extraWeight_ > 0 && f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
      // Thicker strokes, grown rightwards and upwards so that the left side bearing and the
      // baseline stay put; the advance grows by the added width.
      FT_Outline_EmboldenXY(&f->glyph->outline, extraWeight_, extraWeight_ / 2);
      FT_Outline_Translate(&f->glyph->outline, extraWeight_ / 2, extraWeight_ / 4);
      g.advance += (extraWeight_ + 32) >> 6;
    }
    if (FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) == 0) {
      const FT_Bitmap& bm = f->glyph->bitmap;
      g.left = f->glyph->bitmap_left;
      g.top = f->glyph->bitmap_top;
      g.width = static_cast<int>(bm.width);
      g.rows = static_cast<int>(bm.rows);
      g.coverage.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.rows));
      for (int y = 0; y < g.rows; ++y) {
        const unsigned char* src = bm.pitch >= 0 ? bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch
                                                 : bm.buffer + static_cast<std::ptrdiff_t>(g.rows - 1 - y) * -bm.pitch;
        std::copy(src, src + g.width, g.coverage.begin() + static_cast<std::ptrdiff_t>(y) * g.width);
      }
    }
  }
  return glyphs_.emplace(index, std::move(g)).first->second;
}

}  // namespace apostila::ui
