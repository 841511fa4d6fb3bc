// The full tool's hooks: pages can be rendered, and their elements located.
#include <iostream>

#include "FileIo.h"
#include "PageRenderer.h"
#include "PageTool.h"

namespace apostila::tools {

std::string extraUsage() {
  return "       apostila-pages render PAGE OUT.png [--click ELEMENT]... [--hover ELEMENT] [--press ELEMENT]"
         " [--scale N]\n"
         "       apostila-pages where PAGE ELEMENT\n";
}

int runExtraCommand(const std::string& command, const std::vector<std::string>& args) {
  if (command == "where") {
    // X Y WIDTH HEIGHT in the page's client area: what a script driving the real program
    // needs to aim at an element.
    if (args.size() != 2) return -1;
    const platform::Rect r = PageRenderer().elementRect(args[0], args[1]);
    std::cout << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height << '\n';
    return 0;
  }
  if (command != "render") return -1;
  RenderRequest request;
  if (!RenderRequest::parse(args, request)) return -1;  // the caller prints the usage
  try {
    checkOutput(request.output);
    PageRenderer renderer(request.scale);
    const auto png = ui::PngWriter::encode(renderer.render(request));
    writeOutput(request.output, png);
  } catch (...) {
    // A picture left from an earlier render would pass for this one.
    removeStaleOutput(request.output, "\x89PNG");
    throw;
  }
  return 0;
}

}  // namespace apostila::tools
