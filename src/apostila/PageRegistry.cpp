// The registry's entries and the creation of the pages, in the course's fixed order.
#include "apostila/PageRegistry.h"

#include <array>

#include "ui/Application.h"

namespace apostila::app {

pages::Tformintro* formintro = nullptr;
pages::TForm1* Form1 = nullptr;
pages::TForm2* Form2 = nullptr;
pages::TForm3* Form3 = nullptr;
pages::TForm4* Form4 = nullptr;
pages::TForm5* Form5 = nullptr;
pages::TForm6* Form6 = nullptr;
pages::TForm7* Form7 = nullptr;
pages::TForm8* Form8 = nullptr;
pages::TForm9* Form9 = nullptr;
pages::TForm10* Form10 = nullptr;
pages::TForm11* Form11 = nullptr;
pages::TForm12* Form12 = nullptr;
pages::TForm13* Form13 = nullptr;
pages::TForm14* Form14 = nullptr;
pages::TForm15* Form15 = nullptr;
pages::TForm16* Form16 = nullptr;
pages::TForm17* Form17 = nullptr;
pages::TForm18* Form18 = nullptr;
pages::TForm19* Form19 = nullptr;
pages::TForm20* Form20 = nullptr;
pages::TForm21* Form21 = nullptr;
pages::TForm22* Form22 = nullptr;
pages::TForm23* Form23 = nullptr;
pages::TForm24* Form24 = nullptr;
pages::TForm25* Form25 = nullptr;
pages::TForm26* Form26 = nullptr;
pages::TForm27* Form27 = nullptr;
pages::TForm28* Form28 = nullptr;
pages::TForm29* Form29 = nullptr;
pages::TForm30* Form30 = nullptr;
pages::TForm31* Form31 = nullptr;
pages::TForm32* Form32 = nullptr;
pages::TForm33* Form33 = nullptr;
pages::TForm34* Form34 = nullptr;
pages::TForm35* Form35 = nullptr;
pages::TForm36* Form36 = nullptr;
pages::TForm37* Form37 = nullptr;
pages::TForm38* Form38 = nullptr;
pages::TForm39* Form39 = nullptr;
pages::TForm40* Form40 = nullptr;
pages::TForm41* Form41 = nullptr;
pages::TForm42* Form42 = nullptr;
pages::TForm43* Form43 = nullptr;
pages::TForm44* Form44 = nullptr;
pages::TForm45* Form45 = nullptr;
pages::TForm46* Form46 = nullptr;
pages::TForm47* Form47 = nullptr;
pages::TForm48* Form48 = nullptr;
pages::TForm49* Form49 = nullptr;
pages::TForm50* Form50 = nullptr;
pages::TForm51* Form51 = nullptr;
pages::TForm52* Form52 = nullptr;
pages::TForm53* Form53 = nullptr;
pages::TForm54* Form54 = nullptr;
pages::TForm55* Form55 = nullptr;
pages::TForm56* Form56 = nullptr;
pages::TForm57* Form57 = nullptr;
pages::TForm58* Form58 = nullptr;
pages::TForm59* Form59 = nullptr;
pages::TForm60* Form60 = nullptr;
pages::TForm61* Form61 = nullptr;
pages::TForm62* Form62 = nullptr;
pages::TForm63* Form63 = nullptr;
pages::TForm64* Form64 = nullptr;
pages::TForm65* Form65 = nullptr;
pages::TForm66* Form66 = nullptr;
pages::TForm67* Form67 = nullptr;
pages::TForm68* Form68 = nullptr;
pages::TForm69* Form69 = nullptr;
pages::TForm70* Form70 = nullptr;
pages::TForm71* Form71 = nullptr;
pages::TForm72* Form72 = nullptr;
pages::TForm73* Form73 = nullptr;
pages::TForm74* Form74 = nullptr;
pages::TForm75* Form75 = nullptr;
pages::TForm76* Form76 = nullptr;
pages::TForm77* Form77 = nullptr;
pages::TForm78* Form78 = nullptr;
pages::TForm79* Form79 = nullptr;
pages::TForm80* Form80 = nullptr;
pages::TForm81* Form81 = nullptr;
pages::TForm82* Form82 = nullptr;
pages::TForm83* Form83 = nullptr;
pages::TForm84* Form84 = nullptr;
pages::TForm85* Form85 = nullptr;

ui::Form* page(int order) {
  switch (order) {
    case 0: return formintro;
    case 1: return Form1;
    case 2: return Form2;
    case 3: return Form3;
    case 4: return Form4;
    case 5: return Form5;
    case 6: return Form6;
    case 7: return Form7;
    case 8: return Form8;
    case 9: return Form9;
    case 10: return Form10;
    case 11: return Form11;
    case 12: return Form12;
    case 13: return Form13;
    case 14: return Form14;
    case 15: return Form15;
    case 16: return Form16;
    case 17: return Form17;
    case 18: return Form18;
    case 19: return Form19;
    case 20: return Form20;
    case 21: return Form21;
    case 22: return Form22;
    case 23: return Form23;
    case 24: return Form24;
    case 25: return Form25;
    case 26: return Form26;
    case 27: return Form27;
    case 28: return Form28;
    case 29: return Form29;
    case 30: return Form30;
    case 31: return Form31;
    case 32: return Form32;
    case 33: return Form33;
    case 34: return Form34;
    case 35: return Form35;
    case 36: return Form36;
    case 37: return Form37;
    case 38: return Form38;
    case 39: return Form39;
    case 40: return Form40;
    case 41: return Form41;
    case 42: return Form42;
    case 43: return Form43;
    case 44: return Form44;
    case 45: return Form45;
    case 46: return Form46;
    case 47: return Form47;
    case 48: return Form48;
    case 49: return Form49;
    case 50: return Form50;
    case 51: return Form51;
    case 52: return Form52;
    case 53: return Form53;
    case 54: return Form54;
    case 55: return Form55;
    case 56: return Form56;
    case 57: return Form57;
    case 58: return Form58;
    case 59: return Form59;
    case 60: return Form60;
    case 61: return Form61;
    case 62: return Form62;
    case 63: return Form63;
    case 64: return Form64;
    case 65: return Form65;
    case 66: return Form66;
    case 67: return Form67;
    case 68: return Form68;
    case 69: return Form69;
    case 70: return Form70;
    case 71: return Form71;
    case 72: return Form72;
    case 73: return Form73;
    case 74: return Form74;
    case 75: return Form75;
    case 76: return Form76;
    case 77: return Form77;
    case 78: return Form78;
    case 79: return Form79;
    case 80: return Form80;
    case 81: return Form81;
    case 82: return Form82;
    case 83: return Form83;
    case 84: return Form84;
    case 85: return Form85;
    default: return nullptr;
  }
}

void createPages(ui::Application& application) {
  application.createForm(formintro);
  application.createForm(Form1);
  application.createForm(Form2);
  application.createForm(Form3);
  application.createForm(Form4);
  application.createForm(Form5);
  application.createForm(Form6);
  application.createForm(Form7);
  application.createForm(Form8);
  application.createForm(Form9);
  application.createForm(Form10);
  application.createForm(Form11);
  application.createForm(Form12);
  application.createForm(Form13);
  application.createForm(Form14);
  application.createForm(Form15);
  application.createForm(Form16);
  application.createForm(Form17);
  application.createForm(Form18);
  application.createForm(Form19);
  application.createForm(Form20);
  application.createForm(Form21);
  application.createForm(Form22);
  application.createForm(Form23);
  application.createForm(Form24);
  application.createForm(Form25);
  application.createForm(Form26);
  application.createForm(Form27);
  application.createForm(Form28);
  application.createForm(Form29);
  application.createForm(Form30);
  application.createForm(Form31);
  application.createForm(Form32);
  application.createForm(Form33);
  application.createForm(Form34);
  application.createForm(Form35);
  application.createForm(Form36);
  application.createForm(Form37);
  application.createForm(Form38);
  application.createForm(Form39);
  application.createForm(Form40);
  application.createForm(Form41);
  application.createForm(Form42);
  application.createForm(Form43);
  application.createForm(Form44);
  application.createForm(Form45);
  application.createForm(Form46);
  application.createForm(Form47);
  application.createForm(Form48);
  application.createForm(Form49);
  application.createForm(Form50);
  application.createForm(Form51);
  application.createForm(Form52);
  application.createForm(Form53);
  application.createForm(Form54);
  application.createForm(Form55);
  application.createForm(Form56);
  application.createForm(Form57);
  application.createForm(Form58);
  application.createForm(Form59);
  application.createForm(Form60);
  application.createForm(Form61);
  application.createForm(Form62);
  application.createForm(Form63);
  application.createForm(Form64);
  application.createForm(Form65);
  application.createForm(Form66);
  application.createForm(Form67);
  application.createForm(Form68);
  application.createForm(Form69);
  application.createForm(Form70);
  application.createForm(Form71);
  application.createForm(Form72);
  application.createForm(Form73);
  application.createForm(Form74);
  application.createForm(Form75);
  application.createForm(Form76);
  application.createForm(Form77);
  application.createForm(Form78);
  application.createForm(Form79);
  application.createForm(Form80);
  application.createForm(Form81);
  application.createForm(Form82);
  application.createForm(Form83);
  application.createForm(Form84);
  application.createForm(Form85);
}

void clearRegistry() {
  formintro = nullptr;
  Form1 = nullptr;
  Form2 = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form5 = nullptr;
  Form6 = nullptr;
  Form7 = nullptr;
  Form8 = nullptr;
  Form9 = nullptr;
  Form10 = nullptr;
  Form11 = nullptr;
  Form12 = nullptr;
  Form13 = nullptr;
  Form14 = nullptr;
  Form15 = nullptr;
  Form16 = nullptr;
  Form17 = nullptr;
  Form18 = nullptr;
  Form19 = nullptr;
  Form20 = nullptr;
  Form21 = nullptr;
  Form22 = nullptr;
  Form23 = nullptr;
  Form24 = nullptr;
  Form25 = nullptr;
  Form26 = nullptr;
  Form27 = nullptr;
  Form28 = nullptr;
  Form29 = nullptr;
  Form30 = nullptr;
  Form31 = nullptr;
  Form32 = nullptr;
  Form33 = nullptr;
  Form34 = nullptr;
  Form35 = nullptr;
  Form36 = nullptr;
  Form37 = nullptr;
  Form38 = nullptr;
  Form39 = nullptr;
  Form40 = nullptr;
  Form41 = nullptr;
  Form42 = nullptr;
  Form43 = nullptr;
  Form44 = nullptr;
  Form45 = nullptr;
  Form46 = nullptr;
  Form47 = nullptr;
  Form48 = nullptr;
  Form49 = nullptr;
  Form50 = nullptr;
  Form51 = nullptr;
  Form52 = nullptr;
  Form53 = nullptr;
  Form54 = nullptr;
  Form55 = nullptr;
  Form56 = nullptr;
  Form57 = nullptr;
  Form58 = nullptr;
  Form59 = nullptr;
  Form60 = nullptr;
  Form61 = nullptr;
  Form62 = nullptr;
  Form63 = nullptr;
  Form64 = nullptr;
  Form65 = nullptr;
  Form66 = nullptr;
  Form67 = nullptr;
  Form68 = nullptr;
  Form69 = nullptr;
  Form70 = nullptr;
  Form71 = nullptr;
  Form72 = nullptr;
  Form73 = nullptr;
  Form74 = nullptr;
  Form75 = nullptr;
  Form76 = nullptr;
  Form77 = nullptr;
  Form78 = nullptr;
  Form79 = nullptr;
  Form80 = nullptr;
  Form81 = nullptr;
  Form82 = nullptr;
  Form83 = nullptr;
  Form84 = nullptr;
  Form85 = nullptr;
}

const ui::PageClassInfo* pageClassNamed(std::string_view className) {
  static const std::array<const ui::PageClassInfo*, kPageCount> classes = {
      &pages::Tformintro::kClass,
      &pages::TForm1::kClass,
      &pages::TForm2::kClass,
      &pages::TForm3::kClass,
      &pages::TForm4::kClass,
      &pages::TForm5::kClass,
      &pages::TForm6::kClass,
      &pages::TForm7::kClass,
      &pages::TForm8::kClass,
      &pages::TForm9::kClass,
      &pages::TForm10::kClass,
      &pages::TForm11::kClass,
      &pages::TForm12::kClass,
      &pages::TForm13::kClass,
      &pages::TForm14::kClass,
      &pages::TForm15::kClass,
      &pages::TForm16::kClass,
      &pages::TForm17::kClass,
      &pages::TForm18::kClass,
      &pages::TForm19::kClass,
      &pages::TForm20::kClass,
      &pages::TForm21::kClass,
      &pages::TForm22::kClass,
      &pages::TForm23::kClass,
      &pages::TForm24::kClass,
      &pages::TForm25::kClass,
      &pages::TForm26::kClass,
      &pages::TForm27::kClass,
      &pages::TForm28::kClass,
      &pages::TForm29::kClass,
      &pages::TForm30::kClass,
      &pages::TForm31::kClass,
      &pages::TForm32::kClass,
      &pages::TForm33::kClass,
      &pages::TForm34::kClass,
      &pages::TForm35::kClass,
      &pages::TForm36::kClass,
      &pages::TForm37::kClass,
      &pages::TForm38::kClass,
      &pages::TForm39::kClass,
      &pages::TForm40::kClass,
      &pages::TForm41::kClass,
      &pages::TForm42::kClass,
      &pages::TForm43::kClass,
      &pages::TForm44::kClass,
      &pages::TForm45::kClass,
      &pages::TForm46::kClass,
      &pages::TForm47::kClass,
      &pages::TForm48::kClass,
      &pages::TForm49::kClass,
      &pages::TForm50::kClass,
      &pages::TForm51::kClass,
      &pages::TForm52::kClass,
      &pages::TForm53::kClass,
      &pages::TForm54::kClass,
      &pages::TForm55::kClass,
      &pages::TForm56::kClass,
      &pages::TForm57::kClass,
      &pages::TForm58::kClass,
      &pages::TForm59::kClass,
      &pages::TForm60::kClass,
      &pages::TForm61::kClass,
      &pages::TForm62::kClass,
      &pages::TForm63::kClass,
      &pages::TForm64::kClass,
      &pages::TForm65::kClass,
      &pages::TForm66::kClass,
      &pages::TForm67::kClass,
      &pages::TForm68::kClass,
      &pages::TForm69::kClass,
      &pages::TForm70::kClass,
      &pages::TForm71::kClass,
      &pages::TForm72::kClass,
      &pages::TForm73::kClass,
      &pages::TForm74::kClass,
      &pages::TForm75::kClass,
      &pages::TForm76::kClass,
      &pages::TForm77::kClass,
      &pages::TForm78::kClass,
      &pages::TForm79::kClass,
      &pages::TForm80::kClass,
      &pages::TForm81::kClass,
      &pages::TForm82::kClass,
      &pages::TForm83::kClass,
      &pages::TForm84::kClass,
      &pages::TForm85::kClass};
  for (const ui::PageClassInfo* c : classes)
    if (ui::sameName(c->className, className)) return c;
  return nullptr;
}

}  // namespace apostila::app
