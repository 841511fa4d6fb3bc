// Where a picture drawn on a high-density screen finds its twin: the same picture drawn at
// twice its size, made for such screens and carried beside the page definitions, not in them.
// A picture is known by its page class and its element name ("TForm23", "Image1"). The program
// installs one source of twins; until one is installed, or when it has no twin for a picture,
// the picture is enlarged from its own pixels with a smooth filter (TImage).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class TwinSource {
 public:
  virtual ~TwinSource() = default;
  // The twin of one picture, or null. The caller holds it while it draws and lets it go after:
  // how long a decoded twin is kept is the source's choice.
  virtual std::shared_ptr<const ui::ImageSource> twin(std::string_view pageClass, std::string_view element) const = 0;
};

// The installed source, or null. Asked only when a picture is drawn above scale 1.
const TwinSource* twinSource();
void setTwinSource(const TwinSource* source);

// A source over a store of twins as BMP files: `find` gives a twin's file, or nothing, and may
// throw ReadError for a twin it cannot read, as a BMP that does not decode does: such a picture
// is drawn without its twin. A twin is
// decoded the first time it is asked for and kept while pictures of the same page class are
// asked for; asking for another page's picture lets the others go, so that only the twins of
// the page on the screen stay decoded.
class BmpTwins : public TwinSource {
 public:
  using Find = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& pageClass,
                                                                      const std::string& element)>;
  explicit BmpTwins(Find find) : find_(std::move(find)) {}
  std::shared_ptr<const ui::ImageSource> twin(std::string_view pageClass, std::string_view element) const override;

 private:
  Find find_;
  mutable std::string pageClass_;
  mutable std::vector<std::pair<std::string, std::shared_ptr<const ui::ImageSource>>> decoded_;
};

}  // namespace apostila::content
