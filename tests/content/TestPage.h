// A small page class for reader tests: a few named members of each kind, a probe kind that
// records when it is told loading has finished, and handlers of each signature.
#pragma once

#include <string>
#include <vector>

#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/Form.h"

namespace apostila::testing {

// Records the order of loaded() calls across one test.
inline std::vector<std::string>& loadedLog() {
  static std::vector<std::string> log;
  return log;
}

class ProbeLabel : public content::TLabel {
 public:
  explicit ProbeLabel(ui::Component* owner) : content::TLabel(owner) {}
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }
  void loaded() override {
    content::TLabel::loaded();
    loadedLog().push_back(name());
  }
};

class ProbePanel : public content::TPanel {
 public:
  explicit ProbePanel(ui::Component* owner) : content::TPanel(owner) {}
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }
  void loaded() override {
    content::TPanel::loaded();
    loadedLog().push_back(name());
  }
};

class TTestPage : public ui::Form {
 public:
  explicit TTestPage(ui::Component* owner = nullptr) : ui::Form(owner) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }
  void loaded() override {
    ui::Form::loaded();
    loadedLog().push_back(name());
  }

  content::TLabel* Label1 = nullptr;
  content::TPanel* Panel1 = nullptr;
  content::TSpeedButton* Button1 = nullptr;
  content::TImage* Image1 = nullptr;
  ProbeLabel* Probe1 = nullptr;
  ProbePanel* ProbePanel1 = nullptr;

  void FormActivate(ui::Component*) { ++activations; }
  void Button1Click(ui::Component* sender) { clickedBy = sender; }
  void FormClose(ui::Component*, ui::CloseAction& action) { action = ui::CloseAction::caNone; }

  int activations = 0;
  ui::Component* clickedBy = nullptr;
};

}  // namespace apostila::testing
