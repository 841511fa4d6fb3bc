// The page registry: one program-wide reference per page, typed to the page's class, filled at
// start-up just before each page is built. Pages reach each other only through it.
#pragma once

#include <string_view>

#include "pages/ConclusionPage.h"
#include "pages/ContentsMenu.h"
#include "pages/InfoPage.h"
#include "pages/QuestionPage.h"
#include "pages/StartPage.h"
#include "pages/TheoryPage.h"

namespace apostila::ui {
class Application;
}

namespace apostila::app {

extern pages::Tformintro* formintro;
extern pages::TForm1* Form1;
extern pages::TForm2* Form2;
extern pages::TForm3* Form3;
extern pages::TForm4* Form4;
extern pages::TForm5* Form5;
extern pages::TForm6* Form6;
extern pages::TForm7* Form7;
extern pages::TForm8* Form8;
extern pages::TForm9* Form9;
extern pages::TForm10* Form10;
extern pages::TForm11* Form11;
extern pages::TForm12* Form12;
extern pages::TForm13* Form13;
extern pages::TForm14* Form14;
extern pages::TForm15* Form15;
extern pages::TForm16* Form16;
extern pages::TForm17* Form17;
extern pages::TForm18* Form18;
extern pages::TForm19* Form19;
extern pages::TForm20* Form20;
extern pages::TForm21* Form21;
extern pages::TForm22* Form22;
extern pages::TForm23* Form23;
extern pages::TForm24* Form24;
extern pages::TForm25* Form25;
extern pages::TForm26* Form26;
extern pages::TForm27* Form27;
extern pages::TForm28* Form28;
extern pages::TForm29* Form29;
extern pages::TForm30* Form30;
extern pages::TForm31* Form31;
extern pages::TForm32* Form32;
extern pages::TForm33* Form33;
extern pages::TForm34* Form34;
extern pages::TForm35* Form35;
extern pages::TForm36* Form36;
extern pages::TForm37* Form37;
extern pages::TForm38* Form38;
extern pages::TForm39* Form39;
extern pages::TForm40* Form40;
extern pages::TForm41* Form41;
extern pages::TForm42* Form42;
extern pages::TForm43* Form43;
extern pages::TForm44* Form44;
extern pages::TForm45* Form45;
extern pages::TForm46* Form46;
extern pages::TForm47* Form47;
extern pages::TForm48* Form48;
extern pages::TForm49* Form49;
extern pages::TForm50* Form50;
extern pages::TForm51* Form51;
extern pages::TForm52* Form52;
extern pages::TForm53* Form53;
extern pages::TForm54* Form54;
extern pages::TForm55* Form55;
extern pages::TForm56* Form56;
extern pages::TForm57* Form57;
extern pages::TForm58* Form58;
extern pages::TForm59* Form59;
extern pages::TForm60* Form60;
extern pages::TForm61* Form61;
extern pages::TForm62* Form62;
extern pages::TForm63* Form63;
extern pages::TForm64* Form64;
extern pages::TForm65* Form65;
extern pages::TForm66* Form66;
extern pages::TForm67* Form67;
extern pages::TForm68* Form68;
extern pages::TForm69* Form69;
extern pages::TForm70* Form70;
extern pages::TForm71* Form71;
extern pages::TForm72* Form72;
extern pages::TForm73* Form73;
extern pages::TForm74* Form74;
extern pages::TForm75* Form75;
extern pages::TForm76* Form76;
extern pages::TForm77* Form77;
extern pages::TForm78* Form78;
extern pages::TForm79* Form79;
extern pages::TForm80* Form80;
extern pages::TForm81* Form81;
extern pages::TForm82* Form82;
extern pages::TForm83* Form83;
extern pages::TForm84* Form84;
extern pages::TForm85* Form85;

inline constexpr int kPageCount = 86;

// The page at a place in creation order: 0 the start page, N the page FormN.
ui::Form* page(int order);
// Creates the 86 pages in creation order; the start page becomes the main window.
void createPages(ui::Application& application);
// Empties every entry (when the application that owned the pages is gone).
void clearRegistry();
// The page class of a class name (for the authoring tool's checks), or null.
const ui::PageClassInfo* pageClassNamed(std::string_view className);

}  // namespace apostila::app
