// What every page of the course does the same way: the transition to another page, the exit
// request that goes through the start page's "Sair", and the placement on activation.
#pragma once

#include "content/TSpeedButton.h"
#include "ui/Form.h"

namespace apostila::pages {

class Page : public ui::Form {
 public:
  using ui::Form::Form;

  // Shows the target and then hides this page: at no moment is no page on screen.
  void transitionTo(ui::Form* target);
  // Clicks the start page's exit button from code, which asks the start page to close.
  static void exitRequest();
  // Every page comes back to the same place whenever it becomes active.
  void placeOnActivation() {
    setLeft(90);
    setTop(30);
  }
};

}  // namespace apostila::pages
