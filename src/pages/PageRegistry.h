// The page registry: one program-wide reference per page, typed to the page's class, filled at
// start-up just before each page is built. Pages reach each other only through it, so it lives
// with them; its entries are made from the one list of pages.
#pragma once

#include <functional>
#include <string_view>

#include "pages/ConclusionPage.h"
#include "pages/ContentsMenu.h"
#include "pages/HoverRevealPage.h"
#include "pages/InfoPage.h"
#include "pages/PageList.h"
#include "pages/QuestionPage.h"
#include "pages/StartPage.h"
#include "pages/TheoryPage.h"

namespace apostila::ui {
class Application;
}

namespace apostila::app {

#define APOSTILA_REGISTRY_ENTRY(id) extern pages::T##id* id;
APOSTILA_PAGE_LIST(APOSTILA_REGISTRY_ENTRY)
#undef APOSTILA_REGISTRY_ENTRY

#define APOSTILA_COUNT_PAGE(id) +1
inline constexpr int kPageCount = 0 APOSTILA_PAGE_LIST(APOSTILA_COUNT_PAGE);
#undef APOSTILA_COUNT_PAGE

// The page at a place in creation order: 0 the start page, N the page FormN; null outside.
ui::Form* page(int order);
// Creates the 86 pages in creation order; the start page becomes the main window.
void createPages(ui::Application& application);
// The program's start-up: creates the start page and shows it, then creates the other 85 in
// creation order while the start page is on screen (input waits for them; see
// Application::beginStartup). `between(order)` runs before the page at that place is created
// and once more, with kPageCount, after the last. Returns false when a termination came first,
// with the rest left uncreated. A failing construction throws, its entry cleared.
bool startPages(ui::Application& application, const std::function<void(int order)>& between = {});
// Empties every entry (when the application that owned the pages is gone).
void clearRegistry();
// The page class of a class name (for the authoring tool's checks), or null.
const ui::PageClassInfo* pageClassNamed(std::string_view className);

}  // namespace apostila::app
