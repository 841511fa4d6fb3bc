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
    // start page is already on screen: it goes first, with the input that waited for the rest.
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
