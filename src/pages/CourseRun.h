// The course program from start to end on a given desktop, so that the program and the tests
// run the same start-up: the application, the start page on screen first, the other pages, the
// loop, and the one report of a page that cannot be built.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "ui/platform/Backend.h"
#include "ui/platform/Pixels.h"

namespace apostila::ui {
class Application;
class Form;
}  // namespace apostila::ui

namespace apostila::app {

struct CourseLaunch {
  std::string programPath;                      // for the application title
  std::string language;                         // of the desktop's own boxes
  const std::uint32_t* icon = nullptr;          // 32 by 32 pixels, or none
  std::function<void(ui::Form&)> loader;        // reads a page's definition
  platform::PixelView startPageFrame;           // drawn at build time (PreparedFrame.h), or none
  // Runs before the page at `order` is created and once after the last (order kPageCount).
  std::function<void(ui::Application&, int order)> betweenPages;
};

// Returns the exit code: 0 when the program was asked to end; 1 when a page could not be
// built, after the start page's window has gone and with the line "apostila: <error>" on `err`
// (what was waiting for the pages is dropped unhandled).
int runCourse(platform::Backend& desktop, const CourseLaunch& launch, std::ostream& err);

}  // namespace apostila::app
