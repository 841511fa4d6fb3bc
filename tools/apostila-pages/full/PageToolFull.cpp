// The full tool's hooks: pages can be rendered.
#include "PageRenderer.h"
#include "PageTool.h"

namespace apostila::tools {

std::string extraUsage() { return "       apostila-pages render PAGE OUT.png [--click ELEMENT]... [--hover ELEMENT] [--press ELEMENT]\n"; }

int runExtraCommand(const std::string& command, const std::vector<std::string>& args) {
  if (command != "render") return -1;
  RenderRequest request;
  if (!RenderRequest::parse(args, request)) return -1;  // the caller prints the usage
  PageRenderer renderer;
  ui::PngWriter::write(renderer.render(request), request.output);
  return 0;
}

}  // namespace apostila::tools
