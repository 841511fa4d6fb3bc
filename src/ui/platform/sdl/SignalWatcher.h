// Turns SIGTERM, SIGHUP and SIGINT into an SDL event, so that a program blocked in its event
// wait wakes up and ends cleanly. The signal handler only writes a byte to a pipe (all a
// handler may safely do); a small thread reads it and pushes the event, which wakes SDL's wait.
#pragma once

#include <SDL2/SDL.h>

#include <csignal>
#include <thread>

namespace apostila::platform {

class SignalWatcher {
 public:
  explicit SignalWatcher(Uint32 eventType);  // the SDL event type to push
  ~SignalWatcher();
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

 private:
  void run();

  Uint32 eventType_;
  int pipe_[2] = {-1, -1};
  int stop_[2] = {-1, -1};
  struct sigaction previous_[3] = {};
  std::thread thread_;
};

}  // namespace apostila::platform
