// The modal message, the platform message box and the error box: what they disable, what they
// raise when they close, their keys, their layout and their clipboard text.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "WindowLayerFixture.h"
#include "ui/DialogBox.h"
#include "ui/platform/headless/HeadlessStall.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::testing {
namespace {

using Log = std::vector<std::string>;
using platform::Key;

// An element that records presses, standing in for a button on the page behind a box.
class Probe : public ui::Control {
 public:
  explicit Probe(ui::Component* owner) : ui::Control(owner) {}
  void mouseDown(ui::MouseKey, int, int, bool) override { ++presses; }
  int presses = 0;
};

struct BoxTest : ::testing::Test {
  WindowLayer w;
  Probe* probe = nullptr;
  void SetUp() override {
    probe = new Probe(&w.main());
    probe->setParent(&w.main());
    probe->setBounds({10, 10, 50, 30});
    w.start();
  }
  void clickProbe() {
    w.desktop.movePointer(w.screenOf(w.main(), 20, 20));
    w.desktop.click();
  }
};

TEST_F(BoxTest, ModalMessageDisablesThePageAndHandsTheActivationBackWithoutEvents) {
  Log seen;
  w.desktop.onWait([&] {
    seen.push_back(w.main().windowEnabled() ? "page enabled" : "page disabled");
    clickProbe();  // a click on the disabled page does nothing to it but bring the message up
  });
  w.desktop.onWait([&] {
    seen.push_back(w.desktop.stackingOrder().front() == w.app->openBox()->windowId() ? "message in front" : "page in front");
    w.desktop.typeKey(Key::Return);
  });
  w.app->showMessage("Você tem mais uma chance!");
  seen.push_back("handler goes on");
  w.app->processPending();
  EXPECT_EQ(seen, (Log{"page disabled", "message in front", "handler goes on"}));
  EXPECT_EQ(probe->presses, 0);
  EXPECT_TRUE(w.main().windowEnabled());
  EXPECT_TRUE(w.main().active());
  EXPECT_EQ(w.desktop.focusedWindow(), w.main().windowId());
  EXPECT_TRUE(w.takeLog().empty());  // neither OnDeactivate nor OnActivate
}

TEST_F(BoxTest, ModalMessageTakenOffTheScreenComesBackInFront) {
  // Window managers that offer Minimise on every window let the learner minimise the message
  // (and turn to another program); its page is disabled, so a click on the page must bring the
  // message back. Minimising the whole program takes the message along, and restoring the
  // program brings it back too.
  struct Case {
    const char* how;
    std::function<bool()> takeOff;
    std::function<bool()> bringBack;
  };
  const Case cases[] = {
      {"minimised from its window menu",
       [&] {
         const bool done = w.desktop.minimizeFromWindowMenu(w.app->openBox()->windowId());
         w.desktop.switchToOtherApp();
         return done;
       },
       [&] {
         clickProbe();
         return true;
       }},
      {"the program minimised from the task bar", [&] { return w.desktop.minimizeFromTaskbar(); },
       [&] { return w.desktop.restoreFromTaskbar(); }},
  };
  for (const Case& c : cases) {
    Log seen;
    w.desktop.onWait([&] { EXPECT_TRUE(c.takeOff()) << c.how; });
    w.desktop.onWait([&] {
      seen.push_back(w.desktop.isMinimized(w.app->openBox()->windowId()) ? "message off the screen" : "message shown");
      EXPECT_TRUE(c.bringBack()) << c.how;
    });
    w.desktop.onWait([&] {
      const platform::WindowId box = w.app->openBox()->windowId();
      seen.push_back(w.desktop.isMinimized(box) ? "message off the screen" : "message shown");
      seen.push_back(w.desktop.focusedWindow() == box && w.desktop.stackingOrder().front() == box ? "in front" : "behind");
      w.desktop.typeKey(Key::Return);
    });
    w.app->showMessage("Você tem mais uma chance!");
    w.app->processPending();
    EXPECT_EQ(seen, (Log{"message off the screen", "message shown", "in front"})) << c.how;
    EXPECT_EQ(probe->presses, 0) << c.how;
    EXPECT_EQ(w.desktop.focusedWindow(), w.main().windowId()) << c.how;
    EXPECT_TRUE(w.takeLog().empty()) << c.how;
  }
}

TEST_F(BoxTest, ModalMessageClosesByButtonEscapeOrCloseBox) {
  std::function<void()> ways[] = {
      [&] {
        ui::DialogBox* box = w.app->openBox();
        platform::Rect b{box->buttonRect(0).left, box->buttonRect(0).top, 1, 1};
        w.desktop.movePointer(w.desktop.geometry(box->windowId()).client.origin() + platform::Point{b.x + 3, b.y + 3});
        w.desktop.click();
      },
      [&] { w.desktop.typeKey(Key::Escape); },
      [&] { w.desktop.requestClose(w.app->openBox()->windowId()); },
  };
  for (auto& way : ways) {
    w.desktop.onWait(way);
    w.app->showMessage("VOCÊ ACERTOU!");
    EXPECT_EQ(w.app->openBox(), nullptr);
  }
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());
}

TEST_F(BoxTest, ModalMessageLayoutFollowsTheFontsMetrics) {
  ui::ScreenFont font(ui::FontDesc{"MS Sans Serif", -11, 0});
  const int x = font.textWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
  const int y = font.height();
  const std::string text = "Você tem mais uma chance!";
  w.desktop.onWait([&] {
    ui::DialogBox* box = w.app->openBox();
    ui::TextFormat f;
    f.wordWrap = true;
    f.expandTabs = true;
    f.prefix = false;
    ui::Rect t = ui::TextLayout::measure(font, text, ui::Rect::ofSize(0, 0, 512, 1 << 20), f);
    int margin = static_cast<int>(std::lround(2.0 * x)), gap = static_cast<int>(std::lround(1.25 * y));
    int bh = static_cast<int>(std::lround(1.75 * y));
    int bw = std::max(static_cast<int>(std::lround(12.5 * x)), font.textWidth("OK") + 8);
    EXPECT_EQ(box->textRect(), ui::Rect::ofSize(margin, y, t.width(), t.height()));
    EXPECT_EQ(box->clientSize(), (platform::Size{std::max(t.width(), bw) + 2 * margin, t.height() + gap + bh + 2 * y}));
    ui::Rect b = box->buttonRect(0);
    EXPECT_EQ(b, ui::Rect::ofSize((box->clientSize().width - bw) / 2, y + t.height() + gap, bw, bh));
    // Centred on the screen, frame included.
    platform::Rect outer = w.desktop.geometry(box->windowId()).outer;
    EXPECT_EQ(outer.x, (1024 - outer.width) / 2);
    EXPECT_EQ(outer.y, (768 - outer.height) / 2);
    EXPECT_EQ(w.desktop.title(box->windowId()), "apostila");
    w.desktop.typeKey(Key::Return);
  });
  w.app->showMessage(text);
}

TEST_F(BoxTest, CtrlCBeepsAndCopiesTheMessage) {
  w.desktop.onWait([&] {
    w.desktop.typeKey(Key::C, platform::kCtrl);
    w.desktop.typeKey(Key::Return);
  });
  w.app->showMessage("VOCÊ ERROU!");
  const std::string rule(27, '-');
  EXPECT_EQ(w.desktop.clipboard(), rule + "\napostila\n" + rule + "\nVOCÊ ERROU!\n" + rule + "\nOK   \n" + rule + "\n");
  EXPECT_EQ(w.desktop.beeps(), 1);
}

int ask(WindowLayer& w) {
  return w.app->messageBox("Deseja encerrar o programa?", "Responder",
                           ui::kMbYesNo | ui::kMbIconQuestion | ui::kMbDefButton2);
}

TEST_F(BoxTest, MessageBoxAnswersByKeysWithNoPreselected) {
  struct Case {
    std::vector<std::pair<Key, platform::Modifiers>> keys;
    int result;
  } cases[] = {
      {{{Key::Return, {}}}, ui::kIdNo},
      {{{Key::Left, {}}, {Key::Return, {}}}, ui::kIdYes},
      {{{Key::Tab, {}}, {Key::Space, {}}}, ui::kIdYes},
      {{{Key::Tab, platform::kShift}, {Key::Tab, {}}, {Key::Return, {}}}, ui::kIdNo},
      {{{Key::Right, {}}, {Key::Right, {}}, {Key::Return, {}}}, ui::kIdNo},  // round to No again
  };
  for (const Case& c : cases) {
    std::vector<std::string> captions;
    w.desktop.onWait([&] {
      for (const auto& b : w.app->openBox()->desc().buttons) captions.push_back(b.caption);
      for (auto [k, m] : c.keys) w.desktop.typeKey(k, m);
    });
    EXPECT_EQ(ask(w), c.result);
    EXPECT_EQ(captions, (Log{"Sim", "Não"}));
  }
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());
}

TEST_F(BoxTest, MessageBoxSpeaksThePlatformsLanguage) {
  w.app->setLanguage("C");
  std::vector<std::string> captions;
  w.desktop.onWait([&] {
    for (const auto& b : w.app->openBox()->desc().buttons) captions.push_back(b.caption);
    w.desktop.typeKey(Key::Escape);  // no cancel button: Escape does nothing
    w.desktop.typeKey(Key::Return);
  });
  EXPECT_EQ(ask(w), ui::kIdNo);
  EXPECT_EQ(captions, (Log{"Yes", "No"}));
}

TEST_F(BoxTest, MessageBoxDisablesNothingAndAHandlerCanBeEnteredAgainUnderIt) {
  // An element whose press asks the question again, as the page's exit button does.
  struct Asking : Probe {
    using Probe::Probe;
    std::function<void()> onPress;
    void mouseDown(ui::MouseKey k, int x, int y, bool d) override {
      Probe::mouseDown(k, x, y, d);
      if (onPress) onPress();
    }
  };
  auto* asking = new Asking(&w.main());
  asking->setParent(&w.main());
  asking->setBounds({10, 10, 50, 30});
  std::vector<int> answers;
  int depth = 0, deepest = 0;
  auto handler = [&] {
    deepest = std::max(deepest, ++depth);
    EXPECT_TRUE(w.main().windowEnabled());  // nothing is disabled behind this box
    answers.push_back(ask(w));
    --depth;
  };
  asking->onPress = [&] {
    asking->onPress = nullptr;
    handler();
  };
  w.desktop.onWait([&] { clickProbe(); });  // the page behind the first box takes the click
  w.desktop.onWait([&] {
    w.desktop.typeKey(Key::Left);
    w.desktop.typeKey(Key::Return);  // the second box: Yes
  });
  w.desktop.onWait([&] {
    w.desktop.activateByDesktop(w.app->openBox()->windowId());
    w.desktop.typeKey(Key::Return);  // back in the first box: No
  });
  try {
    handler();
  } catch (const platform::HeadlessStall& s) {
    FAIL() << s.what;
  }
  EXPECT_EQ(deepest, 2);
  EXPECT_EQ(answers, (std::vector<int>{ui::kIdYes, ui::kIdNo}));
  w.app->processPending();
  EXPECT_EQ(w.takeLog(), Log{});  // closing the boxes activated nothing
}

TEST_F(BoxTest, ErrorsEscapingHandlersGoToTheErrorBoxWithTheFullStopRule) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Resource TFORM9 not found", "Resource TFORM9 not found."},
      {"Tudo certo.", "Tudo certo."},
      {"Atenção!", "Atenção!"},
      {"valor (0)", "valor (0)"},  // ")" sorts before "."
      {"ação", "ação."},          // a letter outside ASCII counts as a letter
  };
  for (const Case& c : cases) {
    std::string shown, caption;
    w.desktop.onWait([&] {
      ui::DialogBox* box = w.app->openBox();
      shown = box->desc().text;
      caption = box->desc().caption;
      EXPECT_FALSE(w.main().windowEnabled());
      w.desktop.typeKey(Key::Return);
    });
    w.app->guarded([&] { throw std::runtime_error(c.message); });
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(caption, "apostila");
  }
  EXPECT_TRUE(w.main().active());
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());
  EXPECT_FALSE(w.app->terminated());
}

}  // namespace
}  // namespace apostila::testing
