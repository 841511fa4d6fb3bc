// The program's start-up as a learner meets it: the start page on screen while the other 85
// pages are built behind it, what the learner does meanwhile handled once they all exist, and
// the one report of a page that cannot be built.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "pages/CourseRun.h"
#include "pages/PageRegistry.h"
#include "pages/PreparedFrame.h"
#include "ui/DialogBox.h"

namespace apostila::testing {
namespace {

// The course program's run on the headless desktop, with the test's hook between pages.
std::vector<std::uint32_t> pixelsOf(const platform::PixelView& v) {
  std::vector<std::uint32_t> px;
  for (int y = 0; y < v.height; ++y)
    for (int x = 0; x < v.width; ++x) px.push_back(v.at(x, y));
  return px;
}

struct StartUp {
  StartUp() {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    launch.programPath = "/usr/games/apostila";
    launch.language = "pt_BR.UTF-8";
    launch.loader = [](ui::Form& f) { builtDefinitions().loadPage(f); };
  }
  int run() { return app::runCourse(desktop, launch, err); }

  // The centre of an element on the screen.
  platform::Point centreOf(const ui::Control& c) const {
    int x = c.left() + c.width() / 2, y = c.top() + c.height() / 2;
    const ui::Container* p = c.parent();
    for (; p->parent(); p = p->parent()) x += p->left() + p->clientOffsetX(), y += p->top() + p->clientOffsetY();
    return desktop.geometry(static_cast<const ui::Form*>(p)->windowId()).client.origin() + platform::Point{x, y};
  }
  void click(const ui::Control& c) {
    desktop.movePointer(centreOf(c));
    desktop.click();
  }


  platform::HeadlessBackend desktop;
  app::CourseLaunch launch;
  std::ostringstream err;
};

TEST(StartUp, TheStartPageAloneIsOnScreenWhileThePagesAreBuiltInOrderAndInputWaitsForThem) {
  StartUp s;
  std::vector<std::string> faults;
  s.launch.betweenPages = [&](ui::Application& app, int order) {
    // Each entry is set just before its page is built, in creation order.
    if (!app::page(order - 1) || (order < app::kPageCount && app::page(order)))
      faults.push_back("entries before page " + std::to_string(order));
    const ui::Form& start = *app::formintro;
    std::vector<ui::Form*> shown;
    for (ui::Form* f : app.forms())
      if (f->visible()) shown.push_back(f);
    if (shown != std::vector<ui::Form*>{app::formintro} || !start.active() || start.left() != 90 || start.top() != 30)
      faults.push_back("the start page is not alone, active at (90, 30) before page " + std::to_string(order));
    if (order == 10) {
      // "Questões" leads to Form65, which does not exist yet: the click waits for it.
      s.click(*app::formintro->BtnQuestoes);
    }
  };
  // Captions, not the pages: the pages are gone when the run returns.
  std::vector<std::string> shownAfter;
  s.desktop.onWait([&] {
    for (ui::Form* f : app::formintro->application()->forms())
      if (f->visible()) shownAfter.push_back(f->caption());
    s.desktop.terminate();
  });
  EXPECT_EQ(s.run(), 0);
  EXPECT_TRUE(faults.empty()) << faults.front();
  EXPECT_EQ(shownAfter, std::vector<std::string>{"Questão 1"});
  EXPECT_EQ(s.err.str(), "");
}

// The frame the build drew for the program, read from where the build put it.
std::vector<std::uint8_t> builtStartFrame() {
  std::ifstream in(std::string(APOSTILA_BINARY_DIR) + "/src/apostila/start-frame.bin", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StartUp, TheStartPagesFirstFramePreparedOrDrawnIsWhatTheCourseBuiltWholeDraws) {
  std::vector<std::uint32_t> live;
  {
    Course whole;
    whole.start();
    live = pixelsOf(whole.desktop.pixels(app::formintro->windowId()));
  }
  const std::vector<std::uint8_t> built = builtStartFrame();
  const platform::PixelView prepared = app::preparedFrameOf(built);
  ASSERT_NE(prepared.pixels, nullptr) << "the build's start frame is missing or cut short";
  EXPECT_TRUE(pixelsOf(prepared) == live) << "the prepared frame differs from the live render";

  for (const bool withPrepared : {false, true}) {
    std::vector<std::uint32_t> first;
    StartUp s;
    if (withPrepared) s.launch.startPageFrame = prepared;
    s.launch.betweenPages = [&](ui::Application& app, int) {
      // The frame presented for the first Expose, before any other page exists.
      if (first.empty() && app.exposesSeen() > 0) first = pixelsOf(s.desktop.pixels(app::formintro->windowId()));
      if (first.empty() && app::page(2)) first = {0};
    };
    s.desktop.onWait([&] { s.desktop.terminate(); });
    ASSERT_EQ(s.run(), 0);
    EXPECT_TRUE(first == live) << (withPrepared ? "prepared" : "drawn") << ": the first frame differs";
  }
}

TEST(StartUp, AnExposeIsPaintedAtOnceAndATerminationEndsTheBuild) {
  StartUp s;
  int presentsBefore = 0, presentsAfter = 0, lastOrder = 0;
  s.launch.betweenPages = [&](ui::Application& app, int order) {
    lastOrder = order;
    if (order == 20) {
      const platform::WindowId w = app::formintro->windowId();
      presentsBefore = s.desktop.presentCount(w);
      s.desktop.resizeByDesktop(w, {700, 560});
      app.handleStartupEvents();
      presentsAfter = s.desktop.presentCount(w);
    }
    if (order == 30) s.desktop.terminate();
  };
  EXPECT_EQ(s.run(), 0);
  EXPECT_GT(presentsAfter, presentsBefore);
  EXPECT_EQ(lastOrder, 30);
}

TEST(StartUp, AFailingPageClosesTheStartPageReportsTheErrorAndDropsWhatWaited) {
  StartUp s;
  int built = 0;
  s.launch.loader = [&](ui::Form& f) {
    if (++built == 41) throw std::runtime_error("a definição TFORM40 termina antes do fim");
    builtDefinitions().loadPage(f);
  };
  bool startShown = false;
  s.launch.betweenPages = [&](ui::Application&, int order) {
    if (order != 30) return;
    startShown = s.desktop.isVisible(app::formintro->windowId());
    // "Sair" would open the close confirmation; it must never run.
    s.click(*app::formintro->BtnSair);
  };
  EXPECT_EQ(s.run(), 1);
  EXPECT_TRUE(startShown);
  EXPECT_EQ(s.err.str(), "apostila: a definição TFORM40 termina antes do fim\n");
  EXPECT_TRUE(s.desktop.windows().empty());
  EXPECT_EQ(app::page(0), nullptr);
}

}  // namespace
}  // namespace apostila::testing
