// Font resolution, metrics and single-line drawing.
#include "ui/text/ScreenFont.h"

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "ui/text/FontCatalog.h"
#include "ui/text/SizedFace.h"
#include "ui/text/Utf8.h"

namespace apostila::ui {

struct ScreenFont::Instance {
  SizedFace* primary = nullptr;
  FaceChoice spare;            // the face for characters the primary one lacks
  SizedFace* fallback = nullptr;  // opened the first time a character needs it
  FontMetrics metrics;
  // The same faces at 2 and 3 times the size, for canvases of a high-density screen; made the
  // first time such a canvas draws with this font.
  Instance* scaled[2] = {nullptr, nullptr};

  // Where a character's glyph comes from; face is null for a character with no glyph drawn.
  struct Char {
    SizedFace* face = nullptr;
    unsigned index = 0;
    int advance = 0;
  };
  std::unordered_map<char32_t, Char> chars;

  const Char& resolve(char32_t cp) {
    auto it = chars.find(cp);
    if (it != chars.end()) return it->second;
    Char c;
    // Control characters are layout instructions, never pictures.
    if (cp >= 0x20 && !(cp >= 0x7F && cp < 0xA0)) {
      if (unsigned i = primary->glyphIndex(cp)) {
        c = {primary, i};
      } else if (unsigned j = fallbackFace().glyphIndex(cp)) {
        c = {fallback, j};
      } else {
        c = {primary, 0};  // the face's "missing character" box
      }
      c.advance = c.face->advance(c.index);
    }
    return chars.emplace(cp, c).first->second;
  }

  SizedFace& fallbackFace() {
    if (!fallback) fallback = &SizedFace::get(spare, primary->ppem());
    return *fallback;
  }

  int advance(char32_t cp) { return resolve(cp).advance; }

  // The rendered glyph, or null; rendering waits until a character is drawn.
  const Glyph* glyph(char32_t cp) {
    const Char& c = resolve(cp);
    return c.face ? &c.face->glyph(c.index) : nullptr;
  }
};

namespace {

int pixelSizeFor(const FaceChoice& file, int height) {
  if (height < 0) return static_cast<int>(std::min<long long>(-static_cast<long long>(height), ScreenFont::kMaxPixelSize));
  if (height == 0) return 11;
  // A cell height: the largest size whose cell fits in it, at least 1. The design gives a close
  // guess; the real cells around it decide.
  const int cell = std::min(height, 4 * ScreenFont::kMaxPixelSize);
  const SizedFace& probe = SizedFace::get(file, 11);
  int ppem = std::clamp(cell * 11 / std::max(1, probe.designCellHeight(11)), 1, ScreenFont::kMaxPixelSize);
  while (ppem > 1 && SizedFace::get(file, ppem).measures().height > cell) --ppem;
  while (ppem < ScreenFont::kMaxPixelSize && SizedFace::get(file, ppem + 1).measures().height <= cell) ++ppem;
  return ppem;
}

ScreenFont::Instance* instanceAt(const FaceChoice& file, const FaceChoice& spare, int ppem) {
  static std::map<std::tuple<const void*, bool, const void*, int>, std::unique_ptr<ScreenFont::Instance>> cache;
  auto& slot = cache[{file.file->data, file.heavier, spare.file->data, ppem}];
  if (slot) return slot.get();

  auto inst = std::make_unique<ScreenFont::Instance>();
  inst->primary = &SizedFace::get(file, ppem);
  inst->spare = spare;
  FontMetrics& m = inst->metrics;
  m.ascent = inst->primary->measures().ascent;
  m.descent = inst->primary->measures().descent;
  m.height = inst->primary->measures().height;
  m.internalLeading = std::max(0, m.height - ppem);
  int letters = 0;
  for (char32_t c = 'A'; c <= 'Z'; ++c) letters += inst->advance(c) + inst->advance(c - 'A' + 'a');
  m.averageCharWidth = letters / 52;
  slot = std::move(inst);
  return slot.get();
}

ScreenFont::Instance* instanceFor(const FontDesc& desc) {
  const FaceChoice file = FontCatalog::face(desc.name, desc.bold(), desc.italic());
  const FaceChoice spare = FontCatalog::fallback(desc.bold(), desc.italic());
  return instanceAt(file, spare, pixelSizeFor(file, desc.height));
}

// The instance that draws `inst` on a canvas of device scale s (2 or 3).
ScreenFont::Instance* scaledInstance(ScreenFont::Instance* inst, const FontDesc& desc, int s) {
  ScreenFont::Instance*& slot = inst->scaled[s - 2];
  if (!slot) {
    const FaceChoice file = FontCatalog::face(desc.name, desc.bold(), desc.italic());
    const FaceChoice spare = FontCatalog::fallback(desc.bold(), desc.italic());
    slot = instanceAt(file, spare, inst->primary->ppem() * s);
  }
  return slot;
}

// A horizontal stroke; coordinates are cut to a range no buffer reaches, so nothing overflows.
void stroke(Canvas& canvas, long long x, long long y, long long width, long long thickness, std::uint32_t color) {
  static constexpr long long kFar = 1LL << 30;
  auto cut = [](long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
  canvas.fillRect(Rect{cut(x), cut(y), cut(x + width), cut(y + thickness)}, color);
}

}  // namespace

ScreenFont::ScreenFont(const FontDesc& desc) : desc_(desc), inst_(instanceFor(desc)) {}

const FontMetrics& ScreenFont::metrics() const { return inst_->metrics; }

int ScreenFont::pixelSize() const { return inst_->primary->ppem(); }

int ScreenFont::advance(char32_t cp) const { return inst_->advance(cp); }

int ScreenFont::textWidth(std::string_view utf8) const {
  long long w = 0;
  for (char32_t cp : Utf8::decode(utf8)) w += advance(cp);
  return static_cast<int>(std::min<long long>(w, INT_MAX));
}

void ScreenFont::drawChar(Canvas& canvas, int penX, int top, char32_t cp, Rgb color) const {
  if (const int s = canvas.scale(); s > 1) {
    // Rendered at s times the size, its pen and baseline at s times where they are in the
    // page: the layout stays the one measured at the page's own size.
    const Glyph* g = scaledInstance(inst_, desc_, s)->glyph(cp);
    if (!g || g->coverage.empty()) return;
    const long long baseline = (static_cast<long long>(top) + inst_->metrics.ascent) * s;
    const long long pen = static_cast<long long>(penX) * s;
    if (pen < -(1LL << 30) || pen > (1LL << 30) || baseline < -(1LL << 30) || baseline > (1LL << 30)) return;
    canvas.blendCoverageDevice(pen + g->left, baseline - g->top, g->coverage.data(), g->width, g->rows, g->width,
                               color);
    return;
  }
  const Glyph* g = inst_->glyph(cp);
  if (!g || g->coverage.empty()) return;
  const long long y = static_cast<long long>(top) + inst_->metrics.ascent - g->top;
  const long long x = static_cast<long long>(penX) + g->left;
  // Positions this far out cannot reach any buffer; skipping them keeps the arithmetic in int.
  if (x < -(1LL << 30) || x > (1LL << 30) || y < -(1LL << 30) || y > (1LL << 30)) return;
  canvas.blendCoverage(static_cast<int>(x), static_cast<int>(y), g->coverage.data(), g->width, g->rows, g->width,
                       color);
}

void ScreenFont::drawUnderline(Canvas& canvas, int x, int top, int width, Rgb color) const {
  const FaceMeasures& fm = inst_->primary->measures();
  stroke(canvas, x, static_cast<long long>(top) + inst_->metrics.ascent + fm.underlineOffset, width,
         fm.underlineThickness, color);
}

void ScreenFont::drawStrikeOut(Canvas& canvas, int x, int top, int width, Rgb color) const {
  const FaceMeasures& fm = inst_->primary->measures();
  stroke(canvas, x, static_cast<long long>(top) + inst_->metrics.ascent - fm.strikeOffset, width,
         fm.strikeThickness, color);
}

int ScreenFont::drawLine(Canvas& canvas, int x, int top, std::string_view utf8, Rgb color) const {
  long long pen = x;
  for (char32_t cp : Utf8::decode(utf8)) {
    if (pen > (1LL << 30)) break;
    drawChar(canvas, static_cast<int>(pen), top, cp, color);
    pen += advance(cp);
  }
  const int w = static_cast<int>(std::min<long long>(pen - x, INT_MAX));
  if (desc_.underline()) drawUnderline(canvas, x, top, w, color);
  if (desc_.strikeOut()) drawStrikeOut(canvas, x, top, w, color);
  return w;
}

}  // namespace apostila::ui
