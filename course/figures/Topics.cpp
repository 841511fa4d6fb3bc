// The table of the course's parts, and the whole list of figures and table of values from it.
#include "Topics.h"

#include "model/HandMethods.h"

namespace apostila::figures {

namespace {

// The hand method's VBE, which pages of every topic state.
void addHandValues(ValueTable& t) { t.add("hand.vbe", HandMethods::kVbe, "V", 1); }

ValueTable build() {
  ValueTable course;
  for (const CoursePart& p : courseParts()) {
    if (!p.values) continue;
    ValueTable own(&course);
    p.values(own);
    course.merge(own);
  }
  return course;
}

}  // namespace

const std::vector<CoursePart>& courseParts() {
  static const std::vector<CoursePart> parts{
      {"hand methods", addHandValues, nullptr},
      {"glyphs", nullptr, addGlyphFigures},
      {"quiz", addQuizValues, addQuizFigures},
      {"topics 1 and 2: the junctions", addTopics1And2Values, addTopics1And2Figures},
      {"topic 3: current flow", addTopic3Values, addTopic3Figures},
      {"topic 4: alpha and beta", addTopic4Values, addTopic4Figures},
      {"topic 5: the configurations", nullptr, addTopic5Figures},
      {"topic 6: notation", addTopic6Values, addTopic6Figures},
      {"topic 7: a single battery", addTopic7Values, addTopic7Figures},
      {"topic 8: the characteristic curves", addTopic8Values, addTopic8Figures},
      {"topic 9: bias circuits", addTopic9Values, addTopic9Figures},
      {"topic 9: leakage and drift", addTopic9bValues, addTopic9bFigures},
      {"topic 10: worked bias exercises", addTopic10Values, addTopic10Figures},
      {"topic 11: the load line", addTopic11Values, addTopic11Figures},
      {"topic 12: the switch", addTopic12Values, addTopic12Figures},
      {"topic 12: the current source", addTopic12bValues, addTopic12bFigures},
      {"topic 13: the physical aspect", addTopic13Values, addTopic13Figures},
  };
  return parts;
}

FigureList allFigures() {
  FigureList list;
  for (const CoursePart& p : courseParts())
    if (p.figures) p.figures(list);
  return list;
}

FigureList pictureFigures() {
  FigureList list;
  for (const CoursePart& p : courseParts())
    if (p.figures && p.figures != addGlyphFigures) p.figures(list);
  return list;
}

const ValueTable& courseValues() {
  static const ValueTable table = build();
  return table;
}

const std::string& val(const std::string& name) { return courseValues().text(name); }

std::string worked(const std::string& result) { return courseValues().workedText(result); }

std::string workedFraction(const std::string& result) {
  const ValueTable& t = courseValues();
  const WorkedStep& s = t.step(result);
  if (s.op != Op::Quotient) return t.workedText(result);
  return "\\frac{" + t.operandText(s.operands[0]) + "}{" + t.operandText(s.operands[1]) + "}";
}

std::string workedStep(const std::string& result) { return courseValues().stepText(result); }

}  // namespace apostila::figures
