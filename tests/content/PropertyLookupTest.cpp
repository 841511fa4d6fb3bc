// Finding a property by name while a definition is read: every published property of every
// kind a definition can build is found under its name in any case, along the class chain, and
// a name no kind publishes is not.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "content/DefinitionReader.h"
#include "content/Graphic.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/Font.h"
#include "ui/Form.h"

namespace apostila::content {
namespace {

std::string withCase(std::string_view name, bool upper) {
  std::string s(name);
  for (char& c : s) c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c)) : std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(PropertyLookup, EveryPropertyIsFoundInAnyCaseAlongTheClassChain) {
  const ui::TypeInfo* kinds[] = {&ui::Form::kType, &TPanel::kType,        &TLabel::kType,  &TImage::kType,
                                 &TSpeedButton::kType, &ui::Font::kType, &GraphicBitmap::kType};
  for (const ui::TypeInfo* kind : kinds)
    for (const ui::TypeInfo* t = kind; t; t = t->parent)
      for (const ui::PropInfo& p : t->props) {
        SCOPED_TRACE(std::string(kind->className) + "." + std::string(p.name));
        EXPECT_EQ(kind->findProperty(p.name), &p);
        EXPECT_EQ(kind->findProperty(withCase(p.name, true)), &p);
        EXPECT_EQ(kind->findProperty(withCase(p.name, false)), &p);
      }
  EXPECT_EQ(TLabel::kType.findProperty("Captions"), nullptr);
  EXPECT_EQ(TLabel::kType.findProperty("Captio"), nullptr);
  EXPECT_EQ(TLabel::kType.findProperty(""), nullptr);
  EXPECT_EQ(ui::Font::kType.findProperty("Left"), nullptr);  // not a control's
}

}  // namespace
}  // namespace apostila::content
