// Sizing, placing and drawing the tool tip.
#include "ui/HintWindow.h"

#include <algorithm>

#include "ui/Color.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {

namespace {
// The platform's status-bar font.
FontDesc hintFont() { return FontDesc{"MS Sans Serif", -11, 0}; }
}  // namespace

HintWindow::~HintWindow() {
  if (window_ != platform::kNoWindow) backend_.destroyWindow(window_);
}

void HintWindow::show(const std::string& text, platform::Point at) {
  ScreenFont font(hintFont());
  TextFormat format;
  format.wordWrap = true;
  format.prefix = false;
  platform::Size screen = backend_.screenSize();
  Rect measured = TextLayout::measure(font, text, Rect::ofSize(0, 0, screen.width, 1 << 20), format);
  int w = measured.width() + 6, h = measured.height() + 6;
  // Below the pointer shape, then back inside the desktop.
  int x = std::max(0, std::min(at.x, screen.width - w));
  int y = std::max(0, std::min(at.y, screen.height - h));
  if (window_ == platform::kNoWindow) {
    platform::WindowDesc desc;
    desc.kind = platform::WindowKind::Tooltip;
    desc.outerPosition = {x, y};
    desc.size = {w, h};
    desc.sizeOf = platform::SizeOf::Outer;
    window_ = backend_.createWindow(desc);
  } else {
    backend_.setClientSize(window_, {w, h});
    backend_.setOuterPosition(window_, {x, y});
  }
  text_ = text;
  bounds_ = {x, y, w, h};
  // Placed and sized in page pixels, drawn for the device.
  const int s = std::clamp(backend_.deviceScale(), 1, Canvas::kMaxScale);
  pixels_.assign(static_cast<std::size_t>(w * s) * static_cast<std::size_t>(h * s), 0);
  Canvas canvas(pixels_.data(), w * s, h * s, w * s, s);
  canvas.fillRect(Rect::ofSize(0, 0, w, h), toRgb(clInfoBk));
  canvas.frameRect(Rect::ofSize(0, 0, w, h), toRgb(clWindowFrame));
  TextLayout::draw(canvas, font, text, Rect::ofSize(3, 3, measured.width(), measured.height()), format,
                   toRgb(clInfoText));
  if (!visible_) backend_.show(window_);
  backend_.raise(window_);
  platform::Rect all{0, 0, w, h};
  backend_.present(window_, platform::PixelView{pixels_.data(), w * s, h * s, w * s}, {&all, 1});
  visible_ = true;
}

void HintWindow::hide() {
  if (!visible_) return;
  backend_.hide(window_);
  visible_ = false;
}

}  // namespace apostila::ui
