// The page definition reader: the stored layout, each failure message, and all-or-nothing reads.
#include <gtest/gtest.h>

#include "StreamBuilder.h"
#include "TestPage.h"
#include "content/DefinitionReader.h"
#include "content/DefinitionStore.h"
#include "content/ReadError.h"
#include "ui/Color.h"

namespace apostila::testing {
namespace {

using content::readDefinition;

// The first bytes of a stored theory page, as they stand in the definition.
std::vector<std::uint8_t> workedExample() {
  std::vector<std::uint8_t> b = {0x54, 0x50, 0x46, 0x30, 0x06};
  StreamBuilder s;
  s.raw("TPF0").record("TForm5", "Form5");
  s.prop("Left").bytes({0x02, 0x5A}).prop("Top").bytes({0x02, 0x1E});
  s.prop("Width").bytes({0x03, 0x88, 0x02}).prop("Height").bytes({0x03, 0x02, 0x02});
  s.prop("Caption").bytes({0x06, 0x08}).raw("Teoria 1");
  s.prop("Color").bytes({0x07, 0x07}).raw("clBlack");
  s.prop("Font.Charset").bytes({0x07, 0x0F}).raw("DEFAULT_CHARSET");
  s.prop("Font.Color").bytes({0x07, 0x0C}).raw("clWindowText");
  s.prop("Font.Height").bytes({0x02, 0xF5});
  s.prop("Font.Style").bytes({0x0B, 0x00});
  s.prop("OldCreateOrder").bytes({0x08});
  s.prop("OnActivate").ident("FormActivate");
  s.prop("PixelsPerInch").int8(96).prop("TextHeight").int8(13);
  s.end().end();
  return s.build();
}

TEST(DefinitionReader, ReadsTheWorkedExample) {
  auto data = workedExample();
  TTestPage page;
  readDefinition(data, page);
  EXPECT_EQ(page.name(), "Form5");
  EXPECT_EQ(page.left(), 90);
  EXPECT_EQ(page.top(), 30);
  EXPECT_EQ(page.width(), 648);
  EXPECT_EQ(page.height(), 514);
  EXPECT_EQ(page.caption(), "Teoria 1");
  EXPECT_EQ(page.color(), ui::clBlack);
  EXPECT_EQ(page.font().charset(), 1);
  EXPECT_EQ(page.font().color(), ui::clWindowText);
  EXPECT_EQ(page.font().height(), -11);  // 02 F5 is sign-extended
  EXPECT_EQ(page.font().style(), 0u);
  EXPECT_FALSE(page.oldCreateOrder());
  EXPECT_EQ(page.designPixelsPerInch(), 96);
  EXPECT_EQ(page.textHeight(), 13);
  ASSERT_TRUE(page.onActivate);
  page.onActivate(&page);
  EXPECT_EQ(page.activations, 1);
  EXPECT_FALSE(page.loading());
}

// A page holding one element record, with the given property bytes.
std::vector<std::uint8_t> pageWith(const std::string& cls, const std::string& name,
                                   const std::function<void(StreamBuilder&)>& props) {
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").end();
  s.record(cls, name);
  props(s);
  s.end().end().end();
  return s.build();
}

struct FailureCase {
  const char* name;
  std::vector<std::uint8_t> data;
  std::string message;
};

std::vector<FailureCase> failureCases() {
  auto bmp = tinyBmp();
  auto badSignature = bmp;
  badSignature[0] = 'X';
  auto twoPlanes = bmp;
  twoPlanes[26] = 2;
  auto glyph = [](const std::vector<std::uint8_t>& file) {
    StreamBuilder g;
    g.u32(static_cast<std::uint32_t>(file.size()));
    auto v = g.build();
    v.insert(v.end(), file.begin(), file.end());
    return v;
  };
  StreamBuilder deep;
  deep.signature().record("TTestPage", "Form5").end();
  for (int i = 0; i < 40; ++i) deep.record("TPanel", "P" + std::to_string(i)).end();
  StreamBuilder lists;
  lists.signature().record("TTestPage", "Form5").prop("Tag");
  for (int i = 0; i < 40; ++i) lists.bytes({1});
  return {
      {"elements nested without end", deep.build(), "Invalid stream format"},
      {"lists nested without end", lists.build(), "Error reading Form5.Tag: Invalid property value"},
      {"signature", StreamBuilder().raw("TPF1").record("TTestPage", "Form5").end().end().build(),
       "Invalid stream format"},
      {"truncated record", StreamBuilder().signature().shortString("TTestPage").build(), "Stream read error"},
      {"truncated value",
       StreamBuilder().signature().record("TTestPage", "Form5").prop("Caption").bytes({6, 9}).raw("Teo").build(),
       "Error reading Form5.Caption: Stream read error"},
      {"unknown kind", pageWith("TButton", "B1", [](StreamBuilder&) {}), "Class TButton not found"},
      {"not an element kind", pageWith("TFont", "F1", [](StreamBuilder&) {}), "Class TFont not found"},
      {"missing ancestor",
       StreamBuilder().signature().record("TTestPage", "Form5").end().bytes({0xF1}).record("TLabel", "Label9")
           .end().end().end().build(),
       "Ancestor for 'Label9' not found"},
      {"unknown property", pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Colour").ident("clRed"); }),
       "Error reading Label1.Colour: Property Colour does not exist"},
      {"unknown part of a path",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Typeface.Name").str("Arial"); }),
       "Error reading Label1.Typeface.Name: Property Typeface does not exist"},
      {"unknown last part", pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Font.Weight").int8(7); }),
       "Error reading Label1.Font.Weight: Property Weight does not exist"},
      {"path through a non-object",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Caption.Text").str("x"); }),
       "Error reading Label1.Caption.Text: Invalid property path"},
      {"caption of the wrong kind", pageWith("TLabel", "Label4", [](StreamBuilder& s) { s.prop("Caption").int8(3); }),
       "Error reading Label4.Caption: Invalid property value"},
      {"colour name unknown", pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Color").ident("clPink"); }),
       "Error reading Label1.Color: Invalid property value"},
      {"set member unknown",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Font.Style").set({"fsBold", "fsShadow"}); }),
       "Error reading Label1.Font.Style: Invalid property value"},
      {"enumeration member unknown",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Alignment").ident("taJustify"); }),
       "Error reading Label1.Alignment: Invalid property value"},
      {"boolean as an integer", pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Visible").int8(1); }),
       "Error reading Label1.Visible: Invalid property value"},
      {"handler unknown",
       pageWith("TSpeedButton", "Button1", [](StreamBuilder& s) { s.prop("OnClick").ident("Button2Click"); }),
       "Error reading Button1.OnClick: Invalid property value"},
      {"handler of another signature",
       StreamBuilder().signature().record("TTestPage", "Form5").prop("OnClose").ident("FormActivate").end().end().build(),
       "Error reading Form5.OnClose: Invalid property value"},
      {"binary property not binary",
       pageWith("TSpeedButton", "Button1", [](StreamBuilder& s) { s.prop("Glyph.Data").str("BM"); }),
       "Error reading Button1.Glyph.Data: Invalid property value"},
      {"defined integer not an integer",
       StreamBuilder().signature().record("TTestPage", "Form5").prop("TextHeight").str("13").end().end().build(),
       "Error reading Form5.TextHeight: Invalid property value"},
      {"read-only property",
       pageWith("TSpeedButton", "Button1", [](StreamBuilder& s) { s.prop("Glyph.Width").int8(16); }),
       "Error reading Button1.Glyph.Width: Property is read-only"},
      {"bitmap without BM",
       pageWith("TSpeedButton", "Button1", [&](StreamBuilder& s) { s.prop("Glyph.Data").binary(glyph(badSignature)); }),
       "Error reading Button1.Glyph.Data: Bitmap image is not valid"},
      {"bitmap with two planes",
       pageWith("TSpeedButton", "Button1", [&](StreamBuilder& s) { s.prop("Glyph.Data").binary(glyph(twoPlanes)); }),
       "Error reading Button1.Glyph.Data: Bitmap image is not valid"},
      {"bitmap longer than its value",
       pageWith("TSpeedButton", "Button1", [&](StreamBuilder& s) { s.prop("Glyph.Data").bytes({10, 4, 0, 0, 0}).u32(99); }),
       "Error reading Button1.Glyph.Data: Stream read error"},
      {"reference to a missing element",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("FocusControl").ident("Panel7"); }),
       "Error reading Label1.FocusControl: Invalid property value"},
      {"unknown value code",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Tag").bytes({21}); }),
       "Error reading Label1.Tag: Invalid property value"},
      // A definition must not leave a page member pointing at the wrong kind or at a twin.
      {"member of another kind", pageWith("TPanel", "Label1", [](StreamBuilder&) {}), "Element Label1 is not a TLabel"},
      {"two elements of one name",
       StreamBuilder().signature().record("TTestPage", "Form5").end().record("TLabel", "Label1").end().end()
           .record("TLabel", "label1").end().end().end().build(),
       "A component named label1 already exists"},
      {"children under a label",
       StreamBuilder().signature().record("TTestPage", "Form5").end().record("TLabel", "Label1").end()
           .record("TLabel", "Label2").end().end().end().end().build(),
       "Element Label1 cannot hold elements"},
      // Lengths and font sizes far beyond any page: layout adds and scales them in int.
      {"a coordinate past the window system's range",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Left").int32(2147483647); }),
       "Error reading Label1.Left: Invalid property value"},
      {"a negative width past the range",
       pageWith("TPanel", "Panel1", [](StreamBuilder& s) { s.prop("Width").int32(-32768); }),
       "Error reading Panel1.Width: Invalid property value"},
      {"the page's own height", StreamBuilder().signature().record("TTestPage", "Form5").prop("Height")
           .int32(40000).end().end().build(), "Error reading Form5.Height: Invalid property value"},
      {"the smallest font size",
       pageWith("TLabel", "Label1", [](StreamBuilder& s) { s.prop("Font.Size").int32(-2147483647 - 1); }),
       "Error reading Label1.Font.Size: Invalid property value"},
      {"a font height past the limit",
       pageWith("TSpeedButton", "Button1", [](StreamBuilder& s) { s.prop("Font.Height").int16(-1001); }),
       "Error reading Button1.Font.Height: Invalid property value"},
      {"a border past the range",
       pageWith("TPanel", "Panel1", [](StreamBuilder& s) { s.prop("BorderWidth").int32(1 << 20); }),
       "Error reading Panel1.BorderWidth: Invalid property value"},
  };
}

TEST(DefinitionReader, EachFailureHasItsMessage) {
  for (const FailureCase& c : failureCases()) {
    SCOPED_TRACE(c.name);
    TTestPage page;
    try {
      readDefinition(c.data, page);
      ADD_FAILURE() << "no failure";
    } catch (const content::ReadError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    // Nothing half-built survives: no element, no member left pointing at a freed one.
    EXPECT_TRUE(page.components().empty());
    EXPECT_TRUE(page.controls().empty());
    EXPECT_EQ(page.Label1, nullptr);
    EXPECT_EQ(page.Button1, nullptr);
  }
}

TEST(DefinitionReader, LengthsAndFontSizesAtTheirLimitsAreRead) {
  auto data = pageWith("TLabel", "Label1", [](StreamBuilder& s) {
    s.prop("Left").int16(32767).prop("Top").int16(-32767).prop("Width").int16(32767);
    s.prop("Font.Height").int16(-1000).prop("Tag").int32(-2147483647 - 1);
  });
  TTestPage page;
  readDefinition(data, page);
  ASSERT_NE(page.Label1, nullptr);
  EXPECT_EQ(page.Label1->left(), 32767);
  EXPECT_EQ(page.Label1->top(), -32767);
  EXPECT_EQ(page.Label1->width(), 32767);
  EXPECT_EQ(page.Label1->font().height(), -1000);
}

TEST(DefinitionStore, FindsByClassNameInAnyCase) {
  auto data = workedExample();
  const EmbeddedBlob blobs[] = {{"TTESTPAGE", data.data(), data.size()}};
  content::DefinitionStore store(blobs);
  EXPECT_TRUE(store.find("ttestpage").has_value());
  EXPECT_FALSE(store.find("TTestPag").has_value());
  TTestPage page;
  store.loadPage(page);
  EXPECT_EQ(page.caption(), "Teoria 1");

  content::DefinitionStore empty({});
  TTestPage other;
  try {
    empty.loadPage(other);
    FAIL();
  } catch (const content::ReadError& e) {
    EXPECT_STREQ(e.what(), "Resource TTestPage not found");
  }
}

TEST(DefinitionReader, PlacesAChildAtItsStoredPosition) {
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").end();
  for (int i = 0; i < 6; ++i) s.record("TLabel", "L" + std::to_string(i)).end().end();
  s.bytes({0xF2, 0x02, 0x05}).record("TLabel", "Label1").end().end();
  s.bytes({0xF2, 0x02, 0x00}).record("TLabel", "First").end().end();
  s.end();
  auto data = s.build();
  TTestPage page;
  readDefinition(data, page);
  ASSERT_EQ(page.controls().size(), 8u);
  EXPECT_EQ(page.controls()[0]->name(), "First");
  EXPECT_EQ(page.controls()[6]->name(), "Label1");
  EXPECT_EQ(page.Label1, page.controls()[6]);
}

TEST(DefinitionReader, ReadsTextSetsAndIdentifiersAsStored) {
  auto data = pageWith("TLabel", "Label1", [](StreamBuilder& s) {
    s.prop("caption").utf8("Questão");  // 8 bytes for 7 letters
    s.prop("COLOR").ident("CLBLACK");
    s.prop("Font.Style").set({"FSBOLD", "fsItalic"});
    s.prop("Font.Height").int8(-19);
    s.prop("Cursor").ident("crHandPoint");
    s.prop("Alignment").ident("tacenter");
    s.prop("Hint").str("Sem acento");
    s.prop("Tag").int32(14807280);
    s.prop("Transparent").boolean(true);
    s.prop("OnMouseEnter").ident("button1click");
  });
  TTestPage page;
  readDefinition(data, page);
  ASSERT_NE(page.Label1, nullptr);
  EXPECT_EQ(page.Label1->caption(), "Questão");
  EXPECT_EQ(page.Label1->color(), ui::clBlack);
  EXPECT_FALSE(page.Label1->parentColor());
  EXPECT_EQ(page.Label1->font().style(), ui::fsBold | ui::fsItalic);
  EXPECT_FALSE(page.Label1->parentFont());
  EXPECT_EQ(page.Label1->cursor(), -21);
  EXPECT_EQ(page.Label1->alignment(), content::Alignment::taCenter);
  EXPECT_EQ(page.Label1->tag(), 14807280);
  EXPECT_TRUE(page.Label1->transparent());
  page.Label1->onMouseEnter(page.Label1);
  EXPECT_EQ(page.clickedBy, page.Label1);
}

TEST(DefinitionReader, UnknownPropertyFailsOnlyAfterItsValueIsSkipped) {
  // A well-formed value behind an unknown name: the failure names the property, not the stream.
  auto data = pageWith("TLabel", "Label1", [](StreamBuilder& s) {
    s.prop("Shadow").binary(std::vector<std::uint8_t>(300, 0xAB));
  });
  TTestPage page;
  EXPECT_THROW(
      {
        try {
          readDefinition(data, page);
        } catch (const content::ReadError& e) {
          EXPECT_STREQ(e.what(), "Error reading Label1.Shadow: Property Shadow does not exist");
          throw;
        }
      },
      content::ReadError);
}

std::vector<std::uint8_t> pictureData(const std::string& graphicClass, const std::vector<std::uint8_t>& bmp) {
  StreamBuilder p;
  p.shortString(graphicClass).u32(static_cast<std::uint32_t>(bmp.size()));
  auto v = p.build();
  v.insert(v.end(), bmp.begin(), bmp.end());
  return v;
}

TEST(DefinitionReader, PicturesByGraphicClass) {
  auto bmp = tinyBmp();
  struct Case {
    std::string graphicClass;
    std::vector<std::uint8_t> file;
    int width;
  } cases[] = {
      {"TBitmap", bmp, 2},
      {"tbitmap", bmp, 0},     // the graphic class must match in its exact case
      {"TJPEGImage", bmp, 0},  // unregistered: an empty picture, and reading goes on
      {"TBitmap", {}, 0},      // B = 0: an empty bitmap, not an error
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.graphicClass + " " + std::to_string(c.file.size()));
    auto data = pageWith("TImage", "Image1", [&](StreamBuilder& s) {
      s.prop("Picture.Data").binary(pictureData(c.graphicClass, c.file));
      s.prop("Tag").int8(7);
    });
    TTestPage page;
    readDefinition(data, page);
    ASSERT_NE(page.Image1, nullptr);
    EXPECT_EQ(page.Image1->picture().bitmap().width(), c.width);
    EXPECT_EQ(page.Image1->tag(), 7);
  }
}

TEST(DefinitionReader, AutoSizedPictureTakesTheBitmapSize) {
  auto data = pageWith("TImage", "Image1", [&](StreamBuilder& s) {
    s.prop("Width").int16(364).prop("Height").int16(260).prop("AutoSize").boolean(true);
    s.prop("Picture.Data").binary(pictureData("TBitmap", tinyBmp()));
  });
  TTestPage page;
  readDefinition(data, page);
  EXPECT_EQ(page.Image1->width(), 2);
  EXPECT_EQ(page.Image1->height(), 1);
}

TEST(DefinitionReader, GlyphStripKeepsTheStoredImageCount) {
  auto bmp = tinyBmp();
  StreamBuilder g;
  g.u32(static_cast<std::uint32_t>(bmp.size()));
  auto glyph = g.build();
  glyph.insert(glyph.end(), bmp.begin(), bmp.end());
  auto data = pageWith("TSpeedButton", "Button1", [&](StreamBuilder& s) {
    s.prop("Glyph.Data").binary(glyph);
    s.prop("NumGlyphs").int8(2);
    s.prop("OnClick").ident("Button1Click");
  });
  TTestPage page;
  readDefinition(data, page);
  EXPECT_EQ(page.Button1->glyph().bitmap().width(), 2);
  EXPECT_EQ(page.Button1->numGlyphs(), 2);
  page.Button1->click();
  EXPECT_EQ(page.clickedBy, page.Button1);
}

TEST(DefinitionReader, AfterLoadingDocksThenNotifiesPageFirstThenCompletedRecords) {
  loadedLog().clear();
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").end();
  s.record("TProbePanel", "ProbePanel1").prop("Width").int16(300).prop("Height").int16(200).end();
  s.record("TPanel", "Panel1").prop("Width").int8(100).prop("Height").int8(41).prop("Align").ident("alTop").end();
  s.record("TProbeLabel", "Probe1").end().end();
  s.end();
  s.record("TProbeLabel", "Probe2").end().end();
  s.end().end();
  s.end();
  auto data = s.build();
  TTestPage page;
  readDefinition(data, page);
  EXPECT_EQ(loadedLog(), (std::vector<std::string>{"Form5", "Probe1", "Probe2", "ProbePanel1"}));
  // The top-docked panel spans its parent whatever its stored width, and keeps its height.
  EXPECT_EQ(page.Panel1->width(), 300);
  EXPECT_EQ(page.Panel1->height(), 41);
  EXPECT_EQ(page.Panel1->top(), 0);
  EXPECT_EQ(page.Probe1->parent(), page.Panel1);
}

TEST(DefinitionReader, ElementsFollowTheParentsFontUntilTheySetTheirOwn) {
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").prop("Font.Height").int8(-13).end();
  s.record("TPanel", "Panel1").prop("Font.Name").str("Verdana").end();
  s.record("TLabel", "Label1").end().end();
  s.end();
  s.end();
  auto data = s.build();
  TTestPage page;
  readDefinition(data, page);
  EXPECT_EQ(page.Label1->font().name(), "Verdana");
  EXPECT_EQ(page.Label1->font().height(), -13);
  EXPECT_TRUE(page.Label1->parentFont());
  EXPECT_FALSE(page.Panel1->parentFont());
}

TEST(DefinitionReader, RenamesAPageWhoseNameIsTaken) {
  auto data = workedExample();
  ui::Component app;
  auto* first = new TTestPage(&app);
  auto* second = new TTestPage(&app);
  auto* third = new TTestPage(&app);
  readDefinition(data, *first);
  readDefinition(data, *second);
  readDefinition(data, *third);
  EXPECT_EQ(first->name(), "Form5");
  EXPECT_EQ(second->name(), "Form5_1");
  EXPECT_EQ(third->name(), "Form5_2");
}

}  // namespace
}  // namespace apostila::testing
