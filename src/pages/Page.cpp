// The shared page operations.
#include "pages/Page.h"

#include "pages/PageRegistry.h"
#include "pages/StartPage.h"

namespace apostila::pages {

void Page::transitionTo(ui::Form* target) {
  target->show();
  hide();
}

void Page::exitRequest() { app::formintro->BtnSair->click(); }

}  // namespace apostila::pages
