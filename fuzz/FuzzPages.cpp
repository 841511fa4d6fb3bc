// Page objects for the fuzz checks, made from the program's one list of pages.
#include "FuzzPages.h"

#include <algorithm>
#include <array>

#include "content/DefinitionReader.h"
#include "content/StreamFormat.h"
#include "pages/PageRegistry.h"
#include "ui/canvas/Canvas.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::fuzz {

namespace {

struct PageMaker {
  const ui::PageClassInfo* pageClass;
  ui::Form* (*make)();
};

#define APOSTILA_FUZZ_PAGE(id) PageMaker{&pages::T##id::kClass, []() -> ui::Form* { return new pages::T##id(nullptr); }},
const std::array<PageMaker, app::kPageCount> kMakers = {APOSTILA_PAGE_LIST(APOSTILA_FUZZ_PAGE)};
#undef APOSTILA_FUZZ_PAGE

// A window no larger than this is painted: a page that states a huge size is painted in part,
// as a window of the screen's size would show it.
constexpr int kMaxPaint = 1024;

}  // namespace

std::string FuzzPages::storedClassName(std::span<const std::uint8_t> definition) {
  // The signature, an optional prefix byte without a position, then the class name as a short string.
  std::size_t at = content::kSignature.size();
  if (definition.size() <= at) return {};
  if (content::isPrefix(definition[at])) {
    if (definition[at] & content::kPrefixPosition) return {};
    ++at;
  }
  if (definition.size() <= at) return {};
  std::size_t n = definition[at++];
  if (definition.size() - at < n) return {};
  return {reinterpret_cast<const char*>(definition.data() + at), n};
}

std::span<const ui::PageClassInfo* const> FuzzPages::classes() {
  static const auto all = [] {
    std::array<const ui::PageClassInfo*, app::kPageCount> a{};
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = kMakers[i].pageClass;
    return a;
  }();
  return all;
}

std::unique_ptr<ui::Form> FuzzPages::create(std::string_view className) {
  for (const PageMaker& m : kMakers)
    if (ui::sameName(m.pageClass->className, className)) return std::unique_ptr<ui::Form>(m.make());
  return std::make_unique<ui::Form>(nullptr);
}

void FuzzPages::installTextMeasurer() {
  static const ui::ScreenTextMeasurer measurer;
  ui::setTextMeasurer(&measurer);
}

void FuzzPages::readAndShow(std::span<const std::uint8_t> definition) {
  installTextMeasurer();
  std::unique_ptr<ui::Form> page = create(storedClassName(definition));
  content::readDefinition(definition, *page);
  const ui::Bounds client = page->clientRect();
  const int w = std::clamp(client.width, 1, kMaxPaint), h = std::clamp(client.height, 1, kMaxPaint);
  ui::Canvas canvas(w, h);
  page->paintTree(canvas);
  // The element under the pointer, as hover and clicks find it, at a few places.
  for (int y = 0; y < h; y += h / 4 + 1)
    for (int x = 0; x < w; x += w / 4 + 1) {
      if (ui::Control* c = page->controlAt(x, y, true, false)) (void)c->hint();
    }
}

}  // namespace apostila::fuzz
