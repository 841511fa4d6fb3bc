// The course program as it runs on a real display, with a hook for measuring it from outside:
// the same start-up as the program (SDL backend, the embedded definitions, the 86 pages), then
// one of two endings chosen by the first argument (the course program itself reads none):
//   startup  ends as soon as the start page's first frame has been put on its mapped window;
//   tour     visits every page once through the pages' own transition, prints the peak
//            resident set ("peak_rss_kb N") and the page windows made after start-up
//            ("page_windows_after_startup N"), and ends.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>

#include "HeadlessCourse.h"
#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "ui/Application.h"
#include "ui/platform/sdl/SdlBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

int main(int argc, char** argv) {
  using namespace apostila;
  const bool tour = argc > 1 && std::strcmp(argv[1], "tour") == 0;
  std::unique_ptr<platform::SdlBackend> backend;
  try {
    backend = std::make_unique<platform::SdlBackend>();
  } catch (const std::exception& e) {
    std::cerr << "bench_xvfb_driver: " << e.what() << "\n";
    return 1;
  }
  static ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
  ui::Application application(*backend, "/usr/games/apostila");
  application.setLanguage("pt_BR.UTF-8");
  application.setFormLoader([](ui::Form& form) { content::DefinitionStore::embedded().loadPage(form); });
  app::createPages(application);

  ui::Form& start = *application.mainForm();
  std::function<void()> step;
  int waited = 0;
  int current = 0;
  int pageWindows = 0;
  if (!tour) {
    // The frame drawn before the window was mapped never reached the screen: the one that
    // counts is drawn when the server exposes the mapped window.
    step = [&] {
      const bool exposed = !start.dirtyAreas().empty();
      application.paintPending();
      if (exposed || ++waited > 500) {
        application.terminate();
        return;
      }
      application.startTimer(1, step);
    };
  } else {
    step = [&] {
      if (current == 0 && pageWindows == 0) pageWindows = static_cast<int>(std::count_if(
          application.forms().begin(), application.forms().end(), [](ui::Form* f) { return f->windowId() != 0; }));
      const int next = current + 1 < app::kPageCount ? current + 1 : 0;
      static_cast<pages::Page*>(app::page(current))->transitionTo(app::page(next));
      application.paintPending();
      current = next;
      if (current == 0) {
        std::printf("page_windows_after_startup %d\npeak_rss_kb %ld\n", pageWindows, bench::resident().peakKb);
        std::fflush(stdout);
        application.terminate();
        return;
      }
      application.startTimer(1, step);
    };
  }
  application.startTimer(0, step);
  application.run();
  return 0;
}
