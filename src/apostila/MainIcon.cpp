// Decodes the embedded icon once.
#include "apostila/MainIcon.h"

#include "content/Bitmap.h"
#include "ui/EmbeddedBlob.h"

extern "C" {
extern const apostila::EmbeddedBlob apostila_icons[] __attribute__((weak));
extern const std::size_t apostila_icons_count __attribute__((weak));
}

namespace apostila::app {

const std::array<std::uint32_t, 32 * 32>& mainIcon() {
  static const std::array<std::uint32_t, 32 * 32> pixels = [] {
    std::array<std::uint32_t, 32 * 32> p{};
    if (!&apostila_icons_count || apostila_icons_count == 0) return p;
    content::Bitmap b = content::Bitmap::decode(apostila_icons[0].bytes());
    for (int y = 0; y < 32 && y < b.height(); ++y)
      for (int x = 0; x < 32 && x < b.width(); ++x) p[static_cast<std::size_t>(y * 32 + x)] = b.pixel(x, y);
    return p;
  }();
  return pixels;
}

}  // namespace apostila::app
