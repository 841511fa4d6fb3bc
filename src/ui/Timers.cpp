// One-shot timers kept by deadline.
#include "ui/Timers.h"

#include <algorithm>

namespace apostila::ui {

Timers::Id Timers::start(std::int64_t now, int intervalMs, std::function<void()> action) {
  Id id = next_++;
  timers_.push_back({id, now + std::max(0, intervalMs), std::move(action)});
  return id;
}

void Timers::stop(Id id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; }),
                timers_.end());
}

std::optional<std::int64_t> Timers::nextDeadline() const {
  std::optional<std::int64_t> earliest;
  for (const Timer& t : timers_)
    if (!earliest || t.deadline < *earliest) earliest = t.deadline;
  return earliest;
}

bool Timers::fireDue(std::int64_t now) {
  auto due = std::min_element(timers_.begin(), timers_.end(),
                              [](const Timer& a, const Timer& b) { return a.deadline < b.deadline; });
  if (due == timers_.end() || due->deadline > now) return false;
  auto action = std::move(due->action);
  timers_.erase(due);
  action();
  return true;
}

}  // namespace apostila::ui
