// The window layer's rules: title, activation, show and hide, close requests, the task-bar
// entry, minimising, and the end of the program.
#include <gtest/gtest.h>

#include "WindowLayerFixture.h"
#include "ui/Title.h"

namespace apostila::testing {
namespace {

using Log = std::vector<std::string>;

TEST(Title, ComesFromTheProgramFileName) {
  struct {
    const char* path;
    const char* title;
  } cases[] = {
      {"/usr/bin/apostila", "apostila"}, {"C:\\CURSOS\\CURSO.EXE", "Curso"}, {"APOSTILA", "Apostila"},
      {"/opt/x/meu.curso.bin", "meu"},   {"./Apostila-Demo", "Apostila-demo"},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::titleFromProgramPath(c.path), c.title) << c.path;
}

TEST(Activation, StartUpShowsOnlyTheMainPageAtItsStoredPlaceThenActivationMovesIt) {
  WindowLayer w;
  w.app->showForm(w.main());
  EXPECT_EQ(w.takeLog(), (Log{"activate Main"}));
  EXPECT_EQ(w.app->mainForm(), &w.main());
  EXPECT_EQ(w.desktop.geometry(w.main().windowId()).outer.origin(), (platform::Point{90, 30}));
  EXPECT_EQ(w.second().windowId(), platform::kNoWindow);  // windows are made on first show
  EXPECT_EQ(w.desktop.windows().size(), 1u);
  EXPECT_TRUE(w.desktop.taskbarShown());
  EXPECT_EQ(w.desktop.taskbarTitle(), "apostila");
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());  // the platform's late focus notice raises nothing
}

TEST(Activation, ShowAndHideFollowTheFocusedPage) {
  WindowLayer w;
  w.start();
  // A hidden page that is not the focused page: shown, in front, activated within show.
  w.app->showForm(w.second());
  EXPECT_EQ(w.takeLog(), (Log{"deactivate Main", "activate Second"}));
  EXPECT_EQ(w.desktop.stackingOrder().front(), w.second().windowId());
  // Showing the focused page again: nothing.
  w.app->showForm(w.second());
  EXPECT_TRUE(w.takeLog().empty());
  // A visible page that is not the focused page comes to the front and is activated.
  w.app->showForm(w.main());
  EXPECT_EQ(w.takeLog(), (Log{"deactivate Second", "activate Main"}));
  EXPECT_EQ(w.desktop.stackingOrder().front(), w.main().windowId());
  // Hiding a hidden page changes nothing.
  w.app->hideForm(w.third());
  EXPECT_TRUE(w.takeLog().empty());
  // Hiding the active page hands the activation to the highest other visible page.
  w.app->hideForm(w.main());
  EXPECT_EQ(w.takeLog(), (Log{"deactivate Main", "activate Second"}));
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());
}

TEST(Activation, TransitionActivatesTheTargetBeforeTheOldPageHides) {
  WindowLayer w;
  w.start();
  w.second().onActivate = [&](ui::Component*) { TestForm::log.push_back(w.main().visible() ? "main still shown" : "main gone"); };
  w.app->showForm(w.second());
  w.app->hideForm(w.main());
  w.app->processPending();
  EXPECT_EQ(w.takeLog(), (Log{"deactivate Main", "main still shown"}));
}

TEST(Activation, ComingBackFromAnotherApplicationOrFromMinimisedRaisesNothing) {
  WindowLayer w;
  w.start();
  w.desktop.switchToOtherApp();
  w.app->processPending();
  w.desktop.switchBackToApp();
  w.app->processPending();
  EXPECT_TRUE(w.desktop.activateByDesktop(w.main().windowId()));
  w.app->processPending();
  EXPECT_TRUE(w.takeLog().empty());

  // Minimising the main page minimises the whole application, and restoring brings it back.
  w.app->showForm(w.second());
  w.takeLog();
  EXPECT_TRUE(w.desktop.minimizeByDesktop(w.main().windowId()));
  w.app->processPending();
  EXPECT_TRUE(w.desktop.isMinimized(w.second().windowId()));
  EXPECT_TRUE(w.desktop.taskbarMinimized());
  EXPECT_TRUE(w.desktop.restoreByDesktop(w.main().windowId()));
  w.app->processPending();
  EXPECT_FALSE(w.desktop.isMinimized(w.second().windowId()));
  EXPECT_FALSE(w.desktop.taskbarMinimized());
  EXPECT_TRUE(w.takeLog().empty());
}

TEST(TaskbarEntry, MinimisingAndRestoringItActsOnEveryPageWithoutActivation) {
  WindowLayer w;
  w.start();
  w.app->showForm(w.second());
  w.second().placeAt(300, 200);  // where OnActivate would not leave it
  w.app->processPending();
  w.takeLog();
  ASSERT_TRUE(w.desktop.minimizeFromTaskbar());
  w.app->processPending();
  for (TestForm* f : {&w.main(), &w.second()}) EXPECT_TRUE(w.desktop.isMinimized(f->windowId())) << f->name();
  ASSERT_TRUE(w.desktop.restoreFromTaskbar());
  w.app->processPending();
  for (TestForm* f : {&w.main(), &w.second()}) EXPECT_FALSE(w.desktop.isMinimized(f->windowId())) << f->name();
  EXPECT_EQ(w.desktop.focusedWindow(), w.second().windowId());
  EXPECT_EQ(w.desktop.stackingOrder().front(), w.second().windowId());
  EXPECT_EQ(w.second().left(), 300);
  EXPECT_TRUE(w.takeLog().empty());
}

TEST(TaskbarEntry, MinimisingTheLastPageOnTheScreenLeavesTheEntryToBringItBack) {
  WindowLayer w;
  w.start();
  w.app->showForm(w.second());
  w.app->showForm(w.third());
  w.app->processPending();
  w.takeLog();
  // With another page still on the screen, a page's own minimise is that page's alone.
  ASSERT_TRUE(w.desktop.minimizeByDesktop(w.third().windowId()));
  w.app->processPending();
  EXPECT_FALSE(w.desktop.taskbarMinimized());
  EXPECT_FALSE(w.desktop.isMinimized(w.second().windowId()));
  // The last one takes the program off the screen: the entry is its way back (pages have no
  // entry of their own to restore them from).
  w.app->hideForm(w.main());
  ASSERT_TRUE(w.desktop.minimizeByDesktop(w.second().windowId()));
  w.app->processPending();
  EXPECT_TRUE(w.desktop.taskbarMinimized());
  ui::Form* focused = w.app->focusedForm();
  ASSERT_NE(focused, nullptr);
  w.takeLog();
  ASSERT_TRUE(w.desktop.restoreFromTaskbar());
  w.app->processPending();
  for (TestForm* f : {&w.second(), &w.third()}) EXPECT_FALSE(w.desktop.isMinimized(f->windowId())) << f->name();
  EXPECT_EQ(w.desktop.focusedWindow(), focused->windowId());
  EXPECT_TRUE(w.takeLog().empty());
}

TEST(Activation, AClickIntoAVisiblePageThatIsNotFocusedActivatesIt) {
  WindowLayer w;
  w.start();
  w.app->showForm(w.second());
  w.takeLog();
  w.main().placeAt(700, 300);  // apart, so both can be clicked
  EXPECT_TRUE(w.desktop.activateByDesktop(w.main().windowId()));
  w.app->processPending();
  EXPECT_EQ(w.takeLog(), (Log{"deactivate Second", "activate Main"}));
}

TEST(Close, TheCloseBoxOfAnotherPageHidesItOnlyAndTheProgramRunsOn) {
  WindowLayer w;
  w.start();
  w.app->showForm(w.second());
  w.app->hideForm(w.main());
  w.takeLog();
  ASSERT_TRUE(w.desktop.requestClose(w.second().windowId()));
  w.app->processPending();
  EXPECT_FALSE(w.second().visible());
  EXPECT_FALSE(w.main().visible());
  EXPECT_FALSE(w.desktop.taskbarShown());  // no window and no task-bar entry remain
  EXPECT_FALSE(w.app->terminated());
}

TEST(Close, TheMainPagesCloseActionDecides) {
  for (ui::CloseAction action : {ui::CloseAction::caNone, ui::CloseAction::caHide, ui::CloseAction::caFree}) {
    WindowLayer w;
    int asked = 0;
    w.main().onClose = [&](ui::Component*, ui::CloseAction& a) {
      EXPECT_EQ(a, ui::CloseAction::caHide);  // preset before the handler runs
      ++asked;
      a = action;
    };
    w.start();
    ASSERT_TRUE(w.desktop.requestClose(w.main().windowId()));
    w.app->processPending();
    EXPECT_EQ(asked, 1);
    // Any action but caNone on the main page ends the program, with every page as it was.
    EXPECT_EQ(w.app->terminated(), action != ui::CloseAction::caNone);
    EXPECT_TRUE(w.main().visible());
  }
}

TEST(Close, TheTaskBarEntrysCloseAsksTheMainPageEvenWhileItIsHidden) {
  WindowLayer w;
  int asked = 0;
  w.main().onClose = [&](ui::Component*, ui::CloseAction& a) {
    ++asked;
    a = ui::CloseAction::caNone;
  };
  w.start();
  w.app->showForm(w.second());
  w.app->hideForm(w.main());
  ASSERT_TRUE(w.desktop.closeFromTaskbar());
  w.app->processPending();
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(w.app->terminated());
}

TEST(Close, LoggingOffEndsTheProgramWithoutAsking) {
  WindowLayer w;
  int asked = 0;
  w.main().onClose = [&](ui::Component*, ui::CloseAction&) { ++asked; };
  w.start();
  w.desktop.terminate();
  w.app->processPending();
  EXPECT_TRUE(w.app->terminated());
  EXPECT_EQ(asked, 0);
}

TEST(Ending, PagesAreDestroyedLastCreatedFirstWithoutEvents) {
  std::vector<std::string> destroyed;
  struct Tracked : TestForm {
    Tracked(ui::Component* o, std::vector<std::string>& d) : TestForm(o), log(d) {}
    ~Tracked() override { log.push_back(name()); }
    std::vector<std::string>& log;
  };
  {
    platform::HeadlessBackend desktop;
    ui::Application app(desktop, "apostila");
    for (const char* n : {"A", "B", "C"}) {
      auto* f = new Tracked(&app, destroyed);
      f->setName(n);
    }
    TestForm::log.clear();
  }
  EXPECT_EQ(destroyed, (Log{"C", "B", "A"}));
  EXPECT_TRUE(TestForm::log.empty());
}

TEST(Creation, AnErrorInOnCreateGoesToTheErrorBoxAndCreationGoesOn) {
  platform::HeadlessBackend desktop;
  ui::Application app(desktop, "apostila");
  struct Failing : ui::Form {
    explicit Failing(ui::Component* o) : ui::Form(o) {
      onCreate = [](ui::Component*) { throw std::runtime_error("sem memória para a página"); };
    }
  };
  std::string shown;
  desktop.onWait([&] {
    shown = desktop.title(app.openBox()->windowId());
    desktop.typeKey(platform::Key::Return);
  });
  Failing* f = nullptr;
  app.createForm(f);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(app.mainForm(), f);
  EXPECT_EQ(shown, "apostila");
}

TEST(Creation, AFailedBuildClearsTheRegistryEntry) {
  platform::HeadlessBackend desktop;
  ui::Application app(desktop, "apostila");
  app.setFormLoader([](ui::Form&) { throw std::runtime_error("Resource TFORM9 not found"); });
  TestForm* entry = nullptr;
  EXPECT_THROW(app.createForm(entry), std::runtime_error);
  EXPECT_EQ(entry, nullptr);
  EXPECT_TRUE(app.forms().empty());
}

}  // namespace
}  // namespace apostila::testing

namespace apostila::testing {
namespace {

// An element that records presses.
class Spot : public ui::Control {
 public:
  explicit Spot(ui::Component* owner) : ui::Control(owner) {}
  void mouseDown(ui::MouseKey, int x, int y, bool) override { hits.push_back({x, y}); }
  std::vector<std::pair<int, int>> hits;
};

TEST(Resizing, ElementsKeepTheirPlaceWithScrollBarsWhenSmallerAndPageColourWhenLarger) {
  WindowLayer w;
  auto* spot = new Spot(&w.main());
  spot->setParent(&w.main());
  spot->setBounds({400, 300, 200, 150});  // content reaches 600 x 450
  w.main().setColor(ui::clBlack);
  w.start();
  platform::WindowId id = w.main().windowId();
  // Larger: no bar, and the page colour beyond the elements.
  ASSERT_TRUE(w.desktop.resizeByDesktop(id, {800, 600}));
  w.app->processPending();
  EXPECT_FALSE(w.main().scrollBars().horizontal());
  EXPECT_FALSE(w.main().scrollBars().vertical());
  EXPECT_EQ(w.desktop.pixel(id, {790, 590}), 0x000000u);
  EXPECT_EQ(w.main().left(), 90);
  EXPECT_EQ(w.main().width(), 800);
  // Smaller: both bars, and the content scrolls without the elements moving on the page.
  ASSERT_TRUE(w.desktop.resizeByDesktop(id, {300, 200}));
  w.app->processPending();
  EXPECT_TRUE(w.main().scrollBars().horizontal());
  EXPECT_TRUE(w.main().scrollBars().vertical());
  EXPECT_EQ(spot->left(), 400);
  w.desktop.movePointer(w.screenOf(w.main(), 150, 80));
  w.desktop.turnWheel(-10);  // towards the user: down
  w.app->processPending();
  int sy = w.main().scrollBars().y();
  EXPECT_EQ(sy, 450 - w.main().scrollBars().view().height());
  // Drag the horizontal thumb to the far right, then press the element where it now shows.
  ui::Rect view = w.main().scrollBars().view();
  w.desktop.movePointer(w.screenOf(w.main(), 20, view.bottom + 8));
  w.desktop.pressButton();
  w.desktop.movePointer(w.screenOf(w.main(), view.right, view.bottom + 8));
  w.desktop.releaseButton();
  w.app->processPending();
  int sx = w.main().scrollBars().x();
  EXPECT_EQ(sx, 600 - view.width());
  w.desktop.movePointer(w.screenOf(w.main(), 400 - sx + 10, 300 - sy + 10));
  w.desktop.click();
  w.app->processPending();
  ASSERT_EQ(spot->hits.size(), 1u);
  EXPECT_EQ(spot->hits[0], (std::pair<int, int>{10, 10}));
}

// The pages draw in turn into one buffer: pages of different sizes, visible together, each keep
// their own pixels on screen, and a page hidden and shown again is drawn whole.
TEST(Painting, PagesOfDifferentSizesDrawnInTurnKeepTheirOwnPixels) {
  WindowLayer w;
  w.main().setColor(ui::clRed);
  w.second().setColor(ui::clLime);
  w.second().setBounds({0, 0, 800, 600});
  w.start();
  w.app->showForm(w.second());
  w.app->processPending();
  const platform::WindowId small = w.main().windowId(), large = w.second().windowId();
  EXPECT_EQ(w.desktop.pixel(large, {799, 599}), 0x00FF00u);
  w.main().setColor(ui::clBlue);
  w.app->processPending();
  EXPECT_EQ(w.desktop.pixel(small, {647, 513}), 0x0000FFu);
  EXPECT_EQ(w.desktop.pixel(large, {799, 599}), 0x00FF00u);
  EXPECT_EQ(w.desktop.pixel(large, {0, 0}), 0x00FF00u);

  w.app->hideForm(w.second());
  w.app->processPending();
  w.second().setColor(ui::clYellow);  // changed while hidden
  w.app->showForm(w.second());
  w.app->processPending();
  EXPECT_EQ(w.desktop.pixel(large, {799, 599}), 0xFFFF00u);
  EXPECT_EQ(w.desktop.pixel(large, {0, 0}), 0xFFFF00u);
}

// An element that counts how often it is drawn.
class Counted : public ui::Control {
 public:
  explicit Counted(ui::Component* owner) : ui::Control(owner) {}
  void paint(ui::Canvas& canvas) override {
    ++paints;
    canvas.fillRect(ui::Rect::ofSize(0, 0, width(), height()), 0x0000FFu);
  }
  int paints = 0;
};

// When the server loses a page's pixels, what the one buffer still holds of that page is put
// back without drawing it again; once another page has drawn over the buffer, or with a part of
// the page waiting to be drawn, the page is drawn (that part, or whole) and presented whole.
TEST(Painting, LostPixelsComeBackFromTheBufferWhileItHoldsThePage) {
  WindowLayer w;
  auto* counted = new Counted(&w.main());
  counted->setParent(&w.main());
  counted->setBounds({10, 10, 20, 20});
  w.main().setColor(ui::clRed);
  w.second().setColor(ui::clLime);
  w.start();
  const platform::WindowId id = w.main().windowId();
  const platform::Rect whole{0, 0, 648, 514};
  const auto shown = [&] {
    return std::vector<std::uint32_t>{w.desktop.pixel(id, {0, 0}), w.desktop.pixel(id, {15, 15}),
                                      w.desktop.pixel(id, {647, 513})};
  };
  const std::vector<std::uint32_t> page{0xFF0000u, 0x0000FFu, 0xFF0000u};
  ASSERT_EQ(shown(), page);
  const int drawn = counted->paints;

  ASSERT_TRUE(w.desktop.loseContent(id));
  EXPECT_EQ(w.desktop.pixel(id, {0, 0}), 0u);
  w.app->processPending();
  EXPECT_EQ(shown(), page);
  EXPECT_EQ(counted->paints, drawn) << "presented again, not drawn again";
  EXPECT_EQ(w.desktop.lastPresented(id), std::vector<platform::Rect>{whole});

  // A part waiting to be drawn: that part is drawn, and the whole presented.
  counted->invalidate();
  ASSERT_TRUE(w.desktop.loseContent(id));
  w.app->processPending();
  EXPECT_EQ(shown(), page);
  EXPECT_EQ(counted->paints, drawn + 1);
  EXPECT_EQ(w.desktop.lastPresented(id), std::vector<platform::Rect>{whole});

  // Another page drawn into the buffer since: the page is drawn whole again.
  w.app->showForm(w.second());
  w.app->processPending();
  ASSERT_TRUE(w.desktop.loseContent(id));
  w.app->processPending();
  EXPECT_EQ(shown(), page);
  EXPECT_EQ(counted->paints, drawn + 2);
  EXPECT_EQ(w.desktop.pixel(w.second().windowId(), {0, 0}), 0x00FF00u);
}

}  // namespace
}  // namespace apostila::testing
