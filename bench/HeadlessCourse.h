// The course as the program builds it, on the headless desktop: the 86 pages read from the
// definitions embedded in the benchmark program itself (the same bytes and the same layout in
// memory as in the course program), and the helpers the benchmarks share.
#pragma once

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "content/PictureTwins.h"
#include "pages/Page.h"
#include "pages/TopicChains.h"
#include "ui/Application.h"
#include "ui/platform/headless/HeadlessBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::bench {

class HeadlessCourse {
 public:
  // scale: the simulated screen's device scale (its 1024 x 768 page pixels times the scale).
  explicit HeadlessCourse(int scale = 1) : desktop({1024 * scale, 768 * scale}, scale) {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    content::PictureTwins::installCarried();  // as the program does
    app = std::make_unique<ui::Application>(desktop, "/usr/games/apostila");
    app->setLanguage("pt_BR.UTF-8");
    app->setFormLoader([](ui::Form& f) { content::DefinitionStore::embedded().loadPage(f); });
    app::createPages(*app);
  }
  ~HeadlessCourse() {
    app.reset();
    app::clearRegistry();
  }
  HeadlessCourse(const HeadlessCourse&) = delete;
  HeadlessCourse& operator=(const HeadlessCourse&) = delete;

  // The start page shown as the program's run shows it.
  void start() {
    app->showForm(*app->mainForm());
    app->processPending();
  }

  // The handler's transition from the page at `from` to the page at `to` (creation order), then
  // everything it causes handled, painted and presented.
  void transition(int from, int to) {
    static_cast<pages::Page*>(app::page(from))->transitionTo(app::page(to));
    app->processPending();
  }

  // The learner's way onto theory page `number`, up to the last moment: the page holding the
  // button that leads there is shown ("Seguir" of the page before, or "Voltar" of the page after
  // when `number` opens its topic), the pointer goes onto that button and presses it.
  // release() then ends the click, as a learner's finger does.
  void pressTheButtonLeadingTo(int current, int number) {
    const bool fromBefore = !pages::isFirstOfChain(number);
    const int source = fromBefore ? number - 1 : number + 1;
    if (current != source) transition(current, source);
    ui::Form& page = *app::page(source);
    const auto* button = dynamic_cast<const ui::Control*>(page.findComponent(fromBefore ? "SpeedButton3" : "SpeedButton1"));
    if (!button) throw std::logic_error("no button leads to Form" + std::to_string(number));
    int x = button->left() + button->width() / 2, y = button->top() + button->height() / 2;
    for (const ui::Container* p = button->parent(); p && p != &page; p = p->parent())
      x += p->left() + p->clientOffsetX(), y += p->top() + p->clientOffsetY();
    const platform::Point origin = desktop.geometry(page.windowId()).client.origin();
    const int s = desktop.deviceScale();
    desktop.movePointer({origin.x + s * x, origin.y + s * y});
    app->processPending();
    desktop.pressButton();
    app->processPending();
  }

  // The release that ends the click: the handler's transition, then everything it causes
  // handled, painted and presented.
  void release() {
    desktop.releaseButton();
    app->processPending();
  }

  platform::HeadlessBackend desktop;
  std::unique_ptr<ui::Application> app;
};

// The theory page (Teoria 1 to 60, FormN with N from 5 to 64) whose definition is the largest.
inline int heaviestTheoryPage() {
  int best = 5;
  std::size_t bestSize = 0;
  for (int n = 5; n <= 64; ++n)
    if (auto data = content::DefinitionStore::embedded().find("TFORM" + std::to_string(n)); data && data->size() > bestSize) {
      best = n;
      bestSize = data->size();
    }
  return best;
}

// Bytes of all embedded definitions together.
inline std::size_t definitionBytes() {
  std::size_t total = 0;
  for (const EmbeddedBlob& b : content::DefinitionStore::embedded().all()) total += b.size;
  return total;
}

// The process's resident set now and at its peak, in kilobytes, from /proc/self/status.
struct Resident {
  long nowKb = 0;
  long peakKb = 0;
};
inline Resident resident() {
  Resident r;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) r.nowKb = std::stol(line.substr(6));
    if (line.rfind("VmHWM:", 0) == 0) r.peakKb = std::stol(line.substr(6));
  }
  return r;
}

}  // namespace apostila::bench
