// The one installed source of picture twins, and the source over BMP files.
#include "content/TwinSource.h"

#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::content {

namespace {
const TwinSource* g_source = nullptr;

// A decoded twin with the file it reads its pixels from.
class OwnedBmp final : public ui::ImageSource {
 public:
  explicit OwnedBmp(std::vector<std::uint8_t> file) : file_(std::move(file)), bitmap_(Bitmap::decode(file_)) {}
  int width() const override { return bitmap_.width(); }
  int height() const override { return bitmap_.height(); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override { bitmap_.readRow(y, x, count, out); }

 private:
  std::vector<std::uint8_t> file_;
  Bitmap bitmap_;
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
