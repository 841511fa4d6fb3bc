// The bias circuits laid out in two columns: the base network on the left, the transistor with
// its collector and emitter parts on the right, the supply on top and ground at the foot.
#include "drawing/BiasCircuitDrawings.h"

#include "ValueTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "drawing/Schematic.h"

namespace apostila::figures {

namespace {

using Base = BiasCircuitDrawings::Base;
using Side = Schematic::Side;
using Align = TextSetter::Align;

constexpr double kReach = 20;     // the transistor's leads end this far above and below the base
constexpr double kBaseLead = 40;  // from the base terminal to the transistor's lead column
constexpr double kMinResistor = 44, kMinWire = 16;
constexpr double kArrowRun = 24;  // the wire that carries a current's arrow next to the transistor
constexpr double kMinColumnGap = 84;
constexpr double kNetworkPart = 70;  // a base-network resistor or battery with two lines of lettering

// A vertical stretch of the transistor's column: a resistor or a plain wire, with room for a
// current arrow next to the transistor when the currents are marked.
struct Stretch {
  bool resistor;
  bool arrow;
  double minimum() const { return (resistor ? kMinResistor : kMinWire) + (arrow ? kArrowRun : 0); }
};

}  // namespace

BiasCircuitDrawings::Circuit BiasCircuitDrawings::of(const BiasCircuit& c) {
  Circuit drawn;
  switch (c.base) {
    case BiasCircuit::Base::Resistor: drawn.base = Base::Fixed; break;
    case BiasCircuit::Base::Divider: drawn.base = Base::Divider; break;
    case BiasCircuit::Base::CollectorFeedback: drawn.base = Base::CollectorFeedback; break;
  }
  drawn.pnp = c.pnp();
  drawn.rc = c.rc > 0;
  drawn.re = c.re > 0;
  return drawn;
}

BiasCircuitDrawings::Circuit BiasCircuitDrawings::lettered(const BiasCircuit& c, const std::string& prefix, Beta beta) {
  Circuit drawn = of(c);
  drawn.values.vcc = val(prefix + ".vcc");
  if (c.base == BiasCircuit::Base::Divider) {
    drawn.values.rb1 = val(prefix + ".rb1");
    drawn.values.rb2 = val(prefix + ".rb2");
  } else {
    drawn.values.rb = val(prefix + ".rb");
  }
  if (drawn.rc) drawn.values.rc = val(prefix + ".rc");
  if (drawn.re) drawn.values.re = val(prefix + ".re");
  if (beta == Beta::Shown) drawn.values.beta = val(prefix + ".beta");
  return drawn;
}

BiasCircuitDrawings::Layout BiasCircuitDrawings::draw(Drawing& d, const Circuit& c) {
  return draw(d, c, {0, 0, static_cast<double>(d.width()), static_cast<double>(d.height())});
}

std::vector<std::uint8_t> BiasCircuitDrawings::bmp(int width, int height, const Circuit& c) {
  Drawing d(width, height);
  draw(d, c);
  return d.bmp();
}

BiasCircuitDrawings::Layout BiasCircuitDrawings::draw(Drawing& d, const Circuit& c, Box box) {
  const Values& v = c.values;
  TextSetter& t = d.text();
  auto widthOf = [&](const std::string& m) { return m.empty() ? 0.0 : t.measure(m).width; };
  const bool feedback = c.base == Base::CollectorFeedback, thevenin = c.base == Base::Thevenin;
  const std::string betaText = v.beta.empty() ? "" : "\u03B2 = " + v.beta;

  // The transistor's column sits as far right as its lettering allows.
  constexpr double kBetaGap = 18;  // from the collector's column, clear of the body's circle
  double right = kBetaGap + widthOf(betaText);
  if (c.rc) right = std::max(right, 12 + std::max(widthOf("R_C"), widthOf(v.rc)));
  if (c.re) right = std::max(right, 12 + std::max(widthOf("R_E"), widthOf(v.re)));
  if (c.currents) right = std::max(right, 10 + widthOf("I_C"));
  const double xC = std::floor(box.x + box.width - right - 4);
  const double xB = box.x + (thevenin ? 26 : 16);
  if (xC - xB < kMinColumnGap) throw std::invalid_argument("bias circuit: the box is too narrow for its lettering");

  // The supply: a rail along the top where the base network hangs from it too.
  const std::string supplyText = "+V_{CC}" + (v.vcc.empty() ? "" : " = " + v.vcc);
  const double supplyHalf = widthOf(supplyText) / 2;
  const bool baseToSupply = c.base == Base::Divider || (c.base == Base::Fixed && !c.pnp);
  const Stretch upper{c.pnp ? c.re : c.rc, c.currents};
  const Stretch lower{c.pnp ? c.rc : c.re, c.currents};
  const double needed = upper.minimum() + lower.minimum() + 2 * kReach;
  const double groundY = box.y + box.height - 18;
  double terminalY = box.y + 24;
  double xT = baseToSupply ? std::round((xB + xC) / 2) : xC;
  xT = std::clamp(xT, box.x + supplyHalf + 2, box.x + box.width - supplyHalf - 2);
  bool rail = baseToSupply || xT != xC;
  // A low circuit whose supply feeds the transistor's column alone letters the terminal on its
  // left, which frees the height of a line above it.
  const bool supplyBeside = !baseToSupply && groundY - (terminalY + 3.5) < needed;
  if (supplyBeside) {
    xT = xC;
    rail = false;
    terminalY = box.y + 9;
    if (xC - 8 - 2 * supplyHalf < box.x) throw std::invalid_argument("bias circuit: the box is too low");
  }
  const double topY = rail ? box.y + 40 : terminalY + 3.5;

  // The column from the supply down: NPN collector up, PNP emitter up.
  const double span = groundY - topY - 2 * kReach;
  if (span < upper.minimum() + lower.minimum()) throw std::invalid_argument("bias circuit: the box is too low");
  // Collector feedback needs room on the collector's side for RB's end beside RC's.
  const bool upperFeeds = feedback && !c.pnp, lowerFeeds = feedback && c.pnp;
  double upperLen;
  if (upper.resistor == lower.resistor && !feedback)
    upperLen = span / 2;
  else if (upperFeeds || (upper.resistor && !lower.resistor && !lowerFeeds))
    upperLen = span - std::max(lower.minimum(), lower.resistor ? span * 0.4 : 0.0);
  else
    upperLen = std::max(upper.minimum(), upper.resistor ? span * 0.4 : 0.0);
  // The base network's own parts want room above or below the base too; the column's minimums
  // win where both cannot be had.
  // (RTH lies along the base line, its lettering above it.)
  const double netUp = c.base == Base::Divider || (c.base == Base::Fixed && !c.pnp) ? kNetworkPart
                       : thevenin                                                   ? 48
                                                                                    : 0;
  const bool netDown = c.base == Base::Divider || c.base == Base::Thevenin || (c.base == Base::Fixed && c.pnp);
  const double lo = topY + upper.minimum() + kReach, hi = groundY - lower.minimum() - kReach;
  const double netLo = std::max(lo, topY + netUp);
  const double netHi = std::min(hi, groundY - (netDown ? kNetworkPart : 0));
  const double wanted = topY + upperLen + kReach;
  const double baseY = std::round(netLo <= netHi ? std::clamp(wanted, netLo, netHi) : std::clamp(wanted, lo, hi));

  Schematic s(d);
  s.supply("VCC", {xT, terminalY}, "");
  if (supplyBeside)
    t.draw({xT - 9, terminalY + 5}, supplyText, Align::Right);
  else
    t.draw({xT, terminalY - 3.5 - 5}, supplyText, Align::Center);
  if (rail) {
    s.wire({s.pin("VCC"), {xT, topY}});
    const double left = baseToSupply ? xB : xT;
    s.wire({{left, topY}, {xC, topY}});
    if (xT > left && xT < xC) s.dot({xT, topY});
  }
  if (c.pnp)
    s.pnp("Q", {xC - kBaseLead, baseY});
  else
    s.npn("Q", {xC - kBaseLead, baseY});
  const Pt qb = s.pin("Q.b"), qUp = s.pin(c.pnp ? "Q.e" : "Q.c"), qDown = s.pin(c.pnp ? "Q.c" : "Q.e");

  // Each stretch: resistor (or wire) away from the transistor, then the arrow's run next to it;
  // the feeding stretch of collector feedback has RB's node between the two.
  const std::string upperName = c.pnp ? "R_E" : "R_C", upperValue = c.pnp ? v.re : v.rc;
  const std::string lowerName = c.pnp ? "R_C" : "R_E", lowerValue = c.pnp ? v.rc : v.re;
  auto stretch = [&](const std::string& id, Pt far, Pt near, const Stretch& st, const std::string& name,
                     const std::string& value, bool feeds) -> Pt {
    const double dir = near.y > far.y ? 1 : -1;  // from far towards the transistor
    const double total = std::fabs(near.y - far.y);
    const double arrowRun = st.arrow ? kArrowRun : 0;
    const double partLen = feeds ? std::min(std::max(st.resistor ? kMinResistor : kMinWire, total * 0.45),
                                            total - arrowRun - 8)
                                 : total - arrowRun;
    const Pt end{far.x, far.y + dir * partLen};
    if (st.resistor) {
      // The resistor's ends in picture order, so that its lettering stays on the right.
      s.resistor(id, dir > 0 ? far : end, dir > 0 ? end : far, name, value);
    } else {
      s.wire({far, end});
    }
    s.wire({end, near});
    return end;
  };
  const Pt upperEnd = stretch("UP", {xC, topY}, qUp, upper, upperName, upperValue, upperFeeds);
  const Pt lowerEnd = stretch("DOWN", {xC, groundY}, qDown, lower, lowerName, lowerValue, lowerFeeds);

  // The base network.
  bool footLine = false;
  switch (c.base) {
    case Base::Fixed:
      if (c.pnp) {
        s.resistor("RB", {xB, baseY}, {xB, groundY}, "R_B", v.rb);
        footLine = true;
      } else {
        s.resistor("RB", {xB, topY}, {xB, baseY}, "R_B", v.rb);
      }
      s.wire({{xB, baseY}, qb});
      break;
    case Base::Divider:
      s.resistor("RB1", {xB, topY}, {xB, baseY}, "R_{B1}", v.rb1);
      s.resistor("RB2", {xB, baseY}, {xB, groundY}, "R_{B2}", v.rb2);
      s.dot({xB, baseY});
      s.wire({{xB, baseY}, qb});
      footLine = true;
      break;
    case Base::CollectorFeedback: {
      const Pt node = c.pnp ? lowerEnd : upperEnd;
      if (c.pnp)
        s.resistor("RB", {xB, baseY}, {xB, node.y}, "R_B", v.rb);
      else
        s.resistor("RB", {xB, node.y}, {xB, baseY}, "R_B", v.rb);
      s.wire({{xB, node.y}, node});
      s.dot(node);
      s.wire({{xB, baseY}, qb});
      break;
    }
    case Base::Thevenin: {
      const double rthEnd = c.currents ? qb.x - kArrowRun : qb.x;
      if (rthEnd - xB < kMinResistor) throw std::invalid_argument("bias circuit: the box is too narrow for RTH");
      s.resistor("RTH", {xB, baseY}, {rthEnd, baseY}, "R_{TH}", v.rth);
      s.wire({{rthEnd, baseY}, qb});
      s.battery("VTH", {xB, baseY}, {xB, groundY}, "V_{TH}", v.vth);
      footLine = true;
      break;
    }
  }
  if (footLine) {
    s.wire({{xB, groundY}, {xC, groundY}});
    const double gx = std::round((xB + xC) / 2);
    s.dot({gx, groundY});
    s.ground("0", {gx, groundY});
  } else {
    s.ground("0", {xC, groundY});
  }

  if (!betaText.empty()) t.draw({xC + kBetaGap, baseY + 5}, betaText);
  if (c.currents) {
    // Conventional directions: into an NPN's base and collector and out of its emitter; a
    // PNP's the other way round. Both column currents therefore run downwards.
    const double ibFrom = qb.x - kArrowRun + 2, ibTo = qb.x - 4;
    if (c.pnp)
      s.current({ibTo, baseY}, {ibFrom, baseY}, "I_B", Side::Below);
    else
      s.current({ibFrom, baseY}, {ibTo, baseY}, "I_B", Side::Below);
    s.current({xC, qUp.y - kArrowRun + 2}, {xC, qUp.y - 2}, c.pnp ? "I_E" : "I_C", Side::Right);
    s.current({xC, qDown.y + 2}, {xC, qDown.y + kArrowRun - 2}, c.pnp ? "I_C" : "I_E", Side::Right);
  }
  return {qb, s.pin("Q.c"), s.pin("Q.e"), topY, groundY, xB, xC};
}

std::string BiasCircuitDrawings::describe(const Circuit& c) {
  const Values& v = c.values;
  auto part = [](const std::string& name, const std::string& value) {
    return value.empty() ? name : name + " = " + value;
  };
  std::string kind;
  switch (c.base) {
    case Base::Fixed: kind = c.re ? "Circuito de polarização da base com resistor de emissor" : "Circuito de polarização fixa"; break;
    case Base::Divider: kind = "Circuito de polarização por divisor de tensão"; break;
    case Base::CollectorFeedback: kind = "Circuito de polarização por realimentação do coletor"; break;
    case Base::Thevenin: kind = "Circuito equivalente de Thévenin da base do divisor"; break;
  }
  std::string out = kind + (c.pnp ? ", com um transistor PNP" : ", com um transistor NPN");
  std::vector<std::string> given{part("VCC", v.vcc)};
  for (const auto& [name, value, present] : {std::tuple{"RB", v.rb, c.base == Base::Fixed || c.base == Base::CollectorFeedback},
                                             std::tuple{"RB1", v.rb1, c.base == Base::Divider},
                                             std::tuple{"RB2", v.rb2, c.base == Base::Divider},
                                             std::tuple{"VTH", v.vth, c.base == Base::Thevenin},
                                             std::tuple{"RTH", v.rth, c.base == Base::Thevenin},
                                             std::tuple{"RC", v.rc, c.rc}, std::tuple{"RE", v.re, c.re}})
    if (present) given.push_back(part(name, value));
  if (!v.beta.empty()) given.push_back("β = " + v.beta);
  out += ": ";
  for (std::size_t i = 0; i < given.size(); ++i) out += (i == 0 ? "" : i + 1 == given.size() ? " e " : ", ") + given[i];
  out += ". ";
  // How it is connected, from the supply down, as the drawing reads.
  switch (c.base) {
    case Base::Fixed:
      out += c.pnp ? "RB vai da base ao terra. " : "RB vai de +VCC à base. ";
      break;
    case Base::Divider: out += "RB1 vai de +VCC à base e RB2 da base ao terra. "; break;
    case Base::CollectorFeedback: out += "RB vai do coletor à base. "; break;
    case Base::Thevenin: out += "A fonte VTH, do terra, alimenta a base através de RTH. "; break;
  }
  const std::string up = c.pnp ? (c.re ? "RE liga +VCC ao emissor" : "o emissor vai direto a +VCC")
                               : (c.rc ? "RC liga +VCC ao coletor" : "o coletor vai direto a +VCC");
  const std::string down = c.pnp ? (c.rc ? "RC liga o coletor ao terra" : "o coletor vai direto ao terra")
                                 : (c.re ? "RE liga o emissor ao terra" : "o emissor vai direto ao terra");
  std::string column = up + "; " + down + ".";
  column[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(column[0])));
  out += column;
  if (c.currents)
    out += c.pnp ? " Marcadas as correntes: IE entrando no emissor, IB saindo da base e IC saindo do coletor."
                 : " Marcadas as correntes: IB entrando na base, IC entrando no coletor e IE saindo do emissor.";
  return out;
}

}  // namespace apostila::figures
