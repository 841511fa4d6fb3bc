// The start page: the course's main window, its menu column, and the close confirmation that
// is the only way the program ends.
#pragma once

#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "pages/Page.h"

namespace apostila::pages {

class Tformintro : public Page {
 public:
  using Page::Page;
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }

  content::TPanel* Panel1 = nullptr;
  content::TPanel* Panel2 = nullptr;
  content::TPanel* Panel3 = nullptr;
  content::TPanel* Panel4 = nullptr;
  content::TPanel* Panel5 = nullptr;
  content::TLabel* Label2 = nullptr;
  content::TLabel* Label3 = nullptr;
  content::TLabel* Label4 = nullptr;
  content::TLabel* Label5 = nullptr;
  content::TLabel* Label6 = nullptr;
  content::TLabel* Label7 = nullptr;
  content::TLabel* Label8 = nullptr;
  content::TSpeedButton* BtnCurso = nullptr;
  content::TSpeedButton* BtnHabilidades = nullptr;
  content::TSpeedButton* BtnCompetencias = nullptr;
  content::TSpeedButton* BtnConteudo = nullptr;
  content::TSpeedButton* BtnQuestoes = nullptr;
  content::TSpeedButton* BtnSair = nullptr;

  void BtnCursoClick(ui::Component* sender);
  void BtnHabilidadesClick(ui::Component* sender);
  void BtnCompetenciasClick(ui::Component* sender);
  void BtnConteudoClick(ui::Component* sender);
  void BtnQuestoesClick(ui::Component* sender);
  void BtnSairClick(ui::Component* sender);
  void FormActivate(ui::Component* sender);
  void FormClose(ui::Component* sender, ui::CloseAction& action);
};

}  // namespace apostila::pages
