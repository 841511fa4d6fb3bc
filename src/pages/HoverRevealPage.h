// "Teoria 19": the theory page whose label reveals, while the pointer rests on it, a panel of
// explanations over the characteristic curves. Everything else is the theory pages' behaviour.
#pragma once

#include "content/TLabel.h"
#include "pages/TheoryPage.h"

namespace apostila::pages {

class TForm23 final : public TheoryPage {
 public:
  explicit TForm23(ui::Component* owner) : TheoryPage(owner, 23) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }

  content::TLabel* Label1 = nullptr;  // "Detalhes Posicione o mouse"
  content::TPanel* Panel2 = nullptr;  // the explanations, stored hidden
  content::TLabel* Label3 = nullptr;
  content::TLabel* Label4 = nullptr;
  content::TLabel* Label5 = nullptr;
  content::TLabel* Label6 = nullptr;
  content::TLabel* Label7 = nullptr;
  content::TLabel* Label8 = nullptr;
  content::TLabel* Label9 = nullptr;
  content::TLabel* Label10 = nullptr;
  content::TLabel* Label11 = nullptr;

  void Label1MouseEnter(ui::Component* sender);
  void Label1MouseLeave(ui::Component* sender);

 private:
  void reveal(bool shown);
};

}  // namespace apostila::pages
