// Layout, look and input of the layer's own boxes.
#include "ui/DialogBox.h"

#include <algorithm>
#include <cmath>

#include "ui/Color.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {

namespace {
using Rgb = std::uint32_t;
constexpr int kIconSide = 32;

int roundPx(double v) { return static_cast<int>(std::lround(v)); }

TextFormat textFormat() {
  TextFormat f;
  f.wordWrap = true;
  f.expandTabs = true;
  f.prefix = false;
  return f;
}

// The two icons, drawn as a disc with its sign.
void paintIcon(Canvas& c, const Rect& r, DialogDesc::Icon icon, const ScreenFont& font) {
  Rgb fill = icon == DialogDesc::Icon::Stop ? 0xD00000 : 0x0050C0;
  int cx2 = r.left * 2 + kIconSide - 1, cy2 = r.top * 2 + kIconSide - 1;  // centre, doubled
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      int dx = 2 * x - cx2, dy = 2 * y - cy2;
      int d2 = dx * dx + dy * dy;
      if (d2 <= 30 * 30) c.fillRect(Rect::ofSize(x, y, 1, 1), d2 >= 27 * 27 ? 0x000000 : fill);
    }
  if (icon == DialogDesc::Icon::Stop) {
    for (int i = 9; i < 23; ++i) {
      c.fillRect(Rect::ofSize(r.left + i, r.top + i, 2, 2), 0xFFFFFF);
      c.fillRect(Rect::ofSize(r.left + 31 - i - 1, r.top + i, 2, 2), 0xFFFFFF);
    }
  } else {
    ScreenFont big(FontDesc{font.desc().name, -22, FontDesc::kBold});
    int w = big.textWidth("?");
    big.drawLine(c, r.left + (kIconSide - w) / 2, r.top + (kIconSide - big.height()) / 2, "?", 0xFFFFFF);
  }
}
}  // namespace

DialogBox::DialogBox(platform::Backend& backend, DialogDesc desc) : backend_(backend), desc_(std::move(desc)) {
  focused_ = std::clamp(desc_.focusedButton, 0, static_cast<int>(desc_.buttons.size()) - 1);
  layout();
  platform::Size screen = backend_.screenSize();
  platform::WindowDesc w;
  w.kind = platform::WindowKind::Dialog;
  w.title = desc_.caption;
  w.size = {width_, height_};
  w.sizeOf = platform::SizeOf::Client;
  w.outerPosition = {(screen.width - width_) / 2, (screen.height - height_) / 2};
  window_ = backend_.createWindow(w);
  // Centre the whole box, frame included, now that the desktop's frame is known.
  platform::WindowGeometry g = backend_.geometry(window_);
  backend_.setOuterPosition(window_, {(screen.width - g.outer.width) / 2, (screen.height - g.outer.height) / 2});
}

DialogBox::~DialogBox() {
  if (window_ != platform::kNoWindow) backend_.destroyWindow(window_);
}

void DialogBox::layout() {
  ScreenFont font(desc_.font);
  const int x = font.textWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
  const int y = font.height();
  const int side = roundPx(2.0 * x), topBottom = y, gap = roundPx(1.25 * y);
  const int buttonHeight = roundPx(1.75 * y);
  int buttonWidth = roundPx(12.5 * x);
  for (const auto& b : desc_.buttons) buttonWidth = std::max(buttonWidth, font.textWidth(b.caption) + 8);
  const int buttonGap = roundPx(0.75 * x) + 2;

  // The text is one block, wrapped at half the screen's width at most.
  int maxText = backend_.screenSize().width / 2;
  Rect measured = TextLayout::measure(font, desc_.text, Rect::ofSize(0, 0, maxText, 1 << 20), textFormat());
  int textW = measured.width(), textH = measured.height();

  int iconSpace = 0;
  if (desc_.icon != DialogDesc::Icon::None) {
    iconSpace = kIconSide + side;
    icon_ = Rect::ofSize(side, topBottom, kIconSide, kIconSide);
  }
  int n = static_cast<int>(desc_.buttons.size());
  int rowWidth = n * buttonWidth + (n > 0 ? (n - 1) * buttonGap : 0);
  int contentH = std::max(textH, desc_.icon == DialogDesc::Icon::None ? 0 : kIconSide);
  width_ = std::max(iconSpace + textW, rowWidth) + 2 * side;
  height_ = contentH + gap + buttonHeight + 2 * topBottom;
  int textTop = topBottom + (contentH - textH) / 2;
  text_ = Rect::ofSize(side + iconSpace, desc_.icon == DialogDesc::Icon::None ? topBottom : textTop, textW, textH);
  int bx = (width_ - rowWidth) / 2, by = topBottom + contentH + gap;
  buttons_.clear();
  for (int i = 0; i < n; ++i) buttons_.push_back(Rect::ofSize(bx + i * (buttonWidth + buttonGap), by, buttonWidth, buttonHeight));
}

void DialogBox::show() {
  backend_.show(window_);
  backend_.raise(window_);
  backend_.focus(window_);
  dirty_ = true;
  refresh();
}

void DialogBox::hide() { backend_.hide(window_); }

void DialogBox::paint(Canvas& c) const {
  ScreenFont font(desc_.font);
  c.fillRect(Rect::ofSize(0, 0, width_, height_), toRgb(clBtnFace));
  if (desc_.icon != DialogDesc::Icon::None) paintIcon(c, icon_, desc_.icon, font);
  TextLayout::draw(c, font, desc_.text, text_, textFormat(), toRgb(clWindowText));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    Rect r = buttons_[i];
    bool focused = static_cast<int>(i) == focused_;
    bool down = (static_cast<int>(i) == pressed_ && pressedInside_) || (focused && keyDown_);
    if (focused) {
      // The default button carries a dark outline around its frame.
      c.frameRect(r, toRgb(clWindowFrame));
      r = r.inflate(-1, -1);
    }
    Rect face;
    if (down) {
      // Pushed, the classic box shows a flat shadow line around the face.
      c.frameRect(r, toRgb(clBtnShadow));
      face = r.inflate(-1, -1);
      c.fillRect(face, toRgb(clBtnFace));
    } else {
      face = c.buttonFrame(r, false);
    }
    TextFormat f;
    f.align = TextFormat::Align::Center;
    f.singleLine = true;
    int ty = face.top + (face.height() - font.height()) / 2 + (down ? 1 : 0);
    TextLayout::draw(c, font, desc_.buttons[i].caption, Rect::ofSize(face.left + (down ? 1 : 0), ty, face.width(), font.height()),
                     f, toRgb(clBtnText));
    if (focused) {
      // Dotted focus rectangle inside the face.
      Rect fr = face.inflate(-2, -2);
      for (int x = fr.left; x < fr.right; x += 2) {
        c.fillRect(Rect::ofSize(x, fr.top, 1, 1), 0);
        c.fillRect(Rect::ofSize(x, fr.bottom - 1, 1, 1), 0);
      }
      for (int y = fr.top; y < fr.bottom; y += 2) {
        c.fillRect(Rect::ofSize(fr.left, y, 1, 1), 0);
        c.fillRect(Rect::ofSize(fr.right - 1, y, 1, 1), 0);
      }
    }
  }
}

void DialogBox::refresh() {
  if (!dirty_ || window_ == platform::kNoWindow) return;
  // Laid out in page pixels, drawn for the device.
  const int s = std::clamp(backend_.deviceScale(), 1, Canvas::kMaxScale);
  const int w = width_ * s, h = height_ * s;
  pixels_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
  Canvas canvas(pixels_.data(), w, h, w, s);
  paint(canvas);
  platform::Rect all{0, 0, width_, height_};
  backend_.present(window_, platform::PixelView{pixels_.data(), w, h, w}, {&all, 1});
  dirty_ = false;
}

void DialogBox::choose(int index) {
  if (index >= 0 && index < static_cast<int>(desc_.buttons.size())) result_ = desc_.buttons[static_cast<std::size_t>(index)].result;
}

int DialogBox::buttonAt(platform::Point p) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].contains(p.x, p.y)) return static_cast<int>(i);
  return -1;
}

std::string DialogBox::clipboardText() const {
  const std::string rule(27, '-');
  std::string buttons;
  for (const auto& b : desc_.buttons) {
    for (char ch : b.caption)
      if (ch != '&') buttons += ch;
    buttons += "   ";
  }
  return rule + "\n" + desc_.caption + "\n" + rule + "\n" + desc_.text + "\n" + rule + "\n" + buttons + "\n" + rule + "\n";
}

bool DialogBox::handle(const platform::Event& e) {
  using platform::EventType;
  using platform::Key;
  if (e.window != window_) return false;
  int n = static_cast<int>(desc_.buttons.size());
  switch (e.type) {
    case EventType::MouseDown:
    case EventType::MouseDoubleClick:
      if (e.button == platform::MouseButton::Left) {
        pressed_ = buttonAt(e.client);
        pressedInside_ = pressed_ >= 0;
        if (pressed_ >= 0) focused_ = pressed_;
        dirty_ = true;
      }
      return true;
    case EventType::MouseMove:
      if (pressed_ >= 0) {
        bool inside = buttonAt(e.client) == pressed_;
        if (inside != pressedInside_) pressedInside_ = inside, dirty_ = true;
      }
      return true;
    case EventType::MouseUp:
      if (e.button == platform::MouseButton::Left && pressed_ >= 0) {
        if (buttonAt(e.client) == pressed_) choose(pressed_);
        pressed_ = -1;
        pressedInside_ = false;
        dirty_ = true;
      }
      return true;
    case EventType::KeyDown:
      if (e.key == Key::Return) {
        choose(focused_);
      } else if (e.key == Key::Escape) {
        if (desc_.cancelResult >= 0) result_ = desc_.cancelResult;
      } else if (e.key == Key::Space) {
        keyDown_ = true;
        dirty_ = true;
      } else if ((e.key == Key::Tab && !e.mods.shift) || e.key == Key::Right || e.key == Key::Down) {
        focused_ = (focused_ + 1) % n;
        dirty_ = true;
      } else if (e.key == Key::Tab || e.key == Key::Left || e.key == Key::Up) {
        focused_ = (focused_ + n - 1) % n;
        dirty_ = true;
      } else if (e.key == Key::C && e.mods.ctrl && desc_.copyOnCtrlC) {
        backend_.beep();
        backend_.setClipboardText(clipboardText());
      }
      return true;
    case EventType::KeyUp:
      if (e.key == Key::Space && keyDown_) {
        keyDown_ = false;
        dirty_ = true;
        choose(focused_);
      }
      return true;
    case EventType::CloseRequest:
      if (desc_.cancelResult >= 0) result_ = desc_.cancelResult;
      return true;
    case EventType::Expose:
      dirty_ = true;
      return true;
    default:
      return true;
  }
}

}  // namespace apostila::ui
