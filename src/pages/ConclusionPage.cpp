// The conclusion page's handlers.
#include "pages/ConclusionPage.h"

#include <string>

#include "pages/PageRegistry.h"
#include "pages/QuizState.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = TForm85;
constinit const ui::MemberInfo kMembers[] = {
    member<&P::Panel1>("Panel1"),         member<&P::Panel2>("Panel2"),
    member<&P::Label1>("Label1"),         member<&P::Label2>("Label2"),
    member<&P::Label4>("Label4"),         member<&P::Label5>("Label5"),
    member<&P::Label7>("Label7"),         member<&P::BtnAvancar>("BtnAvancar"),
    member<&P::BtnRetornar>("BtnRetornar"), member<&P::BtnSair>("BtnSair"),
    member<&P::PnlCertas>("PnlCertas"),   member<&P::PnlErradas>("PnlErradas"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::FormActivate>("FormActivate"),
    handler<&P::BtnAvancarClick>("BtnAvancarClick"),
    handler<&P::BtnRetornarClick>("BtnRetornarClick"),
    handler<&P::BtnSairClick>("BtnSairClick"),
};
}  // namespace

constinit const ui::PageClassInfo TForm85::kClass{"TForm85", &ui::Form::kPageClass, kMembers, kHandlers};

void TForm85::FormActivate(ui::Component*) {
  PnlCertas->setCaption(std::to_string(quiz().Certas));
  PnlErradas->setCaption(std::to_string(quiz().Erradas));
  placeOnActivation();
}

void TForm85::BtnAvancarClick(ui::Component*) { transitionTo(app::Form65); }
void TForm85::BtnRetornarClick(ui::Component*) { transitionTo(app::formintro); }
void TForm85::BtnSairClick(ui::Component*) { exitRequest(); }

}  // namespace apostila::pages
