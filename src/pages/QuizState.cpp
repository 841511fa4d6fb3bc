// The single instance.
#include "pages/QuizState.h"

namespace apostila::pages {

QuizState& quiz() {
  static QuizState state;
  return state;
}

}  // namespace apostila::pages
