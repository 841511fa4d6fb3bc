// The question pages' handlers: activation reopens the question, a right answer closes it, a
// first wrong answer shows its hint and gives a second chance, a second one closes it.
#include "pages/QuestionPage.h"

#include <string>

#include "pages/PageRegistry.h"
#include "pages/QuizState.h"
#include "ui/Application.h"

namespace apostila::pages {

namespace {
using namespace ui::page;
using P = QuestionPage;

constinit const ui::MemberInfo kMembers[] = {
    member<&P::LblQuestao>("LblQuestao"),       member<&P::BtnRespostaA>("BtnRespostaA"),
    member<&P::BtnRespostaB>("BtnRespostaB"),   member<&P::BtnRespostaC>("BtnRespostaC"),
    member<&P::BtnRespostaD>("BtnRespostaD"),   member<&P::BtnRespostaE>("BtnRespostaE"),
    member<&P::LblRespostaA>("LblRespostaA"),   member<&P::LblRespostaB>("LblRespostaB"),
    member<&P::LblRespostaC>("LblRespostaC"),   member<&P::LblRespostaD>("LblRespostaD"),
    member<&P::LblRespostaE>("LblRespostaE"),   member<&P::Label1>("Label1"),
    member<&P::Label2>("Label2"),               member<&P::Label3>("Label3"),
    member<&P::Label4>("Label4"),               member<&P::Image1>("Image1"),
    member<&P::Panel2>("Panel2"),               member<&P::BtnAvancar>("BtnAvancar"),
    member<&P::BtnSair>("BtnSair"),             member<&P::BtnRetornar>("BtnRetornar"),
    member<&P::LblCertas>("LblCertas"),         member<&P::LblErradas>("LblErradas"),
    member<&P::LabelResposta>("LabelResposta"), member<&P::PnlCertas>("PnlCertas"),
    member<&P::PnlErradas>("PnlErradas"),
};
constinit const ui::HandlerInfo kHandlers[] = {
    handler<&P::FormActivate>("FormActivate"),
    handler<&P::BtnRespostaAClick>("BtnRespostaAClick"),
    handler<&P::BtnRespostaBClick>("BtnRespostaBClick"),
    handler<&P::BtnRespostaCClick>("BtnRespostaCClick"),
    handler<&P::BtnRespostaDClick>("BtnRespostaDClick"),
    handler<&P::BtnRespostaEClick>("BtnRespostaEClick"),
    handler<&P::BtnAvancarClick>("BtnAvancarClick"),
    handler<&P::BtnRetornarClick>("BtnRetornarClick"),
    handler<&P::BtnSairClick>("BtnSairClick"),
};

constinit const ui::HandlerInfo kFirstHandlers[] = {handler<&P::FormCreate>("FormCreate")};

constinit const ui::MemberInfo kPreviewMembers[] = {
    member<&P::Label7>("Label7"),
    member<&P::Panel1>("Panel1"),
    member<&P::Image2>("Image2"),
};
constinit const ui::HandlerInfo kPreviewHandlers[] = {
    handler<&P::Label7MouseEnter>("Label7MouseEnter"),
    handler<&P::Label7MouseLeave>("Label7MouseLeave"),
};

void setCount(content::TPanel* panel, std::int32_t value) { panel->setCaption(std::to_string(value)); }
}  // namespace

constinit const ui::PageClassInfo QuestionPage::kClass{"QuestionPage", &ui::Form::kPageClass, kMembers, kHandlers};
constinit const ui::PageClassInfo QuestionPage::kFirstClass{"FirstQuestionPage", &kClass, {}, kFirstHandlers};
constinit const ui::PageClassInfo QuestionPage::kPreviewClass{"PreviewQuestionPage", &kClass, kPreviewMembers,
                                                              kPreviewHandlers};

content::TLabel* QuestionPage::hintLabel(int n) const {
  switch (n) {
    case 1: return Label1;
    case 2: return Label2;
    case 3: return Label3;
    case 4: return Label4;
    default: return nullptr;
  }
}

void QuestionPage::setAnswersEnabled(bool on) {
  for (content::TSpeedButton* b : {BtnRespostaA, BtnRespostaB, BtnRespostaC, BtnRespostaD, BtnRespostaE})
    b->setEnabled(on);
}

void QuestionPage::showOnlyHint(int n) {
  for (int i = 1; i <= 4; ++i) hintLabel(i)->setVisible(i == n);
}

void QuestionPage::FormCreate(ui::Component*) {
  QuizState& q = quiz();
  q.Tentativa = 0;
  q.Erradas = 0;
  q.Certas = 0;
  setCount(PnlCertas, q.Certas);
  setCount(PnlErradas, q.Erradas);
}

void QuestionPage::FormActivate(ui::Component*) {
  QuizState& q = quiz();
  if (number_ == shape::kFirstQuestionPage) {
    // Every activation of the first question begins a new pass.
    q.Certas = 0;
    q.Erradas = 0;
  }
  setAnswersEnabled(true);
  showOnlyHint(0);
  Image1->setVisible(false);
  setCount(PnlCertas, q.Certas);
  setCount(PnlErradas, q.Erradas);
  placeOnActivation();
  q.Tentativa = 1;
}

void QuestionPage::answer(int letter) {
  int hint = key_.hintOf[static_cast<std::size_t>(letter)];
  if (hint == 0)
    rightAnswer();
  else
    wrongAnswer(hint);
}

void QuestionPage::rightAnswer() {
  QuizState& q = quiz();
  q.Certas += 1;
  setAnswersEnabled(false);
  showOnlyHint(0);
  Image1->setVisible(true);
  setCount(PnlCertas, q.Certas);
  application()->showMessage("VOCÊ ACERTOU!");
}

void QuestionPage::wrongAnswer(int hint) {
  QuizState& q = quiz();
  showOnlyHint(hint);
  if (q.Tentativa == 2) {
    q.Erradas += 1;
    q.Tentativa = 3;
    hintLabel(hint)->setVisible(false);
    setAnswersEnabled(false);
    setCount(PnlErradas, q.Erradas);
    Image1->setVisible(true);
    application()->showMessage("VOCÊ ERROU!");
  } else if (q.Tentativa == 1) {
    q.Tentativa = 2;
    application()->showMessage("Você tem mais uma chance!");
    // Counted only once the learner has closed the message.
    q.Erradas += 1;
    setCount(PnlErradas, q.Erradas);
  }
}

void QuestionPage::Label7MouseEnter(ui::Component*) {
  Panel1->setVisible(true);
  Image2->setVisible(true);
}

void QuestionPage::Label7MouseLeave(ui::Component*) {
  Panel1->setVisible(false);
  Image2->setVisible(false);
}

void QuestionPage::BtnAvancarClick(ui::Component*) {
  transitionTo(number_ == shape::kLastQuestionPage ? static_cast<ui::Form*>(app::Form85) : app::page(number_ + 1));
}
void QuestionPage::BtnRetornarClick(ui::Component*) { transitionTo(app::formintro); }
void QuestionPage::BtnSairClick(ui::Component*) { exitRequest(); }

}  // namespace apostila::pages
