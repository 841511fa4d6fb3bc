// Page classes found by name in the course's page registry: the build-time compiler checks every
// page source against the same tables that the program builds its pages with.
#include "PageTool.h"
#include "pages/PageRegistry.h"

namespace apostila::tools {

PageClassResolver pageClassResolver() {
  return [](std::string_view className) { return app::pageClassNamed(className); };
}

}  // namespace apostila::tools
