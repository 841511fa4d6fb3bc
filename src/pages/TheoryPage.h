// The sixty theory pages, walked forward and back in topic chains: "Seguir" (or "Menu" on the
// last page of a chain), "Voltar" and "Sair". Each page is its own class over one implementation.
#pragma once

#include "content/TPanel.h"
#include "pages/CourseShape.h"
#include "pages/Page.h"
#include "pages/PageClassName.h"

namespace apostila::pages {

class TheoryPage : public Page {
 public:
  TheoryPage(ui::Component* owner, int number) : Page(owner), number_(number) {}
  int number() const { return number_; }

  content::TPanel* Panel1 = nullptr;
  content::TSpeedButton* SpeedButton1 = nullptr;
  content::TSpeedButton* SpeedButton2 = nullptr;
  content::TSpeedButton* SpeedButton3 = nullptr;

  void SpeedButton1Click(ui::Component* sender);  // "Voltar"
  void SpeedButton2Click(ui::Component* sender);  // "Sair"
  void SpeedButton3Click(ui::Component* sender);  // "Seguir" or "Menu"
  void FormActivate(ui::Component* sender);

  // The parent table of every theory page: what all sixty have. A page whose own elements
  // react to the learner (a hover reveal) gets a class of its own in place of its alias below:
  // it derives from TheoryPage with its number, and its table names this one as its parent and
  // adds only its own members and handlers.
  static const ui::PageClassInfo kClass;

 private:
  int number_;
};

// A theory page with nothing but the shared template's behaviour: its table adds no rows.
template <int N>
class TheoryPageN final : public TheoryPage {
  static_assert(N >= shape::kFirstTheoryPage && N <= shape::kLastTheoryPage);

 public:
  explicit TheoryPageN(ui::Component* owner) : TheoryPage(owner, N) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }
};

template <int N>
constinit const ui::PageClassInfo TheoryPageN<N>::kClass{PageClassName<N>::view, &TheoryPage::kClass, {}, {}};

using TForm5 = TheoryPageN<5>;
using TForm6 = TheoryPageN<6>;
using TForm7 = TheoryPageN<7>;
using TForm8 = TheoryPageN<8>;
using TForm9 = TheoryPageN<9>;
using TForm10 = TheoryPageN<10>;
using TForm11 = TheoryPageN<11>;
using TForm12 = TheoryPageN<12>;
using TForm13 = TheoryPageN<13>;
using TForm14 = TheoryPageN<14>;
using TForm15 = TheoryPageN<15>;
using TForm16 = TheoryPageN<16>;
using TForm17 = TheoryPageN<17>;
using TForm18 = TheoryPageN<18>;
using TForm19 = TheoryPageN<19>;
using TForm20 = TheoryPageN<20>;
using TForm21 = TheoryPageN<21>;
using TForm22 = TheoryPageN<22>;
// TForm23 has a class of its own: pages/HoverRevealPage.h.
using TForm24 = TheoryPageN<24>;
using TForm25 = TheoryPageN<25>;
using TForm26 = TheoryPageN<26>;
using TForm27 = TheoryPageN<27>;
using TForm28 = TheoryPageN<28>;
using TForm29 = TheoryPageN<29>;
using TForm30 = TheoryPageN<30>;
using TForm31 = TheoryPageN<31>;
using TForm32 = TheoryPageN<32>;
using TForm33 = TheoryPageN<33>;
using TForm34 = TheoryPageN<34>;
using TForm35 = TheoryPageN<35>;
using TForm36 = TheoryPageN<36>;
using TForm37 = TheoryPageN<37>;
using TForm38 = TheoryPageN<38>;
using TForm39 = TheoryPageN<39>;
using TForm40 = TheoryPageN<40>;
using TForm41 = TheoryPageN<41>;
using TForm42 = TheoryPageN<42>;
using TForm43 = TheoryPageN<43>;
using TForm44 = TheoryPageN<44>;
using TForm45 = TheoryPageN<45>;
using TForm46 = TheoryPageN<46>;
using TForm47 = TheoryPageN<47>;
using TForm48 = TheoryPageN<48>;
using TForm49 = TheoryPageN<49>;
using TForm50 = TheoryPageN<50>;
using TForm51 = TheoryPageN<51>;
using TForm52 = TheoryPageN<52>;
using TForm53 = TheoryPageN<53>;
using TForm54 = TheoryPageN<54>;
using TForm55 = TheoryPageN<55>;
using TForm56 = TheoryPageN<56>;
using TForm57 = TheoryPageN<57>;
using TForm58 = TheoryPageN<58>;
using TForm59 = TheoryPageN<59>;
using TForm60 = TheoryPageN<60>;
using TForm61 = TheoryPageN<61>;
using TForm62 = TheoryPageN<62>;
using TForm63 = TheoryPageN<63>;
using TForm64 = TheoryPageN<64>;

}  // namespace apostila::pages
