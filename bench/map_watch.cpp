// Watches a display for the first window mapped on it, for the time from exec to the first
// mapped window. It selects the root window's substructure notices, prints "ready" once the
// server has taken the selection, reads the watched process's id from standard input, and at
// the first MapNotify prints "mapped_ns N" (CLOCK_MONOTONIC, nanoseconds) and kills that
// process, so that its processor time, read by the parent from wait4, ends at the map as well.
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <ctime>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "bench_map_watch: cannot open the display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  std::printf("ready\n");
  std::fflush(stdout);
  long pid = 0;
  if (std::scanf("%ld", &pid) != 1 || pid <= 0) {
    std::fprintf(stderr, "bench_map_watch: no process id on standard input\n");
    return 1;
  }
  for (XEvent event;;) {
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    kill(static_cast<pid_t>(pid), SIGKILL);
    std::printf("mapped_ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    break;
  }
  XCloseDisplay(display);
  return 0;
}
