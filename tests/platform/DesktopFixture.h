// A small simulated desktop for the backend tests: page and tool-tip windows on demand, and
// the queued events as readable lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/platform/headless/HeadlessBackend.h"

namespace apostila::platform {

class DesktopTest : public ::testing::Test {
 protected:
  HeadlessBackend desk;

  // The pointer starts off every window, so that crossings appear only where a test wants them.
  DesktopTest() { desk.movePointer({1023, 767}); }

  WindowId page(Point outer = {0, 0}, Size size = {200, 100}) {
    return desk.createWindow(windowDesc(WindowKind::Page, "page", outer, size));
  }
  WindowId shownPage(Point outer = {0, 0}, Size size = {200, 100}) {
    const WindowId id = page(outer, size);
    desk.show(id);
    return id;
  }
  WindowId tooltip(Point outer, Size size = {50, 20}) {
    return desk.createWindow(windowDesc(WindowKind::Tooltip, "", outer, size));
  }

  // Every queued event, described, emptying the queue.
  std::vector<std::string> drain() {
    std::vector<std::string> out;
    while (auto e = desk.pollEvent()) out.push_back(describe(*e));
    return out;
  }
  // The queued events of one type only, emptying the queue.
  std::vector<Event> drainOf(EventType type) {
    std::vector<Event> out;
    while (auto e = desk.pollEvent())
      if (e->type == type) out.push_back(*e);
    return out;
  }
};

}  // namespace apostila::platform
