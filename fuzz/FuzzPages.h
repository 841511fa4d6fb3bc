// The page objects the fuzz checks read definitions into: the course's own page class when the
// definition names one, so that members bind and handlers resolve as in the program, and a
// bare page otherwise. Also the program's way of showing a page, done without a window.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ui/Form.h"

namespace apostila::fuzz {

class FuzzPages {
 public:
  // The class name a definition stores after its signature, or "" when it has none readable.
  static std::string storedClassName(std::span<const std::uint8_t> definition);
  // A new page of the named course page class, or a bare page for any other name.
  static std::unique_ptr<ui::Form> create(std::string_view className);
  // The course's page classes, in the program's order.
  static std::span<const ui::PageClassInfo* const> classes();
  // Installs the text measurer the screen installs at start-up (idempotent).
  static void installTextMeasurer();
  // Reads the definition into a page of its class; on success paints it into a bounded canvas
  // and asks which element lies under a few points. Throws the reader's ReadError.
  static void readAndShow(std::span<const std::uint8_t> definition);
};

}  // namespace apostila::fuzz
