// The window layer's start-up rule: with the main page on screen before the other pages exist,
// what the learner does waits and is handled afterwards in arrival order, while an Expose, a
// box's own input and a termination go at once.
#include <gtest/gtest.h>

#include <stdexcept>

#include "WindowLayerFixture.h"

namespace apostila::testing {
namespace {

using Log = std::vector<std::string>;

// The main page created and shown under the start-up rule, the way the program starts.
struct StartingLayer {
  StartingLayer() {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    TestForm::log.clear();
    app.beginStartup();
    app.createForm(main);
    main->setName("Main");
    main->setBounds({199, 103, 648, 514});
    main->onClose = [this](ui::Component*, ui::CloseAction& action) {
      TestForm::log.push_back("close at " + std::to_string(main->left()));
      action = ui::CloseAction::caNone;
    };
    app.showMainForm();
    app.handleStartupEvents();
  }
  platform::HeadlessBackend desktop;
  ui::Application app{desktop, "/opt/curso/bin/apostila"};
  TestForm* main = nullptr;
};

TEST(StartUp, InputDuringTheBuildIsHandledAfterItInArrivalOrder) {
  StartingLayer s;
  EXPECT_EQ(TestForm::log, (Log{"activate Main"}));
  TestForm::log.clear();
  s.desktop.requestClose(s.main->windowId());
  s.desktop.moveByDesktop(s.main->windowId(), {300, 200});
  s.desktop.closeFromTaskbar();
  s.app.handleStartupEvents();
  TestForm* second = nullptr;
  s.app.createForm(second);
  s.app.handleStartupEvents();
  EXPECT_TRUE(TestForm::log.empty());
  EXPECT_EQ(s.main->left(), 90);

  s.app.endStartup();
  s.app.processPending();
  EXPECT_EQ(TestForm::log, (Log{"close at 90", "close at 300"}));
  EXPECT_FALSE(second->visible());
}

TEST(StartUp, TheRunAfterTheBuildDoesNotShowTheMainPageAgain) {
  StartingLayer s;
  TestForm::log.clear();
  s.app.endStartup();
  s.desktop.onWait([&] { s.desktop.terminate(); });
  s.app.run();
  EXPECT_TRUE(TestForm::log.empty());
}

TEST(StartUp, AnErrorInACreationHandlerIsShownOverTheMainPageWhoseInputStillWaits) {
  StartingLayer s;
  struct Failing : ui::Form {
    explicit Failing(ui::Component* o) : ui::Form(o) {
      onCreate = [](ui::Component*) { throw std::runtime_error("sem memória para a página"); };
    }
  };
  TestForm::log.clear();
  s.desktop.requestClose(s.main->windowId());
  std::string caption;
  bool mainShownUnderIt = false;
  s.desktop.onWait([&] {
    ui::DialogBox* box = s.app.openBox();
    caption = box ? s.desktop.title(box->windowId()) : "(no box)";
    mainShownUnderIt = box && s.desktop.isVisible(s.main->windowId()) && s.desktop.stackingOrder().front() == box->windowId();
    // A click on the page under the box brings the box forward and is not kept for later.
    s.desktop.movePointer(s.desktop.geometry(s.main->windowId()).client.origin() + platform::Point{5, 5});
    s.desktop.click();
    s.desktop.onWait([&] { s.desktop.typeKey(platform::Key::Return); });
  });
  Failing* f = nullptr;
  s.app.createForm(f);
  EXPECT_EQ(caption, "apostila");
  EXPECT_TRUE(mainShownUnderIt);
  EXPECT_TRUE(TestForm::log.empty());

  s.app.endStartup();
  s.app.processPending();
  EXPECT_EQ(TestForm::log, (Log{"close at 90"}));
}

TEST(StartUp, APreparedFrameServesOnlyTheFirstWholePaintAtItsOwnSizeAndScale1) {
  struct Case {
    int width, height, scale;
    bool used;
  } cases[] = {{648, 514, 1, true}, {640, 480, 1, false}, {648, 514, 2, false}};
  for (const Case& c : cases) {
    platform::HeadlessBackend desktop({1024 * c.scale, 768 * c.scale}, c.scale);
    ui::Application app(desktop, "apostila");
    const std::vector<std::uint32_t> red(static_cast<std::size_t>(c.width * c.height), 0xFF0000);
    app.setPreparedMainFrame({red.data(), c.width, c.height, c.width});
    TestForm* main = nullptr;
    app.beginStartup();
    app.createForm(main);
    main->setBounds({199, 103, 648, 514});
    main->setColor(0x00FF00);
    app.showMainForm();
    app.handleStartupEvents();
    EXPECT_EQ(desktop.pixel(main->windowId(), {5, 5}), c.used ? 0xFF0000u : 0x00FF00u) << c.width << " " << c.scale;
    // Whatever comes after is drawn live.
    app.endStartup();
    main->invalidate();
    app.processPending();
    EXPECT_EQ(desktop.pixel(main->windowId(), {5, 5}), 0x00FF00u) << c.width << " " << c.scale;
  }
}

}  // namespace
}  // namespace apostila::testing
