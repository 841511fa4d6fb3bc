// The software renderer. All clipping happens in toClippedDevice, in 64-bit arithmetic, so that
// extreme coordinates from stored data cannot wrap around into the buffer.
#include "ui/canvas/Canvas.h"

#include <algorithm>
#include <climits>

#include "ui/Color.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::ui {

namespace {

// Origins are kept well inside int so that logical coordinates derived from them cannot wrap.
constexpr long long kFar = 1LL << 30;
int clampOrigin(long long v) { return static_cast<int>(std::clamp<long long>(v, -kFar, kFar)); }
int clampScale(int s) { return std::clamp(s, 1, Canvas::kMaxScale); }
long long floorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
long long ceilDiv(long long a, long long b) { return -floorDiv(-a, b); }
int sat(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }
__extension__ typedef __int128 Wide;

}  // namespace

Canvas::Canvas(int width, int height, Rgb fill, int scale) : scale_(clampScale(scale)) {
  if (width <= 0 || height <= 0) return;
  own_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  pixels_ = own_.data();
  width_ = stride_ = width;
  height_ = height;
  clip_ = {0, 0, width_, height_};
}

Canvas::Canvas(std::uint32_t* pixels, int width, int height, int stride, int scale) : scale_(clampScale(scale)) {
  // A buffer that cannot be what it claims is drawn as an empty canvas rather than overrun.
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width) return;
  pixels_ = pixels;
  width_ = width;
  height_ = height;
  stride_ = stride;
  clip_ = {0, 0, width_, height_};
}

Canvas::Canvas(Canvas&& o) noexcept { *this = std::move(o); }

Canvas& Canvas::operator=(Canvas&& o) noexcept {
  if (this == &o) return *this;
  const bool owned = o.pixels_ != nullptr && o.pixels_ == o.own_.data();
  own_ = std::move(o.own_);
  pixels_ = owned ? own_.data() : o.pixels_;
  width_ = o.width_;
  height_ = o.height_;
  stride_ = o.stride_;
  scale_ = o.scale_;
  originX_ = o.originX_;
  originY_ = o.originY_;
  clip_ = o.clip_;
  o.own_.clear();
  o.pixels_ = nullptr;
  o.width_ = o.height_ = o.stride_ = o.originX_ = o.originY_ = 0;
  o.clip_ = {};
  return *this;
}

Canvas::Rgb Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::ptrdiff_t>(y) * stride_ + x];
}

void Canvas::restore(const State& s) {
  clip_ = s.clip.intersect({0, 0, width_, height_});
  originX_ = clampOrigin(s.originX);
  originY_ = clampOrigin(s.originY);
}

Rect Canvas::logicalClip() const {
  if (scale_ == 1) return clip_.offset(-originX_, -originY_);
  if (clip_.empty()) return {};
  return {sat(floorDiv(clip_.left, scale_) - originX_), sat(floorDiv(clip_.top, scale_) - originY_),
          sat(ceilDiv(clip_.right, scale_) - originX_), sat(ceilDiv(clip_.bottom, scale_) - originY_)};
}

void Canvas::translate(int dx, int dy) {
  originX_ = clampOrigin(static_cast<long long>(originX_) + dx);
  originY_ = clampOrigin(static_cast<long long>(originY_) + dy);
}

void Canvas::clipTo(const Rect& r) { clip_ = toClippedDevice(r.left, r.top, r.right, r.bottom); }

void Canvas::resetClip() { clip_ = {0, 0, width_, height_}; }

Rect Canvas::toClippedDevice(long long left, long long top, long long right, long long bottom) const {
  const long long s = scale_;
  return clipDevice((left + originX_) * s, (top + originY_) * s, (right + originX_) * s, (bottom + originY_) * s);
}

Rect Canvas::clipDevice(long long left, long long top, long long right, long long bottom) const {
  const long long l = std::max<long long>(left, clip_.left);
  const long long t = std::max<long long>(top, clip_.top);
  const long long r = std::min<long long>(right, clip_.right);
  const long long b = std::min<long long>(bottom, clip_.bottom);
  if (r <= l || b <= t) return {};
  // Inside the clip, which lies inside the buffer, so the values fit in int.
  return {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
}

void Canvas::cover(const Rect& logical) {
  const Rect d = toClippedDevice(logical.left, logical.top, logical.right, logical.bottom);
  if (!d.empty()) covered_.push_back(d);
}

void Canvas::fillRect(const Rect& r, Rgb color) {
  const Rect d = toClippedDevice(r.left, r.top, r.right, r.bottom);
  for (int y = d.top; y < d.bottom; ++y) {
    std::uint32_t* row = rowPtr(y);
    // Each run from x up to the next cover on this row, then past that cover.
    for (int x = d.left; x < d.right;) {
      int end = d.right;
      bool inside = false;
      for (const Rect& c : covered_) {
        if (y < c.top || y >= c.bottom || c.right <= x || c.left >= end) continue;
        if (c.left <= x) {
          x = c.right;
          inside = true;
          break;
        }
        end = c.left;
      }
      if (inside) continue;
      std::fill(row + x, row + end, color);
      x = end;
    }
  }
}

void Canvas::frameRect(const Rect& r, Rgb color) { edge3D(r, 1, color, color); }

// Each pixel belongs to the ring given by its distance to the nearest side; on its ring, the
// bottom and right sides win the corners they share with the top and left. Only the pixels near
// the sides are visited, so a huge rectangle or width costs no more than the clip area. Above
// scale 1 distances are counted in logical pixels, so each line is scale times as thick and its
// corners are the logical corners enlarged.
void Canvas::edge3D(const Rect& r, int width, Rgb topLeft, Rgb bottomRight) {
  if (width <= 0) return;
  const Rect d = toClippedDevice(r.left, r.top, r.right, r.bottom);
  if (d.empty()) return;
  const long long s = scale_;
  const long long L = (static_cast<long long>(r.left) + originX_) * s, T = (static_cast<long long>(r.top) + originY_) * s;
  const long long R = (static_cast<long long>(r.right) + originX_) * s, B = (static_cast<long long>(r.bottom) + originY_) * s;
  const long long w = width;
  for (int y = d.top; y < d.bottom; ++y) {
    const long long dt = (y - T) / s, db = (B - 1 - y) / s;
    std::uint32_t* row = rowPtr(y);
    auto paint = [&](int x) {
      const long long dl = (x - L) / s, dr = (R - 1 - x) / s;
      const long long k = std::min({dt, db, dl, dr});
      if (k < w) row[x] = (db == k || dr == k) ? bottomRight : topLeft;
    };
    if (std::min(dt, db) < w) {
      for (int x = d.left; x < d.right; ++x) paint(x);
      continue;
    }
    const int leftEnd = static_cast<int>(std::clamp<long long>(L + w * s, d.left, d.right));
    for (int x = d.left; x < leftEnd; ++x) paint(x);
    const int rightBegin = static_cast<int>(std::clamp<long long>(R - w * s, leftEnd, d.right));
    for (int x = rightBegin; x < d.right; ++x) paint(x);
  }
}

Rect Canvas::buttonFrame(const Rect& r, bool pushed) {
  const Rgb highlight = toRgb(clBtnHighlight), light = toRgb(cl3DLight);
  const Rgb shadow = toRgb(clBtnShadow), dark = toRgb(cl3DDkShadow);
  if (pushed) {
    edge3D(r, 1, dark, highlight);
    edge3D(r.inflate(-1, -1), 1, shadow, light);
  } else {
    edge3D(r, 1, highlight, dark);
    edge3D(r.inflate(-1, -1), 1, light, shadow);
  }
  const Rect face = r.inflate(-2, -2);
  fillRect(face, toRgb(clBtnFace));
  return face.empty() ? Rect{} : face;
}

void Canvas::drawImage(int x, int y, const ImageSource& image, std::optional<Rgb> transparent) {
  drawImage(x, y, image, {0, 0, image.width(), image.height()}, transparent);
}

void Canvas::drawImage(int x, int y, const ImageSource& image, const Rect& part,
                       std::optional<Rgb> transparent) {
  const Rect src = part.intersect({0, 0, image.width(), image.height()});
  if (src.empty()) return;
  // Where the part lands, in logical coordinates: (x, y) is the part's top-left corner.
  const long long dl = x, dt = y;
  const Rect d = toClippedDevice(dl, dt, dl + src.width(), dt + src.height());
  if (d.empty()) return;
  if (scale_ > 1) {
    drawImageEnlarged(d, (dl + originX_) * scale_, (dt + originY_) * scale_, image, src, transparent);
    return;
  }
  // Offsets of the visible area inside the part.
  const int sx = static_cast<int>(d.left - (dl + originX_)) + src.left;
  const int sy = static_cast<int>(d.top - (dt + originY_)) + src.top;
  if (!transparent) {
    // Opaque: the source writes its rows straight into the canvas.
    for (int j = 0; j < d.height(); ++j) {
      std::uint32_t* out = rowPtr(d.top + j) + d.left;
      image.readRow(sy + j, sx, d.width(), out);
      for (int i = 0; i < d.width(); ++i) out[i] &= 0xFFFFFFu;
    }
    return;
  }
  std::vector<std::uint32_t> row(static_cast<std::size_t>(d.width()));
  const std::uint32_t key = *transparent & 0xFFFFFFu;
  for (int j = 0; j < d.height(); ++j) {
    image.readRow(sy + j, sx, d.width(), row.data());
    std::uint32_t* out = rowPtr(d.top + j) + d.left;
    // Every pixel written, the old one where the key shows through: a select the compiler
    // turns into a few vector instructions for a whole run of pixels.
    for (int i = 0; i < d.width(); ++i) {
      const std::uint32_t p = row[static_cast<std::size_t>(i)] & 0xFFFFFFu;
      out[i] = p != key ? p : out[i];
    }
  }
}

// Each source pixel repeated over scale x scale buffer pixels. d is the visible part in the
// buffer; (x0, y0) is where the part's top-left pixel lands there.
void Canvas::drawImageEnlarged(const Rect& d, long long x0, long long y0, const ImageSource& image, const Rect& src,
                               std::optional<Rgb> transparent) {
  const long long s = scale_;
  const int sx0 = src.left + static_cast<int>((d.left - x0) / s);
  const int sx1 = src.left + static_cast<int>((d.right - 1 - x0) / s) + 1;
  std::vector<std::uint32_t> row(static_cast<std::size_t>(sx1 - sx0));
  const std::uint32_t key = transparent ? (*transparent & 0xFFFFFFu) : 0;
  int loaded = -1;
  for (int y = d.top; y < d.bottom; ++y) {
    const int sy = src.top + static_cast<int>((y - y0) / s);
    if (sy != loaded) {
      image.readRow(sy, sx0, sx1 - sx0, row.data());
      loaded = sy;
    }
    std::uint32_t* out = rowPtr(y);
    for (int x = d.left; x < d.right; ++x) {
      const std::uint32_t p = row[static_cast<std::size_t>(src.left + (x - x0) / s - sx0)] & 0xFFFFFFu;
      if (!transparent || p != key) out[x] = p;
    }
  }
}

void Canvas::drawImageSmooth(const Rect& dest, const ImageSource& image, std::optional<Rgb> transparent) {
  const int iw = image.width(), ih = image.height();
  if (iw <= 0 || ih <= 0 || dest.empty()) return;
  const long long s = scale_;
  const long long x0 = (static_cast<long long>(dest.left) + originX_) * s, y0 = (static_cast<long long>(dest.top) + originY_) * s;
  const long long dw = static_cast<long long>(dest.width()) * s, dh = static_cast<long long>(dest.height()) * s;
  const Rect d = clipDevice(x0, y0, x0 + dw, y0 + dh);
  if (d.empty()) return;
  const std::uint32_t key = transparent ? (*transparent & 0xFFFFFFu) : 0;
  if (dw == iw && dh == ih) {
    // Made for this size: pixel for pixel.
    std::vector<std::uint32_t> row(static_cast<std::size_t>(d.width()));
    for (int y = d.top; y < d.bottom; ++y) {
      image.readRow(static_cast<int>(y - y0), static_cast<int>(d.left - x0), d.width(), row.data());
      // Two loops of selects over pointers that cannot overlap, so that each vectorises.
      const std::uint32_t* __restrict in = row.data();
      std::uint32_t* __restrict out = rowPtr(y) + d.left;
      const int n = d.width();
      if (transparent) {
        for (int i = 0; i < n; ++i) {
          const std::uint32_t p = in[i] & 0xFFFFFFu;
          out[i] = p == key ? out[i] : p;
        }
      } else {
        for (int i = 0; i < n; ++i) out[i] = in[i] & 0xFFFFFFu;
      }
    }
    return;
  }
  // Sample positions in 8-bit fixed point, pixel centres mapped onto pixel centres. The filter
  // is separable: each source row is filtered across once, into sums of colour times weight and
  // of the weights of the opaque pixels, and each screen row mixes two such rows. The result is
  // the same as weighing the four pixels around each sample at once.
  constexpr int kOne = 256;
  constexpr unsigned kFull = kOne * kOne;
  struct Tap {
    int i0, i1, f;
  };
  auto tapFor = [](long long pos, long long out, int in) {
    // Centre of output pixel pos in input coordinates: (pos + 1/2) * in / out - 1/2, in 128-bit
    // arithmetic: stored sizes and positions can make the products overflow 64 bits.
    const Wide num = (Wide{2} * pos + 1) * in * kOne - Wide{out} * kOne;
    const Wide den = Wide{2} * out;
    const Wide q = num >= 0 ? num / den : -((-num + den - 1) / den);
    const long long maxFixed = static_cast<long long>(in - 1) * kOne;
    const long long fixed = q < 0 ? 0 : q > maxFixed ? maxFixed : static_cast<long long>(q);
    const int i0 = static_cast<int>(fixed / kOne);
    return Tap{i0, std::min(i0 + 1, in - 1), static_cast<int>(fixed % kOne)};
  };
  const std::size_t n = static_cast<std::size_t>(d.width());
  std::vector<Tap> cols(n);
  for (int x = d.left; x < d.right; ++x) cols[static_cast<std::size_t>(x - d.left)] = tapFor(x - x0, dw, iw);
  const int c0 = cols.front().i0, c1 = cols.back().i1 + 1;
  std::vector<std::uint32_t> src(static_cast<std::size_t>(c1 - c0));
  struct Filtered {
    int row = -1;
    std::vector<std::uint32_t> r, g, b, a;
  };
  Filtered rows[2];
  for (Filtered& f : rows) f.r.resize(n), f.g.resize(n), f.b.resize(n), f.a.resize(n);
  auto filter = [&](Filtered& f, int sy) {
    image.readRow(sy, c0, c1 - c0, src.data());
    for (std::size_t k = 0; k < n; ++k) {
      const Tap& c = cols[k];
      const std::uint32_t p0 = src[static_cast<std::size_t>(c.i0 - c0)] & 0xFFFFFFu;
      const std::uint32_t p1 = src[static_cast<std::size_t>(c.i1 - c0)] & 0xFFFFFFu;
      const unsigned w0 = transparent && p0 == key ? 0 : static_cast<unsigned>(kOne - c.f);
      const unsigned w1 = transparent && p1 == key ? 0 : static_cast<unsigned>(c.f);
      f.r[k] = ((p0 >> 16) & 0xFF) * w0 + ((p1 >> 16) & 0xFF) * w1;
      f.g[k] = ((p0 >> 8) & 0xFF) * w0 + ((p1 >> 8) & 0xFF) * w1;
      f.b[k] = (p0 & 0xFF) * w0 + (p1 & 0xFF) * w1;
      f.a[k] = w0 + w1;
    }
    f.row = sy;
  };
  for (int y = d.top; y < d.bottom; ++y) {
    const Tap t = tapFor(y - y0, dh, ih);
    if (rows[0].row != t.i0) {
      if (rows[1].row == t.i0)
        std::swap(rows[0], rows[1]);
      else
        filter(rows[0], t.i0);
    }
    if (rows[1].row != t.i1) filter(rows[1], t.i1);
    const Filtered& top = rows[0];
    const Filtered& bottom = rows[1];
    const unsigned wt = static_cast<unsigned>(kOne - t.f), wb = static_cast<unsigned>(t.f);
    std::uint32_t* out = rowPtr(y) + d.left;
    for (std::size_t k = 0; k < n; ++k) {
      const unsigned alpha = top.a[k] * wt + bottom.a[k] * wb;
      if (alpha == 0) continue;
      const unsigned r = top.r[k] * wt + bottom.r[k] * wb;
      const unsigned g = top.g[k] * wt + bottom.g[k] * wb;
      const unsigned b = top.b[k] * wt + bottom.b[k] * wb;
      if (alpha == kFull) {
        out[k] = (((r + kFull / 2) >> 16) << 16) | (((g + kFull / 2) >> 16) << 8) | ((b + kFull / 2) >> 16);
        continue;
      }
      // Colour of the opaque pixels, laid over what is beneath by how much of the sample they cover.
      const std::uint32_t old = out[k];
      const unsigned inv = kFull - alpha;
      const unsigned rr = (r + ((old >> 16) & 0xFF) * inv + kFull / 2) >> 16;
      const unsigned gg = (g + ((old >> 8) & 0xFF) * inv + kFull / 2) >> 16;
      const unsigned bb = (b + (old & 0xFF) * inv + kFull / 2) >> 16;
      out[k] = (rr << 16) | (gg << 8) | bb;
    }
  }
}

void Canvas::stampMask(int x, int y, const Mask& mask, Rgb color) {
  const long long dl = x, dt = y, s = scale_;
  const Rect d = toClippedDevice(dl, dt, dl + mask.width(), dt + mask.height());
  const long long x0 = (dl + originX_) * s, y0 = (dt + originY_) * s;
  for (int j = d.top; j < d.bottom; ++j) {
    std::uint32_t* out = rowPtr(j);
    const int my = static_cast<int>((j - y0) / s);
    for (int i = d.left; i < d.right; ++i)
      if (mask.test(static_cast<int>((i - x0) / s), my)) out[i] = color;
  }
}

void Canvas::blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                           Rgb color) {
  blendCoverageDevice(static_cast<long long>(x) * scale_, static_cast<long long>(y) * scale_, coverage, width, height,
                      pitch, color);
}

void Canvas::blendCoverageDevice(long long dx, long long dy, const std::uint8_t* coverage, int width, int height,
                                 int pitch, Rgb color) {
  if (coverage == nullptr || width <= 0 || height <= 0) return;
  const long long dl = static_cast<long long>(originX_) * scale_ + dx, dt = static_cast<long long>(originY_) * scale_ + dy;
  const Rect d = clipDevice(dl, dt, dl + width, dt + height);
  const int cx = static_cast<int>(d.left - dl);
  const int cy = static_cast<int>(d.top - dt);
  const unsigned cr = (color >> 16) & 0xFF, cg = (color >> 8) & 0xFF, cb = color & 0xFF;
  for (int j = 0; j < d.height(); ++j) {
    const std::uint8_t* a = coverage + static_cast<std::ptrdiff_t>(cy + j) * pitch + cx;
    std::uint32_t* out = rowPtr(d.top + j) + d.left;
    for (int i = 0; i < d.width(); ++i) {
      const unsigned k = a[i];
      if (k == 0) continue;
      if (k == 255) {
        out[i] = color & 0xFFFFFFu;
        continue;
      }
      const std::uint32_t p = out[i];
      const unsigned inv = 255 - k;
      const unsigned r = (cr * k + ((p >> 16) & 0xFF) * inv + 127) / 255;
      const unsigned g = (cg * k + ((p >> 8) & 0xFF) * inv + 127) / 255;
      const unsigned b = (cb * k + (p & 0xFF) * inv + 127) / 255;
      out[i] = (r << 16) | (g << 8) | b;
    }
  }
}

}  // namespace apostila::ui
