// The whole course on the headless desktop, built from the definitions this build compiled:
// the 86 pages created in order through the real registry, ready to be driven by a test.
#pragma once

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "pages/PageList.h"
#include "ui/Application.h"
#include "ui/platform/headless/HeadlessBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::testing {

// The compiled definitions of this build, read once and kept for the whole test run (pictures
// are drawn from these bytes).
inline const content::DefinitionStore& builtDefinitions() {
  struct Files {
    std::vector<std::string> names;
    std::vector<std::vector<std::uint8_t>> bytes;
    std::vector<EmbeddedBlob> blobs;
  };
  static Files files = [] {
    Files f;
    std::filesystem::path dir = std::filesystem::path(APOSTILA_BINARY_DIR) / "course" / "definitions";
    // The definition of page `id` is named "TID" (PageList.h).
    auto definitionName = [](std::string id) {
      for (char& c : id) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return "T" + id;
    };
#define APOSTILA_DEFINITION_NAME(id) f.names.push_back(definitionName(#id));
    APOSTILA_PAGE_LIST(APOSTILA_DEFINITION_NAME)
#undef APOSTILA_DEFINITION_NAME
    for (const std::string& n : f.names) {
      std::ifstream in(dir / n, std::ios::binary);
      f.bytes.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    for (std::size_t i = 0; i < f.names.size(); ++i)
      f.blobs.push_back({f.names[i].c_str(), f.bytes[i].data(), f.bytes[i].size()});
    return f;
  }();
  static content::DefinitionStore store(files.blobs);
  return store;
}

class Course {
 public:
  // screen: in page pixels; scale: the simulated screen's device scale (its pixels are the
  // screen's times the scale in each direction).
  explicit Course(platform::Size screen = platform::HeadlessBackend::kDefaultScreen, int scale = 1)
      : desktop({screen.width * scale, screen.height * scale}, scale) {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    app = std::make_unique<ui::Application>(desktop, "/usr/games/apostila");
    app->setLanguage("pt_BR.UTF-8");
    app->setFormLoader([](ui::Form& f) { builtDefinitions().loadPage(f); });
    app::createPages(*app);
  }
  ~Course() {
    app.reset();
    // The registry is program-wide: empty it so that the next test builds its own course.
    app::clearRegistry();
  }

  // Shows the start page as the program's run does, then handles what follows.
  void start() {
    app->showForm(*app->mainForm());
    app->processPending();
  }
  std::vector<ui::Form*> visiblePages() const {
    std::vector<ui::Form*> v;
    for (ui::Form* f : app->forms())
      if (f->visible()) v.push_back(f);
    return v;
  }

  platform::HeadlessBackend desktop;
  std::unique_ptr<ui::Application> app;
};

}  // namespace apostila::testing
