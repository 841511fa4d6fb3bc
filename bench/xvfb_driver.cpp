// The course program as it runs on a real display, with a hook for measuring it from outside:
// the program's own run (SDL backend, the embedded definitions, the start page first, then the
// other 85 pages), with one of three endings chosen by the first argument (the course program
// itself reads none):
//   startup  ends as soon as the start page's first frame has been put on its mapped window,
//            whether the other pages are built by then or not;
//   built    ends as soon as the last page is built;
//   tour     visits every page once through the pages' own transition, prints the peak
//            resident set ("peak_rss_kb N"), the page windows made after start-up
//            ("page_windows_after_startup N") and the device scale it drew at
//            ("device_scale N"), and ends.
// Each ends with _Exit, so that what is measured stops where the ending says.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string_view>

#include "HeadlessCourse.h"
#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "content/PictureTwins.h"
#include "pages/CourseRun.h"
#include "pages/PreparedFrame.h"
#include "ui/Application.h"
#include "ui/access/Bridge.h"
#include "ui/platform/sdl/SdlBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

int main(int argc, char** argv) {
  using namespace apostila;
  const std::string_view mode = argc > 1 ? argv[1] : "startup";
  if (mode != "startup" && mode != "built" && mode != "tour") {
    std::cerr << "usage: bench_xvfb_driver startup|built|tour\n";
    return 2;
  }
  std::unique_ptr<platform::SdlBackend> backend;
  try {
    backend = std::make_unique<platform::SdlBackend>();
  } catch (const std::exception& e) {
    std::cerr << "bench_xvfb_driver: " << e.what() << "\n";
    return 1;
  }
  static ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
  content::PictureTwins::installCarried();  // as the program does

  std::function<void()> step;
  int waited = 0;
  int current = 0;
  int pageWindows = 0;
  std::unique_ptr<access::Bridge> bridge;
  app::CourseLaunch launch;
  launch.programPath = "/usr/games/apostila";
  launch.language = "pt_BR.UTF-8";
  launch.loader = [](ui::Form& form) { content::DefinitionStore::embedded().loadPage(form); };
  launch.startPageFrame = app::embeddedStartFrame();
  launch.betweenPages = [&](ui::Application& application, int order) {
    // The frame drawn before the window was mapped never reached the screen: the one that
    // counts is painted when the server exposes the mapped window, which during the build
    // happens at once.
    if (mode == "startup" && application.exposesSeen() > 0) std::_Exit(0);
    if (order < app::kPageCount) return;
    // The program follows the desktop's accessibility status from here on (main.cpp): so does
    // what stands for it, so that the rows below count it.
    bridge = std::make_unique<access::Bridge>(application);
    bridge->start();
    if (mode == "built") std::_Exit(0);
    if (mode == "startup") {
      step = [&] {
        application.paintPending();
        if (application.exposesSeen() > 0 || ++waited > 500) std::_Exit(0);
        application.startTimer(1, step);
      };
    } else {
      pageWindows = static_cast<int>(std::count_if(application.forms().begin(), application.forms().end(),
                                                   [](ui::Form* f) { return f->windowId() != 0; }));
      step = [&] {
        const int next = current + 1 < app::kPageCount ? current + 1 : 0;
        static_cast<pages::Page*>(app::page(current))->transitionTo(app::page(next));
        application.paintPending();
        current = next;
        if (current == 0) {
          std::printf("page_windows_after_startup %d\npeak_rss_kb %ld\ndevice_scale %d\n", pageWindows,
                      bench::resident().peakKb, application.deviceScale());
          std::fflush(stdout);
          std::_Exit(0);
        }
        application.startTimer(1, step);
      };
    }
    application.startTimer(0, step);
  };
  return app::runCourse(*backend, launch, std::cerr);
}
