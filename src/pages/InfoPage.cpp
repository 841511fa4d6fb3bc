// Handlers of the information pages.
#include "pages/InfoPage.h"

#include "apostila/PageRegistry.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = InfoPage;
}  // namespace

const ui::MemberInfo InfoPage::kMembers[] = {
    member<&P::Panel1>("Panel1"), member<&P::Label1>("Label1"), member<&P::Label2>("Label2"),
    member<&P::Label3>("Label3"), member<&P::Label4>("Label4"), member<&P::Label5>("Label5"),
    member<&P::Label6>("Label6"), member<&P::Label7>("Label7"),
    member<&P::SpeedButton1>("SpeedButton1"), member<&P::SpeedButton2>("SpeedButton2"),
};
const ui::HandlerInfo InfoPage::kHandlers[] = {
    handler<&P::SpeedButton1Click>("SpeedButton1Click"),
    handler<&P::SpeedButton2Click>("SpeedButton2Click"),
    handler<&P::FormActivate>("FormActivate"),
};
const std::size_t InfoPage::kMemberCount = std::size(kMembers);
const std::size_t InfoPage::kHandlerCount = std::size(kHandlers);

void InfoPage::SpeedButton1Click(ui::Component*) { transitionTo(app::formintro); }
void InfoPage::SpeedButton2Click(ui::Component*) { exitRequest(); }
void InfoPage::FormActivate(ui::Component*) { placeOnActivation(); }

}  // namespace apostila::pages
