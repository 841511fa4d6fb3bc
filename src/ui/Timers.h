// The layer's timers: one list of deadlines on the backend's clock. The message loop passes the
// earliest deadline to the backend's wait, so nothing polls.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace apostila::ui {

class Timers {
 public:
  using Id = int;
  Id start(std::int64_t now, int intervalMs, std::function<void()> action);
  void stop(Id id);
  std::optional<std::int64_t> nextDeadline() const;
  // Runs the action of one timer that is due, if any; a timer fires once per start.
  bool fireDue(std::int64_t now);

 private:
  struct Timer {
    Id id;
    std::int64_t deadline;
    std::function<void()> action;
  };
  std::vector<Timer> timers_;
  Id next_ = 1;
};

}  // namespace apostila::ui
