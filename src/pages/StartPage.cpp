// The start page's handlers.
#include "pages/StartPage.h"

#include "pages/PageRegistry.h"
#include "ui/Application.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = Tformintro;
constinit const ui::MemberInfo kMembers[] = {
    member<&P::Panel1>("Panel1"), member<&P::Panel2>("Panel2"), member<&P::Panel3>("Panel3"),
    member<&P::Panel4>("Panel4"), member<&P::Panel5>("Panel5"), member<&P::Label2>("Label2"),
    member<&P::Label3>("Label3"), member<&P::Label4>("Label4"), member<&P::Label5>("Label5"),
    member<&P::Label6>("Label6"), member<&P::Label7>("Label7"), member<&P::Label8>("Label8"),
    member<&P::BtnCurso>("BtnCurso"), member<&P::BtnHabilidades>("BtnHabilidades"),
    member<&P::BtnCompetencias>("BtnCompetencias"), member<&P::BtnConteudo>("BtnConteudo"),
    member<&P::BtnQuestoes>("BtnQuestoes"), member<&P::BtnSair>("BtnSair"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::BtnCursoClick>("BtnCursoClick"),
    handler<&P::BtnHabilidadesClick>("BtnHabilidadesClick"),
    handler<&P::BtnCompetenciasClick>("BtnCompetenciasClick"),
    handler<&P::BtnConteudoClick>("BtnConteudoClick"),
    handler<&P::BtnQuestoesClick>("BtnQuestoesClick"),
    handler<&P::BtnSairClick>("BtnSairClick"),
    handler<&P::FormActivate>("FormActivate"),
    handler<&P::FormClose>("FormClose"),
};
}  // namespace

constinit const ui::PageClassInfo Tformintro::kClass{"Tformintro", &ui::Form::kPageClass, kMembers, kHandlers};

void Tformintro::BtnCursoClick(ui::Component*) { transitionTo(app::Form1); }
void Tformintro::BtnHabilidadesClick(ui::Component*) { transitionTo(app::Form2); }
void Tformintro::BtnCompetenciasClick(ui::Component*) { transitionTo(app::Form3); }
void Tformintro::BtnConteudoClick(ui::Component*) { transitionTo(app::Form4); }
void Tformintro::BtnQuestoesClick(ui::Component*) { transitionTo(app::Form65); }
void Tformintro::BtnSairClick(ui::Component*) { app::formintro->close(); }
void Tformintro::FormActivate(ui::Component*) { app::formintro->placeOnActivation(); }

void Tformintro::FormClose(ui::Component*, ui::CloseAction& action) {
  int answer = application()->messageBox("Deseja encerrar o programa?", "Responder",
                                         ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbDefButton2);
  action = answer == ui::kIdYes ? ui::CloseAction::caFree : ui::CloseAction::caNone;
}

}  // namespace apostila::pages
