// The whole course under a long stream of seeded random input on the headless desktop: pointer
// moves over random points and over the elements of the page on screen, left, right and double
// clicks, Enter, Esc, Ctrl+C, close boxes, confirmations answered No and waits of random
// lengths. Each time the program has nothing left to do, the invariants are checked: no error
// escaped a handler, one page on the screen, the quiz's counters in range, a modal message with
// every page disabled, a hint only over an element that has one. Resident memory after the
// warm-up and at the end is reported, and may not grow by more than 1 MB.
//
// The program runs its own loop, as it does for a learner; the driver acts from the desktop's
// idle hook. APOSTILA_SOAK_EVENTS (default 100000) and APOSTILA_SOAK_SEED (default 1) choose
// the run. A failure prints the shortest event list found that still fails.
#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "pages/QuizState.h"
#include "ui/DialogBox.h"
#include "ui/HintWindow.h"
#include "ui/PointerTracker.h"

#if defined(__SANITIZE_ADDRESS__)
#define APOSTILA_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define APOSTILA_SOAK_UNDER_ASAN 1
#endif
#endif
#ifndef APOSTILA_SOAK_UNDER_ASAN
#define APOSTILA_SOAK_UNDER_ASAN 0
#endif

namespace apostila {
namespace {

using platform::Key;
using platform::MouseButton;

struct SoakEvent {
  enum Kind { Move, Click, RightClick, DoubleClick, Enter, Escape, CtrlC, CloseBox, Wait } kind = Move;
  int x = 0, y = 0;  // Move: the screen point
  int page = 0;      // CloseBox: the page's creation order
  int ms = 0;        // Wait
};

std::string describe(const SoakEvent& e) {
  static const char* names[] = {"move", "click", "right-click", "double-click", "enter", "escape", "ctrl+c", "close-box",
                                "wait"};
  std::ostringstream s;
  s << names[e.kind];
  if (e.kind == SoakEvent::Move) s << " " << e.x << "," << e.y;
  if (e.kind == SoakEvent::CloseBox) s << " page " << e.page;
  if (e.kind == SoakEvent::Wait) s << " " << e.ms << " ms";
  return s.str();
}

long residentKb() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long envLong(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// Runs events on fresh courses until they are used up or an invariant fails. Events come from
// a seeded generator, or from a list when a failure is being narrowed down.
class SoakRun {
 public:
  // Recording is for narrowing a failure down; a long run keeps no list, so that its memory
  // figure is the program's own.
  SoakRun(std::uint64_t seed, long count, bool record) : rng_(seed), count_(count), recording_(record) {}
  explicit SoakRun(std::vector<SoakEvent> replay) : replay_(std::move(replay)), count_(static_cast<long>(replay_.size())), replaying_(true) {}

  // The first failure, or empty.
  std::string run() {
    while (done_ < count_ && failure_.empty()) {
      pages::quiz() = {};  // a fresh start of the program
      testing::Course course;
      course_ = &course;
      restart_ = false;
      lastWasCloseBox_ = false;
      course.desktop.onWait([this] { idle(); });
      try {
        course.app->run();
      } catch (const std::exception& e) {
        failure_ = std::string("the program failed: ") + e.what();
      }
      course_ = nullptr;
      if (!restart_) break;
      ++restarts_;
    }
    return failure_;
  }

  const std::vector<SoakEvent>& events() const { return recorded_; }
  long eventsDone() const { return done_; }
  long restarts() const { return restarts_; }
  long checks() const { return checks_; }
  long memoryGrowthKb() const { return memoryAtEnd_ - memoryAfterWarmUp_; }
  long memoryAfterWarmUpKb() const { return memoryAfterWarmUp_; }

 private:
  platform::HeadlessBackend& desk() { return course_->desktop; }
  ui::Application& app() { return *course_->app; }

  void fail(const std::string& why) {
    failure_ = why + " (after event " + std::to_string(done_) + ")";
    desk().terminate();
  }

  std::vector<ui::Form*> visiblePages() {
    std::vector<ui::Form*> v;
    for (ui::Form* f : app().forms())
      if (f->visible()) v.push_back(f);
    return v;
  }

  // The program waits with nothing to do: check, then act until something is queued for it.
  void idle() {
    check();
    if (!failure_.empty() || restart_) return;
    if (memoryAfterWarmUp_ == 0 && done_ >= warmUp()) memoryAfterWarmUp_ = residentKb();
    while (desk().pendingEvents() == 0) {
      if (done_ >= count_) {
        memoryAtEnd_ = residentKb();
        desk().terminate();
        return;
      }
      act(next());
      ++done_;
    }
    desk().onWait([this] { idle(); });
  }

  long warmUp() const { return std::min<long>(count_ / 5, 20000); }

  void check() {
    ++checks_;
    ui::DialogBox* box = app().openBox();
    if (box && box->desc().icon == ui::DialogDesc::Icon::Stop)
      return fail("an error escaped a handler: " + box->desc().text);
    const std::vector<ui::Form*> shown = visiblePages();
    if (shown.empty() && !box) {
      if (!lastWasCloseBox_) return fail("no page on the screen");
      // A close box hid the last page: the learner starts the course again.
      restart_ = true;
      desk().terminate();
      return;
    }
    if (shown.size() > 1) return fail(std::to_string(shown.size()) + " pages on the screen");
    const pages::QuizState& q = pages::quiz();
    if (q.Certas < 0 || q.Certas > 20) return fail("Certas is " + std::to_string(q.Certas));
    if (q.Erradas < 0 || q.Erradas > 40) return fail("Erradas is " + std::to_string(q.Erradas));
    if (q.Tentativa < 0 || q.Tentativa > 3) return fail("Tentativa is " + std::to_string(q.Tentativa));
    // The modal message disables the page on the screen; the exit confirmation is the
    // desktop's own box, owned by no page, and leaves it as it is.
    if (box && box->desc().icon != ui::DialogDesc::Icon::Question)
      for (ui::Form* f : shown)
        if (f->windowEnabled()) return fail("a box is open and " + f->name() + " is enabled");
    const ui::PointerTracker& pointer = app().pointer();
    if (pointer.hintWindow().visible() && (!pointer.hintOwner() || pointer.hintOwner()->hint().empty()))
      return fail("a hint shows over an element without one");
  }

  SoakEvent next() {
    if (replaying_) return replay_[static_cast<std::size_t>(done_)];
    SoakEvent e;
    const int roll = pick(100);
    ui::DialogBox* box = app().openBox();
    if (box && box->desc().caption == "Responder") {
      e.kind = SoakEvent::Enter;  // the exit confirmation: always No, its default
    } else if (roll < 15) {
      e.kind = SoakEvent::Move;
      const platform::Size screen = desk().screenSize();
      e.x = pick(screen.width), e.y = pick(screen.height);
    } else if (roll < 45) {
      e = moveOverAnElement();
    } else if (roll < 65) {
      e.kind = SoakEvent::Click;
    } else if (roll < 68) {
      e.kind = SoakEvent::RightClick;
    } else if (roll < 73) {
      e.kind = SoakEvent::DoubleClick;
    } else if (roll < 80) {
      e.kind = SoakEvent::Enter;
    } else if (roll < 84) {
      e.kind = SoakEvent::Escape;
    } else if (roll < 86) {
      e.kind = SoakEvent::CtrlC;
    } else if (roll < 87) {
      // A random page's close box: a hidden page has none, so most of these do nothing.
      e.kind = SoakEvent::CloseBox;
      e.page = pick(static_cast<int>(app().forms().size()));
    } else {
      e.kind = SoakEvent::Wait;
      e.ms = pick(3000);
    }
    if (recording_) recorded_.push_back(e);
    return e;
  }

  // A point inside a random element of the page on the screen, or of the open box.
  SoakEvent moveOverAnElement() {
    SoakEvent e;
    e.kind = SoakEvent::Move;
    platform::Rect target{};
    platform::Point origin{};
    if (ui::DialogBox* box = app().openBox()) {
      origin = desk().geometry(box->windowId()).client.origin();
      const ui::Rect r = box->buttonRect(0);
      target = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    } else {
      const std::vector<ui::Form*> shown = visiblePages();
      if (shown.empty()) return e;
      std::vector<const ui::Control*> controls;
      collect(*shown[0], controls);
      if (controls.empty()) return e;
      const ui::Control* c = controls[static_cast<std::size_t>(pick(static_cast<int>(controls.size())))];
      origin = desk().geometry(shown[0]->windowId()).client.origin();
      int x = c->left(), y = c->top();
      for (const ui::Container* p = c->parent(); p && p != shown[0]; p = p->parent())
        x += p->left() + p->clientOffsetX(), y += p->top() + p->clientOffsetY();
      target = {x, y, c->width(), c->height()};
    }
    e.x = origin.x + target.x + pick(std::max(1, target.width));
    e.y = origin.y + target.y + pick(std::max(1, target.height));
    return e;
  }

  static void collect(const ui::Container& parent, std::vector<const ui::Control*>& out) {
    for (const ui::Control* c : parent.controls()) {
      if (!c->visible()) continue;
      out.push_back(c);
      if (auto* inner = dynamic_cast<const ui::Container*>(c)) collect(*inner, out);
    }
  }

  void act(const SoakEvent& e) {
    lastWasCloseBox_ = e.kind == SoakEvent::CloseBox;
    switch (e.kind) {
      case SoakEvent::Move: desk().movePointer({e.x, e.y}); break;
      case SoakEvent::Click: desk().click(); break;
      case SoakEvent::RightClick: desk().click(MouseButton::Right); break;
      case SoakEvent::DoubleClick:
        desk().click();
        desk().click();
        break;
      case SoakEvent::Enter: desk().typeKey(Key::Return); break;
      case SoakEvent::Escape: desk().typeKey(Key::Escape); break;
      case SoakEvent::CtrlC: desk().typeKey(Key::C, platform::kCtrl, "c"); break;
      case SoakEvent::CloseBox: {
        const auto& forms = app().forms();
        if (e.page >= 0 && e.page < static_cast<int>(forms.size()) && forms[static_cast<std::size_t>(e.page)]->visible())
          desk().requestClose(forms[static_cast<std::size_t>(e.page)]->windowId());
        break;
      }
      case SoakEvent::Wait: desk().advanceClock(e.ms); break;
    }
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::mt19937_64 rng_{1};
  std::vector<SoakEvent> replay_;
  std::vector<SoakEvent> recorded_;
  long count_ = 0;
  bool replaying_ = false;
  bool recording_ = false;
  testing::Course* course_ = nullptr;
  long done_ = 0;
  long restarts_ = 0;
  long checks_ = 0;
  bool restart_ = false;
  bool lastWasCloseBox_ = false;
  std::string failure_;
  long memoryAfterWarmUp_ = 0;
  long memoryAtEnd_ = 0;
};

// Narrows a failing list down: drops ever smaller runs of events while the rest still fails,
// within a time budget.
std::vector<SoakEvent> shrink(std::vector<SoakEvent> events) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t at = 0; at + chunk <= events.size();) {
      if (std::chrono::steady_clock::now() > deadline) return events;
      std::vector<SoakEvent> fewer(events.begin(), events.begin() + static_cast<long>(at));
      fewer.insert(fewer.end(), events.begin() + static_cast<long>(at + chunk), events.end());
      if (!SoakRun(fewer).run().empty())
        events = std::move(fewer);
      else
        at += chunk;
    }
    if (chunk == 1) break;
  }
  return events;
}

TEST(Soak, SeededRandomInputKeepsEveryInvariant) {
  const long count = envLong("APOSTILA_SOAK_EVENTS", 100000);
  const auto seed = static_cast<std::uint64_t>(envLong("APOSTILA_SOAK_SEED", 1));
  // A fresh start here happens inside one process, which the program never does: each start
  // frees and makes again buffers of a few megabytes. The allocator's moving threshold would
  // then put the next ones on the heap, which grows once by about a megabyte around the holes
  // left. A fixed threshold keeps large buffers mapped and given back, so the figure is what the
  // program itself keeps.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  SoakRun soak(seed, count, false);
  const std::string failure = soak.run();
  if (!failure.empty()) {
    // The run is deterministic: the same seed, recorded this time, meets the same failure.
    SoakRun again(seed, soak.eventsDone(), true);
    const std::string second = again.run();
    if (second.empty()) FAIL() << "seed " << seed << ": " << failure << "\n(the recorded rerun did not fail again)";
    std::ostringstream list;
    for (const SoakEvent& e : shrink(again.events())) list << "\n  " << describe(e);
    FAIL() << "seed " << seed << ": " << failure << "\nshortest failing events found:" << list.str();
  }
  std::cout << "soak: seed " << seed << ", " << count << " events, " << soak.checks() << " checks, "
            << soak.restarts() << " fresh starts, resident memory " << soak.memoryAfterWarmUpKb()
            << " KB after the warm-up, grown by " << soak.memoryGrowthKb() << " KB at the end\n";
#if !APOSTILA_SOAK_UNDER_ASAN
  // Memory that keeps growing after the warm-up is retained by something that should not be.
  // (Under AddressSanitizer freed blocks sit in its quarantine, so the figure says nothing.)
  EXPECT_LE(soak.memoryGrowthKb(), 1024) << "resident memory grew after the warm-up";
#endif
}

}  // namespace
}  // namespace apostila
