// The software renderer. All clipping happens in toClippedDevice, in 64-bit arithmetic, so that
// extreme coordinates from stored data cannot wrap around into the buffer.
#include "ui/canvas/Canvas.h"

#include <algorithm>

#include "ui/Color.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::ui {

namespace {

// Origins are kept well inside int so that logical coordinates derived from them cannot wrap.
constexpr long long kFar = 1LL << 30;
int clampOrigin(long long v) { return static_cast<int>(std::clamp<long long>(v, -kFar, kFar)); }

}  // namespace

Canvas::Canvas(int width, int height, Rgb fill) {
  if (width <= 0 || height <= 0) return;
  own_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  pixels_ = own_.data();
  width_ = stride_ = width;
  height_ = height;
  clip_ = {0, 0, width_, height_};
}

Canvas::Canvas(std::uint32_t* pixels, int width, int height, int stride) {
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

void Canvas::translate(int dx, int dy) {
  originX_ = clampOrigin(static_cast<long long>(originX_) + dx);
  originY_ = clampOrigin(static_cast<long long>(originY_) + dy);
}

void Canvas::clipTo(const Rect& r) { clip_ = toClippedDevice(r.left, r.top, r.right, r.bottom); }

void Canvas::resetClip() { clip_ = {0, 0, width_, height_}; }

Rect Canvas::toClippedDevice(long long left, long long top, long long right, long long bottom) const {
  const long long l = std::max<long long>(left + originX_, clip_.left);
  const long long t = std::max<long long>(top + originY_, clip_.top);
  const long long r = std::min<long long>(right + originX_, clip_.right);
  const long long b = std::min<long long>(bottom + originY_, clip_.bottom);
  if (r <= l || b <= t) return {};
  // Inside the clip, which lies inside the buffer, so the values fit in int.
  return {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
}

void Canvas::fillRect(const Rect& r, Rgb color) {
  const Rect d = toClippedDevice(r.left, r.top, r.right, r.bottom);
  for (int y = d.top; y < d.bottom; ++y) std::fill(rowPtr(y) + d.left, rowPtr(y) + d.right, color);
}

void Canvas::frameRect(const Rect& r, Rgb color) { edge3D(r, 1, color, color); }

// Each pixel belongs to the ring given by its distance to the nearest side; on its ring, the
// bottom and right sides win the corners they share with the top and left. Only the pixels near
// the sides are visited, so a huge rectangle or width costs no more than the clip area.
void Canvas::edge3D(const Rect& r, int width, Rgb topLeft, Rgb bottomRight) {
  if (width <= 0) return;
  const Rect d = toClippedDevice(r.left, r.top, r.right, r.bottom);
  if (d.empty()) return;
  const long long L = static_cast<long long>(r.left) + originX_, T = static_cast<long long>(r.top) + originY_;
  const long long R = static_cast<long long>(r.right) + originX_, B = static_cast<long long>(r.bottom) + originY_;
  const long long w = width;
  for (int y = d.top; y < d.bottom; ++y) {
    const long long dt = y - T, db = B - 1 - y;
    std::uint32_t* row = rowPtr(y);
    auto paint = [&](int x) {
      const long long dl = x - L, dr = R - 1 - x;
      const long long k = std::min({dt, db, dl, dr});
      if (k < w) row[x] = (db == k || dr == k) ? bottomRight : topLeft;
    };
    if (std::min(dt, db) < w) {
      for (int x = d.left; x < d.right; ++x) paint(x);
      continue;
    }
    const int leftEnd = static_cast<int>(std::clamp<long long>(L + w, d.left, d.right));
    for (int x = d.left; x < leftEnd; ++x) paint(x);
    const int rightBegin = static_cast<int>(std::clamp<long long>(R - w, leftEnd, d.right));
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

void Canvas::stampMask(int x, int y, const Mask& mask, Rgb color) {
  const long long dl = x, dt = y;
  const Rect d = toClippedDevice(dl, dt, dl + mask.width(), dt + mask.height());
  const int mx = static_cast<int>(d.left - (dl + originX_));
  const int my = static_cast<int>(d.top - (dt + originY_));
  for (int j = 0; j < d.height(); ++j) {
    std::uint32_t* out = rowPtr(d.top + j) + d.left;
    for (int i = 0; i < d.width(); ++i)
      if (mask.test(mx + i, my + j)) out[i] = color;
  }
}

void Canvas::blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                           Rgb color) {
  if (coverage == nullptr || width <= 0 || height <= 0) return;
  const long long dl = x, dt = y;
  const Rect d = toClippedDevice(dl, dt, dl + width, dt + height);
  const int cx = static_cast<int>(d.left - (dl + originX_));
  const int cy = static_cast<int>(d.top - (dt + originY_));
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
