// The quiz's one score for the whole run: right answers, wrong answer clicks, and the attempt
// state of the question on screen. Only the question pages and the conclusion page touch it.
#pragma once

#include <cstdint>

namespace apostila::pages {

struct QuizState {
  std::int32_t Certas = 0;
  std::int32_t Erradas = 0;
  std::int32_t Tentativa = 0;  // 0 not started, 1 first try, 2 second try, 3 closed by two wrong answers
};

QuizState& quiz();

}  // namespace apostila::pages
