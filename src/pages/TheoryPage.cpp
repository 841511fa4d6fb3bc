// Handlers of the theory pages.
#include "pages/TheoryPage.h"

#include "pages/PageRegistry.h"
#include "pages/TopicChains.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = TheoryPage;

constinit const ui::MemberInfo kMembers[] = {
    member<&P::Panel1>("Panel1"),
    member<&P::SpeedButton1>("SpeedButton1"),
    member<&P::SpeedButton2>("SpeedButton2"),
    member<&P::SpeedButton3>("SpeedButton3"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::SpeedButton1Click>("SpeedButton1Click"),
    handler<&P::SpeedButton2Click>("SpeedButton2Click"),
    handler<&P::SpeedButton3Click>("SpeedButton3Click"),
    handler<&P::FormActivate>("FormActivate"),
};
}  // namespace

constinit const ui::PageClassInfo TheoryPage::kClass{"TheoryPage", &ui::Form::kPageClass, kMembers, kHandlers};

// The first page of a chain goes back to the menu; the others to the page before.
void TheoryPage::SpeedButton1Click(ui::Component*) {
  transitionTo(isFirstOfChain(number_) ? app::Form4 : app::page(number_ - 1));
}

void TheoryPage::SpeedButton2Click(ui::Component*) { exitRequest(); }

// The last page of a chain reads "Menu" and goes back to the menu; the others go on.
void TheoryPage::SpeedButton3Click(ui::Component*) {
  transitionTo(isLastOfChain(number_) ? app::Form4 : app::page(number_ + 1));
}

void TheoryPage::FormActivate(ui::Component*) { placeOnActivation(); }

}  // namespace apostila::pages
