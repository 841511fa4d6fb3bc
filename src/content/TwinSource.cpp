// The one installed source of picture twins, and the source over BMP files.
#include "content/TwinSource.h"

#include <algorithm>

#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::content {

namespace {
const TwinSource* g_source = nullptr;

// A decoded twin, its pixels converted once when it is decoded: a page is drawn more than once
// while it is shown (before its window is mapped, and when the server exposes it), and the file's
// own rows would be converted again for every drawing.
class OwnedBmp final : public ui::ImageSource {
 public:
  explicit OwnedBmp(std::vector<std::uint8_t> file) {
    const Bitmap bitmap = Bitmap::decode(file);
    width_ = bitmap.width();
    height_ = bitmap.height();
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (int y = 0; y < height_; ++y)
      bitmap.readRow(y, 0, width_, pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_));
  }
  int width() const override { return width_; }
  int height() const override { return height_; }
  void readRow(int y, int x, int count, std::uint32_t* out) const override {
    const std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x;
    std::copy(row, row + count, out);
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> pixels_;
};
}  // namespace

const TwinSource* twinSource() { return g_source; }
void setTwinSource(const TwinSource* source) { g_source = source; }

std::shared_ptr<const ui::ImageSource> BmpTwins::twin(std::string_view pageClass, std::string_view element) const {
  if (pageClass != pageClass_) {
    decoded_.clear();
    pageClass_ = pageClass;
  }
  for (const auto& [name, image] : decoded_)
    if (name == element) return image;
  std::shared_ptr<const ui::ImageSource> image;
  // A twin that cannot be read or decoded is drawn without: the picture is enlarged from its
  // own pixels.
  try {
    if (auto file = find_(pageClass_, std::string(element))) {
      auto owned = std::make_shared<OwnedBmp>(std::move(*file));
      if (owned->width() > 0 && owned->height() > 0) image = std::move(owned);
    }
  } catch (const ReadError&) {
  }
  decoded_.emplace_back(std::string(element), image);
  return image;
}

}  // namespace apostila::content
