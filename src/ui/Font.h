// A text font as elements store it. A change notifies the owner, which repaints, re-measures or
// passes the font on to children that follow their parent's font.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/Color.h"
#include "ui/Persistent.h"

namespace apostila::ui {

enum FontStyle : std::uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class Font : public Persistent {
 public:
  static const TypeInfo kType;
  const TypeInfo& typeInfo() const override { return kType; }

  const std::string& name() const { return name_; }
  int height() const { return height_; }
  std::uint32_t style() const { return style_; }
  TColor color() const { return color_; }
  int charset() const { return charset_; }
  int pixelsPerInch() const { return pixelsPerInch_; }
  // Size in points from the height: a negative height is the character height in pixels.
  int size() const;

  void setName(const std::string& v);
  void setHeight(int v);
  void setSize(int points);
  void setStyle(std::uint32_t v);
  void setColor(TColor v);
  void setCharset(int v);
  void setPixelsPerInch(int v) { pixelsPerInch_ = v; }

  // Copies every attribute; notifies once.
  void assign(const Font& other);
  bool operator==(const Font& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           charset_ == o.charset_;
  }

  std::function<void()> onChange;

 private:
  void changed() {
    if (onChange) onChange();
  }
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  std::uint32_t style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = 1;  // DEFAULT_CHARSET
  int pixelsPerInch_ = 96;
};

extern const EnumType kFontStyleType;

}  // namespace apostila::ui
