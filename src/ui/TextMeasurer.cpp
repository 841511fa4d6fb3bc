// The installed measurer.
#include "ui/TextMeasurer.h"

namespace apostila::ui {

namespace {
const TextMeasurer* installed = nullptr;
}

const TextMeasurer* textMeasurer() { return installed; }
void setTextMeasurer(const TextMeasurer* measurer) { installed = measurer; }

}  // namespace apostila::ui
