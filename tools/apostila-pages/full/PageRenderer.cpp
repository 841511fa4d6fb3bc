// Headless page rendering for the authoring tool.
#include "PageRenderer.h"

#include <stdexcept>

#include "apostila/PageRegistry.h"
#include "content/DefinitionStore.h"
#include "content/PictureTwins.h"
#include "ui/TypeInfo.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::tools {

bool RenderRequest::parse(const std::vector<std::string>& args, RenderRequest& out) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--hover" || args[i] == "--press") {
      if (i + 1 >= args.size()) return false;
      (args[i] == "--hover" ? out.hover : out.press) = args[i + 1];
      ++i;
    } else if (args[i] == "--scale") {
      if (i + 1 >= args.size() || (args[i + 1] != "1" && args[i + 1] != "2" && args[i + 1] != "3")) return false;
      out.scale = args[++i][0] - '0';
    } else if (args[i] == "--click") {
      if (i + 1 >= args.size()) return false;
      out.clicks.push_back(args[++i]);
    } else if (args[i].rfind("--", 0) == 0) {
      return false;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) return false;
  out.page = positional[0];
  out.output = positional[1];
  return true;
}

PageRenderer::PageRenderer(int scale)
    : scale_(scale),
      desktop_({platform::HeadlessBackend::kDefaultScreen.width * scale,
                platform::HeadlessBackend::kDefaultScreen.height * scale},
               scale) {
  static ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
  // Pictures drawn from their carried twins above scale 1, as the program draws them.
  content::PictureTwins::installCarried();
  desktop_.setSimulatedFrame(kFrame);
  app_ = std::make_unique<ui::Application>(desktop_, "apostila");
  app_->setLanguage("pt_BR.UTF-8");
  app_->setFormLoader([](ui::Form& f) { content::DefinitionStore::embedded().loadPage(f); });
  app::createPages(*app_);
}

PageRenderer::~PageRenderer() {
  app_.reset();
  app::clearRegistry();
}

ui::Form& PageRenderer::pageNamed(const std::string& id) const {
  for (ui::Form* f : app_->forms())
    if (ui::sameName(f->name(), id)) return *f;
  throw std::runtime_error("no page " + id + " (page ids are formintro and Form1 to Form85)");
}

// The one page on the screen; after a click that closed the course's last page, there is none.
ui::Form& PageRenderer::pageOnScreen() const {
  for (ui::Form* f : app_->forms())
    if (f->visible()) return *f;
  throw std::runtime_error("no page is on the screen");
}

platform::Rect PageRenderer::elementRect(const ui::Form& page, const std::string& element) const {
  auto* c = dynamic_cast<const ui::Control*>(const_cast<ui::Form&>(page).findComponent(element));
  if (!c) throw std::runtime_error("no element " + element + " on " + page.name());
  int x = c->left(), y = c->top();
  for (const ui::Container* p = c->parent(); p && p != &page; p = p->parent()) {
    x += p->left() + p->clientOffsetX();
    y += p->top() + p->clientOffsetY();
  }
  return {x, y, c->width(), c->height()};
}

platform::Rect PageRenderer::elementRect(const std::string& page, const std::string& element) const {
  return elementRect(pageNamed(page), element);
}

// Rests the pointer on the middle of the element's rectangle.
void PageRenderer::pointAt(ui::Form& page, const std::string& element) {
  const platform::Rect r = elementRect(page, element);
  // The simulated desktop is in the screen's pixels, the scale's times the page's.
  desktop_.movePointer(desktop_.geometry(page.windowId()).client.origin() +
                       platform::Point{scale_ * (r.x + r.width / 2), scale_ * (r.y + r.height / 2)});
  app_->processPending();
}

ui::Canvas PageRenderer::render(const RenderRequest& request) {
  ui::Form& page = pageNamed(request.page);
  ui::Form& start = *app_->mainForm();
  // As the program starts, and then as navigation opens a page: shown, then the one before it
  // hidden.
  app_->showForm(start);
  app_->processPending();
  if (&page != &start) {
    app_->showForm(page);
    app_->hideForm(start);
    app_->processPending();
  }
  for (const std::string& element : request.clicks) {
    pointAt(pageOnScreen(), element);
    // A message the click opens is read and closed with Enter, as a learner would.
    desktop_.onWait([this] { desktop_.typeKey(platform::Key::Return); });
    desktop_.click();
    app_->processPending();
  }
  ui::Form& shown = pageOnScreen();
  if (!request.hover.empty()) pointAt(shown, request.hover);
  if (!request.press.empty()) {
    pointAt(shown, request.press);
    desktop_.pressButton(platform::MouseButton::Left);
    app_->processPending();
  }
  const platform::PixelView view = desktop_.pixels(shown.windowId());
  ui::Canvas out(view.width, view.height);
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x) out.pixels()[y * out.stride() + x] = view.at(x, y);
  return out;
}

}  // namespace apostila::tools
