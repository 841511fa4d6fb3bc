// Signal-to-event conversion: a self-pipe written by the handler, drained by a thread.
#include "ui/platform/sdl/SignalWatcher.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "ui/platform/PlatformError.h"

namespace apostila::platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void onTerminationSignal(int) {
  const int saved = errno;
  const char byte = 1;
  if (g_writeEnd >= 0) [[maybe_unused]] auto n = ::write(g_writeEnd, &byte, 1);
  errno = saved;
}

void makePipe(int fds[2]) {
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
    throw PlatformError(std::string("cannot create a pipe for signals: ") + std::strerror(errno));
}

}  // namespace

SignalWatcher::SignalWatcher(Uint32 eventType, Uint32 readableEventType)
    : eventType_(eventType), readableEventType_(readableEventType) {
  makePipe(pipe_);
  try {
    makePipe(stop_);
    makePipe(rearm_);
  } catch (...) {
    for (int fd : {pipe_[0], pipe_[1], stop_[0], stop_[1]})
      if (fd >= 0) ::close(fd);
    throw;
  }
  g_writeEnd = pipe_[1];
  struct sigaction action = {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
  thread_ = std::thread([this] { run(); });
}

SignalWatcher::~SignalWatcher() {
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  g_writeEnd = -1;
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(stop_[1], &byte, 1);
  thread_.join();
  for (int fd : {pipe_[0], pipe_[1], stop_[0], stop_[1], rearm_[0], rearm_[1]}) ::close(fd);
}

void SignalWatcher::watch(std::span<const int> fds) {
  {
    std::lock_guard lock(mutex_);
    watched_.assign(fds.begin(), fds.end());
  }
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(rearm_[1], &byte, 1);
}

namespace {
void push(Uint32 type) {
  SDL_Event event = {};
  event.type = type;
  // Thread-safe, and wakes a blocked SDL_WaitEvent. A full queue drains: try again.
  for (int attempt = 0; attempt < 200 && SDL_PushEvent(&event) < 0; ++attempt) SDL_Delay(10);
}

void drain(int fd) {
  char buffer[16];
  while (::read(fd, buffer, sizeof buffer) > 0) {
  }
}
}  // namespace

void SignalWatcher::run() {
  std::vector<pollfd> fds;
  for (;;) {
    fds = {{pipe_[0], POLLIN, 0}, {stop_[0], POLLIN, 0}, {rearm_[0], POLLIN, 0}};
    {
      std::lock_guard lock(mutex_);
      for (int fd : watched_) fds.push_back({fd, POLLIN, 0});
    }
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0) return;
    if (fds[0].revents != 0) {
      char buffer[16];
      bool got = false;
      while (::read(pipe_[0], buffer, sizeof buffer) > 0) got = true;
      if (got) push(eventType_);
    }
    if (fds[2].revents != 0) drain(rearm_[0]);
    bool ready = false;
    for (std::size_t i = 3; i < fds.size(); ++i) ready = ready || fds[i].revents != 0;
    if (ready) {
      // Report once and rest: the socket stays readable until the loop reads it.
      {
        std::lock_guard lock(mutex_);
        watched_.clear();
      }
      push(readableEventType_);
    }
  }
}

}  // namespace apostila::platform
