// The application object: owns the page windows, carries the title and the icon, and runs the
// one message loop with its idle step, timers, the activation rule, close requests and the
// layer's own boxes (modal message, platform message box, error box). All the rules about when
// events fire live here, above the backend, so the real program and the tests run the same.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Timers.h"
#include "ui/platform/Backend.h"
#include "ui/platform/ScaledBackend.h"
#include "ui/text/FontDesc.h"

namespace apostila::ui {

class DialogBox;
class PointerTracker;

// Results and flags of the platform message box.
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr unsigned kMbYesNo = 0x4, kMbIconQuestion = 0x20, kMbDefButton2 = 0x100;

class Application : public Component {
 public:
  // The layer works in page pixels over `backend`, whatever its device scale (ScaledBackend).
  Application(platform::Backend& backend, std::string_view programPath);
  ~Application() override;

  // The desktop in page pixels.
  platform::Backend& backend() { return backend_; }
  // The same desktop in screen pixels, for what speaks to the desktop's own tools (a screen
  // reader's review finds elements by screen position).
  platform::Backend& screenBackend() { return backend_.device(); }
  // Screen pixels per page pixel; known once the first window is made.
  int deviceScale() const { return backend_.scale(); }
  const std::string& title() const { return title_; }
  Form* mainForm() const { return mainForm_; }
  const std::vector<Form*>& forms() const { return forms_; }
  Form* focusedForm() const { return focusOnBox_ ? nullptr : focused_; }
  bool hintsOn() const { return hintsOn_; }

  // Reads a page's definition; the program installs the definition store's loader.
  void setFormLoader(std::function<void(Form&)> loader) { loader_ = std::move(loader); }
  void setIcon(const std::uint32_t* pixels32x32) { icon_ = pixels32x32; }
  // The language of the platform's own boxes: "pt" gives Sim/Não, anything else Yes/No.
  void setLanguage(std::string language) { language_ = std::move(language); }

  // Creates a page: the registry entry is set before the page is built from its definition and
  // cleared again if building fails. The first page created becomes the main window. An error
  // in the page's OnCreate goes to the error box and creation goes on.
  template <class T>
  void createForm(T*& entry) {
    auto* page = new T(this);
    entry = page;
    try {
      buildForm(*page);
    } catch (...) {
      entry = nullptr;
      delete page;
      throw;
    }
  }

  // ---- Start-up ---------------------------------------------------------------------------
  // The main window can be on screen before the other pages exist. From beginStartup() to
  // endStartup() no handler may reach a page that is not built yet, so what arrives waits in
  // arrival order: pointer, keys, close requests and every other notice of a page, to be handled
  // first once the loop runs. Only what runs no page handler goes at once: an Expose is painted,
  // a termination ends the start-up, an open box (the error box of a creation handler) takes its
  // own input, and a page disabled under that box hands a click on to it (a close request on it
  // still waits).
  void beginStartup() { starting_ = true; }
  void endStartup() { starting_ = false; }
  // Shows the main window as run() would; run() then does not show it again.
  void showMainForm();
  // Takes everything the desktop has sent so far under the start-up rule and paints what needs it.
  void handleStartupEvents();
  bool terminating() const { return quitPosted_ || terminated_; }
  // A frame of the main window drawn when the program was built, for its first paint during
  // start-up: presented in place of drawing when the window's client area has the frame's size
  // and the whole of it is to be drawn, at device scale 1; any other paint, every later one and
  // every paint at a higher scale, is drawn live.
  void setPreparedMainFrame(platform::PixelView frame) { prepared_ = frame; }
  // How many Expose notices have come (a measuring program ends at the first one painted).
  int exposesSeen() const { return exposesSeen_; }

  // Shows the main window unless it is shown already, then runs the loop until the program is
  // terminated.
  void run();
  // Posts the quit message: the loop ends when it reaches it.
  void terminate() { quitPosted_ = true; }
  bool terminated() const { return terminated_; }

  // ---- Page operations --------------------------------------------------------------------
  void showForm(Form& form);
  void hideForm(Form& form);
  void closeForm(Form& form);
  void moveFormWindow(Form& form);

  // ---- Boxes ------------------------------------------------------------------------------
  void showMessage(std::string_view text);
  int messageBox(std::string_view text, std::string_view caption, unsigned flags);
  void showError(std::string_view message);
  // The box open at the moment (innermost), for tests and the pointer rules.
  DialogBox* openBox() const { return boxes_.empty() ? nullptr : boxes_.back(); }

  // ---- Loop -------------------------------------------------------------------------------
  // Handles what is waiting and returns when the program would wait (tests and tools).
  void processPending();
  Timers::Id startTimer(int ms, std::function<void()> action) { return timers_.start(backend_.nowMs(), ms, std::move(action)); }
  void stopTimer(Timers::Id id) { timers_.stop(id); }
  // Runs the handler; an error escaping it goes to the error box and the loop goes on.
  void guarded(const std::function<void()>& handler);
  // Repaints and presents every page area that changed.
  void paintPending();
  void paintForm(Form* form);

  PointerTracker& pointer() { return *pointer_; }
  Form* formOfWindow(platform::WindowId id) const;

 private:
  void buildForm(Form& form);
  void ensureWindow(Form& form);
  void activate(Form& form);
  void gotFocus(Form& form);
  void updateTaskbar();
  void runLoop(const std::function<bool()>& done, bool idle);
  bool step(bool idle, bool wait);
  void dispatch(const platform::Event& event);
  void idleStep();
  int runBox(std::unique_ptr<DialogBox> box, bool disablesOthers, bool idle);
  Form* topmostEnabledForm(const Form* except) const;
  void minimizeAll();
  void restoreAll();
  void bringBoxForward();
  bool anyFormOnScreen() const;
  bool waitsForStartup(const platform::Event& event) const;
  bool presentPrepared(Form& form, int width, int height);

  platform::ScaledBackend backend_;
  std::string title_;
  std::string language_;
  const std::uint32_t* icon_ = nullptr;
  std::function<void(Form&)> loader_;
  std::vector<Form*> forms_;
  Form* mainForm_ = nullptr;
  Form* focused_ = nullptr;
  bool focusOnBox_ = false;
  struct SavedFocus {
    Form* page;
    bool onBox;
  };
  std::vector<SavedFocus> savedFocus_;
  std::vector<DialogBox*> boxes_;
  bool hintsOn_ = true;
  bool quitPosted_ = false;
  bool terminated_ = false;
  bool appMinimized_ = false;
  bool starting_ = false;
  bool mainShown_ = false;
  int exposesSeen_ = 0;
  platform::PixelView prepared_;
  std::deque<platform::Event> waiting_;  // what arrived during start-up, in arrival order
  Timers timers_;
  std::unique_ptr<PointerTracker> pointer_;
  // The pages draw here in turn. Each changed area is drawn whole from the page's elements
  // and handed to the backend, so nothing in it has to survive until the next paint: one
  // buffer serves every page, and a hidden page holds no pixels of its own.
  std::vector<std::uint32_t> frame_;
  // The page whose whole client area the buffer holds as last drawn, if one does: when the
  // server loses that page's pixels (an Expose, such as the one that mapping a window brings
  // right after the page was drawn for it), they are presented again from here instead of
  // being drawn again. Only compared, never followed.
  const Form* frameHolds_ = nullptr;
  const Form* unmapped_ = nullptr;  // the page being drawn before its window is mapped
};

}  // namespace apostila::ui
