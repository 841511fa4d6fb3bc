// The one list of the course's 86 pages, in creation order: the start page, then Form1 to
// Form85. Page `id` has the class `Tid` and the definition named "TID". The registry is made
// from this list, and the build reads it to know which page sources to compile, so a page is
// added or removed here and nowhere else. One page per line, as X(id), for both readers.
#pragma once

// clang-format off
#define APOSTILA_PAGE_LIST(X) \
  X(formintro) \
  X(Form1) \
  X(Form2) \
  X(Form3) \
  X(Form4) \
  X(Form5) \
  X(Form6) \
  X(Form7) \
  X(Form8) \
  X(Form9) \
  X(Form10) \
  X(Form11) \
  X(Form12) \
  X(Form13) \
  X(Form14) \
  X(Form15) \
  X(Form16) \
  X(Form17) \
  X(Form18) \
  X(Form19) \
  X(Form20) \
  X(Form21) \
  X(Form22) \
  X(Form23) \
  X(Form24) \
  X(Form25) \
  X(Form26) \
  X(Form27) \
  X(Form28) \
  X(Form29) \
  X(Form30) \
  X(Form31) \
  X(Form32) \
  X(Form33) \
  X(Form34) \
  X(Form35) \
  X(Form36) \
  X(Form37) \
  X(Form38) \
  X(Form39) \
  X(Form40) \
  X(Form41) \
  X(Form42) \
  X(Form43) \
  X(Form44) \
  X(Form45) \
  X(Form46) \
  X(Form47) \
  X(Form48) \
  X(Form49) \
  X(Form50) \
  X(Form51) \
  X(Form52) \
  X(Form53) \
  X(Form54) \
  X(Form55) \
  X(Form56) \
  X(Form57) \
  X(Form58) \
  X(Form59) \
  X(Form60) \
  X(Form61) \
  X(Form62) \
  X(Form63) \
  X(Form64) \
  X(Form65) \
  X(Form66) \
  X(Form67) \
  X(Form68) \
  X(Form69) \
  X(Form70) \
  X(Form71) \
  X(Form72) \
  X(Form73) \
  X(Form74) \
  X(Form75) \
  X(Form76) \
  X(Form77) \
  X(Form78) \
  X(Form79) \
  X(Form80) \
  X(Form81) \
  X(Form82) \
  X(Form83) \
  X(Form84) \
  X(Form85)
// clang-format on
