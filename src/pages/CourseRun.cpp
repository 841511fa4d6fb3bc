// The program's run.
#include "pages/CourseRun.h"

#include <exception>
#include <memory>
#include <ostream>

#include "pages/PageRegistry.h"
#include "ui/Application.h"

namespace apostila::app {

int runCourse(platform::Backend& desktop, const CourseLaunch& launch, std::ostream& err) {
  auto application = std::make_unique<ui::Application>(desktop, launch.programPath);
  application->setIcon(launch.icon);
  application->setLanguage(launch.language);
  application->setFormLoader(launch.loader);
  if (launch.startPageFrame.pixels) application->setPreparedMainFrame(launch.startPageFrame);
  try {
    startPages(*application, [&](int order) {
      if (launch.betweenPages) launch.betweenPages(*application, order);
    });
  } catch (const std::exception& e) {
    // The definitions are part of the program; failing to read one is a broken build. The
    // start page is on screen by now: its window closes before the report, and the input that
    // waited for the other pages goes with the application, unhandled.
    application.reset();
    clearRegistry();
    err << "apostila: " << e.what() << "\n";
    return 1;
  }
  application->run();
  application.reset();
  clearRegistry();
  return 0;
}

}  // namespace apostila::app
