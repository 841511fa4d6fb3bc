// Topic 6, how voltages and currents are written: the NPN's three terminal voltages as arrows
// whose sum is VCE = VCB + VBE, with the example the page works out, and the PNP with its
// currents and the signs of its voltages.
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "Figures.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/Drawing.h"
#include "drawing/Schematic.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

// A voltage as an arrow from the reference terminal to the terminal measured (the second
// subscript to the first), in blue, with its name beside.
void voltageArrow(Drawing& d, Pt from, Pt to, Pt labelAt, const std::string& name, Align align) {
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.arrow(from, to, 8);
    d.text().draw(labelAt, name, align);
  }
}

// A transistor lead taken out to an open terminal circle, with the terminal's letter.
struct Terminal {
  const char* pin;  // "Q.c"
  Pt at;            // the circle's centre, straight above, below or left of the pin
  const char* letter;
  Pt letterAt;
  Align align;
};

void terminals(Schematic& s, Drawing& d, std::initializer_list<Terminal> list) {
  const double r = 3.5;
  for (const Terminal& t : list) {
    const Pt p = s.pin(t.pin);
    const double dx = t.at.x - p.x, dy = t.at.y - p.y, l = std::hypot(dx, dy);
    s.wire({p, {t.at.x - dx / l * r, t.at.y - dy / l * r}});
    d.circle(t.at, r);
    d.text().draw(t.letterAt, t.letter, t.align);
  }
}

// VCB from B to C and VBE from E to B add up to VCE from E to C.
std::vector<std::uint8_t> doubleSubscripts() {
  Drawing d(332, 140);
  Schematic s(d);
  s.npn("Q", {60, 70});
  const Pt c = s.pin("Q.c"), e = s.pin("Q.e");
  const Pt cT{c.x, 20}, eT{e.x, 120}, bT{22, 70};
  terminals(s, d, {{"Q.c", cT, "C", {cT.x + 9, cT.y + 6}, Align::Left},
                   {"Q.e", eT, "E", {eT.x + 9, eT.y + 6}, Align::Left},
                   {"Q.b", bT, "B", {bT.x - 8, bT.y + 6}, Align::Right}});
  voltageArrow(d, {bT.x + 4, bT.y - 10}, {cT.x - 9, cT.y + 3}, {44, 26}, "V_{CB}", Align::Right);
  voltageArrow(d, {eT.x - 9, eT.y - 3}, {bT.x + 4, bT.y + 10}, {44, 126}, "V_{BE}", Align::Right);
  voltageArrow(d, {c.x + 26, eT.y}, {c.x + 26, cT.y}, {c.x + 32, 76}, "V_{CE}", Align::Left);
  // The sum, and the page's example, in the room right of the VCE arrow.
  const double x = 253;
  d.text().draw({x, 56}, "V_{CE} = V_{CB} + V_{BE}", Align::Center);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({x, 92}, val("t15.vce") + " = " + val("t15.vcb") + " + " + val("hand.vbe"), Align::Center);
  }
  return d.bmp();
}

// The PNP: IE flows in at the emitter, IB and IC flow out, and every voltage of the NPN turns
// its sign.
std::vector<std::uint8_t> pnpPolarities() {
  Drawing d(178, 299);
  Schematic s(d);
  s.pnp("Q", {62, 100});
  const Pt c = s.pin("Q.c"), e = s.pin("Q.e");
  const Pt eT{e.x, 22}, cT{c.x, 178}, bT{22, 100};
  terminals(s, d, {{"Q.e", eT, "E", {eT.x - 9, eT.y + 6}, Align::Right},
                   {"Q.c", cT, "C", {cT.x - 9, cT.y + 6}, Align::Right},
                   {"Q.b", bT, "B", {bT.x, bT.y - 9}, Align::Center}});
  s.current({eT.x, eT.y + 12}, {e.x, e.y - 4}, "I_E", Side::Right);
  s.current({c.x, c.y + 4}, {cT.x, cT.y - 12}, "I_C", Side::Right);
  s.current(s.pin("Q.b"), {bT.x + 6, bT.y}, "I_B", Side::Below);
  const double x = 89;
  d.text().draw({x, 218}, "V_{BE} ≈ −" + val("hand.vbe"), Align::Center);
  d.text().draw({x, 243}, "V_{CE} < 0,  V_{CB} < 0", Align::Center);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({x, 272}, "I_E = I_B + I_C", Align::Center);
  }
  return d.bmp();
}

// What each picture shows, read aloud, from the values it is lettered with.
std::string describeDoubleSubscripts() {
  return "Símbolo de um NPN com os terminais C em cima, B à esquerda e E embaixo, e três tensões como setas "
         "em azul, cada uma do terminal de referência para o terminal medido: VCB da base para o coletor, VBE "
         "do emissor para a base e VCE do emissor para o coletor. Ao lado, VCE = VCB + VBE e, em azul, o "
         "exemplo: " + val("t15.vce") + " = " + val("t15.vcb") + " + " + val("hand.vbe") + ".";
}

std::string describePnpPolarities() {
  return "Símbolo de um PNP com o emissor em cima, a base à esquerda e o coletor embaixo: IE entra pelo "
         "emissor, IB sai da base e IC sai pelo coletor. Embaixo: VBE ≈ −" + val("hand.vbe") +
         ", VCE menor que zero e VCB menor que zero; em azul, IE = IB + IC.";
}

}  // namespace

void addTopic6Figures(FigureList& list) {
  list.add("t15-indices.bmp", doubleSubscripts, describeDoubleSubscripts);
  list.add("t16-pnp-polaridades.bmp", pnpPolarities, describePnpPolarities);
}

}  // namespace apostila::figures
