// Pages built in code (no definition) on the headless desktop, for the window layer's rules:
// each records its activations and deactivations, and can run a scripted handler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/DialogBox.h"
#include "ui/Form.h"
#include "ui/platform/headless/HeadlessBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::testing {

class TestForm : public ui::Form {
 public:
  explicit TestForm(ui::Component* owner) : ui::Form(owner) {
    onActivate = [this](ui::Component*) {
      log.push_back("activate " + name());
      placeAt(90, 30);
    };
    onDeactivate = [this](ui::Component*) { log.push_back("deactivate " + name()); };
  }
  void placeAt(int x, int y) {
    setLeft(x);
    setTop(y);
  }
  static std::vector<std::string> log;
};
inline std::vector<std::string> TestForm::log;

class WindowLayer {
 public:
  // scale: the simulated screen's device scale; its 1024 x 768 page pixels are as many screen
  // pixels times the scale in each direction.
  explicit WindowLayer(int scale = 1) : desktop({1024 * scale, 768 * scale}, scale) {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    TestForm::log.clear();
    app = std::make_unique<ui::Application>(desktop, "/opt/curso/bin/apostila");
    app->setLanguage("pt_BR");
    for (const char* name : {"Main", "Second", "Third"}) {
      TestForm* f = nullptr;
      app->createForm(f);
      f->setName(name);
      f->setCaption(name);
      f->setBounds({199, 103, 648, 514});
      forms.push_back(f);
    }
  }
  TestForm& main() { return *forms[0]; }
  TestForm& second() { return *forms[1]; }
  TestForm& third() { return *forms[2]; }
  std::vector<std::string> takeLog() {
    auto l = TestForm::log;
    TestForm::log.clear();
    return l;
  }
  // Starts as the program's run does: the main window shown, then what follows handled.
  void start() {
    app->showForm(main());
    app->processPending();
    takeLog();
  }
  // Where a point of a page's client area lies on the screen.
  platform::Point screenOf(ui::Form& f, int x, int y) {
    return desktop.geometry(f.windowId()).client.origin() + platform::Point{x, y};
  }

  platform::HeadlessBackend desktop;
  std::unique_ptr<ui::Application> app;
  std::vector<TestForm*> forms;
};

}  // namespace apostila::testing
