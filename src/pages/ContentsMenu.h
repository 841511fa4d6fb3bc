// The contents menu: thirteen topic buttons, each opening the first page of its chain.
#pragma once

#include <array>

#include "content/TLabel.h"
#include "content/TPanel.h"
#include "pages/Page.h"

namespace apostila::pages {

class TForm4 : public Page {
 public:
  using Page::Page;
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }

  content::TPanel* Panel1 = nullptr;
  content::TLabel* Label1 = nullptr;
  content::TSpeedButton* SpeedButton1 = nullptr;
  content::TSpeedButton* SpeedButton2 = nullptr;
  content::TSpeedButton* SpeedButton3 = nullptr;
  content::TSpeedButton* SpeedButton4 = nullptr;
  content::TSpeedButton* SpeedButton5 = nullptr;
  content::TSpeedButton* SpeedButton6 = nullptr;
  content::TSpeedButton* SpeedButton7 = nullptr;
  content::TSpeedButton* SpeedButton8 = nullptr;
  content::TSpeedButton* SpeedButton9 = nullptr;
  content::TSpeedButton* SpeedButton10 = nullptr;
  content::TSpeedButton* SpeedButton11 = nullptr;
  content::TSpeedButton* SpeedButton12 = nullptr;
  content::TSpeedButton* SpeedButton13 = nullptr;
  content::TSpeedButton* SpeedButton14 = nullptr;
  content::TSpeedButton* SpeedButton15 = nullptr;

  void SpeedButton1Click(ui::Component* sender);
  void SpeedButton2Click(ui::Component* sender);
  void SpeedButton3Click(ui::Component* sender);
  void SpeedButton4Click(ui::Component* sender);
  void SpeedButton5Click(ui::Component* sender);
  void SpeedButton6Click(ui::Component* sender);
  void SpeedButton7Click(ui::Component* sender);
  void SpeedButton8Click(ui::Component* sender);
  void SpeedButton9Click(ui::Component* sender);
  void SpeedButton10Click(ui::Component* sender);
  void SpeedButton11Click(ui::Component* sender);
  void SpeedButton12Click(ui::Component* sender);
  void SpeedButton13Click(ui::Component* sender);
  void SpeedButton14Click(ui::Component* sender);
  void SpeedButton15Click(ui::Component* sender);
  void FormActivate(ui::Component* sender);
};

}  // namespace apostila::pages
