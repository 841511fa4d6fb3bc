// The graphic objects a definition fills from binary data: a button's glyph strip (TBitmap)
// and a picture element's picture (TPicture, which names its graphic class first).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "content/Bitmap.h"
#include "ui/Persistent.h"

namespace apostila::content {

class GraphicBitmap : public ui::Persistent {
 public:
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }
  bool readDefined(std::string_view name, ui::DefinedValue& value) override;

  const Bitmap& bitmap() const { return bitmap_; }
  void setBitmap(Bitmap b);
  // Reads a graphic's own data: a 4-byte length B, then a BMP file of B bytes (B = 0: empty).
  // Returns the bytes consumed.
  std::size_t loadData(std::span<const std::uint8_t> data);

  std::function<void()> onChange;

 private:
  Bitmap bitmap_;
};

class Picture : public ui::Persistent {
 public:
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }
  bool readDefined(std::string_view name, ui::DefinedValue& value) override;

  // Empty when the stored graphic class is not registered.
  const Bitmap& bitmap() const { return graphic_.bitmap(); }
  // Tells the owner, like loading does: an auto-sized picture element takes the new size.
  void setBitmap(Bitmap b) {
    graphic_.setBitmap(std::move(b));
    if (onChange) onChange();
  }

  std::function<void()> onChange;

 private:
  GraphicBitmap graphic_;
};

// The graphic classes a picture may name, matched by exact (case-sensitive) name.
bool isRegisteredGraphicClass(std::string_view name);

}  // namespace apostila::content
