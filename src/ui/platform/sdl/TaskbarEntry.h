// The program's one task-bar entry on X11. X11 has no application window: task bars list
// mapped top-level windows. So the entry is a window of its own, mapped while the layer shows
// the entry: one pixel at the centre of the screen with empty shapes (nothing to see, nothing
// to click), undecorated, with the application title and icon. It takes no input focus itself:
// when the window manager offers it the focus (the learner picked the entry) the program hands
// the focus to its own window. Its Close, minimise and restore reach the program as messages
// to this window, which notice() turns into what the layer needs to know.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/Pixels.h"

struct _XDisplay;
union _XEvent;

namespace apostila::platform {

using XWindow = unsigned long;

class TaskbarEntry {
 public:
  TaskbarEntry(_XDisplay* display, XWindow groupLeader);
  ~TaskbarEntry();
  TaskbarEntry(const TaskbarEntry&) = delete;
  TaskbarEntry& operator=(const TaskbarEntry&) = delete;

  // Maps the window (if it is not mapped yet) with this title.
  void show(std::string_view title);
  // Withdraws it: no entry at all.
  void hide();
  // The program minimises or restores itself: the entry follows, and this is not reported back.
  void setMinimized(bool minimized);
  // At a device scale above 1 the icon is offered at that many times its side as well.
  void setIcon(const IconImage& icon, int scale = 1);

  XWindow window() const { return window_; }

  enum class Notice { Nothing, Close, Focus, Minimized, Restored };
  // What an X event means for the entry. The window manager's minimise and restore are told
  // apart from the program's own by the entry's state (WM_STATE). An entry destroyed from
  // outside is made again at once, in the state it had.
  Notice notice(const _XEvent& event);

 private:
  void create();
  void map();

  _XDisplay* display_;
  XWindow leader_;
  XWindow window_ = 0;
  std::string title_;
  std::vector<unsigned long> icon_;  // _NET_WM_ICON: width, height, then ARGB pixels
  bool shown_ = false;
  bool minimized_ = false;
};

}  // namespace apostila::platform
