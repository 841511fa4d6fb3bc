// The hover reveal of "Teoria 19".
#include "pages/HoverRevealPage.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = TForm23;

constinit const ui::MemberInfo kMembers[] = {
    member<&P::Label1>("Label1"),   member<&P::Panel2>("Panel2"),   member<&P::Label3>("Label3"),
    member<&P::Label4>("Label4"),   member<&P::Label5>("Label5"),   member<&P::Label6>("Label6"),
    member<&P::Label7>("Label7"),   member<&P::Label8>("Label8"),   member<&P::Label9>("Label9"),
    member<&P::Label10>("Label10"), member<&P::Label11>("Label11"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::Label1MouseEnter>("Label1MouseEnter"),
    handler<&P::Label1MouseLeave>("Label1MouseLeave"),
};
}  // namespace

constinit const ui::PageClassInfo TForm23::kClass{PageClassName<23>::view, &TheoryPage::kClass, kMembers, kHandlers};

// The panel and each of its paragraphs are stored hidden, so all ten are switched: the panel
// alone would show empty.
void TForm23::reveal(bool shown) {
  for (ui::Control* c : {static_cast<ui::Control*>(Panel2), static_cast<ui::Control*>(Label3),
                         static_cast<ui::Control*>(Label4), static_cast<ui::Control*>(Label5),
                         static_cast<ui::Control*>(Label6), static_cast<ui::Control*>(Label7),
                         static_cast<ui::Control*>(Label8), static_cast<ui::Control*>(Label9),
                         static_cast<ui::Control*>(Label10), static_cast<ui::Control*>(Label11)})
    c->setVisible(shown);
}

void TForm23::Label1MouseEnter(ui::Component*) { reveal(true); }
void TForm23::Label1MouseLeave(ui::Component*) { reveal(false); }

}  // namespace apostila::pages
