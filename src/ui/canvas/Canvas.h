// The software renderer: draws into a 32-bit pixel buffer (0x00RRGGBB, one uint32 per pixel,
// rows top to bottom). The canvas has an origin offset and a clip rectangle, so an element paints
// in its own coordinates and cannot touch anything outside its rectangle. Every operation is
// clipped to the clip rectangle and the buffer: no argument makes it write outside the buffer.
//
// Coordinates given to drawing calls are logical: the origin is added to reach the buffer. The
// clip rectangle is kept in buffer coordinates.
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
  Canvas(int width, int height, Rgb fill = 0);
  // A canvas over someone else's buffer (a window's framebuffer). stride is in pixels; the buffer
  // must hold height rows of stride pixels and outlive the canvas.
  Canvas(std::uint32_t* pixels, int width, int height, int stride);

  Canvas(Canvas&& other) noexcept;
  Canvas& operator=(Canvas&& other) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
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
  // The clip rectangle in logical coordinates.
  Rect logicalClip() const { return clip_.offset(-originX_, -originY_); }

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

  // --- Drawing ------------------------------------------------------------------------------
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
  // Paints color wherever the mask is set, the mask's top-left corner at (x, y).
  void stampMask(int x, int y, const Mask& mask, Rgb color);
  // Blends color over the canvas by a coverage map (0 = untouched, 255 = color), width x height
  // bytes with pitch bytes per row, top-left corner at (x, y). This is how text is drawn.
  void blendCoverage(int x, int y, const std::uint8_t* coverage, int width, int height, int pitch,
                     Rgb color);

 private:
  // Logical rectangle to buffer coordinates, cut to the clip. Never overflows.
  Rect toClippedDevice(long long left, long long top, long long right, long long bottom) const;
  std::uint32_t* rowPtr(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }

  std::vector<std::uint32_t> own_;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  Rect clip_;
};

}  // namespace apostila::ui
