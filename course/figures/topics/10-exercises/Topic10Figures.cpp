// Topic 10, the worked bias exercises: each exercise is set out the same way, from the same
// code, over the three pictures of its page: the circuit lettered with its data, the check that
// picks a divider's method, the hand solution step by step (equation, substitution, result,
// results in blue), and the model's results with how far they lie from the hand ones. The
// blocks flow into each picture's columns; Teoria 37 sums the six up in a table.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Spoken.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "topics/10-exercises/Topic10Exercises.h"

namespace apostila::figures {

namespace {

using Kind = BiasExercise::Kind;
using Align = TextSetter::Align;

bool isDivider(const BiasExercise& e) { return e.kind == Kind::DividerExact || e.kind == Kind::DividerApproximate; }
bool isPnp(const BiasExercise& e) { return e.kind == Kind::PnpEmitter; }
// The PNP's voltages are written emitter first, so that they are positive.
std::string vbeName(const BiasExercise& e) { return isPnp(e) ? "V_{EB}" : "V_{BE}"; }
std::string vceName(const BiasExercise& e) { return isPnp(e) ? "V_{EC}" : "V_{CE}"; }

// The exercise's circuit for the shared drawings, lettered with its values and β.
BiasCircuitDrawings::Circuit circuitOf(const BiasExercise& e) { return BiasCircuitDrawings::lettered(e.circuit, e.id); }

// A piece of a picture: its size, and how to draw it with its top-left corner at a point.
struct Block {
  double w = 0, h = 0;
  std::function<void(Pt)> draw;
  std::string words = {};  // what it shows, read aloud
};

Block equationBlock(std::shared_ptr<Equation> eq) {
  return {eq->width(), eq->height(), [eq](Pt at) { eq->draw(at); }};
}

// Lines of lettering, one under the other, each in its own ink.
struct Line {
  std::string markup;
  std::uint32_t ink = Drawing::kBlack;
  bool bold = false;
  double size = TextSetter::kMainSize;
};

Block linesBlock(Drawing& d, std::vector<Line> lines) {
  const double step = 19;
  double w = 0;
  for (const Line& l : lines) {
    d.text().bold(l.bold);
    w = std::max(w, d.text().measure(l.markup, l.size).width);
  }
  d.text().bold(false);
  const double h = step * static_cast<double>(lines.size()) - 5;
  std::string words;
  for (const Line& l : lines)
    words += (words.empty() ? "" : " ") + std::string(l.ink == Drawing::kBlue ? "Em azul: " : "") + spoken(l.markup) +
             (l.markup.back() == '?' ? "" : ".");
  return {w, h, [&d, lines, step](Pt at) {
            double y = at.y + 12;
            for (const Line& l : lines) {
              d.ink(l.ink);
              d.text().bold(l.bold);
              d.text().draw({at.x, y}, l.markup, Align::Left, l.size);
              y += step;
            }
            d.text().bold(false);
            d.ink(Drawing::kBlack);
          },
          words};
}

// A ruled table: a header row and rows of cells, each column as wide as its widest cell and the
// room left up to width shared out among them; the first column is set flush left, the others
// centred.
Block tableBlock(Drawing& d, std::vector<std::vector<std::string>> rows, double width, double rowH = 23) {
  const double pad = 4;
  std::vector<double> widths(rows.front().size(), 0);
  for (const auto& r : rows)
    for (std::size_t c = 0; c < r.size(); ++c) widths[c] = std::max(widths[c], d.text().measure(r[c]).width + 2 * pad);
  double w = 0;
  for (double x : widths) w += x;
  const double spare = std::max(0.0, std::floor((width - w) / static_cast<double>(widths.size())));
  for (double& x : widths) x += spare;
  w += spare * static_cast<double>(widths.size());
  const double h = rowH * static_cast<double>(rows.size());
  // Read row by row, each cell after its column's head; the values are in blue.
  std::string words = "Tabela, com os valores em azul.";
  for (std::size_t r = 1; r < rows.size(); ++r) {
    words += " " + spoken(rows[r][0]) + ":";
    for (std::size_t c = 1; c < rows[r].size(); ++c)
      words += (c == 1 ? " " : "; ") + spoken(rows[0][c]) + ", " + spoken(rows[r][c]);
    words += ".";
  }
  return {w, h, [&d, rows, widths, w, h, rowH, pad](Pt at) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
              const double base = at.y + rowH * static_cast<double>(r) + rowH - 6;
              double x = at.x;
              for (std::size_t c = 0; c < rows[r].size(); ++c) {
                d.ink(r == 0 || c == 0 ? Drawing::kBlack : Drawing::kBlue);
                if (c == 0)
                  d.text().draw({x + pad, base}, rows[r][c]);
                else
                  d.text().draw({x + widths[c] / 2, base}, rows[r][c], Align::Center);
                x += widths[c];
              }
            }
            d.ink(Drawing::kBlack);
            {
              Drawing::Style kept(d);
              d.pen(1);
              d.line({at.x, at.y + rowH}, {at.x + w, at.y + rowH});
              double x = at.x;
              for (std::size_t c = 0; c + 1 < widths.size(); ++c) {
                x += widths[c];
                d.line({x, at.y + 2}, {x, at.y + h - 2});
              }
            }
          },
          words};
}

std::string frac(const std::string& num, const std::string& den) { return "\\frac{" + num + "}{" + den + "}"; }

// A block of rows aligned on their equals signs. Rows that end in a result are set in blue:
// the last one, or every one where each row works a quantity out to its end.
Block rows(Drawing& d, std::vector<std::string> lines, bool everyRowAResult = false) {
  auto eq = std::make_shared<Equation>(d, 3);
  std::vector<std::pair<std::string, std::uint32_t>> inked;
  for (std::size_t i = 0; i < lines.size(); ++i)
    inked.emplace_back(lines[i], everyRowAResult || i + 1 == lines.size() ? Drawing::kBlue : Drawing::kBlack);
  for (const auto& [markup, ink] : inked) eq->row(markup, ink);
  Block b = equationBlock(eq);
  b.words = spokenRows(inked, false);
  return b;
}

// β · RE ≥ 10 · RB2 decides the divider's method, and is checked before either is used.
Block checkBlock(Drawing& d, const BiasExercise& e) {
  const std::string& x = e.id;
  const bool holds = e.kind == Kind::DividerApproximate;
  return linesBlock(
      d, {{"β · R_E ≥ 10 · R_{B2} ?", Drawing::kBlack, true},
          {"β · R_E = " + workedStep(x + ".beta_re")},
          {"10 · R_{B2} = " + workedStep(x + ".ten_rb2")},
          {val(x + ".beta_re") + (holds ? " ≥ " : " < ") + val(x + ".ten_rb2") +
               (holds ? ": aproximado" : ": exato"),
           Drawing::kBlue}});
}

// The hand solution as small blocks under names; each page's pictures take the ones that
// fit them, in the order the solution is worked:
//   every circuit: "ic", "ie" (two rows each), "icie" (both in two rows);
//   fixed bias: "ib", "ic3" (three rows), "vce", "sat" (IC(sat), which IC must stay under);
//   emitter bias, the PNP, feedback, the exact divider: "ib" (three rows), "ib2" (two), "vce",
//   "vce1" (one row); feedback also "loop", the exact divider "check", "titlecheck" (the
//   exercise's title over the check in one line) and "th" (VTh and RTh);
//   the approximate divider: "check", "vb", "ve", "icapx", "ibapx", "vce".
std::map<std::string, Block> steps(Drawing& d, const BiasExercise& e) {
  const std::string& x = e.id;
  auto v = [&](const std::string& q) { return val(x + "." + q); };
  auto w = [&](const std::string& q) { return worked(x + "." + q); };  // a step's operands
  auto whole = [&](const std::string& q) { return workedStep(x + "." + q); };
  auto over = [&](const std::string& q) { return workedFraction(x + "." + q); };
  const std::string vcc = v("vcc"), be = vbeName(e), ce = vceName(e);
  std::map<std::string, Block> out;
  out.emplace("ic", rows(d, {"I_C = β · I_B = " + w("ic"), "= " + v("ic")}));
  if (e.kind == Kind::Fixed || e.kind == Kind::DividerApproximate) {
    // No IE of its own: fixed bias has no RE, and the approximate divider starts from IE.
  } else {
    out.emplace("ie", rows(d, {"I_E = (β + 1) · I_B = " + w("ie"), "= " + v("ie")}));
    out.emplace("icie", rows(d, {"I_C = β · I_B = " + whole("ic"), "I_E = (β + 1) · I_B = " + whole("ie")}, true));
  }
  // IB where the emitter resistor (in feedback, the collector's) carries β + 1 times IB.
  auto baseLoop = [&](const std::string& source, const std::string& rSeries,
                      const std::string& rSeriesValue, const std::string& rLoop, const std::string& rLoopValue,
                      const std::string& sourceStep) {
    const std::string formula = "I_B = " + frac(source + " − " + be, rSeries + " + (β + 1) · " + rLoop);
    const std::string sub = frac(worked(sourceStep), rSeriesValue + " + " + v("beta1") + " · " + rLoopValue);
    const std::string result = "= " + over("ib") + " = " + v("ib");
    out.emplace("ib", rows(d, {formula, "= " + sub, result}));
    out.emplace("ib2", rows(d, {formula + " = " + sub, result}));
  };
  // The collector loop through RC and RE (the PNP meets RE first).
  auto collectorLoop = [&] {
    const bool pnp = isPnp(e);
    const std::string formula = pnp ? "V_{EC} = V_{CC} − R_E · I_E − R_C · I_C" : "V_{CE} = V_{CC} − R_C · I_C − R_E · I_E";
    const std::string dropC = v("rc") + " · " + v("ic"), dropE = v("re") + " · " + v("ie");
    const std::string sub = "= " + vcc + " − " + (pnp ? dropE + " − " + dropC : dropC + " − " + dropE);
    out.emplace("vce", rows(d, {formula, sub, "= " + whole("vce")}));
    out.emplace("vce1", rows(d, {formula + " = " + whole("vce")}));
  };
  switch (e.kind) {
    case Kind::Fixed:
      out.emplace("ib", rows(d, {"I_B = " + frac("V_{CC} − V_{BE}", "R_B"), "= " + frac(w("vrb"), v("rb")),
                                 "= " + over("ib"), "= " + v("ib")}));
      out.emplace("ic3", rows(d, {"I_C = β · I_B", "= " + w("ic"), "= " + v("ic")}));
      out.emplace("vce", rows(d, {"V_{CE} = V_{CC} − R_C · I_C", "= " + vcc + " − " + v("rc") + " · " + v("ic"),
                                  "= " + w("vce"), "= " + v("vce")}));
      // IC(sat) = VCC / RC, with the values put in, and IC under it: the transistor is active.
      out.emplace("sat", rows(d, {"I_{C(sat)} = " + over("ic_sat") + " = " + v("ic_sat"), "I_C < I_{C(sat)}: ativa"}));
      break;
    case Kind::Emitter:
    case Kind::PnpEmitter:
      baseLoop("V_{CC}", "R_B", v("rb"), "R_E", v("re"), x + ".vrb");
      collectorLoop();
      break;
    case Kind::DividerExact:
      out.emplace("check", checkBlock(d, e));
      // The exercise's title and the check in one line each, for a strip across the page.
      {
        const std::string check = "β · R_E = " + whole("beta_re") + " < 10 · R_{B2} = " + v("ten_rb2") + ": exato";
        Block b = linesBlock(d, {{"Exercício " + std::to_string(e.number) + " – " + e.title, Drawing::kBlack, true},
                                 {check, Drawing::kBlue}});
        b.words = "O teste do método, em azul: " + spoken(check) + ".";
        out.emplace("titlecheck", b);
      }
      // The divider's Thévenin equivalent, as Teoria 24 gives it, with the values put in.
      out.emplace("th", rows(d, {"V_{Th} = " + frac(v("rb2"), v("rb1") + " + " + v("rb2")) + " · " + vcc + " = " + v("vth"),
                                 "R_{Th} = " + frac(v("rb1") + " · " + v("rb2"), v("rb1") + " + " + v("rb2")) + " = " +
                                     v("rth")}, true));
      baseLoop("V_{Th}", "R_{Th}", v("rth"), "R_E", v("re"), x + ".vth_net");
      collectorLoop();
      break;
    case Kind::DividerApproximate:
      out.emplace("check", checkBlock(d, e));
      out.emplace("vb", rows(d, {"V_B = " + frac("R_{B2}", "R_{B1} + R_{B2}") + " · V_{CC}",
                                 "= " + frac(v("rb2"), v("rb1") + " + " + v("rb2")) + " · " + vcc + " = " + v("vth")}));
      out.emplace("ve", rows(d, {"V_E = V_B − V_{BE}", "= " + whole("ve")}));
      out.emplace("icapx", rows(d, {"I_C ≈ I_E = " + frac("V_E", "R_E"), "= " + over("ic") + " = " + v("ic")}));
      out.emplace("ibapx", rows(d, {"I_B = " + frac("I_C", "β") + " = " + over("ib") + " = " + v("ib")}));
      out.emplace("vce", rows(d, {"V_{CE} = V_{CC} − I_C · (R_C + R_E)", "= " + vcc + " − " + w("vdrop"),
                                  "= " + whole("vce")}));
      break;
    case Kind::Feedback:
      out.emplace("loop", linesBlock(d, {{"Malha: V_{CC} = R_C · I_E + R_B · I_B + V_{BE}"}}));
      baseLoop("V_{CC}", "R_B", v("rb"), "R_C", v("rc"), x + ".vrb");
      out.emplace("vce", rows(d, {"V_{CE} = V_{CC} − R_C · I_E", "= " + vcc + " − " + w("vrc"),
                                  "= " + whole("vce")}));
      break;
  }
  return out;
}

// A signed difference in per cent as shown, "+7,9 %" or "−1,7 %"; a zero carries no sign.
std::string signedPercent(const std::string& name) {
  const std::string& text = val(name);
  const bool unsignedText = text.rfind("\u2212", 0) == 0 || text.find_first_not_of("0,") == std::string::npos;
  return (unsignedText ? "" : "+") + text + " %";
}

// The model's results, each with how far it lies from the hand result (+ above it, − below),
// and for a divider the other method's IC against this one's: in one line where the picture is
// wide enough, else one result to a line.
Block summaryBlock(Drawing& d, const BiasExercise& e, double maxWidth) {
  const std::string& x = e.id;
  auto result = [&](const std::string& name, const std::string& q) {
    return name + " = " + val(x + ".m_" + q) + " (" + signedPercent(x + ".d_" + q) + ")";
  };
  const std::string ic = result("I_C", "ic"), vce = result(vceName(e), "vce");
  std::vector<Line> lines;
  // One line where it fits, if need be a size smaller; else one result to a line.
  const std::string line = "Modelo do curso: " + ic + ",  " + vce;
  const double smaller = TextSetter::kMainSize - 1.5;
  if (d.text().measure(line).width <= maxWidth)
    lines = {{line, Drawing::kBlue}};
  else if (d.text().measure(line, smaller).width <= maxWidth)
    lines = {{line, Drawing::kBlue, false, smaller}};
  else if (d.text().measure("Modelo do curso: " + ic).width <= maxWidth)
    lines = {{"Modelo do curso: " + ic, Drawing::kBlue}, {vce, Drawing::kBlue}};
  else
    lines = {{"Modelo do curso:", Drawing::kBlue}, {ic, Drawing::kBlue}, {vce, Drawing::kBlue}};
  std::string words = "Em azul, o modelo do curso, com a diferença de cada resultado para o da conta à mão: " +
                      spoken(ic) + "; " + spoken(vce) + ".";
  if (isDivider(e)) {
    // The approximate method's IC against the exact one, whichever this page worked.
    const bool exactHere = e.kind == Kind::DividerExact;
    lines.push_back({exactHere ? "Aproximado: I_C ≈ " + val(x + ".other_ic") + " (" + signedPercent(x + ".approx_off") + ")"
                               : "Exato: I_C = " + val(x + ".other_ic") + " (aprox.: " + signedPercent(x + ".approx_off") + ")"});
    words += " " + spoken(lines.back().markup) + ".";
  }
  Block b = linesBlock(d, lines);
  b.words = words;
  return b;
}

// What goes into one picture of an exercise.
enum class Piece { Title, Circuit, Steps, Summary };

struct PictureSpec {
  std::string file;
  int width, height;
  std::vector<Piece> pieces;
  std::vector<std::string> steps = {};  // the hand solution's blocks this picture takes
  int circuitWidth = 0;                 // 0: the circuit takes the picture's whole width
  int circuitHeight = 0;                //    and 0: its whole height
};

// Blocks set in columns: down the first column while they fit, then on to the next. A block
// that fits nowhere stops the figure program, so nothing is ever clipped unseen.
void flow(Drawing& d, const std::string& file, const std::vector<Block>& blocks) {
  const double margin = 1, gapY = 4, gapX = 18;
  double x = margin, y = margin, columnWidth = 0;
  for (const Block& b : blocks) {
    if (y > margin && y + b.h > d.height() - margin) {
      x += columnWidth + gapX;
      y = margin;
      columnWidth = 0;
    }
    if (x + b.w > d.width() - margin + 0.5 || y + b.h > d.height() - margin + 0.5)
      throw std::logic_error(file + ": a block of " + std::to_string(static_cast<int>(b.w)) + " x " +
                             std::to_string(static_cast<int>(b.h)) + " does not fit at " +
                             std::to_string(static_cast<int>(x)) + ", " + std::to_string(static_cast<int>(y)));
    b.draw({x, y});
    y += b.h + gapY;
    columnWidth = std::max(columnWidth, b.w);
  }
}

// The blocks of one picture, in the order they flow.
std::vector<Block> blocksOf(Drawing& d, const BiasExercise& e, const PictureSpec& p) {
  std::vector<Block> blocks;
  for (Piece piece : p.pieces) {
    switch (piece) {
      case Piece::Title:
        // For a page with no text of its own to say which exercise it is.
      {
        // On one line, or broken after its comma where one line would take more than half the
        // picture and leave no room for a column beside it.
        const std::string title = "Exercício " + std::to_string(e.number) + " – " + e.title;
        const auto comma = title.find(", ");
        d.text().bold(true);
        const bool wide = d.text().measure(title).width > p.width / 2.0;
        d.text().bold(false);
        if (wide && comma != std::string::npos)
          blocks.push_back(linesBlock(d, {{title.substr(0, comma + 1), Drawing::kBlack, true, TextSetter::kMainSize - 1.5},
                                          {title.substr(comma + 2), Drawing::kBlack, true, TextSetter::kMainSize - 1.5}}));
        else
          blocks.push_back(linesBlock(d, {{title, Drawing::kBlack, true}}));
        blocks.back().words = title + ".";
      }
        break;
      case Piece::Circuit: {
        // The circuit takes the picture's whole height (its lettering keeps clear of the edges
        // by itself), so it sits in the flow's margin.
        const double w = p.circuitWidth > 0 ? p.circuitWidth : p.width, h = p.circuitHeight > 0 ? p.circuitHeight : p.height;
        blocks.push_back({w - 8, h - 8, [&d, &e, w, h](Pt at) {
                            BiasCircuitDrawings::draw(d, circuitOf(e), {at.x - 4, at.y - 4, w, h});
                          },
                          BiasCircuitDrawings::describe(circuitOf(e))});
        break;
      }
      case Piece::Steps: {
        const std::map<std::string, Block> all = steps(d, e);
        for (const std::string& name : p.steps) {
          const auto it = all.find(name);
          if (it == all.end()) throw std::logic_error(p.file + ": the solution has no step " + name);
          blocks.push_back(it->second);
        }
        break;
      }
      case Piece::Summary:
        blocks.push_back(summaryBlock(d, e, p.width - 2));
        break;
    }
  }
  return blocks;
}

std::vector<std::uint8_t> picture(const BiasExercise& e, const PictureSpec& p) {
  Drawing d(p.width, p.height);
  flow(d, p.file, blocksOf(d, e, p));
  return d.bmp();
}

// The same blocks read in the order they flow, under the exercise they belong to.
std::string describePicture(const BiasExercise& e, const PictureSpec& p) {
  Drawing d(p.width, p.height);
  const bool steps = std::find(p.pieces.begin(), p.pieces.end(), Piece::Steps) != p.pieces.end();
  std::string out = "Exercício " + std::to_string(e.number) + ", " + e.title;
  out += steps ? ", solução à mão passo a passo; em azul, cada resultado." : ".";
  for (const Block& b : blocksOf(d, e, p)) {
    if (b.words.rfind("Exercício", 0) == 0) continue;  // its title, said already
    out += " " + b.words;
  }
  return out;
}

// The six exercises in one table: the hand results beside the model's, with the model's
// difference in IC signed; under it, what the table shows, and why exercise 5 agrees so well.
std::vector<std::vector<std::string>> resultsRows() {
  std::vector<std::vector<std::string>> rows = {
      {"exercício", "I_C à mão", "modelo", "V_{CE} à mão", "modelo", "diferença"}};
  for (const BiasExercise& e : biasExercises()) {
    const std::string& x = e.id;
    // The PNP's VEC stands in the VCE columns, as its page gives it.
    rows.push_back({std::to_string(e.number) + ". " + e.shortTitle + (isPnp(e) ? " (V_{EC})" : ""), val(x + ".ic"), val(x + ".m_ic"), val(x + ".vce"),
                    val(x + ".m_vce"), signedPercent(x + ".d_ic")});
  }
  return rows;
}

std::vector<std::string> resultsConclusion() {
  const std::string approximate = "t35";
  const std::vector<std::string> conclusion = {
      "Diferença: I_C do modelo do curso sobre a conta à mão. O modelo dá mais porque",
      "seu V_{BE} é menor que " + val("hand.vbe") + " e seu β passa de " + val(approximate + ".beta") +
          " com V_{CE}. No 5, a concordância é",
      "coincidência: o V_{BE} menor (" + val(approximate + ".m_vbe") + ") compensa a corrente de base desprezada."};
  return conclusion;
}

std::vector<std::uint8_t> resultsTable() {
  Drawing d(556, 182);
  const auto rows = resultsRows();
  const auto conclusion = resultsConclusion();
  const double size = 12, step = 16;
  for (const std::string& line : conclusion)
    if (d.text().measure(line, size).width > d.width() - 4)
      throw std::logic_error("t37-resultados.bmp: a line of the conclusion is too wide: " + line);
  const Block notes{d.width() - 4.0, step * static_cast<double>(conclusion.size()) - 2, [&d, conclusion, size, step](Pt at) {
                      double y = at.y + 11;
                      for (const std::string& line : conclusion) {
                        d.text().draw({at.x, y}, line, Align::Left, size);
                        y += step;
                      }
                    }};
  flow(d, "t37-resultados.bmp", {tableBlock(d, rows, d.width() - 4, 18), notes});
  return d.bmp();
}

}  // namespace

void addTopic10Figures(FigureList& list) {
  using P = Piece;
  // Each page's three pictures in their stored order, at their sizes.
  const std::vector<std::vector<PictureSpec>> pages = {
      {{"t31-calculo.bmp", 374, 226, {P::Circuit, P::Steps}, {"ib"}, 200},
       {"t31-corrente.bmp", 209, 149, {P::Steps}, {"ic3", "sat"}},
       {"t31-resultado.bmp", 504, 122, {P::Steps, P::Summary}, {"vce"}}},
      {{"t32-circuito.bmp", 535, 238, {P::Circuit, P::Steps}, {"th", "ib"}, 190},
       {"t32-calculo.bmp", 465, 152, {P::Steps, P::Summary}, {"icie", "vce"}},
       {"t32-teste.bmp", 515, 35, {P::Steps}, {"titlecheck"}}},
      {{"t33-circuito.bmp", 295, 192, {P::Circuit}},
       {"t33-base.bmp", 295, 186, {P::Steps}, {"ib"}},
       {"t33-calculo.bmp", 400, 209, {P::Steps, P::Summary}, {"icie", "vce"}}},
      {{"t34-base.bmp", 487, 169, {P::Steps}, {"ib2", "icie"}},
       {"t34-circuito.bmp", 246, 232, {P::Circuit}},
       {"t34-resultado.bmp", 267, 166, {P::Steps, P::Summary}, {"vce"}}},
      {{"t35-teste.bmp", 561, 111, {P::Title, P::Steps}, {"check", "vb"}},
       {"t35-circuito.bmp", 195, 227, {P::Circuit}},
       {"t35-calculo.bmp", 318, 259, {P::Steps}, {"ve", "icapx", "ibapx", "vce"}}},
      {{"t36-circuito.bmp", 241, 262, {P::Circuit}},
       {"t36-calculo.bmp", 365, 214, {P::Steps}, {"ib", "icie"}},
       {"t36-resultado.bmp", 529, 127, {P::Steps, P::Summary}, {"vce"}}},
  };
  const auto& exercises = biasExercises();
  for (std::size_t i = 0; i < pages.size(); ++i)
    for (const PictureSpec& p : pages[i])
      list.add(p.file, [&e = exercises[i], p] { return picture(e, p); }, [&e = exercises[i], p] { return describePicture(e, p); });
  list.add("t37-resultados.bmp", resultsTable, [] {
    Drawing d(556, 182);
    std::string out = "Resumo dos seis exercícios. " + tableBlock(d, resultsRows(), d.width() - 4, 18).words;
    std::string note;
    for (const std::string& line : resultsConclusion()) note += (note.empty() ? "" : " ") + spoken(line);
    return out + " " + note;
  });
}

}  // namespace apostila::figures
