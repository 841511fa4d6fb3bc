// apostila: the course. Creates the application over the real desktop, shows the start page,
// builds the other 85 pages from their embedded definitions in the fixed order, and runs until
// the start page's close is confirmed. It reads no command line, files or configuration.
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "apostila/MainIcon.h"
#include "content/DefinitionStore.h"
#include "content/PictureTwins.h"
#include "pages/CourseRun.h"
#include "pages/PageRegistry.h"
#include "pages/PreparedFrame.h"
#include "ui/Form.h"
#include "ui/access/Bridge.h"
#include "ui/platform/PlatformError.h"
#include "ui/platform/sdl/SdlBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace {

// The program file's own path, for the application title.
std::string programPath() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("apostila") : p.string();
}

// The language of the desktop's own boxes, as the platform reports it.
std::string platformLanguage() {
  const char* locale = std::setlocale(LC_MESSAGES, "");
  std::string l = locale ? locale : "";
  std::setlocale(LC_ALL, "C");
  return l;
}

}  // namespace

int main() {
  using namespace apostila;
  std::unique_ptr<platform::Backend> backend;
  try {
    backend = std::make_unique<platform::SdlBackend>();
  } catch (const std::exception& e) {
    std::cerr << "apostila: cannot open the desktop: " << e.what() << "\n";
    return 1;
  }
  static ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
  // The pictures' twins, for screens of twice the density or more.
  content::PictureTwins::installCarried();
  app::CourseLaunch launch;
  launch.programPath = programPath();
  launch.language = platformLanguage();
  launch.icon = app::mainIcon()[0] || app::mainIcon()[1] ? app::mainIcon().data() : nullptr;
  launch.loader = [](ui::Form& form) { content::DefinitionStore::embedded().loadPage(form); };
  launch.startPageFrame = app::embeddedStartFrame();
  // The desktop's accessibility status is read once every page is built, long after the first
  // frame: a screen reader's first question then finds the whole course.
  std::unique_ptr<access::Bridge> bridge;
  launch.betweenPages = [&](ui::Application& application, int order) {
    if (order != app::kPageCount || bridge) return;
    bridge = std::make_unique<access::Bridge>(application);
    bridge->start();
  };
  return app::runCourse(*backend, launch, std::cerr);
}
