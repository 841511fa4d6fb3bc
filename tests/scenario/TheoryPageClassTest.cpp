// A theory page with a class of its own: the class derives from the theory pages' shared one,
// and its table adds a label and a panel and two pointer handlers to the theory parent's rows.
// The page then behaves as every theory page does and, besides, reveals its panel while the
// pointer rests on its label.
#include <gtest/gtest.h>

#include "CourseFixture.h"
#include "content/StreamBuilder.h"
#include "content/TLabel.h"
#include "ui/Color.h"

namespace apostila {
namespace {

using testing::StreamBuilder;

class TTheoryReveal final : public pages::TheoryPage {
 public:
  explicit TTheoryReveal(ui::Component* owner) : TheoryPage(owner, 24) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }

  content::TLabel* Label1 = nullptr;
  content::TPanel* Panel2 = nullptr;

  void Label1MouseEnter(ui::Component*) { Panel2->setVisible(true); }
  void Label1MouseLeave(ui::Component*) { Panel2->setVisible(false); }
};

using namespace ui::page;
constinit const ui::MemberInfo kMembers[] = {
    member<&TTheoryReveal::Label1>("Label1"),
    member<&TTheoryReveal::Panel2>("Panel2"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&TTheoryReveal::Label1MouseEnter>("Label1MouseEnter"),
    handler<&TTheoryReveal::Label1MouseLeave>("Label1MouseLeave"),
};
constinit const ui::PageClassInfo TTheoryReveal::kClass{"TTheoryReveal", &pages::TheoryPage::kClass, kMembers,
                                                        kHandlers};

// The page: the theory template's panel and three buttons, the hover label, and the hidden
// lime panel with a text of its own (a content element, with no member).
std::vector<std::uint8_t> revealDefinition() {
  StreamBuilder s;
  auto bounds = [&](int left, int top, int width, int height) {
    s.prop("Left").int16(left).prop("Top").int16(top).prop("Width").int16(width).prop("Height").int16(height);
  };
  auto button = [&](const char* name, int top, const char* caption) {
    s.record("TSpeedButton", name);
    bounds(560, top, 57, 57);
    s.prop("Caption").str(caption).prop("OnClick").ident(std::string(name) + "Click").end().end();
  };
  s.signature().record("TTheoryReveal", "FormReveal");
  bounds(200, 150, 648, 514);
  s.prop("Caption").str("Teoria de ensaio").prop("OnActivate").ident("FormActivate").end();
  s.record("TPanel", "Panel1");
  bounds(8, 8, 625, 465);
  s.end();
  s.record("TLabel", "Label1");
  bounds(536, 104, 81, 41);
  s.prop("AutoSize").boolean(false).prop("Caption").str("Detalhes");
  s.prop("OnMouseEnter").ident("Label1MouseEnter").prop("OnMouseLeave").ident("Label1MouseLeave").end().end();
  s.record("TPanel", "Panel2");
  bounds(8, 32, 200, 100);
  s.prop("Color").ident("clLime").prop("Visible").boolean(false).end();
  s.record("TLabel", "Label3");
  bounds(8, 8, 180, 20);
  s.prop("Caption").str("A curva de IC por VCE").end().end();
  s.end();  // Panel2's elements
  button("SpeedButton3", 271, "Seguir");
  button("SpeedButton1", 336, "Voltar");
  button("SpeedButton2", 400, "Sair");
  s.end();  // Panel1's elements
  s.end();  // the page's elements
  return s.build();
}

TEST(TheoryPageClass, APageOwnClassAddsItsElementsAndHandlersToTheTheoryPages) {
  testing::Course course;
  course.start();
  const std::vector<std::uint8_t> bytes = revealDefinition();
  const EmbeddedBlob blob{"TTHEORYREVEAL", bytes.data(), bytes.size()};
  const content::DefinitionStore own({&blob, 1});
  course.app->setFormLoader([&](ui::Form& f) {
    (&f.pageClass() == &TTheoryReveal::kClass ? own : testing::builtDefinitions()).loadPage(f);
  });
  TTheoryReveal* page = nullptr;
  course.app->createForm(page);
  ASSERT_NE(page->Label1, nullptr);
  ASSERT_NE(page->Panel2, nullptr);
  ASSERT_NE(page->SpeedButton1, nullptr);  // the theory parent's members are bound as well

  // Shown as navigation shows it, the parent's activation handler puts it in its place.
  page->show();
  app::formintro->hide();
  course.app->processPending();
  EXPECT_EQ(page->left(), 90);
  EXPECT_EQ(page->top(), 30);

  auto pointAt = [&](const ui::Control& c, int dx = 0) {
    platform::Point at{c.width() / 2 + dx, c.height() / 2};
    for (const ui::Control* e = &c; e->parent(); e = e->parent()) at = at + platform::Point{e->left(), e->top()};
    course.desktop.movePointer(course.desktop.geometry(page->windowId()).client.origin() + at);
    course.app->processPending();
  };
  // A point inside the hidden panel, clear of its text, in the page's client area.
  const platform::Point inPanel{8 + 8 + 100, 8 + 32 + 70};
  const auto lime = [&] { return course.desktop.pixel(page->windowId(), inPanel) == 0x00FF00u; };
  EXPECT_FALSE(lime());

  for (int visit = 0; visit < 2; ++visit) {
    SCOPED_TRACE(visit);
    pointAt(*page->Label1);
    EXPECT_TRUE(page->Panel2->visible());
    EXPECT_TRUE(lime());
    pointAt(*page->Label1, page->Label1->width() / 2 - 2);  // still on the label: still shown
    EXPECT_TRUE(page->Panel2->visible());
    pointAt(*page->SpeedButton2);
    EXPECT_FALSE(page->Panel2->visible());
    EXPECT_FALSE(lime());
  }

  // The parent's buttons: "Voltar" leads to the page before, as on every theory page.
  page->SpeedButton1->click();
  course.app->processPending();
  EXPECT_EQ(course.visiblePages(), (std::vector<ui::Form*>{app::Form23}));
}

}  // namespace
}  // namespace apostila
