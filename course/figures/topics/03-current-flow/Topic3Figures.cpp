// The pictures of topic 3, current flow in the transistor: the carriers crossing an NPN in the
// active region (Teoria 5), the conventional currents of NPN and PNP (Teoria 6), the three
// equation strips of Teoria 7, and the NPN and PNP side by side (Teoria 8). Every number they
// show is a named value.
#include <string>
#include <vector>

#include "Topics.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/QuantityText.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

constexpr std::uint32_t kNFill = 0xDCE6F5;     // N-doped silicon
constexpr std::uint32_t kPFill = 0xF7E1D5;     // P-doped silicon
constexpr std::uint32_t kHoleInk = 0x9A1F1F;   // holes, where the electrons are blue
constexpr double kLarge = 22;                  // the size of a strip's main equation


// The dashed grey line between the NPN's half of a picture and the PNP's.
void divider(Drawing& d, double x, double top, double bottom) {
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.dashed({x, top}, {x, bottom});
  }
}

// A carrier as it is drawn in the bars: an electron a small filled dot, a hole a small ring.
void carrier(Drawing& d, Pt at, bool hole) {
  {
    Drawing::Style kept(d);
    d.pen(1.2);
    d.circle(at, hole ? 2.6 : 2.4, !hole);
  }
}

// The three layers of a transistor as a bar, emitter on the left, each layer filled by its
// doping and lettered with it; the depletion layers as light bands at the two junctions, narrow
// at the forward-biased base–emitter junction, wide at the reverse-biased collector–base
// junction and reaching mostly into the lightly doped collector; and the emitter's majority
// carriers (electrons in an NPN, holes in a PNP) crossing to the collector, one arrow per row.
struct Bar {
  double left, top, height;
  double emitter, base, collector;  // widths
  std::vector<double> rows;         // y of the carrier arrows, from the top
  double letters;                   // baseline of the layer letters, from the top
  double baseX() const { return left + emitter + base / 2; }
  double right() const { return left + emitter + base + collector; }
  double bottom() const { return top + height; }
};

void layerBar(Drawing& d, const Bar& b, bool pnp) {
  const double x1 = b.left + b.emitter, x2 = x1 + b.base, x3 = b.right();
  const auto box = [&](double from, double to) {
    return std::vector<Pt>{{from, b.top}, {to, b.top}, {to, b.bottom()}, {from, b.bottom()}};
  };
  d.fillPolygon(box(b.left, x1), pnp ? kPFill : kNFill);
  d.fillPolygon(box(x1, x2), pnp ? kNFill : kPFill);
  d.fillPolygon(box(x2, x3), pnp ? kPFill : kNFill);
  // Depletion layers, drawn blank between dashed edges.
  const double be = b.base * 0.2, bcBase = b.base * 0.18, bcCollector = b.collector * 0.13;
  d.fillPolygon(box(x1 - be / 2, x1 + be / 2), Drawing::kPaper);
  d.fillPolygon(box(x2 - bcBase, x2 + bcCollector), Drawing::kPaper);
  d.ink(Drawing::kGrey);
  {
    Drawing::Style kept(d);
    d.pen(1);
    for (double x : {x1 - be / 2, x1 + be / 2, x2 - bcBase, x2 + bcCollector}) d.dashed({x, b.top}, {x, b.bottom()});
  }
  d.ink(Drawing::kBlack);
  cairo_rectangle(d.cr(), b.left + 0.5, b.top + 0.5, x3 - b.left - 1, b.height - 1);
  cairo_stroke(d.cr());
  d.line({x1, b.top}, {x1, b.bottom()});
  d.line({x2, b.top}, {x2, b.bottom()});
  const char* outer = pnp ? "P" : "N";
  d.boldText({b.left + b.emitter / 2, b.top + b.letters}, outer, Align::Center);
  d.boldText({(x1 + x2) / 2, b.top + b.letters}, pnp ? "N" : "P", Align::Center);
  d.boldText({(x2 + x3) / 2, b.top + b.letters}, outer, Align::Center);
  // A few of the base's own majority carriers, which some arrivals meet and recombine with.
  {
    Drawing::Style inked(d, pnp ? Drawing::kBlue : kHoleInk);
    for (std::size_t i = 0; i + 1 < b.rows.size(); ++i)
      carrier(d, {x1 + b.base * (i % 2 ? 0.62 : 0.38), b.top + (b.rows[i] + b.rows[i + 1]) / 2}, !pnp);
  }
  {
    Drawing::Style inked(d, pnp ? kHoleInk : Drawing::kBlue);
    for (double row : b.rows) {
      const double y = b.top + row;
      carrier(d, {b.left + 9, y}, pnp);
      d.arrow({b.left + 14, y}, {x3 - 8, y}, 6);
    }
  }
}

// A transistor symbol with leads drawn out to small terminal circles, its three conventional
// currents as arrows on the leads: in an NPN IB and IC flow in and IE out, in a PNP the
// other way round. Names (and values, where given) beside the arrows; the base lead is `lead`
// long, the other two reach `reach` pixels up and down from the base's height.
struct Currents {
  std::string ib = "", ic = "", ie = "";  // values shown under the names; empty for names alone
  double lead = 60, reach = 75;
  Side baseSide = Side::Below;
  bool letters = true;  // B, C and E at the terminals
};

void symbolWithCurrents(Drawing& d, Pt base, bool pnp, const Currents& c) {
  Schematic s(d);
  if (pnp)
    s.pnp("Q", base);
  else
    s.npn("Q", base);
  const Pt b0{base.x - c.lead, base.y};
  const Pt top{s.pin(pnp ? "Q.e" : "Q.c").x, base.y - c.reach};
  const Pt bottom{top.x, base.y + c.reach};
  const Pt upper = s.pin(pnp ? "Q.e" : "Q.c"), lower = s.pin(pnp ? "Q.c" : "Q.e");
  const double t = 3;  // terminal circle radius
  s.wire({{b0.x + t, b0.y}, base});
  s.wire({{top.x, top.y + t}, upper});
  s.wire({lower, {bottom.x, bottom.y - t}});
  for (Pt p : {b0, top, bottom}) d.circle(p, t);
  // Arrows: in an NPN down the collector, into the base, down out of the emitter; in a PNP
  // down into the emitter, out of the base, down out of the collector.
  const Pt bIn{b0.x + t, base.y};
  if (pnp)
    s.current(base, bIn, "", c.baseSide);
  else
    s.current(bIn, base, "", c.baseSide);
  s.current({top.x, top.y + t}, upper, "");
  s.current(lower, {bottom.x, bottom.y - t}, "");
  s.label(bIn, base, "I_B", c.ib, c.baseSide);
  s.label({top.x, top.y + t}, upper, pnp ? "I_E" : "I_C", pnp ? c.ie : c.ic, Side::Right);
  s.label(lower, {bottom.x, bottom.y - t}, pnp ? "I_C" : "I_E", pnp ? c.ic : c.ie, Side::Right);
  if (c.letters) {
    d.text().draw({b0.x, b0.y - 9}, "B", Align::Center);
    d.text().draw({top.x - 9, top.y + 5}, pnp ? "E" : "C", Align::Right);
    d.text().draw({bottom.x - 9, bottom.y + 5}, pnp ? "C" : "E", Align::Right);
  }
}

// Teoria 5: the NPN bar in the active region, VEE forward-biasing the base–emitter junction
// and VCC reverse-biasing the collector–base junction, with the electrons that cross it.
std::vector<std::uint8_t> carrierFlow() {
  Drawing d(334, 289);
  const Bar b{.left = 24, .top = 34, .height = 100, .emitter = 86, .base = 32, .collector = 168,
              .rows = {38, 56, 74}, .letters = 22};
  d.text().draw({b.left + b.emitter / 2, 24}, "emissor", Align::Center);
  d.text().draw({b.baseX(), 24}, "base", Align::Center);
  d.text().draw({b.right() - b.collector / 2, 24}, "coletor", Align::Center);
  layerBar(d, b, false);
  // The electron that recombines: it enters the base and leaves by the base lead.
  const double y = b.top + 90, bx = b.baseX();
  {
    Drawing::Style inked(d, Drawing::kBlue);
    carrier(d, {b.left + 9, y}, false);
    cairo_t* cr = d.cr();
    cairo_move_to(cr, b.left + 14, y + 0.5);
    cairo_line_to(cr, bx - 16, y + 0.5);
    cairo_curve_to(cr, bx - 4, y + 0.5, bx + 0.5, y + 4, bx + 0.5, b.bottom() + 4);
    cairo_line_to(cr, bx + 0.5, b.bottom() + 24);
    cairo_stroke(cr);
    d.arrowHead({bx + 0.5, b.bottom() + 30}, 0, 1, 7);
  }
  // Leads and the two supplies under the bar.
  Schematic s(d);
  const double mid = b.top + b.height / 2, rail = 214, xe = 10, xc = b.right() + 14;
  s.wire({{b.left, mid}, {xe, mid}, {xe, rail}});
  s.wire({{b.right(), mid}, {xc, mid}, {xc, rail}});
  s.wire({{bx, b.bottom()}, {bx, b.bottom() + 14}});
  s.wire({{bx, b.bottom() + 36}, {bx, rail}});
  s.dot({bx, rail});
  s.battery("VEE", {bx, rail}, {xe, rail}, "V_{EE}", "", Side::Below);
  s.battery("VCC", {xc, rail}, {bx, rail}, "V_{CC}", "", Side::Below);
  d.text().draw({xe + 8, 174}, "I_E");
  d.text().draw({bx + 8, 174}, "I_B");
  d.text().draw({xc - 8, 174}, "I_C", Align::Right);
  // One electron in four recombines here, against about one in two hundred in the transistor.
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.text().draw({(bx + xc) / 2 + 8, 174}, "(fora de escala)", Align::Center);
  }
  // The key: the arrows are the electrons' motion, not the conventional currents.
  const double ky = 276;
  {
    Drawing::Style inked(d, Drawing::kBlue);
    carrier(d, {34, ky - 5}, false);
    d.arrow({39, ky - 5}, {64, ky - 5}, 6);
  }
  d.text().draw({72, ky}, "fluxo de el\u00E9trons");
  {
    Drawing::Style inked(d, kHoleInk);
    carrier(d, {242, ky - 5}, true);
  }
  d.text().draw({252, ky}, "lacunas");
  return d.bmp();
}

// Teoria 6: the conventional currents of an NPN and a PNP with the model's values at IC = 1 mA.
std::vector<std::uint8_t> conventionalCurrents() {
  Drawing d(432, 307);
  const Currents c{.ib = val("t06.ib"), .ic = val("t06.ic"), .ie = val("t06.ie"), .lead = 58, .reach = 86};
  for (const bool pnp : {false, true}) {
    const double cx = pnp ? 324 : 108;
    d.boldText({cx, 20}, pnp ? "PNP" : "NPN", Align::Center);
    // Left of the centre, so that the widest value clears the column's right edge.
    symbolWithCurrents(d, {cx - 38, 128}, pnp, c);
    d.text().draw({cx, 256}, "I_E = I_B + I_C", Align::Center);
    d.text().draw({cx, 284}, pnp ? "entra I_E; saem I_B e I_C" : "entram I_B e I_C; sai I_E", Align::Center);
  }
  divider(d, 216, 8, 296);
  return d.bmp();
}

// Teoria 7, first strip: the currents meet at the transistor as at a node.
std::vector<std::uint8_t> nodeLaw() {
  Drawing d(482, 95);
  symbolWithCurrents(d, {48, 47}, false, {.lead = 34, .reach = 44, .baseSide = Side::Above, .letters = false});
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.boldText({300, 44}, "I_E = I_B + I_C", Align::Center, kLarge);
  }
  d.text().draw({300, 80}, "I_B \u226A I_C, ent\u00E3o I_E \u2248 I_C", Align::Center);
  return d.bmp();
}

// Teoria 7, second strip: the collector current's two parts.
std::vector<std::uint8_t> collectorParts() {
  Drawing d(467, 121);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.boldText({233, 30}, "I_C = I_{C(maj)} + I_{CBO}", Align::Center, kLarge);
  }
  TextSetter& t = d.text();
  t.draw({8, 64}, "I_{C(maj)}: corrente dos el\u00E9trons que v\u00EAm do emissor");
  t.draw({8, 89}, "I_{CBO}: fuga da jun\u00E7\u00E3o coletor-base, emissor aberto");
  t.draw({8, 114}, "(da ordem de " + val("t07.icbo") + " nos transistores de pequeno sinal, a " +
                       QuantityText::plain(DeviceModel::kRoomCelsius) + " \u00B0C)");
  return d.bmp();
}

// Teoria 7, third strip: the worked example.
std::vector<std::uint8_t> workedExample() {
  Drawing d(419, 130);
  d.text().draw({6, 15}, "Dados: I_E = " + val("t07.ie") + ", I_B = " + val("t07.ib") + ", I_{CBO} = " +
                             val("t07.icbo"));
  Equation eq(d, 3);
  eq.row("I_C = I_E \u2212 I_B = " + worked("t07.ic"));
  eq.row("= " + val("t07.ic"), Drawing::kBlue);
  eq.row("I_{C(maj)} = I_C \u2212 I_{CBO} = " + worked("t07.ic_maj"));
  eq.row("= " + val("t07.ic_maj"), Drawing::kBlue);
  const double end = eq.draw({6, 22});
  d.text().draw({6, end + 19}, "A " + QuantityText::plain(DeviceModel::kRoomCelsius) +
                                   " \u00B0C, a fuga I_{CBO} quase n\u00E3o altera I_C.");
  return d.bmp();
}

// Teoria 8: NPN and PNP side by side: layers and carriers, symbol and currents, polarities.
std::vector<std::uint8_t> npnBesidePnp() {
  Drawing d(535, 300);
  const Currents c{.lead = 56, .reach = 46};
  for (const bool pnp : {false, true}) {
    const double cx = pnp ? 401 : 134;
    d.boldText({cx, 18}, pnp ? "PNP" : "NPN", Align::Center);
    const Bar b{.left = cx - 110, .top = 28, .height = 58, .emitter = 72, .base = 30, .collector = 118,
                .rows = {13, 29}, .letters = 52};
    layerBar(d, b, pnp);
    d.text().draw({b.left + b.emitter / 2, 106}, "E", Align::Center);
    d.text().draw({b.baseX(), 106}, "B", Align::Center);
    d.text().draw({b.right() - b.collector / 2, 106}, "C", Align::Center);
    symbolWithCurrents(d, {cx - 20, 166}, pnp, c);
    TextSetter& t = d.text();
    // What the emitter injects, not the only carriers: both kinds take part in either type.
    t.draw({cx, 244}, pnp ? "o emissor injeta lacunas" : "o emissor injeta el\u00E9trons", Align::Center);
    t.draw({cx, 268}, pnp ? "V_{BE} \u2248 \u2212" + val("hand.vbe") + ", V_{CE} < 0" : "V_{BE} \u2248 " + val("hand.vbe") + ", V_{CE} > 0",
           Align::Center);
    t.draw({cx, 292}, pnp ? "I_B sai da base" : "I_B entra na base", Align::Center);
  }
  divider(d, 267, 6, 296);
  return d.bmp();
}

// What each picture shows, read aloud, from the values it is lettered with.
std::string describeCarrierFlow() {
  return "Desenho de um NPN na região ativa, fora de escala: uma barra com o emissor N à esquerda, a base P "
         "estreita e o coletor N à direita, e as camadas de depleção nas duas junções, estreita na junção "
         "base-emissor e larga na junção coletor-base. A bateria VEE, entre o emissor e a base, polariza "
         "diretamente a junção base-emissor; a bateria VCC, entre a base e o coletor, polariza reversamente "
         "a junção coletor-base. Setas em azul mostram o fluxo de elétrons: quase todos os elétrons que "
         "saem do emissor atravessam a base e chegam ao coletor; um deles se recombina com uma lacuna da "
         "base e sai pelo terminal da base. Os fios estão marcados IE no emissor, IB na base e IC no coletor.";
}

std::string describeConventionalCurrents() {
  const std::string values = "IB = " + val("t06.ib") + ", IC = " + val("t06.ic") + " e IE = " + val("t06.ie");
  return "Desenho de dois símbolos com as correntes convencionais. À esquerda, o NPN: entram IB na base e IC "
         "no coletor, sai IE pelo emissor, com " + values + ". À direita, o PNP: entra IE pelo emissor, saem "
         "IB da base e IC do coletor, com os mesmos valores. Embaixo de cada um, IE = IB + IC.";
}

std::string describeNodeLaw() {
  return "Símbolo de um NPN com as três correntes, IB e IC entrando e IE saindo, e ao lado, em azul, a lei "
         "dos nós: IE = IB + IC. Embaixo: IB é muito menor que IC, então IE é aproximadamente igual a IC.";
}

std::string describeCollectorParts() {
  return "Equação em azul: IC = IC(maj) + ICBO. IC(maj) é a corrente dos elétrons que vêm do emissor; ICBO "
         "é a fuga da junção coletor-base com o emissor aberto, da ordem de " + val("t07.icbo") +
         " nos transistores de pequeno sinal, a " + QuantityText::plain(DeviceModel::kRoomCelsius) + " °C.";
}

std::string describeWorkedExample() {
  return "Exemplo resolvido. Dados: IE = " + val("t07.ie") + ", IB = " + val("t07.ib") + " e ICBO = " +
         val("t07.icbo") + ". IC = IE − IB = " + workedStep("t07.ic") + ", em azul. IC(maj) = IC − ICBO = " +
         workedStep("t07.ic_maj") + ", em azul. A " + QuantityText::plain(DeviceModel::kRoomCelsius) +
         " °C, a fuga ICBO quase não altera IC.";
}

std::string describeNpnBesidePnp() {
  return "Comparação lado a lado. À esquerda, o NPN: a barra N, P, N com elétrons que o emissor injeta e "
         "atravessam até o coletor; embaixo, o símbolo com IB e IC entrando e IE saindo; VBE ≈ " +
         val("hand.vbe") + ", VCE maior que zero, IB entra na base. À direita, o PNP: a barra P, N, P com "
         "lacunas que o emissor injeta; o símbolo com IE entrando e IB e IC saindo; VBE ≈ −" +
         val("hand.vbe") + ", VCE menor que zero, IB sai da base.";
}

}  // namespace

void addTopic3Figures(FigureList& list) {
  list.add("t05-fluxo-npn.bmp", carrierFlow, describeCarrierFlow);
  list.add("t06-correntes.bmp", conventionalCurrents, describeConventionalCurrents);
  list.add("t07-lei-dos-nos.bmp", nodeLaw, describeNodeLaw);
  list.add("t07-parcelas-ic.bmp", collectorParts, describeCollectorParts);
  list.add("t07-exemplo.bmp", workedExample, describeWorkedExample);
  list.add("t08-npn-pnp.bmp", npnBesidePnp, describeNpnBesidePnp);
}

}  // namespace apostila::figures
