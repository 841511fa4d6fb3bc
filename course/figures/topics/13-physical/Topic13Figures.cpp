// Topic 13, the physical aspect: the packages a technician meets, each drawn as a recognisable
// outline with the pin-out of one named example part (docs/packages.md gives the data sheet
// each pin-out comes from), a power transistor's mounting on a heat sink, the SMD packages,
// how a type number reads, and the multimeter's diode test with its readings taken from the
// device model. Outlines are drawn to scale within each drawing, enlarged where a package is
// small; pin letters stand where a learner finds the lead on the real part.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Figures.h"
#include "Spoken.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/Drawing.h"
#include "drawing/Schematic.h"

namespace apostila::figures {

namespace {

using Align = TextSetter::Align;

constexpr double kSmall = 12.5;
constexpr std::uint32_t kPlastic = 0x3A3C40;  // epoxy bodies
constexpr std::uint32_t kMetal = 0xC9CDD2;    // tinned or nickel-plated metal
constexpr std::uint32_t kMetalDark = 0xA9AEB4;
constexpr std::uint32_t kEdge = 0x202020;
constexpr std::uint32_t kGlass = 0xE9EEE4;    // the glass beads the leads of a can pass through
constexpr std::uint32_t kInsulator = 0xE4D7A8;  // mica and nylon
constexpr std::uint32_t kRed = 0xC81E1E;
constexpr std::uint32_t kHeat = 0xD2500A;

// Fills the current path and strokes its outline in the parts' edge colour.
void fillStroke(Drawing& d, std::uint32_t fill, std::uint32_t edge = kEdge, double width = 1.2) {
  d.fillAndStroke(fill, edge, width);
}

void rect(Drawing& d, double x, double y, double w, double h, std::uint32_t fill, std::uint32_t edge = kEdge) {
  cairo_rectangle(d.cr(), x, y, w, h);
  fillStroke(d, fill, edge);
}

// A rectangle whose top corners are rounded by r.
void roundedTop(Drawing& d, double x, double y, double w, double h, double r, std::uint32_t fill) {
  cairo_t* cr = d.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + r);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_arc(cr, x + w - r, y + r, r, 1.5 * M_PI, 2 * M_PI);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
  fillStroke(d, fill);
}

void disc(Drawing& d, Pt c, double r, std::uint32_t fill, std::uint32_t edge = kEdge) {
  cairo_new_sub_path(d.cr());
  cairo_arc(d.cr(), c.x, c.y, r, 0, 2 * M_PI);
  fillStroke(d, fill, edge);
}

// A hole through a part: white, so the page shows through it as it would through the real one.
void hole(Drawing& d, Pt c, double r) { disc(d, c, r, 0xFFFFFF); }

// A lead seen end on, where it leaves a metal case through its glass bead.
void glassLead(Drawing& d, Pt p) {
  disc(d, p, 4.5, kGlass, 0x6A6E72);
  disc(d, p, 2.2, 0x505458, 0x505458);
}

// A straight lead of a through-hole part, a thick metal line with square ends.
void lead(Drawing& d, Pt a, Pt b, double width = 3) {
  Drawing::Style s(d, 0x6A6E72);
  cairo_set_line_cap(d.cr(), CAIRO_LINE_CAP_BUTT);
  s.pen(width + 1.4);
  d.line(a, b);
  s.pen(width).ink(kMetalDark);
  d.line(a, b);
}

void bold(Drawing& d, Pt at, const std::string& s, Align align = Align::Center, double size = TextSetter::kMainSize) {
  d.boldText(at, s, align, size);
}

// The package's name in bold and, under it, the example part in blue.
void title(Drawing& d, double cx, double y, const std::string& package, const std::string& part) {
  bold(d, {cx, y}, package);
  if (part.empty()) return;
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({cx, y + 17}, part, Align::Center);
  }
}

void note(Drawing& d, Pt at, const std::string& s) {
  {
    Drawing::Style inked(d, 0x404040);
    d.text().draw(at, s, Align::Center, kSmall);
  }
}

void separator(Drawing& d, Pt a, Pt b) {
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.pen(1);
    d.line(a, b);
    d.pen(Drawing::kPen);
  }
}

// --- Teoria 57: through-hole packages -----------------------------------------------------

// TO-92 seen from its flat face, leads down: the same package with two pin-outs, the
// European BC547 (C B E) and the 2N3904 (E B C).
void to92(Drawing& d, double x0, double y0) {
  title(d, x0 + 71, y0 + 17, "TO-92", "");
  const double cx = x0 + 98, pitch = 17;
  roundedTop(d, cx - 25, y0 + 30, 50, 50, 15, kPlastic);
  for (int i = -1; i <= 1; ++i) lead(d, {cx + i * pitch, y0 + 80}, {cx + i * pitch, y0 + 122}, 2.5);
  note(d, {x0 + 35, y0 + 52}, "face plana");
  note(d, {x0 + 35, y0 + 67}, "de frente");
  const char* rows[][4] = {{"BC547", "C", "B", "E"}, {"2N3904", "E", "B", "C"}};
  for (int r = 0; r < 2; ++r) {
    const double y = y0 + 143 + 21 * r;
    {
      Drawing::Style inked(d, Drawing::kBlue);
      d.text().draw({x0 + 6, y}, rows[r][0]);
    }
    for (int i = 0; i < 3; ++i) bold(d, {cx + (i - 1) * pitch, y}, rows[r][i + 1]);
  }
}

// TO-126 from the front (the marked face), leads down: BD139, E C B.
void to126(Drawing& d, double x0, double y0) {
  const double cx = x0 + 71, pitch = 16;
  title(d, cx, y0 + 17, "TO-126", "BD139");
  rect(d, cx - 24, y0 + 44, 48, 66, kPlastic);
  hole(d, {cx, y0 + 60}, 6);
  const char* pins[] = {"E", "C", "B"};
  for (int i = -1; i <= 1; ++i) {
    lead(d, {cx + i * pitch, y0 + 110}, {cx + i * pitch, y0 + 146}, 2.5);
    bold(d, {cx + i * pitch, y0 + 164}, pins[i + 1]);
  }
}

// A metal can seen from below: the rim, the tab, and the three leads at 90° steps through
// glass beads. Going round from the tab the leads are emitter, base and collector, the
// emitter nearest the tab; the collector is also joined to the can.
void can(Drawing& d, double x0, double y0, const std::string& package, const std::string& part, double rim,
         double pinRadius) {
  const double cx = x0 + 71, cy = y0 + 106;
  title(d, cx, y0 + 17, package, part);
  const double tabAngle = 0.75 * M_PI;  // lower left; the leads follow clockwise as seen
  const double ux = std::cos(tabAngle), uy = std::sin(tabAngle), tw = 3.5;
  std::vector<Pt> tab = {{cx + ux * (rim - 4) - uy * tw, cy + uy * (rim - 4) + ux * tw},
                         {cx + ux * (rim + 7) - uy * tw, cy + uy * (rim + 7) + ux * tw},
                         {cx + ux * (rim + 7) + uy * tw, cy + uy * (rim + 7) - ux * tw},
                         {cx + ux * (rim - 4) + uy * tw, cy + uy * (rim - 4) - ux * tw}};
  cairo_move_to(d.cr(), tab[0].x, tab[0].y);
  for (const Pt& p : tab) cairo_line_to(d.cr(), p.x, p.y);
  cairo_close_path(d.cr());
  fillStroke(d, kMetal);
  disc(d, {cx, cy}, rim, kMetal);
  disc(d, {cx, cy}, rim - 5, kMetalDark, 0x6A6E72);
  const char* pins[] = {"E", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    const double a = tabAngle + M_PI / 4 + i * M_PI / 2;
    const Pt p{cx + pinRadius * std::cos(a), cy + pinRadius * std::sin(a)};
    glassLead(d, p);
    // The letter outside the rim, on the lead's radius.
    const double r = rim + 11;
    bold(d, {cx + r * std::cos(a), cy + r * std::sin(a) + 5.5}, pins[i]);
  }
  note(d, {cx, y0 + 168}, "vista de baixo");
}

std::vector<std::uint8_t> smallSignalPackages() {
  Drawing d(285, 349);
  separator(d, {142, 4}, {142, 345});
  separator(d, {4, 174}, {281, 174});
  to92(d, 0, 0);
  to126(d, 142, 0);
  can(d, 0, 174, "TO-18", "2N2222A", 31, 14);
  can(d, 142, 174, "TO-39", "2N2219A", 47, 25);
  return d.bmp();
}

// The convex outline of a TO-3's flange: the body's circle and the two rounded ends that
// carry the mounting holes, hulled point by point.
std::vector<Pt> flange(Pt c, double body, double endOffset, double endRadius) {
  std::vector<Pt> pts;
  for (int i = 0; i < 120; ++i) {
    const double a = 2 * M_PI * i / 120;
    pts.push_back({c.x + body * std::cos(a), c.y + body * std::sin(a)});
    for (double s : {-1.0, 1.0}) pts.push_back({c.x + s * endOffset + endRadius * std::cos(a), c.y + endRadius * std::sin(a)});
  }
  std::sort(pts.begin(), pts.end(), [](Pt a, Pt b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  auto cross = [](Pt o, Pt a, Pt b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); };
  std::vector<Pt> hull(2 * pts.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (std::size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0) --k;
    hull[k++] = pts[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

// TO-220 from the front, leads down, the metal tab on top (TIP31C: B C E, tab C), and the
// TO-3 from below, drawn to the TO-204AA outline: mounting holes 30,15 mm apart on the long
// axis, the two leads 10,92 mm apart on a line across that axis, one each side of it at
// 5,46 mm, the line moved a little (1 to 2 mm; drawn at 1,8) off the body's centre towards one
// hole, which is what tells base from emitter on the part. With the holes left and right and
// the leads moved towards the right hole, the base is the upper lead and the emitter the lower
// (2N3055: pin 1 base, pin 2 emitter, the case is the collector); held with the holes one above
// the other and the leads above the centre, this is the familiar "base on the left, emitter on
// the right".
std::vector<std::uint8_t> powerPackages() {
  Drawing d(214, 168);
  separator(d, {107, 4}, {107, 164});
  {
    const double cx = 53, pitch = 14;
    title(d, cx, 15, "TO-220", "TIP31C");
    cairo_t* cr = d.cr();
    // The tab with its two notches and the mounting hole.
    cairo_move_to(cr, cx - 26, 68);
    cairo_line_to(cr, cx - 26, 52);
    cairo_line_to(cr, cx - 24, 52);
    cairo_line_to(cr, cx - 24, 48);
    cairo_line_to(cr, cx - 26, 48);
    cairo_line_to(cr, cx - 26, 40);
    cairo_line_to(cr, cx + 26, 40);
    cairo_line_to(cr, cx + 26, 48);
    cairo_line_to(cr, cx + 24, 48);
    cairo_line_to(cr, cx + 24, 52);
    cairo_line_to(cr, cx + 26, 52);
    cairo_line_to(cr, cx + 26, 68);
    cairo_close_path(cr);
    fillStroke(d, kMetal);
    hole(d, {cx, 54}, 5.5);
    bold(d, {cx + 16, 59}, "C");
    rect(d, cx - 26, 66, 52, 44, kPlastic);
    const char* pins[] = {"B", "C", "E"};
    for (int i = -1; i <= 1; ++i) {
      lead(d, {cx + i * pitch, 110}, {cx + i * pitch, 140});
      bold(d, {cx + i * pitch, 158}, pins[i + 1]);
    }
  }
  {
    const double cx = 160;
    const Pt c{cx, 92};
    title(d, cx, 15, "TO-3", "2N3055");
    // 2,52 px to the millimetre: the holes' 30,15 mm span is 76 px.
    constexpr double kPxPerMm = 76 / 30.15;
    const double holeOffset = 30.15 / 2 * kPxPerMm, leadHalf = 5.46 * kPxPerMm, leadShift = 1.8 * kPxPerMm;
    const std::vector<Pt> outline = flange(c, 30, holeOffset, 11);
    cairo_move_to(d.cr(), outline[0].x, outline[0].y);
    for (const Pt& p : outline) cairo_line_to(d.cr(), p.x, p.y);
    cairo_close_path(d.cr());
    fillStroke(d, kMetal);
    hole(d, {cx - holeOffset, c.y}, 4.5);
    hole(d, {cx + holeOffset, c.y}, 4.5);
    {
      // The line of the holes and the body's centre, so that the leads' offset can be seen.
      Drawing::Style kept(d);
      d.ink(0x505458);
      d.pen(1);
      d.dashed({cx - holeOffset + 6, c.y}, {cx + holeOffset - 6, c.y});
      d.line({cx, c.y - 4}, {cx, c.y + 4});
    }
    bold(d, {cx - 15, c.y - 5}, "C");
    const Pt b{cx + leadShift, c.y - leadHalf}, e{cx + leadShift, c.y + leadHalf};
    glassLead(d, b);
    glassLead(d, e);
    bold(d, {b.x + 13, b.y + 5.5}, "B");
    bold(d, {e.x + 13, e.y + 5.5}, "E");
    note(d, {cx, 140}, "vista de baixo");
    note(d, {cx, 157}, "invólucro = C");
  }
  return d.bmp();
}

// --- Teoria 58: power ---------------------------------------------------------------------

// A TO-220 fixed to a heat sink through an insulating kit, drawn apart along the screw's axis
// from the side: screw, nylon bushing, the transistor's tab, the mica washer, the heat sink,
// washer and nut.
std::vector<std::uint8_t> insulatedMounting() {
  Drawing d(235, 169);
  const double ax = 30, gap = 5;
  {
    Drawing::Style kept(d);
    d.ink(Drawing::kGrey);
    d.pen(1);
    d.dashed({ax, 2}, {ax, 166});
  }
  d.ink(Drawing::kBlack);
  // Screw: head and shank.
  rect(d, ax - 12, 5, 24, 8, kMetal);
  rect(d, ax - 3, 13, 6, 20, kMetal);
  // Bushing: shoulder and sleeve, the sleeve passes through the tab's hole.
  rect(d, ax - 11, 41, 22, 5, kInsulator);
  rect(d, ax - 5, 46, 10, 11, kInsulator);
  // The transistor on its side: the tab, cut at the hole, with the body on it and a lead.
  rect(d, 6, 70, ax - gap - 6, 4, kMetal);
  rect(d, ax + gap, 70, 100 - ax - gap, 4, kMetal);
  rect(d, 46, 61, 54, 9, kPlastic);
  // The lead stops short of the lettering column, so that "TO-220" stands clear of it.
  lead(d, {100, 66}, {104, 66}, 2);
  // Mica washer and the heat sink's plate, both with the hole.
  rect(d, 3, 86, ax - gap - 3, 3, kInsulator);
  rect(d, ax + gap, 86, 104 - ax - gap, 3, kInsulator);
  rect(d, 0.5, 101, ax - gap, 13, kMetalDark);
  rect(d, ax + gap, 101, 106 - ax - gap, 13, kMetalDark);
  // Washer and nut.
  rect(d, ax - 11, 126, 22, 4, kMetal);
  rect(d, ax - 9, 140, 18, 11, kMetal);
  const struct {
    double y, partEnd;
    const char* name;
  } parts[] = {{14, ax + 13, "parafuso"},   {50, ax + 12, "bucha isolante"}, {72, 0, "TO-220"},
               {93, 0, "mica"},            {113, 0, "dissipador"},          {133, ax + 12, "arruela"},
               {150.5, ax + 10, "porca"}};
  for (const auto& p : parts) {
    if (p.partEnd > 0) separator(d, {p.partEnd + 3, p.y - 5}, {108, p.y - 5});
    d.text().draw({112, p.y}, p.name);
  }
  return d.bmp();
}

// A finned heat sink seen end on, with a TO-220 clamped to its flat face over a mica washer:
// the heat flows from the chip through the tab and the plate into the fins and the air.
std::vector<std::uint8_t> heatSink() {
  Drawing d(262, 262);
  const double plateX = 104, plateW = 12, top = 34, bottom = 232;
  // Fins first, then the plate over their roots.
  const int fins = 9;
  for (int i = 0; i < fins; ++i) rect(d, plateX + plateW - 1, top + 2 + i * 24, 120, 5, kMetalDark);
  rect(d, plateX, top, plateW, bottom - top, kMetalDark);
  // Mica, tab, body, lead and the screw's head.
  rect(d, plateX - 3, 82, 3, 102, kInsulator);
  rect(d, plateX - 8, 78, 5, 110, kMetal);
  rect(d, plateX - 20, 120, 12, 68, kPlastic);
  lead(d, {plateX - 14, 188}, {plateX - 14, 226}, 2.5);
  rect(d, plateX - 16, 88, 8, 20, kMetal);
  // The chip, inside the body on the tab.
  {
    Drawing::Style inked(d, kHeat);
    d.circle({plateX - 11, 154}, 3, true);
    // Heat: from the chip into the plate, along the fins and off into the air.
    d.pen(2);
    d.arrow({plateX - 6, 154}, {plateX + 10, 154}, 7);
    for (int i = 1; i < fins; i += 2) {
      const double y = top + 2 + i * 24 - 7;
      d.arrow({plateX + 28, y}, {plateX + 100, y}, 7);
    }
    for (double y : {70.0, 118.0, 166.0, 214.0}) {
      const double x = plateX + 146;
      d.arrow({x, y + 12}, {x + 4, y - 12}, 6);
    }
    d.pen(Drawing::kPen);
    d.text().draw({plateX + 72, 256}, "calor para o ar", Align::Center);
  }
  d.text().draw({plateX + 72, 22}, "dissipador", Align::Center);
  // Names on the left, each with a line to its part.
  const struct {
    double y;
    Pt to;
    const char* name;
  } names[] = {{68, {plateX - 12, 88}, "parafuso"},
               {138, {plateX - 20, 138}, "TO-220"},
               {172, {plateX - 11, 158}, "pastilha"},
               {212, {plateX - 2, 180}, "mica"}};
  for (const auto& n : names) {
    const double w = d.text().measure(n.name).width;
    d.text().draw({4, n.y}, n.name);
    separator(d, {4 + w + 3, n.y - 5}, n.to);
  }
  return d.bmp();
}

// --- Teoria 59: surface mounting and type numbers -----------------------------------------

// SMD packages from above, enlarged: SOT-23 (BC847: B and E below, C above), SOT-223 (BCP56:
// B C E, the wide tab C) and DPAK (MJD31: B and E, the short middle lead and the tab C).
std::vector<std::uint8_t> smdPackages() {
  Drawing d(402, 173);
  separator(d, {134, 4}, {134, 169});
  separator(d, {268, 4}, {268, 169});
  {
    const double cx = 67;
    title(d, cx, 17, "SOT-23", "BC847");
    rect(d, cx - 6, 68, 12, 12, kMetal);
    for (double s : {-1.0, 1.0}) rect(d, cx + s * 19 - 6, 108, 12, 12, kMetal);
    rect(d, cx - 26, 78, 52, 32, kPlastic);
    bold(d, {cx, 63}, "C");
    bold(d, {cx - 19, 138}, "B");
    bold(d, {cx + 19, 138}, "E");
  }
  {
    const double cx = 201, pitch = 28;
    title(d, cx, 17, "SOT-223", "BCP56");
    rect(d, cx - 18, 54, 36, 20, kMetal);
    for (int i = -1; i <= 1; ++i) rect(d, cx + i * pitch - 5, 110, 10, 16, kMetal);
    rect(d, cx - 40, 72, 80, 40, kPlastic);
    bold(d, {cx, 69}, "C");
    const char* pins[] = {"B", "C", "E"};
    for (int i = -1; i <= 1; ++i) bold(d, {cx + i * pitch, 144}, pins[i + 1]);
  }
  {
    const double cx = 335;
    title(d, cx, 17, "DPAK", "MJD31");
    rect(d, cx - 26, 42, 52, 22, kMetal);
    rect(d, cx - 5, 110, 10, 6, kMetal);
    for (double s : {-1.0, 1.0}) rect(d, cx + s * 23 - 5, 110, 10, 20, kMetal);
    rect(d, cx - 33, 60, 66, 51, kPlastic);
    bold(d, {cx, 58}, "C");
    bold(d, {cx - 23, 148}, "B");
    bold(d, {cx, 134}, "C");
    bold(d, {cx + 23, 148}, "E");
  }
  for (double cx : {67.0, 201.0, 335.0}) note(d, {cx, 166}, "vista de cima");
  return d.bmp();
}

// How two type numbers read: the registration number (2N2222A) and the letter code
// (BC547B), each part of the code in blue beside its meaning.
const struct {
  const char* code;
  std::vector<std::pair<const char*, const char*>> parts;
  double y;
} kTypeNumbers[] = {{"2N2222A",
                     {{"2N", "duas junções: transistor"}, {"2222", "número de registro"}, {"A", "versão melhorada"}},
                     18},
                    {"BC547B",
                     {{"B", "material: silício (A: germânio)"},
                      {"C", "pequeno sinal, baixa frequência"},
                      {"547", "número de série"},
                      {"B", "grupo de ganho (faixa de h_{FE})"}},
                     98}};

std::vector<std::uint8_t> typeNumbers() {
  Drawing d(394, 180);
  for (const auto& g : kTypeNumbers) {
    bold(d, {8, g.y}, g.code, Align::Left, 17);
    double y = g.y;
    for (const auto& [part, meaning] : g.parts) {
      y += 17;
      {
        Drawing::Style inked(d, Drawing::kBlue);
        bold(d, {26, y}, part, Align::Left);
      }
      d.text().draw({74, y}, meaning);
    }
  }
  separator(d, {8, 80}, {386, 80});
  return d.bmp();
}

// --- Teoria 60: the multimeter's diode test -----------------------------------------------

// The meter on its diode range, red probe (+) on the base and black (−) on the emitter of an
// NPN: the base–emitter junction conducts and the display shows its voltage.
std::vector<std::uint8_t> diodeTest() {
  Drawing d(264, 125);
  cairo_t* cr = d.cr();
  // The meter: case, display, range switch on the diode symbol, the two sockets.
  cairo_new_path(cr);
  cairo_arc(cr, 14, 14, 10, M_PI, 1.5 * M_PI);
  cairo_arc(cr, 86, 14, 10, 1.5 * M_PI, 2 * M_PI);
  cairo_arc(cr, 86, 111, 10, 0, 0.5 * M_PI);
  cairo_arc(cr, 14, 111, 10, 0.5 * M_PI, M_PI);
  cairo_close_path(cr);
  fillStroke(d, 0xF2C230);
  rect(d, 13, 11, 74, 28, 0xCFDCC0);
  d.text().draw({83, 31}, val("t60.vbe"), Align::Right, 16.5);
  disc(d, {50, 66}, 14, 0x505458);
  {
    Drawing::Style inked(d, 0xF4F4F4);
    d.pen(3);
    d.line({50, 66}, {50, 54});
    d.pen(Drawing::kPen);
  }
  // The diode symbol the switch points at.
  d.fillPolygon({{45, 45}, {55, 45}, {50, 51}}, Drawing::kBlack);
  d.line({45, 51.5}, {55, 51.5});
  disc(d, {30, 104}, 6, 0x202020);
  disc(d, {70, 104}, 6, kRed);
  bold(d, {18, 96}, "−", Align::Center, kSmall);
  bold(d, {83, 96}, "+", Align::Center, kSmall);
  // The transistor.
  Schematic s(d);
  s.npn("Q", {186, 62});
  const Pt b = s.pin("Q.b"), c = s.pin("Q.c"), e = s.pin("Q.e");
  d.line(c, {c.x, c.y - 12});
  d.line(e, {e.x, e.y + 12});
  // Above the base lead: the red probe comes in along it from the left.
  bold(d, {b.x - 6, b.y - 7}, "B", Align::Right);
  bold(d, {c.x + 7, c.y - 4}, "C", Align::Left);
  bold(d, {e.x + 7, e.y + 12}, "E", Align::Left);
  // The probe leads, curved from the sockets to the probe tips.
  auto probe = [&](Pt from, Pt tip, Pt c1, Pt c2, std::uint32_t colour) {
    cairo_save(cr);
    d.ink(colour);
    d.pen(2.2);
    cairo_move_to(cr, from.x, from.y);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, tip.x, tip.y);
    cairo_stroke(cr);
    d.circle(tip, 3.2, true);
    cairo_restore(cr);
    d.ink(Drawing::kBlack);
  };
  probe({70, 104}, {b.x + 2, b.y}, {110, 104}, {120, 62}, kRed);
  probe({30, 104}, {e.x, e.y + 12}, {60, 120}, {200, 118}, 0x202020);
  return d.bmp();
}

struct Reading {
  const char *red, *black;
  std::string npn, pnp;
};

std::vector<Reading> readings() {
  const std::string be = val("t60.vbe"), bc = val("t60.vbc");
  return {{"B", "E", be, "OL"}, {"E", "B", "OL", be}, {"B", "C", bc, "OL"},
          {"C", "B", "OL", bc}, {"C", "E", "OL", "OL"}, {"E", "C", "OL", "OL"}};
}

// The six readings between pairs of leads, for an NPN and a PNP: the red probe is the meter's
// positive side. A junction reads its forward voltage one way and open ("OL") the other;
// collector to emitter reads open both ways.
std::vector<std::uint8_t> readingsTable() {
  Drawing d(236, 156);
  const double cols[] = {2, 70, 126, 180, 234};
  const double rowH = 21, headH = 24;
  cairo_rectangle(d.cr(), cols[0] + 0.5, 2.5, cols[4] - cols[0], headH);
  fillStroke(d, 0xE4E9F2, Drawing::kGrey, 1);
  const char* heads[] = {"vermelha", "preta", "NPN", "PNP"};
  for (int i = 0; i < 4; ++i) {
    d.ink(i == 0 ? kRed : Drawing::kBlack);
    bold(d, {(cols[i] + cols[i + 1]) / 2, 20}, heads[i], Align::Center, i < 2 ? kSmall : TextSetter::kMainSize);
  }
  d.ink(Drawing::kBlack);
  double y = 2 + headH;
  for (const auto& r : readings()) {
    bold(d, {(cols[0] + cols[1]) / 2, y + 16}, r.red);
    bold(d, {(cols[1] + cols[2]) / 2, y + 16}, r.black);
    for (int i = 0; i < 2; ++i) {
      const std::string& v = i == 0 ? r.npn : r.pnp;
      d.ink(v == "OL" ? Drawing::kBlack : Drawing::kBlue);
      d.text().draw({(cols[i + 2] + cols[i + 3]) / 2, y + 16}, v, Align::Center, 14);
    }
    d.ink(Drawing::kBlack);
    y += rowH;
  }
  // The grid.
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.pen(1);
    for (int i = 0; i <= 6; ++i) d.line({cols[0], 2 + headH + i * rowH}, {cols[4], 2 + headH + i * rowH});
    for (double x : cols) d.line({x, 2}, {x, 2 + headH + 6 * rowH});
    d.pen(Drawing::kPen);
  }
  return d.bmp();
}

// What each picture shows, read aloud.
std::string describeSmallSignalPackages() {
  return "Desenho de quatro encapsulamentos de transistores de pequeno sinal, com os terminais. TO-92: corpo de "
         "plástico preto com uma face plana, visto de frente, três terminais para baixo; da esquerda para a direita, "
         "C, B, E no BC547 e E, B, C no 2N3904. TO-126, o BD139: corpo plano com um furo, visto de frente, terminais "
         "E, C, B da esquerda para a direita. TO-18, o 2N2222A, e TO-39, o 2N2219A, maior: latas de metal redondas, "
         "vistas de baixo, com um ressalto na borda, embaixo à esquerda; os três terminais são E à esquerda, junto ao "
         "ressalto, B em cima e C à direita.";
}

std::string describePowerPackages() {
  return "Desenho de dois encapsulamentos de potência. TO-220, o TIP31C, visto de frente: corpo de plástico com "
         "uma aba de metal em cima, com furo, ligada ao coletor; terminais B, C, E da esquerda para a direita. TO-3, "
         "o 2N3055, visto de baixo: um corpo redondo de metal com duas abas de fixação, cada uma com um furo; dois "
         "terminais, B em cima e E embaixo, um pouco deslocados do centro para o furo da direita; o invólucro é o "
         "coletor, C.";
}

std::string describeInsulatedMounting() {
  return "Desenho em vista explodida da montagem isolada de um TO-220 num dissipador, as peças separadas ao longo do "
         "eixo do parafuso, de cima para baixo: parafuso, bucha isolante, a aba do TO-220, a mica, o dissipador, a "
         "arruela e a porca.";
}

std::string describeHeatSink() {
  return "Desenho de um dissipador com aletas visto de lado, com um TO-220 preso à face plana por um parafuso, sobre "
         "uma mica. Setas em laranja mostram o calor saindo da pastilha, dentro do transistor, passando pela aba e "
         "pela placa do dissipador, correndo pelas aletas e subindo para o ar.";
}

std::string describeSmdPackages() {
  return "Desenho ampliado de três encapsulamentos de montagem em superfície, vistos de cima. SOT-23, o BC847: B e E "
         "embaixo, C em cima. SOT-223, o BCP56: terminais B, C, E embaixo, da esquerda para a direita, e a aba larga "
         "em cima, C. DPAK, o MJD31: B e E embaixo, nos lados, um terminal curto no meio e a aba em cima, ambos C.";
}

std::string describeTypeNumbers() {
  std::string out = "Como ler dois códigos de transistores, cada parte do código, em azul, ao lado do seu significado.";
  for (const auto& g : kTypeNumbers) {
    out += std::string(" ") + g.code + ":";
    for (const auto& [part, meaning] : g.parts) out += std::string(" ") + part + ", " + spoken(meaning) + ";";
    out.back() = '.';
  }
  return out;
}

std::string describeDiodeTest() {
  return "Desenho de um multímetro na escala de diodo, com a ponta vermelha (positiva) na base e a preta (negativa) "
         "no emissor de um NPN: a junção base-emissor conduz, e o visor mostra " + val("t60.vbe") + ".";
}

std::string describeReadingsTable() {
  std::string out = "Tabela das leituras do multímetro na escala de diodo, entre cada par de terminais, para um NPN e um "
                    "PNP; as tensões em azul, OL quando a junção não conduz.";
  for (const Reading& r : readings())
    out += std::string(" Vermelha em ") + r.red + ", preta em " + r.black + ": NPN " + r.npn + ", PNP " + r.pnp + ".";
  return out;
}

}  // namespace

void addTopic13Figures(FigureList& list) {
  list.add("t57-encapsulamentos.bmp", smallSignalPackages, describeSmallSignalPackages);
  list.add("t57-potencia.bmp", powerPackages, describePowerPackages);
  list.add("t58-montagem.bmp", insulatedMounting, describeInsulatedMounting);
  list.add("t58-dissipador.bmp", heatSink, describeHeatSink);
  list.add("t59-smd.bmp", smdPackages, describeSmdPackages);
  list.add("t59-codigos.bmp", typeNumbers, describeTypeNumbers);
  list.add("t60-teste-diodo.bmp", diodeTest, describeDiodeTest);
  list.add("t60-leituras.bmp", readingsTable, describeReadingsTable);
}

}  // namespace apostila::figures
