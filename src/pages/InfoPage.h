// The three information pages (introduction, skills, competences): static text with "Voltar"
// back to the start page and "Sair".
#pragma once

#include "content/TLabel.h"
#include "content/TPanel.h"
#include "pages/Page.h"
#include "pages/PageClassName.h"

namespace apostila::pages {

class InfoPage : public Page {
 public:
  using Page::Page;
  content::TPanel* Panel1 = nullptr;  // "PANEL1" on the introduction page: names match in any case
  // The texts: each page has its own number of them, and its own table says which.
  content::TLabel* Label1 = nullptr;
  content::TLabel* Label2 = nullptr;
  content::TLabel* Label3 = nullptr;
  content::TLabel* Label4 = nullptr;
  content::TLabel* Label5 = nullptr;
  content::TLabel* Label6 = nullptr;
  content::TLabel* Label7 = nullptr;
  content::TSpeedButton* SpeedButton1 = nullptr;
  content::TSpeedButton* SpeedButton2 = nullptr;

  void SpeedButton1Click(ui::Component* sender);
  void SpeedButton2Click(ui::Component* sender);
  void FormActivate(ui::Component* sender);

  // The parent table: the panel, the two buttons and the handlers that all three pages have.
  static const ui::PageClassInfo kClass;
};

template <int N>
class InfoPageN final : public InfoPage {
  static_assert(N >= 1 && N <= 3);

 public:
  using InfoPage::InfoPage;
  static const ui::PageClassInfo kClass;  // adds the page's own texts
  const ui::PageClassInfo& pageClass() const override { return kClass; }
};

template <>
const ui::PageClassInfo InfoPageN<1>::kClass;
template <>
const ui::PageClassInfo InfoPageN<2>::kClass;
template <>
const ui::PageClassInfo InfoPageN<3>::kClass;

using TForm1 = InfoPageN<1>;
using TForm2 = InfoPageN<2>;
using TForm3 = InfoPageN<3>;

}  // namespace apostila::pages
