// The sixty theory pages against their catalogue, read from the definitions this build compiled:
// the template every page shares, and for each page its heading, its number of labels,
// the length of its texts, its pictures in stored order at their exact sizes, its end note, and
// a layout in which nothing covers anything else or the button column.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "apostila/PageRegistry.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"

namespace apostila {
namespace {

struct Size {
  int width, height;
};

struct Row {
  int form;                            // FormN
  const char* button;                  // SpeedButton3's caption
  std::vector<const char*> headings;   // labels whose captions are exactly these
  int labels;                          // every label, the hidden ones included
  int text;                            // characters in all captions together
  std::vector<Size> pictures;          // in stored order
};

// Pages whose only label is their end note, and the end note of every chain's last page.
const char* const kEndNote = "Fim deste capítulo - clique no botão Menu";
const char* const kShortEndNote = "Fim deste capítulo Clique no botão Menu";
const char* const kLastEndNote = "Fim deste capítulo e da parte teórica - clique no botão Menu";

const std::vector<Row>& catalogue() {
  static const std::vector<Row> rows = {
      {5, "Seguir", {"INTRODUÇÃO AO TRANSISTOR BIPOLAR"}, 5, 741, {{364, 260}}},
      {6, "Menu", {}, 8, 842, {{295, 325}}},
      {7, "Seguir", {"OPERAÇÃO BÁSICA", "Junção diretamente polarizada:"}, 4, 555, {{297, 238}}},
      {8, "Menu", {"Junção reversamente polarizada:"}, 4, 685, {{295, 235}}},
      {9, "Seguir", {"FLUXO DE CORRENTE NO TRANSISTOR BIPOLAR"}, 7, 990, {{334, 289}}},
      {10, "Seguir", {}, 3, 869, {{432, 307}}},
      {11, "Seguir", {}, 3, 263, {{482, 95}, {467, 121}, {419, 130}}},
      {12, "Menu", {}, 2, 257, {{535, 300}}},
      {13, "Seguir", {"ALFA e BETA"}, 4, 581, {{305, 180}, {516, 99}}},
      {14, "Seguir", {}, 1, 189, {{564, 67}, {368, 37}, {521, 99}, {377, 99}}},
      {15, "Menu", {}, 1, 39, {{498, 174}, {475, 189}, {387, 56}}},
      {16, "Seguir", {"CONFIGURAÇÕES BÁSICAS"}, 4, 556, {{243, 291}, {293, 104}}},
      {17, "Seguir", {"BASE COMUM"}, 2, 321, {{247, 288}, {292, 101}}},
      {18, "Menu", {"COLETOR COMUM"}, 5, 633, {{256, 255}, {275, 135}}},
      {19, "Seguir", {"REPRESENTAÇÃO DE TENSÕES E CORRENTES"}, 5, 788, {{332, 140}}},
      {20, "Menu", {}, 6, 864, {{178, 299}}},
      {21, "Seguir", {"POLARIZAÇÃO COM UMA ÚNICA BATERIA"}, 6, 878, {{264, 271}}},
      {22, "Menu", {"EQUAÇÕES:"}, 2, 50, {{550, 304}}},
      {23, "Seguir", {"CURVAS CARACTERÍSTICAS - EMISSOR COMUM"}, 11, 1212, {{480, 406}}},
      {24, "Seguir", {"CURVAS CARACTERÍSTICAS - BASE COMUM"}, 3, 411, {{444, 328}}},
      {25, "Menu", {"CURVAS CARACTERÍSTICAS - COLETOR COMUM"}, 4, 355, {{420, 323}}},
      {26, "Seguir", {"CIRCUITOS DE POLARIZAÇÃO", "POLARIZAÇÃO POR CORRENTE DE BASE CONSTANTE"}, 7, 653,
       {{204, 174}, {109, 31}, {170, 32}}},
      {27, "Seguir", {"POLARIZAÇÃO POR CORRENTE DE EMISSOR CONSTANTE"}, 4, 525, {{201, 242}, {307, 76}, {224, 100}, {134, 23}}},
      {28, "Seguir", {}, 5, 291, {{414, 57}, {193, 241}, {212, 159}}},
      {29, "Seguir", {}, 3, 496, {{195, 241}, {141, 245}}},
      {30, "Seguir", {}, 3, 196, {{183, 242}, {261, 236}, {397, 53}, {459, 64}}},
      {31, "Seguir", {}, 2, 246, {{530, 330}}},
      {32, "Seguir", {}, 0, 0, {{334, 282}, {483, 136}}},
      {33, "Seguir", {}, 2, 128, {{472, 211}, {418, 136}}},
      {34, "Menu", {}, 1, 41, {{561, 255}}},
      {35, "Seguir", {"EXERCÍCIOS RESOLVIDOS  - POLARIZAÇÃO"}, 2, 156, {{374, 226}, {209, 149}, {504, 122}}},
      {36, "Seguir", {}, 0, 0, {{535, 238}, {465, 152}, {515, 35}}},
      {37, "Seguir", {}, 1, 59, {{295, 192}, {295, 186}, {400, 209}}},
      {38, "Seguir", {}, 1, 118, {{487, 169}, {246, 232}, {267, 166}}},
      {39, "Seguir", {}, 1, 95, {{561, 111}, {195, 227}, {318, 259}}},
      {40, "Seguir", {}, 1, 68, {{241, 262}, {365, 214}, {529, 127}}},
      {41, "Menu", {}, 1, 41, {{556, 182}}},
      {42, "Seguir", {"RETA DE CARGA"}, 10, 1196, {}},
      {43, "Seguir", {}, 2, 129, {{529, 332}, {505, 52}}},
      {44, "Seguir", {}, 0, 0, {{451, 76}, {433, 344}}},
      {45, "Seguir", {}, 0, 0, {{547, 350}, {493, 92}}},
      {46, "Seguir", {}, 2, 423, {{435, 348}}},
      {47, "Seguir", {}, 5, 495, {{524, 274}}},
      {48, "Seguir", {}, 1, 144, {{552, 292}, {477, 84}}},
      {49, "Seguir", {}, 1, 138, {{336, 54}, {417, 332}}},
      {50, "Menu", {}, 2, 314, {{373, 227}, {372, 67}}},
      {51, "Seguir", {"TRANSISTOR COMO CHAVE ELETRÔNICA E FONTE DE CORRENTE"}, 5, 814, {{482, 209}}},
      {52, "Seguir", {}, 4, 497, {{597, 178}, {365, 139}}},
      {53, "Seguir", {}, 3, 261, {{201, 218}, {355, 136}, {332, 184}}},
      {54, "Seguir", {}, 6, 889, {{542, 116}}},
      {55, "Seguir", {}, 2, 401, {{362, 186}, {385, 218}}},
      {56, "Seguir", {}, 2, 308, {{175, 239}, {403, 147}, {357, 123}}},
      {57, "Seguir", {}, 2, 263, {{566, 214}, {510, 114}}},
      {58, "Seguir", {}, 4, 719, {{383, 124}, {217, 253}}},
      {59, "Seguir", {}, 3, 355, {{559, 220}}},
      {60, "Menu", {}, 1, 41, {{308, 294}, {257, 123}, {273, 122}}},
      {61, "Seguir", {"ASPECTO FÍSICO - ENCAPSULAMENTOS MAIS USADOS"}, 5, 669, {{285, 349}, {214, 168}}},
      {62, "Seguir", {}, 2, 359, {{235, 169}, {262, 262}}},
      {63, "Seguir", {}, 2, 251, {{402, 173}, {394, 180}}},
      {64, "Menu", {}, 4, 363, {{264, 125}, {236, 156}}},
  };
  return rows;
}

const char* endNoteOf(int form) {
  if (form == 64) return kLastEndNote;
  if (form == 15 || form == 50) return kShortEndNote;
  return kEndNote;
}

// Characters, not bytes: every caption is UTF-8.
int characters(const std::string& s) {
  return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

const content::TPanel* panel1(const ui::Form& page) {
  for (const ui::Control* c : page.controls())
    if (c->name() == "Panel1") return dynamic_cast<const content::TPanel*>(c);
  return nullptr;
}

void collect(const ui::Container& parent, std::vector<const content::TLabel*>& labels, std::vector<const content::TImage*>& images) {
  for (const ui::Control* c : parent.controls()) {
    if (auto* l = dynamic_cast<const content::TLabel*>(c)) labels.push_back(l);
    if (auto* i = dynamic_cast<const content::TImage*>(c)) images.push_back(i);
    if (auto* inner = dynamic_cast<const ui::Container*>(c)) collect(*inner, labels, images);
  }
}

bool isButton(const ui::Control* c) { return dynamic_cast<const content::TSpeedButton*>(c) != nullptr; }

bool apart(const ui::Bounds& a, const ui::Bounds& b) {
  return a.right() <= b.left || b.right() <= a.left || a.bottom() <= b.top || b.bottom() <= a.top;
}

TEST(TheoryCatalogue, EveryPageKeepsTheTemplateAndItsChainButton) {
  testing::Course course;
  ASSERT_EQ(catalogue().size(), 60u);
  for (const Row& row : catalogue()) {
    const ui::Form& page = *app::page(row.form);
    SCOPED_TRACE(page.name());
    EXPECT_EQ(page.caption(), "Teoria " + std::to_string(row.form - 4));
    EXPECT_EQ(page.width(), 648);
    EXPECT_EQ(page.height(), 514);
    const content::TPanel* panel = panel1(page);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->bounds(), (ui::Bounds{8, 8, 625, 465}));
    const struct {
      const char* name;
      int top;
      const char* caption;
    } buttons[] = {{"SpeedButton3", 271, row.button}, {"SpeedButton1", 336, "Voltar"}, {"SpeedButton2", 400, "Sair"}};
    // The buttons come last, so that no content is painted over them.
    const auto& children = panel->controls();
    ASSERT_GE(children.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      const ui::Control* b = children[children.size() - 3 + i];
      EXPECT_EQ(b->name(), buttons[i].name);
      EXPECT_EQ(b->bounds(), (ui::Bounds{560, buttons[i].top, 57, 57})) << b->name();
      EXPECT_EQ(b->caption(), buttons[i].caption) << b->name();
    }
  }
}

TEST(TheoryCatalogue, EveryPageMatchesItsRow) {
  testing::Course course;
  for (const Row& row : catalogue()) {
    const ui::Form& page = *app::page(row.form);
    SCOPED_TRACE(page.name());
    std::vector<const content::TLabel*> labels;
    std::vector<const content::TImage*> images;
    collect(*panel1(page), labels, images);

    EXPECT_EQ(static_cast<int>(labels.size()), row.labels);
    int text = 0;
    for (const content::TLabel* l : labels) text += characters(l->caption());
    EXPECT_LE(std::abs(text - row.text), row.text / 4) << "text length " << text << " against " << row.text;

    for (const char* heading : row.headings) {
      const auto it = std::find_if(labels.begin(), labels.end(), [&](auto* l) { return l->caption() == heading; });
      ASSERT_NE(it, labels.end()) << "no heading \"" << heading << "\"";
      const content::TLabel& h = **it;
      EXPECT_EQ(h.font().name(), "Verdana") << heading;
      EXPECT_TRUE(h.font().style() & ui::fsBold) << heading;
      EXPECT_FALSE(h.transparent()) << heading << " sits on a box of its own";
    }

    ASSERT_EQ(images.size(), row.pictures.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
      const content::TImage& image = *images[i];
      const content::Bitmap& bmp = image.picture().bitmap();
      EXPECT_EQ(bmp.width(), row.pictures[i].width) << image.name();
      EXPECT_EQ(bmp.height(), row.pictures[i].height) << image.name();
      EXPECT_EQ(image.width(), bmp.width()) << image.name() << " is sized to its picture";
      EXPECT_EQ(image.height(), bmp.height()) << image.name() << " is sized to its picture";
      EXPECT_TRUE(image.autoSize() && image.transparent()) << image.name();
      EXPECT_EQ(bmp.bottomLeft() & 0xFFFFFFu, 0xFFFFFFu) << image.name() << ": white shows the panel";
    }

    // The last page of a chain says so, in white on a black box.
    const bool last = std::string(row.button) == "Menu";
    const auto note = std::find_if(labels.begin(), labels.end(), [](auto* l) { return l->caption().rfind("Fim deste", 0) == 0; });
    EXPECT_EQ(note != labels.end(), last);
    if (note != labels.end()) {
      const content::TLabel& n = **note;
      EXPECT_EQ(n.caption(), endNoteOf(row.form));
      EXPECT_EQ(n.font().name(), "MS Sans Serif");
      EXPECT_EQ(n.font().height(), -11);
      EXPECT_TRUE(n.font().style() & ui::fsBold);
      EXPECT_EQ(n.font().color(), ui::clWhite);
      EXPECT_EQ(n.color(), ui::clBlack);
      EXPECT_FALSE(n.transparent());
    }
  }
}

// What the learner sees at once: no label or picture over another, over the button column or
// past the panel's edge. Hidden elements (the reveal on Teoria 19) are shown only on purpose.
TEST(TheoryCatalogue, EveryPageKeepsItsElementsApart) {
  testing::Course course;
  const ui::Bounds column{560, 271, 57, 186};
  for (const Row& row : catalogue()) {
    const ui::Form& page = *app::page(row.form);
    SCOPED_TRACE(page.name());
    const content::TPanel& panel = *panel1(page);
    std::vector<const ui::Control*> shown;
    for (const ui::Control* c : panel.controls())
      if (c->visible() && !isButton(c)) shown.push_back(c);
    for (std::size_t a = 0; a < shown.size(); ++a) {
      const ui::Bounds ba = shown[a]->bounds();
      EXPECT_TRUE(ba.left >= 2 && ba.top >= 2 && ba.right() <= panel.width() - 2 && ba.bottom() <= panel.height() - 2)
          << shown[a]->name() << " leaves the panel";
      EXPECT_TRUE(apart(ba, column)) << shown[a]->name() << " covers the buttons";
      for (std::size_t b = a + 1; b < shown.size(); ++b)
        EXPECT_TRUE(apart(ba, shown[b]->bounds())) << shown[a]->name() << " overlaps " << shown[b]->name();
    }
  }
}

// No theory page shows a tool tip: the panel asks for hints but nothing carries a hint text.
TEST(TheoryCatalogue, NoElementCarriesAHint) {
  testing::Course course;
  for (const Row& row : catalogue()) {
    std::vector<const content::TLabel*> labels;
    std::vector<const content::TImage*> images;
    const content::TPanel& panel = *panel1(*app::page(row.form));
    collect(panel, labels, images);
    EXPECT_TRUE(panel.hint().empty());
    for (const ui::Control* c : panel.controls()) EXPECT_TRUE(c->hint().empty()) << app::page(row.form)->name() << "." << c->name();
    for (const content::TLabel* l : labels) EXPECT_TRUE(l->hint().empty()) << l->name();
  }
}

}  // namespace
}  // namespace apostila
