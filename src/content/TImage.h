// The picture element: a bitmap drawn at its natural size at the top-left corner, or centred
// in the element (Center), or stretched to fill it (Stretch). On a high-density screen it is
// drawn from its twin (TwinSource.h) or smoothly enlarged.
#pragma once

#include <optional>

#include "content/Graphic.h"
#include "ui/Control.h"
#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class TImage : public ui::Control {
 public:
  explicit TImage(ui::Component* owner);
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }

  Picture& picture() { return picture_; }
  const Picture& picture() const { return picture_; }
  bool transparent() const { return transparent_; }
  void setTransparent(bool v) { transparent_ = v, invalidate(); }
  bool stretch() const { return stretch_; }
  void setStretch(bool v) { stretch_ = v, invalidate(); }
  bool center() const { return center_; }
  void setCenter(bool v) { center_ = v, invalidate(); }

  // The picture as Stretch and Center place it, cut to the element.
  void paint(ui::Canvas& canvas) override;
  // The colour left out of a transparent picture: its bottom-left pixel's, white for a
  // monochrome picture.
  std::uint32_t transparentColor() const;

 protected:
  void adjustSize() override;

 private:
  void paintForDevice(ui::Canvas& canvas, const ui::ImageSource& image, std::optional<std::uint32_t> key, int x,
                      int y) const;
  Picture picture_;
  bool transparent_ = false;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace apostila::content
