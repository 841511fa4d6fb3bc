// The software renderer: draws into a 32-bit pixel buffer (0x00RRGGBB, one uint32 per pixel,
// rows top to bottom). The canvas has an origin offset and a clip rectangle, so an element paints
// in its own coordinates and cannot touch anything outside its rectangle. Every operation is
// clipped to the clip rectangle and the buffer: no argument makes it write outside the buffer.
//
// Coordinates given to drawing calls are logical: the origin is added to reach the buffer. The
// clip rectangle is kept in buffer coordinates.
//
// A canvas for a high-density screen has a device scale s (2 or 3): logical pixels are page
// pixels, and logical (x, y) covers buffer pixels s·x .. s·x + s - 1 (and the same down). Shapes
// are drawn for the device, not enlarged afterwards: an edge of width w is s·w buffer pixels
// wide, text is drawn by its font at s times its size (ScreenFont), and a picture is enlarged
// by the filter its caller picks. At scale 1 every call draws exactly what it always has.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/canvas/ImageSource.h"
#include "ui/canvas/Mask.h"
#include "ui/canvas/Rect.h"

namespace apostila::ui {

class Canvas {
 public:
  using Rgb = std::uint32_t;

  // A canvas with pixels of its own, filled with one colour. Negative sizes give an empty canvas.
  // Sizes are buffer pixels; scale is the device scale (1 to kMaxScale, clamped).
  Canvas(int width, int height, Rgb fill = 0, int scale = 1);
  // A canvas over someone else's buffer (a window's framebuffer). stride is in pixels; the buffer
  // must hold height rows of stride pixels and outlive the canvas.
  Canvas(std::uint32_t* pixels, int width, int height, int stride, int scale = 1);

  static constexpr int kMaxScale = 3;

  Canvas(Canvas&& other) noexcept;
  Canvas& operator=(Canvas&& other) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The buffer's size, in device pixels.
  int width() const { return width_; }
  int height() const { return height_; }
  int scale() const { return scale_; }
  int stride() const { return stride_; }
  std::uint32_t* pixels() { return pixels_; }
  const std::uint32_t* pixels() const { return pixels_; }
  // The pixel at buffer position (x, y), ignoring origin and clip; 0 outside the buffer.
  Rgb pixel(int x, int y) const;

  // --- Coordinate state -------------------------------------------------------------------
  struct State {
    Rect clip;
    int originX = 0;
    int originY = 0;
  };
  State state() const { return {clip_, originX_, originY_}; }
  void restore(const State& s);

  int originX() const { return originX_; }
  int originY() const { return originY_; }
  Rect clip() const { return clip_; }  // buffer coordinates
  // The clip rectangle in logical coordinates (every logical pixel it touches).
  Rect logicalClip() const;

  void translate(int dx, int dy);
  void clipTo(const Rect& logical);  // narrows the clip rectangle, never widens it
  void resetClip();                  // the whole buffer again

  // Paints in r's coordinates and inside r only, for as long as it lives:
  //   { Canvas::Scope s(canvas, element.bounds()); paintElement(canvas); }
  class Scope {
   public:
    Scope(Canvas& canvas, const Rect& r) : canvas_(canvas), saved_(canvas.state()) {
      canvas.clipTo(r);
      canvas.translate(r.left, r.top);
    }
    ~Scope() { canvas_.restore(saved_); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Canvas& canvas_;
    State saved_;
  };

  // --- What a painter above will cover ---------------------------------------------------------
  // A rectangle (logical, cut to the clip) that something painted later covers whole, pixel
  // by pixel: fills leave it alone until it is uncovered, so a container does not fill the
  // parts of its background that its opaque children paint again.
  //   const auto mark = canvas.covered(); canvas.cover(child); paint(canvas); canvas.uncover(mark);
  void cover(const Rect& logical);
  std::size_t covered() const { return covered_.size(); }
  void uncover(std::size_t mark) { covered_.resize(std::min(mark, covered_.size())); }

  // --- Drawing ------------------------------------------------------------------------------
  // Fills r, except where a cover lies.
  void fillRect(const Rect& r, Rgb color);
  // A one-pixel outline along the inside of r.
  void frameRect(const Rect& r, Rgb color);
  // A 3-D edge of width lines along the inside of r: top and left lines in topLeft, bottom and
  // right lines in bottomRight; the two corners where the colours meet (top-right, bottom-left)
  // take bottomRight. A sunken edge is the same call with the colours swapped. The inside is
  // left as it was.
  void edge3D(const Rect& r, int width, Rgb topLeft, Rgb bottomRight);
  // The standard two-pixel push-button frame with its face filled in the button face colour;
  // pushed draws the reverse (sunken) frame. Returns the face inside the frame.
  Rect buttonFrame(const Rect& r, bool pushed);

  // Draws the image (or the part of it, clamped to the image) with its top-left corner at
  // (x, y). With a transparent colour, pixels of exactly that colour are left out.
  void drawImage(int x, int y, const ImageSource& image, std::optional<Rgb> transparent = std::nullopt);
  void drawImage(int x, int y, const ImageSource& image, const Rect& part,
                 std::optional<Rgb> transparent = std::nullopt);
  // Above scale 1 both enlarge the image by repeating each pixel (nearest neighbour): right for
  // pixel art such as button glyphs.

  // The whole image drawn over dest (logical), enlarged or reduced to the device size of dest
  // with a bilinear filter: for pictures drawn at a scale they were not made for. Transparent
  // pixels (exactly the key colour) take no part in the filter: edges towards them fade into
  // what lies beneath. When the image already has dest's device size it is copied pixel for
  // pixel, as drawImage would.
  void drawImageSmooth(const Rect& dest, const ImageSource& image, std::optional<Rgb> transparent = std::nullopt);
  // Paints color wherever the mask is set, the mask's top-left corner at (x, y); each mask pixel
  // covers one logical pixel.
  void stampMask(int x, int y, const Mask& mask, Rgb color);
  // Blends color over the canvas by a coverage map (0 = untouched, 255 = color), width x height
  // bytes with pitch bytes per row, top-left corner at (x, y). This is how text is drawn.
  // Here (x, y) is logical and the map's pixels are buffer pixels.
  void blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                     Rgb color);
  // The same with the corner given in buffer pixels from where the logical origin lands: how a
  // font drawn at the device size places its glyphs between logical pixels.
  void blendCoverageDevice(long long dx, long long dy, const std::uint8_t* coverage, int width, int height,
                           int pitch, Rgb color);

 private:
  // Logical rectangle to buffer coordinates, cut to the clip. Never overflows.
  Rect toClippedDevice(long long left, long long top, long long right, long long bottom) const;
  // Buffer rectangle (already offset by the origin and scaled) cut to the clip.
  Rect clipDevice(long long left, long long top, long long right, long long bottom) const;
  std::uint32_t* rowPtr(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  void drawImageEnlarged(const Rect& visible, long long x0, long long y0, const ImageSource& image, const Rect& part,
                         std::optional<Rgb> transparent);

  std::vector<std::uint32_t> own_;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  int scale_ = 1;
  int originX_ = 0;
  int originY_ = 0;
  Rect clip_;
  std::vector<Rect> covered_;  // buffer coordinates
};

}  // namespace apostila::ui
