// Handlers and tables of the information pages.
#include "pages/InfoPage.h"

#include "pages/PageRegistry.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = InfoPage;

constinit const ui::MemberInfo kMembers[] = {
    member<&P::Panel1>("Panel1"),
    member<&P::SpeedButton1>("SpeedButton1"),
    member<&P::SpeedButton2>("SpeedButton2"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::SpeedButton1Click>("SpeedButton1Click"),
    handler<&P::SpeedButton2Click>("SpeedButton2Click"),
    handler<&P::FormActivate>("FormActivate"),
};

// Every text of the longest page; a page has the first ones of them.
constinit const ui::MemberInfo kLabels[] = {
    member<&P::Label1>("Label1"), member<&P::Label2>("Label2"), member<&P::Label3>("Label3"),
    member<&P::Label4>("Label4"), member<&P::Label5>("Label5"), member<&P::Label6>("Label6"),
    member<&P::Label7>("Label7"),
};
constexpr std::span<const ui::MemberInfo> labels(std::size_t count) { return std::span(kLabels).first(count); }
}  // namespace

constinit const ui::PageClassInfo InfoPage::kClass{"InfoPage", &ui::Form::kPageClass, kMembers, kHandlers};

template <>
constinit const ui::PageClassInfo InfoPageN<1>::kClass{PageClassName<1>::view, &InfoPage::kClass, labels(3), {}};
template <>
constinit const ui::PageClassInfo InfoPageN<2>::kClass{PageClassName<2>::view, &InfoPage::kClass, labels(7), {}};
template <>
constinit const ui::PageClassInfo InfoPageN<3>::kClass{PageClassName<3>::view, &InfoPage::kClass, labels(5), {}};

void InfoPage::SpeedButton1Click(ui::Component*) { transitionTo(app::formintro); }
void InfoPage::SpeedButton2Click(ui::Component*) { exitRequest(); }
void InfoPage::FormActivate(ui::Component*) { placeOnActivation(); }

}  // namespace apostila::pages
