// Pages built on a shared frame: the frame a page names is read and the page expanded into a
// self-contained element tree, the frame's elements and the page's own in the frame's order.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PageSource.h"

namespace apostila::tools {

// Finds a frame's text by the name a page gives; sets `path` to what messages call the frame.
using FrameReader = std::function<std::optional<std::string>(const std::string& name, std::string& path)>;

// Frames in the frames/ folder beside the page.
FrameReader framesBeside(const std::string& pageFile);

class Frame {
 public:
  // Parses a frame. `usedBy` and `usedAt` name the page for the messages of faults in it.
  Frame(const std::string& text, std::string file, const std::vector<std::filesystem::path>& searchPath,
        std::string usedBy, int usedAt);

  // The page with the frame's elements and properties, overridden and filled by the page's own.
  SourceElement expand(const SourceElement& page) const;

  // The short form of a self-contained page on this frame, named `frameName`: what differs
  // from the frame. Throws std::runtime_error when the page does not follow the frame.
  SourceElement shorten(const SourceElement& page, const std::string& frameName) const;

 private:
  [[noreturn]] void failInFrame(int line, const std::string& what) const;
  void checkPlaces(const SourceElement& e, std::vector<std::string>& seen) const;
  void finish(SourceElement& e, const std::string& path) const;
  void shortenChildren(const SourceElement& page, const SourceElement& frame, SourceElement& out,
                       std::vector<SourceElement>& fills) const;

  std::string file_;
  std::string usedBy_;
  int usedAt_;
  SourceElement root_;
};

// Parses a page source; a page built on a frame comes back expanded.
SourceElement readPage(const std::string& text, const std::string& fileName,
                       const std::vector<std::filesystem::path>& searchPath, const FrameReader& frames);

}  // namespace apostila::tools
