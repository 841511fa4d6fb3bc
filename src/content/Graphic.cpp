// Loading glyph strips and pictures from their binary properties.
#include "content/Graphic.h"

#include "content/ByteReader.h"
#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
// A bitmap's size follows from its pixels: listed so that setting it is refused, not ignored.
constexpr auto kBitmapProps = ui::props::byName({
    ui::props::readOnlyIntProp("Width"),
    ui::props::readOnlyIntProp("Height"),
});
constexpr ui::DefinedProp kBitmapDefined[] = {{"Data", ui::DefinedKind::Bitmap}};
constexpr ui::DefinedProp kPictureDefined[] = {{"Data", ui::DefinedKind::Picture}};
}  // namespace

const ui::TypeInfo GraphicBitmap::kType{"TBitmap", nullptr, kBitmapProps, false, nullptr, kBitmapDefined};
const ui::TypeInfo Picture::kType{"TPicture", nullptr, {}, false, nullptr, kPictureDefined};

bool isRegisteredGraphicClass(std::string_view name) { return name == "TBitmap"; }

void GraphicBitmap::setBitmap(Bitmap b) {
  bitmap_ = std::move(b);
  if (onChange) onChange();
}

std::size_t GraphicBitmap::loadData(std::span<const std::uint8_t> data) {
  ByteReader r(data);
  std::uint32_t size = r.u32();
  auto file = r.take(size);
  setBitmap(size == 0 ? Bitmap() : Bitmap::decode(file));
  return r.position();
}

bool GraphicBitmap::readDefined(std::string_view name, ui::DefinedValue& value) {
  if (!ui::sameName(name, "Data")) return false;
  loadData(value.binary());
  return true;
}

bool Picture::readDefined(std::string_view name, ui::DefinedValue& value) {
  if (!ui::sameName(name, "Data")) return false;
  ByteReader r(value.binary());
  std::string cls = r.shortString();
  if (isRegisteredGraphicClass(cls)) {
    graphic_.loadData(r.take(r.remaining()));
  } else {
    // An unknown graphic class leaves the picture empty; its data was read whole already.
    graphic_.setBitmap(Bitmap());
  }
  if (onChange) onChange();
  return true;
}

}  // namespace apostila::content
