// The accessibility tree over the real course on the headless desktop, with no bus: what a
// screen reader would be told follows the pages' visibility, captions and enabled states, the
// actions do what the learner's pointer does (and nothing where the pointer could not), and the
// boxes appear in the tree while open.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "apostila/PageRegistry.h"
#include "pages/QuestionPage.h"
#include "ui/Container.h"
#include "ui/DialogBox.h"
#include "ui/access/Tree.h"

namespace apostila {
namespace {

using access::Notice;
using access::Role;
using access::State;
using access::Tree;

struct AccessTree : ::testing::Test {
  testing::Course course;
  Tree tree{*course.app};
  std::vector<Notice> notices;

  void SetUp() override {
    ui::accessHooks() = &tree;
    tree.setListener([this](const Notice& n) { notices.push_back(n); });
    // As the bridge does: what a request queued runs when the loop takes the wake-up.
    tree.setOnReadable([this] { tree.runQueued(); });
    course.start();
  }
  void TearDown() override { ui::accessHooks() = nullptr; }

  int id(const ui::Control* c) { return tree.idOf(*c); }
  // An element of a page by its name, for those the page class does not publish.
  static const ui::Control* element(const ui::Container* in, const std::string& name) {
    for (const ui::Control* c : in->controls()) {
      if (c->name() == name) return c;
      if (auto* sub = dynamic_cast<const ui::Container*>(c))
        if (const ui::Control* found = element(sub, name)) return found;
    }
    return nullptr;
  }
  bool showing(const ui::Control* c) { return tree.states(id(c)).has(State::Showing); }
  bool sensitive(const ui::Control* c) { return tree.states(id(c)).has(State::Sensitive); }
  // Acts as a client does: the answer now, the effect on the loop's turn.
  void act(const ui::Control* c, const std::string& action) {
    const std::vector<access::ActionInfo> actions = tree.actions(id(c));
    auto it = std::find_if(actions.begin(), actions.end(), [&](const auto& a) { return a.name == action; });
    ASSERT_NE(it, actions.end()) << c->name() << " has no " << action;
    ASSERT_TRUE(tree.doAction(id(c), static_cast<int>(it - actions.begin())));
    wake();
    course.app->processPending();
  }
  void wake() { course.desktop.sourceReadable(); }
  bool noticed(Notice::Kind kind, const ui::Control* c, const std::string& detail = {}, int value = 0) {
    return std::any_of(notices.begin(), notices.end(), [&](const Notice& n) {
      return n.kind == kind && n.id == id(c) && (detail.empty() || (n.detail == detail && n.value == value));
    });
  }
  // The box open now as the tree shows it: the application's last child.
  int boxNode() {
    const std::vector<int> top = tree.children(Tree::kRoot);
    return top.size() > course.app->forms().size() ? top.back() : Tree::kNone;
  }
};

TEST_F(AccessTree, PagesAreFramesNamedByTheirCaptionsShowingAndActiveAsOnScreen) {
  const std::vector<int> frames = tree.children(Tree::kRoot);
  ASSERT_EQ(frames.size(), course.app->forms().size());
  EXPECT_EQ(tree.role(Tree::kRoot), Role::Application);
  EXPECT_EQ(tree.name(Tree::kRoot), "apostila");
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const ui::Form* f = course.app->forms()[i];
    EXPECT_EQ(tree.role(frames[i]), Role::Frame);
    EXPECT_EQ(tree.name(frames[i]), f->caption());
    EXPECT_EQ(tree.parent(frames[i]), Tree::kRoot);
    EXPECT_EQ(showing(f), f == app::formintro) << f->caption();
    EXPECT_EQ(tree.states(frames[i]).has(State::Active), f == app::formintro) << f->caption();
  }
  // The elements, by kind, with their parents.
  const ui::Control* button = app::formintro->BtnConteudo;
  EXPECT_EQ(tree.role(id(button)), Role::PushButton);
  EXPECT_EQ(tree.name(id(button)), "Conteúdo");
  EXPECT_TRUE(sensitive(button));
  EXPECT_EQ(tree.parent(id(button)), id(button->parent()));
  EXPECT_EQ(tree.role(id(button->parent())), Role::Panel);
  EXPECT_EQ(tree.actions(id(button)).at(0).name, "click");
  EXPECT_EQ(tree.role(id(element(app::Form23, "Image1"))), Role::Image);
  EXPECT_EQ(tree.role(id(element(app::Form23, "Label2"))), Role::Label);
  EXPECT_EQ(tree.text(id(element(app::Form23, "Label2"))), "CURVAS CARACTERÍSTICAS - EMISSOR COMUM");
}

TEST_F(AccessTree, ExtentsAreTheWindowsClientOriginPlusThePagePositionAndFindTheElementBack) {
  const ui::Control* button = app::formintro->BtnConteudo;
  int x = 0, y = 0;
  for (const ui::Control* c = button; c->parent(); c = c->parent()) x += c->left(), y += c->top();
  const platform::Rect client = course.desktop.geometry(app::formintro->windowId()).client;
  const access::ScreenRect e = tree.extents(id(button));
  EXPECT_EQ(e, (access::ScreenRect{client.x + x, client.y + y, button->width(), button->height()}));
  EXPECT_EQ(tree.at(e.x + e.width / 2, e.y + e.height / 2), id(button));
  // A page off the screen is found nowhere.
  EXPECT_EQ(tree.extents(id(element(app::Form23, "Label2"))), access::ScreenRect{});
}

// On a screen of twice the density the extents are screen pixels: the window's client origin
// plus twice the page position, twice the size, so that a review by position finds the element.
TEST(AccessTreeAtScale2, ExtentsAreInScreenPixels) {
  testing::Course course({2048, 1536}, 2);
  Tree tree{*course.app};
  course.start();
  const ui::Control* button = app::formintro->BtnConteudo;
  int x = 0, y = 0;
  for (const ui::Control* c = button; c->parent(); c = c->parent()) x += c->left(), y += c->top();
  const platform::Rect client = course.desktop.geometry(app::formintro->windowId()).client;
  const access::ScreenRect e = tree.extents(tree.idOf(*button));
  EXPECT_EQ(e, (access::ScreenRect{client.x + 2 * x, client.y + 2 * y, 2 * button->width(), 2 * button->height()}));
  EXPECT_EQ(tree.at(e.x + e.width - 1, e.y + e.height - 1), tree.idOf(*button));
  EXPECT_NE(tree.at(e.x + e.width, e.y + e.height), tree.idOf(*button));
}

TEST_F(AccessTree, TheRevealOfTeoria19FollowsItsShowAndHideActions) {
  act(app::formintro->BtnConteudo, "click");
  act(app::Form4->SpeedButton10, "click");  // "CURVAS CARACTERÍSTICAS"
  pages::TForm23* page = app::Form23;
  ASSERT_TRUE(page->visible());
  EXPECT_TRUE(tree.states(id(page)).has(State::Active));
  EXPECT_TRUE(noticed(Notice::Kind::WindowActivate, page));
  const std::vector<const ui::Control*> explanations = {page->Label3, page->Label4, page->Label5,
                                                         page->Label6, page->Label7, page->Label8,
                                                         page->Label9, page->Label10, page->Label11};
  for (const ui::Control* l : explanations) EXPECT_FALSE(showing(l)) << l->name();
  EXPECT_TRUE(showing(element(page, "Image1")));
  ASSERT_EQ(tree.actions(id(page->Label1)).size(), 2u);

  notices.clear();
  act(page->Label1, "show");
  for (const ui::Control* l : explanations) {
    EXPECT_TRUE(showing(l)) << l->name();
    EXPECT_TRUE(noticed(Notice::Kind::StateChanged, l, "showing", 1)) << l->name();
  }
  act(page->Label1, "hide");
  for (const ui::Control* l : explanations) {
    EXPECT_FALSE(showing(l)) << l->name();
    EXPECT_TRUE(noticed(Notice::Kind::StateChanged, l, "showing", 0)) << l->name();
  }
  // Labels without a hover handler offer nothing to do.
  EXPECT_TRUE(tree.actions(id(element(page, "Label2"))).empty());
}

TEST_F(AccessTree, TheCircuitLabelsOfQuestions17To20ShowAndHideTheirCircuit) {
  for (int n = 17; n <= 20; ++n) {
    auto& q = *static_cast<pages::QuestionPage*>(app::page(64 + n));
    course.app->showForm(q);
    course.app->processPending();
    ASSERT_NE(q.Label7, nullptr) << n;
    EXPECT_EQ(tree.actions(id(q.Label7)).size(), 2u) << n;
    EXPECT_FALSE(showing(q.Image2)) << n;
    act(q.Label7, "show");
    EXPECT_TRUE(showing(q.Image2)) << n;
    EXPECT_EQ(tree.role(id(q.Image2)), Role::Image) << n;
    act(q.Label7, "hide");
    EXPECT_FALSE(showing(q.Image2)) << n;
    course.app->hideForm(q);
  }
}

TEST_F(AccessTree, AQuestionAnsweredByActionsShowsItsHintBoxAndCountersAndDisablesItsButtons) {
  act(app::formintro->BtnQuestoes, "click");
  auto& q = *static_cast<pages::QuestionPage*>(app::page(65));
  ASSERT_TRUE(q.visible());
  EXPECT_FALSE(showing(q.Label1));

  // Wrong (A, whose hint is Label1): the message is a dialog in the tree while it is open, the
  // page behind it is insensitive and a click queued on it does nothing; OK closes the box.
  std::string said;
  int boxChildren = 0;
  bool pageSensitiveUnderBox = true;
  course.desktop.onWait([&] {
    const int box = boxNode();
    ASSERT_NE(box, Tree::kNone);
    EXPECT_EQ(tree.role(box), Role::Dialog);
    EXPECT_TRUE(tree.states(box).has(State::Modal));
    boxChildren = static_cast<int>(tree.children(box).size());
    said = tree.text(tree.children(box).at(0));
    pageSensitiveUnderBox = sensitive(q.BtnRespostaC);
    EXPECT_TRUE(tree.doAction(id(q.BtnRespostaC), 0));  // the page is disabled under the box
    const int ok = tree.children(box).at(1);
    EXPECT_EQ(tree.name(ok), "OK");
    EXPECT_TRUE(tree.doAction(ok, 0));
    wake();
  });
  act(q.BtnRespostaA, "click");
  EXPECT_EQ(said, "Você tem mais uma chance!");
  EXPECT_EQ(boxChildren, 2);  // its text and its button
  EXPECT_FALSE(pageSensitiveUnderBox);
  EXPECT_EQ(boxNode(), Tree::kNone);
  EXPECT_TRUE(showing(q.Label1));
  EXPECT_TRUE(noticed(Notice::Kind::StateChanged, q.Label1, "showing", 1));
  EXPECT_EQ(tree.text(id(q.PnlErradas)), "1");
  EXPECT_TRUE(noticed(Notice::Kind::TextChanged, q.PnlErradas));
  EXPECT_EQ(tree.text(id(q.PnlCertas)), "0");  // the click queued under the box did nothing

  // Right (C): the answers turn insensitive, and a click on one of them then does nothing.
  course.desktop.onWait([&] {
    said = tree.text(tree.children(boxNode()).at(0));
    tree.doAction(tree.children(boxNode()).at(1), 0);
    wake();
  });
  act(q.BtnRespostaC, "click");
  EXPECT_EQ(said, "VOCÊ ACERTOU!");
  EXPECT_EQ(tree.text(id(q.PnlCertas)), "1");
  EXPECT_FALSE(sensitive(q.BtnRespostaB));
  EXPECT_TRUE(noticed(Notice::Kind::StateChanged, q.BtnRespostaB, "sensitive", 0));
  act(q.BtnRespostaB, "click");  // would throw a stall if it opened a box
  EXPECT_EQ(tree.text(id(q.PnlErradas)), "1");
}

TEST_F(AccessTree, TheErrorBoxIsAnAlertAndAClosedBoxLeavesNoObjectBehind) {
  int box = Tree::kNone;
  course.desktop.onWait([&] {
    box = boxNode();
    ASSERT_NE(box, Tree::kNone);
    EXPECT_EQ(tree.role(box), Role::Alert);
    EXPECT_EQ(tree.text(box + 1), "Falhou.");
    tree.doAction(box + 2, 0);
    wake();
  });
  course.app->showError("Falhou");
  ASSERT_NE(box, Tree::kNone);
  EXPECT_FALSE(tree.exists(box));
  EXPECT_FALSE(tree.exists(box + 1));
  EXPECT_FALSE(tree.doAction(box + 2, 0));
}

}  // namespace
}  // namespace apostila
