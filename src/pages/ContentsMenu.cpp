// The contents menu's handlers.
#include "pages/ContentsMenu.h"

#include "pages/PageRegistry.h"
#include "pages/TopicChains.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = TForm4;
constinit const ui::MemberInfo kMembers[] = {
    member<&P::Panel1>("Panel1"), member<&P::Label1>("Label1"),
    member<&P::SpeedButton1>("SpeedButton1"), member<&P::SpeedButton2>("SpeedButton2"),
    member<&P::SpeedButton3>("SpeedButton3"), member<&P::SpeedButton4>("SpeedButton4"),
    member<&P::SpeedButton5>("SpeedButton5"), member<&P::SpeedButton6>("SpeedButton6"),
    member<&P::SpeedButton7>("SpeedButton7"), member<&P::SpeedButton8>("SpeedButton8"),
    member<&P::SpeedButton9>("SpeedButton9"), member<&P::SpeedButton10>("SpeedButton10"),
    member<&P::SpeedButton11>("SpeedButton11"), member<&P::SpeedButton12>("SpeedButton12"),
    member<&P::SpeedButton13>("SpeedButton13"), member<&P::SpeedButton14>("SpeedButton14"),
    member<&P::SpeedButton15>("SpeedButton15"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::SpeedButton1Click>("SpeedButton1Click"), handler<&P::SpeedButton2Click>("SpeedButton2Click"),
    handler<&P::SpeedButton3Click>("SpeedButton3Click"), handler<&P::SpeedButton4Click>("SpeedButton4Click"),
    handler<&P::SpeedButton5Click>("SpeedButton5Click"), handler<&P::SpeedButton6Click>("SpeedButton6Click"),
    handler<&P::SpeedButton7Click>("SpeedButton7Click"), handler<&P::SpeedButton8Click>("SpeedButton8Click"),
    handler<&P::SpeedButton9Click>("SpeedButton9Click"), handler<&P::SpeedButton10Click>("SpeedButton10Click"),
    handler<&P::SpeedButton11Click>("SpeedButton11Click"), handler<&P::SpeedButton12Click>("SpeedButton12Click"),
    handler<&P::SpeedButton13Click>("SpeedButton13Click"), handler<&P::SpeedButton14Click>("SpeedButton14Click"),
    handler<&P::SpeedButton15Click>("SpeedButton15Click"), handler<&P::FormActivate>("FormActivate"),
};

// Topic t (1 to 13) opens the first page of its chain.
ui::Form* firstPageOf(int topic) { return app::page(kTopicChains[static_cast<std::size_t>(topic - 1)].first); }
}  // namespace

constinit const ui::PageClassInfo TForm4::kClass{"TForm4", &ui::Form::kPageClass, kMembers, kHandlers};

void TForm4::SpeedButton1Click(ui::Component*) { transitionTo(app::formintro); }
void TForm4::SpeedButton2Click(ui::Component*) { exitRequest(); }
void TForm4::SpeedButton3Click(ui::Component*) { transitionTo(firstPageOf(1)); }
void TForm4::SpeedButton4Click(ui::Component*) { transitionTo(firstPageOf(2)); }
void TForm4::SpeedButton5Click(ui::Component*) { transitionTo(firstPageOf(3)); }
void TForm4::SpeedButton6Click(ui::Component*) { transitionTo(firstPageOf(4)); }
void TForm4::SpeedButton7Click(ui::Component*) { transitionTo(firstPageOf(5)); }
void TForm4::SpeedButton8Click(ui::Component*) { transitionTo(firstPageOf(6)); }
void TForm4::SpeedButton9Click(ui::Component*) { transitionTo(firstPageOf(7)); }
void TForm4::SpeedButton10Click(ui::Component*) { transitionTo(firstPageOf(8)); }
void TForm4::SpeedButton11Click(ui::Component*) { transitionTo(firstPageOf(9)); }
void TForm4::SpeedButton12Click(ui::Component*) { transitionTo(firstPageOf(10)); }
void TForm4::SpeedButton13Click(ui::Component*) { transitionTo(firstPageOf(11)); }
void TForm4::SpeedButton14Click(ui::Component*) { transitionTo(firstPageOf(12)); }
void TForm4::SpeedButton15Click(ui::Component*) { transitionTo(firstPageOf(13)); }
void TForm4::FormActivate(ui::Component*) { placeOnActivation(); }

}  // namespace apostila::pages
