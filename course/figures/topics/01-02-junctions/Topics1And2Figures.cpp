// The pictures of topics 1 and 2 (Teoria 1 to 4): the layers of the NPN and the PNP, their
// symbols beside the two-diode model of their junctions, and one PN junction drawn forward and
// reverse biased, its depletion layer as wide as the bias makes it.
#include <cmath>
#include <string>

#include "Figures.h"
#include "Topics.h"
#include "drawing/Drawing.h"
#include "drawing/Schematic.h"

namespace apostila::figures {

namespace {

using Align = TextSetter::Align;
using Side = Schematic::Side;

// The two kinds of semiconductor, the same light tints on every picture of these pages.
constexpr std::uint32_t kTintN = 0xCFE0F8;  // N: light blue
constexpr std::uint32_t kTintP = 0xF8D8D0;  // P: light rose
constexpr double kTerminal = 3.5;



void outline(Drawing& d, double left, double top, double right, double bottom) {
  d.polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
}

// A terminal: an open circle where a lead ends, its letter beside it.
void terminal(Drawing& d, Pt at, const std::string& letter, Pt letterAt, Align align) {
  d.circle(at, kTerminal);
  d.boldText(letterAt, letter, align);
}

// One transistor as three layers in a bar: the emitter on the left, the thin base, the wide
// collector on the right, with the leads to E, B and C and the two junctions named.
void layers(Drawing& d, double top, bool npn) {
  const double e0 = 50, b0 = 140, c0 = 168, c1 = 314;  // region edges: emitter, base, collector
  const double barTop = top + 46, barBottom = top + 88, mid = (barTop + barBottom) / 2;
  const std::uint32_t outer = npn ? kTintN : kTintP, inner = npn ? kTintP : kTintN;
  d.fillRect(e0, barTop, b0, barBottom, outer);
  d.fillRect(b0, barTop, c0, barBottom, inner);
  d.fillRect(c0, barTop, c1, barBottom, outer);
  outline(d, e0, barTop, c1, barBottom);
  // The junctions: the boundaries between the layers, drawn heavier.
  {
    Drawing::Style kept(d);
    d.pen(2.5);
    d.line({b0, barTop}, {b0, barBottom});
    d.line({c0, barTop}, {c0, barBottom});
  }

  const std::string o = npn ? "N" : "P", i = npn ? "P" : "N";
  // The emitter is the most heavily doped layer: N+ (or P+).
  d.boldText({(e0 + b0) / 2, mid + 6}, o + "+", Align::Center);
  d.boldText({(b0 + c0) / 2, mid + 6}, i, Align::Center);
  d.boldText({(c0 + c1) / 2, mid + 6}, o, Align::Center);
  d.boldText({10, top + 15}, npn ? "NPN" : "PNP");

  // Leads: the emitter to the left, the collector to the right, the base straight up.
  const double xb = (b0 + c0) / 2;
  d.line({e0, mid}, {22 + kTerminal, mid});
  terminal(d, {22, mid}, "E", {14, mid + 6}, Align::Right);
  d.line({c1, mid}, {342 - kTerminal, mid});
  terminal(d, {342, mid}, "C", {350, mid + 6}, Align::Left);
  d.line({xb, barTop}, {xb, top + 12 + kTerminal});
  terminal(d, {xb, top + 12}, "B", {xb + 8, top + 17}, Align::Left);

  // Each junction named above its boundary, a short stroke pointing at it.
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({b0 - 12, top + 20}, "junção", Align::Right);
    d.text().draw({b0 - 12, top + 36}, "base-emissor", Align::Right);
    d.text().draw({c0 + 12, top + 20}, "junção", Align::Left);
    d.text().draw({c0 + 12, top + 36}, "coletor-base", Align::Left);
    d.arrow({b0 - 10, top + 32}, {b0 - 1, barTop - 2}, 5);
    d.arrow({c0 + 10, top + 32}, {c0 + 1, barTop - 2}, 5);
  }

  const double names = barBottom + 18;
  d.text().draw({(e0 + b0) / 2, names}, "emissor", Align::Center);
  d.text().draw({xb, names}, "base", Align::Center);
  d.text().draw({(c0 + c1) / 2, names}, "coletor", Align::Center);
}

std::vector<std::uint8_t> layerStructures() {
  Drawing d(364, 260);
  layers(d, 0, true);
  layers(d, 132, false);
  {
    // The base is far thinner than drawn: a few micrometres against the emitter's and collector's.
    Drawing::Style inked(d, Drawing::kGrey);
    d.text().draw({360, 256}, "(fora de escala)", Align::Right);
  }
  return d.bmp();
}

// A transistor's symbol on the left and, on the right, the two diodes that stand for its
// junctions: anodes on the P side, so an NPN's diodes point from the base outwards and a
// PNP's from the outer terminals into the base.
void symbolAndDiodes(Drawing& d, double yc, bool npn) {
  Schematic s(d);
  const double reach = 48;
  d.boldText({8, yc - reach + 6}, npn ? "NPN" : "PNP");

  // The symbol, its leads carried out to terminals.
  if (npn)
    s.npn("Q", {30, yc});
  else
    s.pnp("Q", {30, yc});
  const std::string upper = npn ? "C" : "E", lower = npn ? "E" : "C";
  const double xq = s.pin("Q.c").x;
  s.wire({s.pin("Q." + std::string(npn ? "c" : "e")), {xq, yc - reach + kTerminal}});
  s.wire({s.pin("Q." + std::string(npn ? "e" : "c")), {xq, yc + reach - kTerminal}});
  s.wire({s.pin("Q.b"), {14 + kTerminal, yc}});
  terminal(d, {xq, yc - reach}, upper, {xq + 9, yc - reach + 6}, Align::Left);
  terminal(d, {xq, yc + reach}, lower, {xq + 9, yc + reach + 6}, Align::Left);
  terminal(d, {14, yc}, "B", {14, yc - 9}, Align::Center);

  // The diode model, drawn in the same places: outer terminals up and down, the base left.
  const double xd = 166, xbase = 114;
  const Pt node{xd, yc}, top{xd, yc - reach + kTerminal}, bottom{xd, yc + reach - kTerminal};
  const std::string upperJunction = npn ? "coletor-base" : "base-emissor";
  const std::string lowerJunction = npn ? "base-emissor" : "coletor-base";
  if (npn) {
    s.diode("DU", node, top);
    s.diode("DL", node, bottom);
  } else {
    s.diode("DU", top, node);
    s.diode("DL", bottom, node);
  }
  s.wire({{xbase + kTerminal, yc}, node});
  s.dot(node);
  terminal(d, {xd, yc - reach}, upper, {xd + 9, yc - reach + 6}, Align::Left);
  terminal(d, {xd, yc + reach}, lower, {xd + 9, yc + reach + 6}, Align::Left);
  terminal(d, {xbase, yc}, "B", {xbase, yc - 9}, Align::Center);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    // Each junction named in full, on two lines beside its diode.
    d.text().draw({xd + 14, yc - reach / 2 - 3}, "junção");
    d.text().draw({xd + 14, yc - reach / 2 + 13}, upperJunction);
    d.text().draw({xd + 14, yc + reach / 2 - 3}, "junção");
    d.text().draw({xd + 14, yc + reach / 2 + 13}, lowerJunction);
  }
}

std::vector<std::uint8_t> symbolsAndDiodeModels() {
  Drawing d(295, 325);
  d.text().draw({52, 14}, "símbolo", Align::Center);
  d.text().draw({200, 14}, "modelo de diodos", Align::Center);
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.line({8, 166}, {287, 166});
  }
  symbolAndDiodes(d, 90, true);
  symbolAndDiodes(d, 244, false);
  return d.bmp();
}

// The depletion layer's width against the bias, for an abrupt junction: it grows with the
// square root of the barrier the carriers face, the built-in potential less the applied
// voltage. Both junction pictures use this one law and one scale, so the forward-biased layer
// is drawn narrower and the reverse-biased one wider than the same junction unbiased.
constexpr double kBuiltIn = 0.7;        // V, the barrier of a silicon junction
constexpr double kUnbiasedWidth = 40;   // px, the layer's width with no bias
constexpr double kForwardBias = 0.55;   // V
constexpr double kReverseBias = -3;     // V

double depletionWidth(double bias) { return kUnbiasedWidth * std::sqrt((kBuiltIn - bias) / kBuiltIn); }

// Holes as small open circles, free electrons as dots, the fixed ions as circled signs: the
// usual drawing of a junction's charges.
void hole(Drawing& d, Pt at) { d.circle(at, 2.6); }
void electron(Drawing& d, Pt at) { d.circle(at, 2.4, true); }
constexpr double kIonRadius = 3.2;
void ion(Drawing& d, Pt at, bool positive) {
  {
    Drawing::Style kept(d);
    d.pen(1);
    d.circle(at, kIonRadius);
    d.line({at.x - 2, at.y}, {at.x + 2, at.y});
    if (positive) d.line({at.x, at.y - 2}, {at.x, at.y + 2});
  }
}

// One PN junction in its circuit: P on the left, N on the right, a battery and a resistor
// below. Forward: + to P, the layer narrow, the carriers pushed towards the junction and a
// large current. Reverse: + to N, the layer wide, the carriers pulled away and only a leakage.
std::vector<std::uint8_t> junction(int w, int h, bool forward) {
  Drawing d(w, h);
  Schematic s(d);
  const double left = 36, right = w - 37, mid = std::round((left + right) / 2);
  const double top = 46, bottom = 106, half = depletionWidth(forward ? kForwardBias : kReverseBias) / 2;
  const double pEdge = mid - half, nEdge = mid + half;
  d.fillRect(left, top, pEdge, bottom, kTintP);
  d.fillRect(nEdge, top, right, bottom, kTintN);
  d.fillRect(pEdge, top, nEdge, bottom, Drawing::kPaper);
  outline(d, left, top, right, bottom);
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.dashed({pEdge, top}, {pEdge, bottom});
    d.dashed({nEdge, top}, {nEdge, bottom});
  }

  // The free carriers on a staggered grid outside the layer; inside it the fixed ions in
  // columns from the junction outwards, negative on the P side and positive on the N side.
  const double pitch = 10, ionPitch = 10;
  for (int row = 0; row < 5; ++row) {
    const double y = top + 10 + row * 10;
    const double shift = row % 2 == 0 ? 0 : pitch / 2;
    for (double x = left + 7 + shift; x < right - 4; x += pitch) {
      if (x > pEdge - 3 && x < nEdge + 3) continue;
      if (x < mid)
        hole(d, {x, y});
      else
        electron(d, {x, y});
    }
    for (double off = ionPitch / 2; off + kIonRadius < half; off += ionPitch) {
      ion(d, {mid - off, y}, false);
      ion(d, {mid + off, y}, true);
    }
  }
  d.boldText({left - 9, (top + bottom) / 2 + 6}, "P", Align::Right);
  d.boldText({right + 9, (top + bottom) / 2 + 6}, "N", Align::Left);

  // Where the majority carriers go: towards the junction when forward biased, away otherwise.
  {
    Drawing::Style inked(d, Drawing::kBlue);
    const double ya = 34, reach = 56;
    const double holesFrom = forward ? left + 10 : mid - 24, holesTo = forward ? holesFrom + reach : holesFrom - reach;
    const double electronsFrom = forward ? right - 10 : mid + 24,
                 electronsTo = forward ? electronsFrom - reach : electronsFrom + reach;
    d.arrow({holesFrom, ya}, {holesTo, ya});
    d.arrow({electronsFrom, ya}, {electronsTo, ya});
    d.text().draw({(holesFrom + holesTo) / 2, 20}, "lacunas", Align::Center);
    d.text().draw({(electronsFrom + electronsTo) / 2, 20}, "elétrons", Align::Center);
  }

  d.arrow({mid, bottom + 14}, {mid, bottom + 2}, 6);
  d.text().draw({mid, bottom + 28}, "camada de depleção", Align::Center);
  if (!forward) {
    // In reverse bias the majority carriers only move away while the layer widens, just after
    // the source is connected; then the flow stops and only the leakage is left.
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({mid + 18, bottom + 47}, "(setas: só ao ligar)", Align::Center);
  }

  // The circuit: leads from both ends of the bar down to the battery and the resistor.
  const double xl = left + 14, xr = right - 14, yw = 194;
  const Pt batteryLeft{mid - 52, yw}, batteryRight{mid - 12, yw};
  s.wire({{xl, bottom}, {xl, yw}, batteryLeft});
  if (forward)
    s.battery("V", batteryLeft, batteryRight, "V", "", Side::Below);
  else
    s.battery("V", batteryRight, batteryLeft, "V", "", Side::Below);
  s.resistor("R", {batteryRight.x, yw}, {xr - 12, yw}, "R", "", Side::Below);
  s.wire({{xr - 12, yw}, {xr, yw}, {xr, bottom}});
  // The current in the conventional sense: out of the battery's + terminal.
  if (forward)
    s.current({xl, yw - 20}, {xl, yw - 56}, "I", Side::Left);
  else
    s.current({xl, yw - 56}, {xl, yw - 20}, "I_{fuga}", Side::Right);
  return d.bmp();
}

// What each picture shows, read aloud.
std::string describeLayers() {
  return "Desenho fora de escala das camadas dos dois transistores. Em cima, o NPN: uma barra com o "
         "emissor N+ à esquerda, a base P estreita no meio e o coletor N, mais largo, à direita, com os "
         "terminais E à esquerda, B em cima e C à direita; entre o emissor e a base fica a junção "
         "base-emissor, entre a base e o coletor a junção coletor-base. Embaixo, o PNP, igual, com as "
         "camadas P+, N e P.";
}

std::string describeSymbols() {
  return "Desenho em duas linhas, o símbolo à esquerda e o modelo de diodos à direita. NPN: o símbolo com "
         "o coletor em cima, a base à esquerda e o emissor embaixo, com a seta do emissor apontando para "
         "fora; no modelo, dois diodos que saem da base, um para o coletor (a junção coletor-base) e "
         "outro para o emissor (a junção base-emissor), os anodos na base. PNP: o símbolo com o emissor "
         "em cima e a seta apontando para dentro; no modelo, os dois diodos chegam à base, vindos do "
         "emissor (a junção base-emissor) e do coletor (a junção coletor-base), os catodos na base.";
}

std::string describeJunction(bool forward) {
  if (forward)
    return "Desenho de uma junção PN polarizada diretamente: o lado P à esquerda, com lacunas, o lado N à "
           "direita, com elétrons livres, e no meio uma camada de depleção estreita, com íons fixos. A "
           "bateria V, em série com o resistor R, liga o positivo ao lado P. Setas mostram as lacunas e os "
           "elétrons empurrados em direção à junção, e a corrente I sai do positivo da bateria e é grande.";
  return "Desenho de uma junção PN polarizada reversamente: o lado P à esquerda, com lacunas, o lado N à "
         "direita, com elétrons livres, e no meio uma camada de depleção larga, com íons fixos. A bateria V, "
         "em série com o resistor R, liga o positivo ao lado N. Setas mostram as lacunas e os elétrons "
         "afastados da junção, só no instante em que a fonte é ligada; depois resta apenas a pequena "
         "corrente de fuga, I fuga.";
}

}  // namespace

void addTopics1And2Figures(FigureList& list) {
  list.add("t01-camadas.bmp", layerStructures, describeLayers);
  list.add("t02-simbolos.bmp", symbolsAndDiodeModels, describeSymbols);
  list.add("t03-juncao-direta.bmp", [] { return junction(297, 238, true); }, [] { return describeJunction(true); });
  list.add("t04-juncao-reversa.bmp", [] { return junction(295, 235, false); }, [] { return describeJunction(false); });
}

}  // namespace apostila::figures
