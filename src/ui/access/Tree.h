// What a screen reader sees of the running course: the application, each page as a frame, the
// page's panels, labels, pictures and buttons, and the layer's open boxes, each with its role,
// name, description, states, extents on the screen and actions. The tree is read from the live
// objects at every question, so it cannot go stale; only the numbers that name the objects are
// kept. It knows nothing of the bus: the bridge (Bridge.h) carries its answers and its events,
// and the tests ask it directly.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/access/Hooks.h"
#include "ui/canvas/Rect.h"
#include "ui/platform/Window.h"

namespace apostila::ui {
class Application;
class Control;
class DialogBox;
class Form;
}  // namespace apostila::ui

namespace apostila::access {

// The roles and states, numbered as the accessibility protocol numbers them.
enum class Role : std::uint32_t {
  Alert = 2, Dialog = 16, Frame = 23, Image = 27, Label = 29, Panel = 39, PushButton = 43, Application = 75,
};
enum class State : std::uint32_t {
  Active = 1, Enabled = 8, Focusable = 11, Focused = 12, Iconified = 15, Modal = 16, Sensitive = 24,
  Showing = 25, Visible = 30,
};
// The protocol's 64 state bits.
struct StateSet {
  std::uint64_t bits = 0;
  bool has(State s) const { return (bits >> static_cast<unsigned>(s)) & 1u; }
  void add(State s) { bits |= std::uint64_t{1} << static_cast<unsigned>(s); }
};

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ScreenRect&) const = default;
};

struct ActionInfo {
  std::string name;           // what a client asks for: "click", "show", "hide"
  std::string localizedName;  // what a screen reader says
  std::string description;
};

// What the tree tells a listener, as the protocol's events name them.
struct Notice {
  enum class Kind {
    StateChanged,     // detail: the state's name, value 1 or 0
    NameChanged,      // the accessible name (a caption)
    TextChanged,      // the text of a label, a panel or a box
    ChildAdded,       // value: the child's index, child: its id
    ChildRemoved,
    WindowActivate,
    WindowDeactivate,
    WindowCreate,
    WindowDestroy,
  };
  Kind kind;
  int id;
  std::string detail;
  int value = 0;
  int child = -1;
};

// Where the tree meets the screen, in one place each: the device scale (page pixels times it are
// screen pixels), and a window's geometry in screen pixels (its client origin is where the
// page's pixel 0,0 lies), read from the desktop below the layer's page pixels.
int deviceScale(const ui::Application& application);
platform::WindowGeometry screenGeometry(ui::Application& application, platform::WindowId window);

class Tree : public ui::AccessHooks {
 public:
  static constexpr int kRoot = 0;  // the application
  static constexpr int kNone = -1;

  explicit Tree(ui::Application& application);
  ~Tree() override;
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;

  // Whether `id` stands for an object that is still there (a closed box's parts are not).
  bool exists(int id) const;
  std::vector<int> children(int id);
  int parent(int id);
  int indexInParent(int id);
  Role role(int id) const;
  std::string name(int id) const;
  std::string description(int id) const;
  StateSet states(int id) const;
  ScreenRect extents(int id) const;
  // The text a label, a panel with a caption or a box's message carries; nothing for others.
  bool hasText(int id) const;
  std::string text(int id) const;
  bool isImage(int id) const;
  std::vector<ActionInfo> actions(int id) const;
  // Queues the action and answers at once: true for an action the object has. What it does
  // happens in runQueued(), on the loop's turn, as the learner's own input would.
  bool doAction(int id, int index);
  // Carries out what doAction queued, first asked first done. The queue is taken one entry
  // at a time, so an action that opens a modal box (and so runs a nested loop that may come
  // back here) leaves the rest to that loop.
  void runQueued();
  bool hasQueued() const { return !queued_.empty(); }
  // Drops what is queued and stops telling the listener: nobody listens any more.
  void stop() {
    queued_.clear();
    listener_ = nullptr;
  }
  // The object at a screen point, in the topmost showing frame or box there (mouse review).
  int at(int x, int y);

  // The id of a control of a page, or of a box (its text is id + 1, its buttons follow).
  int idOf(const ui::Control& control);
  int idOfBox(const ui::DialogBox& box) const;

  // Where the tree's notices go (the bridge); none while nobody listens.
  void setListener(std::function<void(const Notice&)> listener) { listener_ = std::move(listener); }
  // What to do when a watched source has data (the bridge reads its connections).
  void setOnReadable(std::function<void()> f) { onReadable_ = std::move(f); }
  ui::Application* application() const { return app_; }

  // ---- AccessHooks ----
  void captionChanged(ui::Control& control) override;
  void visibilityChanged(ui::Control& control) override;
  void enabledChanged(ui::Control& control) override;
  void pageActivated(ui::Form* now, ui::Form* before) override;
  void boxOpened(ui::DialogBox& box) override;
  void boxClosing(ui::DialogBox& box) override;
  void readable() override;
  void applicationGone(ui::Application& application) override;

 private:
  enum class Kind { None, App, Control, Box, BoxText, BoxButton };
  struct Target {
    Kind kind = Kind::None;
    ui::Control* control = nullptr;
    ui::DialogBox* box = nullptr;
    int index = 0;
  };
  struct OpenBox {
    ui::DialogBox* box;
    int base;
  };
  struct Queued {
    int id;
    int index;
  };
  static constexpr int kBoxBlock = 16;  // ids taken by one box: itself, its text, its buttons

  Target resolve(int id) const;
  bool controlShowing(const ui::Control& c) const;
  bool controlSensitive(const ui::Control& c) const;
  ScreenRect controlExtents(const ui::Control& c) const;
  ScreenRect boxPart(const ui::DialogBox& box, const ui::Rect& r) const;
  void notify(Notice n);
  void run(const Queued& q);

  ui::Application* app_;
  std::vector<ui::Control*> controls_;  // id - 1 -> control
  std::unordered_map<const ui::Control*, int> ids_;
  std::vector<OpenBox> boxes_;
  int nextBoxBase_ = 1 << 24;
  std::deque<Queued> queued_;
  std::function<void(const Notice&)> listener_;
  std::function<void()> onReadable_;
};

}  // namespace apostila::access
