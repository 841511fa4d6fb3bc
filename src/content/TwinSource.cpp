// The one installed source of picture twins, and the source over BMP files.
#include "content/TwinSource.h"

#include <algorithm>

#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::content {

namespace {
const TwinSource* g_source = nullptr;

// A decoded twin: the file's bytes and the bitmap read in place from them. Rows are converted
// as the canvas asks for them, straight into the page's buffer: a page is drawn once when it is
// shown (a lost window is presented again from the buffer), so converting the whole twin up
// front would only add a copy of it.
class DecodedTwin final : public ui::ImageSource {
 public:
  explicit DecodedTwin(std::vector<std::uint8_t> file) : file_(std::move(file)), bitmap_(Bitmap::decode(file_)) {}
  int width() const override { return bitmap_.width(); }
  int height() const override { return bitmap_.height(); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override { bitmap_.readRow(y, x, count, out); }

 private:
  std::vector<std::uint8_t> file_;  // before bitmap_, which reads from it
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
      auto owned = std::make_shared<DecodedTwin>(std::move(*file));
      if (owned->width() > 0 && owned->height() > 0) image = std::move(owned);
    }
  } catch (const ReadError&) {
  }
  decoded_.emplace_back(std::string(element), image);
  return image;
}

}  // namespace apostila::content
