// The conclusion page: the final counts of the pass, three lines of advice, and "Repetir",
// "Retornar" and "Sair".
#pragma once

#include "content/TLabel.h"
#include "content/TPanel.h"
#include "pages/Page.h"

namespace apostila::pages {

class TForm85 : public Page {
 public:
  using Page::Page;
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }

  content::TPanel* Panel1 = nullptr;
  content::TPanel* Panel2 = nullptr;
  content::TLabel* Label1 = nullptr;
  content::TLabel* Label2 = nullptr;
  content::TLabel* Label4 = nullptr;
  content::TLabel* Label5 = nullptr;
  content::TLabel* Label7 = nullptr;
  content::TSpeedButton* BtnAvancar = nullptr;
  content::TSpeedButton* BtnRetornar = nullptr;
  content::TSpeedButton* BtnSair = nullptr;
  content::TPanel* PnlCertas = nullptr;
  content::TPanel* PnlErradas = nullptr;

  void FormActivate(ui::Component* sender);
  void BtnAvancarClick(ui::Component* sender);
  void BtnRetornarClick(ui::Component* sender);
  void BtnSairClick(ui::Component* sender);
};

}  // namespace apostila::pages
