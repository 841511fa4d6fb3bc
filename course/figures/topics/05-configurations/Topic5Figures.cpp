// Topic 5, the three basic configurations: the common-emitter, common-base and common-collector
// circuits, each with its input and output loops and its currents, the properties of the first
// two, and a table comparing the three.
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "Figures.h"
#include "Spoken.h"
#include "Topics.h"
#include "drawing/Drawing.h"
#include "drawing/Schematic.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

// "malha de entrada" and "malha de saída" under the loops they name: these are the DC loops,
// no signal is drawn, and the names say which loop each is rather than where a signal goes.
void loopNames(Drawing& d, double inputX, double outputX, double baseline) {
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({inputX, baseline - 16}, "malha de", Align::Center);
    d.text().draw({inputX, baseline}, "entrada", Align::Center);
    d.text().draw({outputX, baseline - 16}, "malha de", Align::Center);
    d.text().draw({outputX, baseline}, "saída", Align::Center);
  }
}

// The input loop of the common-emitter and common-collector circuits: VBB, its + side up,
// drives the base of "Q" through RB; its − side goes down to the shared line.
void baseDrive(Schematic& s, double xBat, double batteryTop, double baseY, double rbFrom, double rbTo, double common) {
  s.battery("VBB", {xBat, batteryTop}, {xBat, batteryTop + 40}, "V_{BB}", "", Side::Right);
  s.wire({s.pin("VBB.a"), {xBat, baseY}, {rbFrom, baseY}});
  s.from({rbFrom, baseY})
      .resistor("RB", Schematic::toX(rbTo), "R_B", "", Side::Above)
      .wire(s.pin("Q.b"), "I_B", Side::Below);
  s.wire({s.pin("VBB.b"), {xBat, common}});
}

// The line both loops share, from x `from` to `to`, grounded at x `at` where the common
// terminal meets it.
void sharedLine(Schematic& s, double from, double to, double at, double y) {
  s.wire({{from, y}, {to, y}});
  s.dot({at, y});
  s.ground("0", {at, y});
}

// Common emitter: VBB drives the base through RB, VCC feeds the collector through RC, and the
// emitter goes to the line both loops share.
std::vector<std::uint8_t> commonEmitter() {
  Drawing d(243, 291);
  Schematic s(d);
  const double common = 245, baseY = 150, xBat = 22, xVcc = 222;
  s.npn("Q", {120, baseY});
  const double xQ = s.pin("Q.c").x;
  baseDrive(s, xBat, 185, baseY, 40, 90, common);
  // Output loop.
  s.from({xQ, 50}).resistor("RC", Schematic::down(50), "R_C", "", Side::Right).wire(s.pin("Q.c"), "I_C", Side::Right);
  s.wire({{xQ, 50}, {xQ, 30}, {xVcc, 30}, {xVcc, 145}});
  s.battery("VCC", {xVcc, 145}, {xVcc, 185}, "V_{CC}", "", Side::Left);
  s.wire({s.pin("VCC.b"), {xVcc, common}});
  // The emitter on the shared line.
  s.wire({s.pin("Q.e"), {xQ, common}});
  s.current(s.pin("Q.e"), {xQ, 215}, "I_E", Side::Right);
  sharedLine(s, xBat, xVcc, xQ, common);
  loopNames(d, 72, 206, 289);
  return d.bmp();
}

// An NPN lying on its side for the common-base circuit: the emitter to the left, the collector
// to the right, the base lead down to `base`. It is the schematic's mirrored NPN turned a
// quarter turn clockwise, so the symbol is the same one every other circuit draws.
struct SideNpn {
  Pt emitter, collector, base;
};

SideNpn npnOnItsSide(Drawing& d, Pt base) {
  cairo_t* cr = d.cr();
  cairo_save(cr);
  // Lines on whole pixels are drawn through pixel centres, (+0.5, +0.5) in the turned frame,
  // which lands at (−0.5, +0.5): one pixel more to the right keeps the leads on the wires.
  cairo_translate(cr, base.x + 1, base.y);
  cairo_rotate(cr, M_PI / 2);
  Schematic local(d);
  local.npn("Q", {0, 0}, true);
  const Pt c = local.pin("Q.c"), e = local.pin("Q.e");
  cairo_restore(cr);
  // (x, y) turned a quarter clockwise is (−y, x).
  return {{base.x - e.y, base.y + e.x}, {base.x - c.y, base.y + c.x}, base};
}

// Common base: the signal enters at the emitter (VEE through RE) and leaves at the collector
// (VCC through RC); the base sits on the line both loops share.
std::vector<std::uint8_t> commonBase() {
  Drawing d(247, 288);
  Schematic s(d);
  const double common = 240, xBat = 24, xVcc = 222;
  const SideNpn q = npnOnItsSide(d, {124, 150});
  const double y = q.emitter.y;
  // Input loop: the emitter must sit below the base, so VEE's − side faces it. The currents
  // are named above their wires, the resistors below theirs.
  s.from(q.emitter).wire(Schematic::toX(84), "I_E", Side::Above).resistor("RE", Schematic::left(50), "R_E", "", Side::Below);
  s.wire({{34, y}, {xBat, y}, {xBat, 170}});
  s.battery("VEE", {xBat, 210}, {xBat, 170}, "V_{EE}", "", Side::Right);
  s.wire({{xBat, 210}, {xBat, common}});
  // Output loop.
  // IC comes from VCC through RC into the collector, so that IE = IB + IC at the transistor.
  s.wire({q.collector, {164, y}});
  s.current({164, y}, q.collector, "I_C", Side::Above);
  s.from({164, y}).resistor("RC", Schematic::right(48), "R_C", "", Side::Below);
  s.wire({{212, y}, {xVcc, y}, {xVcc, 170}});
  s.battery("VCC", {xVcc, 170}, {xVcc, 210}, "V_{CC}", "", Side::Left);
  s.wire({{xVcc, 210}, {xVcc, common}});
  // The base on the shared line; its current flows in from below.
  s.wire({q.base, {q.base.x, common}});
  s.current({q.base.x, common}, {q.base.x, q.base.y}, "I_B", Side::Right);
  sharedLine(s, xBat, xVcc, q.base.x, common);
  loopNames(d, 64, 186, 280);
  return d.bmp();
}

// Common collector (emitter follower): the input drives the base through RB, the collector
// goes straight to VCC, and the output is taken across RE.
std::vector<std::uint8_t> commonCollector() {
  Drawing d(256, 255);
  Schematic s(d);
  const double common = 215, baseY = 100, xBat = 22, xVcc = 230;
  s.npn("Q", {110, baseY});
  const double xQ = s.pin("Q.c").x;
  baseDrive(s, xBat, 135, baseY, 36, 84, common);
  // The collector straight to the supply.
  s.wire({s.pin("Q.c"), {xQ, 30}, {xVcc, 30}, {xVcc, 90}});
  s.battery("VCC", {xVcc, 90}, {xVcc, 130}, "V_{CC}", "", Side::Left);
  s.wire({s.pin("VCC.b"), {xVcc, common}});
  // The output across RE.
  s.from(s.pin("Q.e")).wire(Schematic::toY(140), "I_E", Side::Left).resistor("RE", Schematic::down(55), "R_E", "", Side::Left);
  s.voltage({xQ, 140}, {xQ, 195}, "V_E", Side::Right);
  s.wire({{xQ, 195}, {xQ, common}});
  sharedLine(s, xBat, xVcc, xQ, common);
  loopNames(d, 66, 210, 249);
  return d.bmp();
}

// A ruled table: a header row in bold and rows of cells, the first column flush left and the
// others centred. Every cell is measured, so a text too wide for its column stops the build
// instead of running into its neighbour.
struct Table {
  std::vector<double> columns;  // widths in pixels; they add up to the picture's width
  double rowHeight;
  std::vector<std::vector<std::string>> rows;
  bool header = true;  // the first row names the columns: bold on a shaded band
};

std::vector<std::uint8_t> drawTable(int w, int h, const Table& t) {
  Drawing d(w, h);
  TextSetter& text = d.text();
  double right = 0;
  for (double c : t.columns) right += c;
  const double bottom = t.rowHeight * static_cast<double>(t.rows.size());
  if (right > w || bottom > h) throw std::logic_error("table: larger than its picture");
  const double x0 = std::floor((w - right) / 2), y0 = std::floor((h - bottom) / 2);
  if (t.header)
    d.fillPolygon({{x0, y0}, {x0 + right, y0}, {x0 + right, y0 + t.rowHeight}, {x0, y0 + t.rowHeight}}, Drawing::kShade);
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    const double baseline = y0 + t.rowHeight * static_cast<double>(r) + t.rowHeight / 2 + 5;
    double x = x0;
    const bool head = t.header && r == 0;
    text.bold(head);
    for (std::size_t c = 0; c < t.columns.size() && c < t.rows[r].size(); ++c) {
      const std::string& cell = t.rows[r][c];
      if (text.measure(cell).width > t.columns[c] - 8) throw std::logic_error("table: \"" + cell + "\" is too wide");
      d.ink(c == 0 || head ? Drawing::kBlack : Drawing::kBlue);
      if (c == 0)
        text.draw({x + 6, baseline}, cell);
      else
        text.draw({x + t.columns[c] / 2, baseline}, cell, Align::Center);
      x += t.columns[c];
    }
  }
  text.bold(false);
  d.ink(Drawing::kGrey);
  d.pen(1);
  for (std::size_t r = 0; r <= t.rows.size(); ++r) {
    const double y = y0 + t.rowHeight * static_cast<double>(r);
    d.line({x0, y}, {x0 + right - 1, y});
  }
  double x = x0;
  for (std::size_t c = 0; c <= t.columns.size(); ++c) {
    const double at = std::fmin(x, x0 + right - 1);
    d.line({at, y0}, {at, y0 + bottom});
    if (c < t.columns.size()) x += t.columns[c];
  }
  return d.bmp();
}

// What one configuration does: a property on the left, its value in blue on the right.
std::vector<std::uint8_t> properties(int w, int h, const std::vector<std::pair<std::string, std::string>>& rows) {
  Table t{{std::floor(w * 0.55), std::floor(w * 0.45) - 1}, std::floor((h - 2) / static_cast<double>(rows.size())), {},
          false};
  for (const auto& [name, value] : rows) t.rows.push_back({name, value});
  return drawTable(w, h, t);
}

using Rows = std::vector<std::pair<std::string, std::string>>;

const Rows& commonEmitterProperties() {
  static const Rows rows{{"Entrada", "base"}, {"Saída", "coletor"}, {"Ganho de corrente", "β = I_C / I_B"},
                         {"Fase da saída", "invertida"}};
  return rows;
}

const Rows& commonBaseProperties() {
  static const Rows rows{{"Entrada", "emissor"}, {"Saída", "coletor"}, {"Ganho de corrente", "α = I_C / I_E"},
                         {"Fase da saída", "sem inversão"}};
  return rows;
}

const Table& comparison() {
  static const Table table{{77, 66, 66, 66},
                           22,
                           {{"", "EC", "BC", "CC"},
                            {"A_i", "β", "α < 1", "β + 1"},
                            {"A_v", "alto", "alto", "≈ 1"},
                            {"R_{ent}", "média", "baixa", "alta"},
                            {"R_{saída}", "alta", "alta", "baixa"},
                            {"Fase", "180°", "0°", "0°"}}};
  return table;
}

// What each picture shows, read aloud; the tables from the rows they are drawn from.
std::string describeProperties(const std::string& configuration, const Rows& rows) {
  std::string out = "Tabela das propriedades da configuração " + configuration + ":";
  for (const auto& [name, value] : rows) out += " " + name + ", " + spoken(value) + ";";
  out.back() = '.';
  return out;
}

std::string describeComparison() {
  const auto& rows = comparison().rows;
  std::string out = "Tabela que compara as três configurações, emissor comum (EC), base comum (BC) e coletor "
                    "comum (CC).";
  for (std::size_t r = 1; r < rows.size(); ++r) {
    out += " " + spoken(rows[r][0]) + ":";
    for (std::size_t c = 1; c < rows[r].size(); ++c)
      out += std::string(c == 1 ? " " : ", ") + rows[0][c] + " " + spoken(rows[r][c]);
    out += ".";
  }
  return out;
}

std::string describeCommonEmitter() {
  return "Circuito emissor comum com um NPN. Malha de entrada: a bateria VBB alimenta a base através de RB, "
         "com IB entrando na base. Malha de saída: a bateria VCC alimenta o coletor através de RC, com IC "
         "entrando no coletor. O emissor, com IE saindo, fica na linha de terra que as duas malhas "
         "compartilham.";
}

std::string describeCommonBase() {
  return "Circuito base comum com um NPN deitado, o emissor à esquerda e o coletor à direita. Malha de "
         "entrada: a bateria VEE, através de RE, ligada ao emissor, com IE saindo do emissor. Malha de saída: "
         "a bateria VCC, através de RC, ligada ao coletor, com IC entrando no coletor. A base vai à linha de "
         "terra que as duas malhas compartilham, com IB entrando na base.";
}

std::string describeCommonCollector() {
  return "Circuito coletor comum, o seguidor de emissor, com um NPN. Malha de entrada: a bateria VBB alimenta "
         "a base através de RB, com IB entrando. O coletor vai direto à bateria VCC. Malha de saída: o "
         "emissor, com IE saindo, desce por RE até a linha de terra compartilhada, e a tensão VE sobre RE é "
         "a saída.";
}

}  // namespace

void addTopic5Figures(FigureList& list) {
  list.add("t12-emissor-comum.bmp", commonEmitter, describeCommonEmitter);
  list.add("t12-propriedades-ec.bmp", [] { return properties(293, 104, commonEmitterProperties()); },
           [] { return describeProperties("emissor comum", commonEmitterProperties()); });
  list.add("t13-base-comum.bmp", commonBase, describeCommonBase);
  list.add("t13-propriedades-bc.bmp", [] { return properties(292, 101, commonBaseProperties()); },
           [] { return describeProperties("base comum", commonBaseProperties()); });
  list.add("t14-coletor-comum.bmp", commonCollector, describeCommonCollector);
  list.add("t14-comparacao.bmp", [] { return drawTable(275, 135, comparison()); }, describeComparison);
}

}  // namespace apostila::figures
