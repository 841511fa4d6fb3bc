// Turns SIGTERM, SIGHUP and SIGINT into an SDL event, so that a program blocked in its event
// wait wakes up and ends cleanly. The signal handler only writes a byte to a pipe (all a
// handler may safely do); a small thread reads it and pushes the event, which wakes SDL's wait.
// The same thread, already blocked in its poll, also watches the sockets the layer hands it
// (watchReadable) and pushes a second event when one has data: it reads nothing from them,
// and rests until the loop has read them and arms the watch again.
#pragma once

#include <SDL2/SDL.h>

#include <csignal>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace apostila::platform {

class SignalWatcher {
 public:
  // The SDL event types to push for a signal and for a watched socket.
  SignalWatcher(Uint32 eventType, Uint32 readableEventType);
  ~SignalWatcher();
  // Watches `fds` until one of them has data, once. Called on the loop's thread.
  void watch(std::span<const int> fds);
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

 private:
  void run();

  Uint32 eventType_;
  Uint32 readableEventType_;
  int pipe_[2] = {-1, -1};
  int stop_[2] = {-1, -1};
  int rearm_[2] = {-1, -1};  // a byte here makes the thread take up the watched list again
  std::mutex mutex_;
  std::vector<int> watched_;  // guarded by mutex_; emptied by the thread when it reports
  struct sigaction previous_[3] = {};
  std::thread thread_;
};

}  // namespace apostila::platform
