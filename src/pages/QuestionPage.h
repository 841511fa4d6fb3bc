// The twenty question pages: one template with five answer buttons, two chances, a hint under
// each wrong option, the solution marker, the counters column and, on the last four, the
// circuit preview. Each page is its own class; the answer key is in its handlers.
#pragma once

#include <array>
#include <span>

#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "pages/CourseShape.h"
#include "pages/Page.h"
#include "pages/PageClassName.h"

namespace apostila::pages {

// For each letter A to E: 0 for the right one, else the number of the hint label it shows.
struct AnswerKey {
  std::array<int, 5> hintOf;
};

class QuestionPage : public Page {
 public:
  QuestionPage(ui::Component* owner, int number, AnswerKey key) : Page(owner), number_(number), key_(key) {}
  int number() const { return number_; }  // the page number: shape::kFirstQuestionPage for question 1
  const AnswerKey& key() const { return key_; }

  content::TLabel* LblQuestao = nullptr;
  content::TSpeedButton* BtnRespostaA = nullptr;
  content::TSpeedButton* BtnRespostaB = nullptr;
  content::TSpeedButton* BtnRespostaC = nullptr;
  content::TSpeedButton* BtnRespostaD = nullptr;
  content::TSpeedButton* BtnRespostaE = nullptr;
  content::TLabel* LblRespostaA = nullptr;
  content::TLabel* LblRespostaB = nullptr;
  content::TLabel* LblRespostaC = nullptr;
  content::TLabel* LblRespostaD = nullptr;
  content::TLabel* LblRespostaE = nullptr;
  content::TLabel* Label1 = nullptr;
  content::TLabel* Label2 = nullptr;
  content::TLabel* Label3 = nullptr;
  content::TLabel* Label4 = nullptr;
  content::TImage* Image1 = nullptr;
  content::TPanel* Panel2 = nullptr;
  content::TSpeedButton* BtnAvancar = nullptr;
  content::TSpeedButton* BtnSair = nullptr;
  content::TSpeedButton* BtnRetornar = nullptr;
  content::TLabel* LblCertas = nullptr;
  content::TLabel* LblErradas = nullptr;
  content::TLabel* LabelResposta = nullptr;
  content::TPanel* PnlCertas = nullptr;
  content::TPanel* PnlErradas = nullptr;
  // The circuit preview of questions 17 to 20; null on the others.
  content::TLabel* Label7 = nullptr;
  content::TPanel* Panel1 = nullptr;
  content::TImage* Image2 = nullptr;

  void FormActivate(ui::Component* sender);
  void FormCreate(ui::Component* sender);  // question 1 only
  void BtnRespostaAClick(ui::Component*) { answer(0); }
  void BtnRespostaBClick(ui::Component*) { answer(1); }
  void BtnRespostaCClick(ui::Component*) { answer(2); }
  void BtnRespostaDClick(ui::Component*) { answer(3); }
  void BtnRespostaEClick(ui::Component*) { answer(4); }
  void Label7MouseEnter(ui::Component* sender);  // questions 17 to 20
  void Label7MouseLeave(ui::Component* sender);
  void BtnAvancarClick(ui::Component* sender);
  void BtnRetornarClick(ui::Component* sender);
  void BtnSairClick(ui::Component* sender);

  // The parent tables: the question template that all twenty pages have; the same with the
  // creation handler of question 1; the same with the circuit preview of questions 17 to 20.
  static const ui::PageClassInfo kClass;
  static const ui::PageClassInfo kFirstClass;
  static const ui::PageClassInfo kPreviewClass;
  static constexpr const ui::PageClassInfo* parentTableOf(int page) {
    return page == shape::kFirstQuestionPage ? &kFirstClass
           : page >= shape::kFirstPreviewQuestionPage ? &kPreviewClass
                                                      : &kClass;
  }

 private:
  void answer(int letter);
  void rightAnswer();
  void wrongAnswer(int hintLabel);
  void setAnswersEnabled(bool on);
  void showOnlyHint(int hintLabel);  // 0: none
  content::TLabel* hintLabel(int n) const;

  int number_;
  AnswerKey key_;
};

// The answer key of each page, in letter order A to E.
constexpr AnswerKey answerKeyOf(int page) {
  constexpr std::array<AnswerKey, shape::kQuestionCount> keys = {{
      {{1, 2, 0, 4, 3}}, {{1, 0, 2, 4, 3}}, {{0, 2, 1, 4, 3}}, {{1, 2, 0, 4, 3}}, {{1, 2, 3, 4, 0}},
      {{1, 2, 4, 0, 3}}, {{1, 2, 0, 4, 3}}, {{0, 2, 1, 4, 3}}, {{0, 2, 1, 4, 3}}, {{1, 0, 2, 4, 3}},
      {{1, 2, 0, 4, 3}}, {{1, 2, 4, 0, 3}}, {{1, 2, 3, 4, 0}}, {{0, 1, 2, 4, 3}}, {{1, 2, 3, 4, 0}},
      {{1, 0, 2, 4, 3}}, {{1, 2, 4, 0, 3}}, {{1, 2, 3, 4, 0}}, {{0, 2, 1, 4, 3}}, {{1, 2, 4, 0, 3}},
  }};
  return keys[static_cast<std::size_t>(page - shape::kFirstQuestionPage)];
}

template <int N>
class QuestionPageN final : public QuestionPage {
  static_assert(N >= shape::kFirstQuestionPage && N <= shape::kLastQuestionPage);

 public:
  explicit QuestionPageN(ui::Component* owner) : QuestionPage(owner, N, answerKeyOf(N)) {}
  static const ui::PageClassInfo kClass;
  const ui::PageClassInfo& pageClass() const override { return kClass; }
};

template <int N>
constinit const ui::PageClassInfo QuestionPageN<N>::kClass{PageClassName<N>::view, QuestionPage::parentTableOf(N),
                                                           {}, {}};

using TForm65 = QuestionPageN<65>;
using TForm66 = QuestionPageN<66>;
using TForm67 = QuestionPageN<67>;
using TForm68 = QuestionPageN<68>;
using TForm69 = QuestionPageN<69>;
using TForm70 = QuestionPageN<70>;
using TForm71 = QuestionPageN<71>;
using TForm72 = QuestionPageN<72>;
using TForm73 = QuestionPageN<73>;
using TForm74 = QuestionPageN<74>;
using TForm75 = QuestionPageN<75>;
using TForm76 = QuestionPageN<76>;
using TForm77 = QuestionPageN<77>;
using TForm78 = QuestionPageN<78>;
using TForm79 = QuestionPageN<79>;
using TForm80 = QuestionPageN<80>;
using TForm81 = QuestionPageN<81>;
using TForm82 = QuestionPageN<82>;
using TForm83 = QuestionPageN<83>;
using TForm84 = QuestionPageN<84>;

}  // namespace apostila::pages
