// The measurer element code sizes labels and scales pages with: it must agree with the drawing.
#include <gtest/gtest.h>

#include "ui/Font.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::ui {
namespace {

TEST(TextMeasurer, MeasuresStoredFontsAsTheyAreDrawn) {
  Font stored;  // the pages' default: 11 px sans serif
  const ScreenTextMeasurer m;
  EXPECT_EQ(m.textHeight(stored), 13);  // the pages' design text height: no scaling at load
  stored.setName("Verdana");
  stored.setHeight(-13);
  stored.setStyle(fsBold);
  const ScreenFont drawn(ScreenTextMeasurer::descOf(stored));
  EXPECT_EQ(drawn.desc(), (FontDesc{"Verdana", -13, FontDesc::kBold}));

  // A label's caption: the "&" marks an accelerator and tabs go to their stops.
  const int stop = 8 * drawn.metrics().averageCharWidth;
  const TextSize one = m.measure(stored, "&Sair\tagora", false, 0);
  EXPECT_EQ(one.width, (drawn.textWidth("Sair") / stop + 1) * stop + drawn.textWidth("agora"));
  EXPECT_EQ(one.height, drawn.height());
  const TextSize wrapped = m.measure(stored, "junção base emissor", true, drawn.textWidth("junção base"));
  EXPECT_EQ(wrapped.width, drawn.textWidth("junção base"));
  EXPECT_EQ(wrapped.height, 2 * drawn.height());
}

}  // namespace
}  // namespace apostila::ui
