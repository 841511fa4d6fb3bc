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

  static const ui::MemberInfo kMembers[];
  static const ui::HandlerInfo kHandlers[];
  static const std::size_t kMemberCount, kHandlerCount;
};

template <int N>
class InfoPageN final : public InfoPage {
 public:
  using InfoPage::InfoPage;
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }
};

template <int N>
const ui::PageClassInfo InfoPageN<N>::kClass{PageClassName<N>::view, &ui::Form::kPageClass,
                                             {InfoPage::kMembers, InfoPage::kMemberCount},
                                             {InfoPage::kHandlers, InfoPage::kHandlerCount}};

using TForm1 = InfoPageN<1>;
using TForm2 = InfoPageN<2>;
using TForm3 = InfoPageN<3>;

}  // namespace apostila::pages
