// The application object and its message loop.
#include "ui/Application.h"

#include <algorithm>
#include <span>
#include <stdexcept>

#include "ui/DialogBox.h"
#include "ui/PointerTracker.h"
#include "ui/Title.h"
#include "ui/access/Hooks.h"
#include "ui/canvas/Canvas.h"

namespace apostila::ui {

namespace {
// The layer's boxes use the platform's message font: our sans face at its usual size.
FontDesc messageFont() { return FontDesc{"MS Sans Serif", -11, 0}; }

std::string withFullStop(std::string_view message) {
  // A message ending in a letter gets a full stop; one ending in "." or "!" does not.
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}
}  // namespace

Application::Application(platform::Backend& backend, std::string_view programPath)
    : backend_(backend), title_(titleFromProgramPath(programPath)), pointer_(std::make_unique<PointerTracker>(*this)) {}

Application::~Application() {
  if (AccessHooks* a = accessHooks()) a->applicationGone(*this);
  // At the end every window is hidden and the pages go, last created first, without events.
  for (Form* f : forms_) {
    f->onActivate = nullptr;
    f->onDeactivate = nullptr;
    f->onClose = nullptr;
    f->onCloseQuery = nullptr;
    if (f->windowId_ != platform::kNoWindow) backend_.hide(f->windowId_);
  }
  backend_.setTaskbarEntry(false, title_);
  pointer_->shutdown();
  while (!forms_.empty()) {
    Form* f = forms_.back();
    forms_.pop_back();
    platform::WindowId id = f->windowId_;
    delete f;
    if (id != platform::kNoWindow) backend_.destroyWindow(id);
  }
}

void Application::buildForm(Form& form) {
  forms_.push_back(&form);
  try {
    if (loader_) loader_(form);
  } catch (...) {
    forms_.pop_back();
    throw;
  }
  if (!mainForm_) mainForm_ = &form;
  if (form.onCreate) guarded([&] { form.onCreate(&form); });
}

Form* Application::formOfWindow(platform::WindowId id) const {
  if (id == platform::kNoWindow) return nullptr;
  for (Form* f : forms_)
    if (f->windowId_ == id) return f;
  return nullptr;
}

void Application::ensureWindow(Form& form) {
  if (form.windowId_ != platform::kNoWindow) return;
  platform::WindowDesc desc;
  desc.kind = platform::WindowKind::Page;
  desc.title = form.caption();
  desc.outerPosition = {form.left(), form.top()};
  desc.size = {form.width(), form.height()};
  desc.sizeOf = platform::SizeOf::Outer;
  form.windowId_ = backend_.createWindow(desc);
  if (icon_) backend_.setIcon(form.windowId_, platform::IconImage{icon_});
  platform::WindowGeometry g = backend_.geometry(form.windowId_);
  form.setFrameSize(g.frame.horizontal(), g.frame.vertical());
  form.paintedW_ = std::max(0, g.client.width);
  form.paintedH_ = std::max(0, g.client.height);
  form.invalidate();
}

void Application::updateTaskbar() {
  bool any = std::any_of(forms_.begin(), forms_.end(), [](Form* f) { return f->visible(); });
  backend_.setTaskbarEntry(any, title_);
}

// Every time a page receives the keyboard focus it is compared with the focused page.
void Application::gotFocus(Form& form) {
  if (!focusOnBox_ && focused_ == &form) return;
  Form* old = focusOnBox_ ? nullptr : focused_;
  focused_ = nullptr;
  focusOnBox_ = false;
  if (old && old->onDeactivate) guarded([&] { old->onDeactivate(old); });
  focused_ = &form;
  if (AccessHooks* a = accessHooks()) a->pageActivated(&form, old);
  if (form.onActivate) guarded([&] { form.onActivate(&form); });
}

void Application::activate(Form& form) {
  for (Form* f : forms_) f->active_ = f == &form;
  backend_.focus(form.windowId_);
  gotFocus(form);
}

void Application::showForm(Form& form) {
  pointer_->endHint();
  if (!form.visible()) {
    ensureWindow(form);
    form.setVisible(true);
    form.invalidate();
    // At start-up the first frame waits for the Expose that mapping the window brings: what is
    // put on a window before the server maps it is lost there, and drawing it first would only
    // put off the map.
    if (!starting_) {
      // Drawn now, presented once the window is on the screen: pixels put on a window that is
      // not mapped yet are lost there, so presenting them twice would only copy them twice.
      unmapped_ = &form;
      paintPending();
      unmapped_ = nullptr;
    }
    backend_.show(form.windowId_);
    updateTaskbar();
  } else if (form.minimized_) {
    form.minimized_ = false;
    backend_.restore(form.windowId_);
  }
  backend_.raise(form.windowId_);
  activate(form);
}

Form* Application::topmostEnabledForm(const Form* except) const {
  for (platform::WindowId id : backend_.stackingOrder()) {
    Form* f = formOfWindow(id);
    if (f && f != except && f->visible() && f->windowEnabled_ && !f->minimized_) return f;
  }
  return nullptr;
}

void Application::hideForm(Form& form) {
  if (!form.visible()) return;
  bool wasActive = form.active_;
  form.setVisible(false);
  form.active_ = false;
  pointer_->formHidden(form);
  // Hiding the active page hands the activation to the highest other visible page.
  if (wasActive && !form.minimized_ && boxes_.empty()) {
    if (Form* next = topmostEnabledForm(&form)) {
      backend_.hide(form.windowId_);
      activate(*next);
      updateTaskbar();
      return;
    }
  }
  backend_.hide(form.windowId_);
  updateTaskbar();
}

void Application::closeForm(Form& form) {
  bool canClose = true;
  if (form.onCloseQuery) guarded([&] { form.onCloseQuery(&form, canClose); });
  if (!canClose) return;
  CloseAction action = CloseAction::caHide;
  if (form.onClose) form.onClose(&form, action);
  if (action == CloseAction::caNone) return;
  if (&form == mainForm_) {
    terminate();
    return;
  }
  switch (action) {
    case CloseAction::caHide: hideForm(form); break;
    case CloseAction::caMinimize:
      form.minimized_ = true;
      backend_.minimize(form.windowId_);
      break;
    case CloseAction::caFree:
      // Released after the current message; the course never asks for it, so hiding it for
      // the rest of the run keeps every page reference valid.
      hideForm(form);
      break;
    case CloseAction::caNone: break;
  }
}

void Application::moveFormWindow(Form& form) {
  if (form.windowId_ != platform::kNoWindow) backend_.setOuterPosition(form.windowId_, {form.left(), form.top()});
}

// The whole program goes off the screen: every page, the open boxes and the task-bar entry.
void Application::minimizeAll() {
  appMinimized_ = true;
  for (Form* f : forms_)
    if (f->visible() && !f->minimized_) {
      f->minimized_ = true;
      backend_.minimize(f->windowId_);
    }
  for (DialogBox* box : boxes_) backend_.minimize(box->windowId());
  backend_.setTaskbarEntryMinimized(true);
}

void Application::restoreAll() {
  appMinimized_ = false;
  backend_.setTaskbarEntryMinimized(false);
  for (Form* f : forms_)
    if (f->visible() && f->minimized_) {
      f->minimized_ = false;
      backend_.restore(f->windowId_);
    }
  for (DialogBox* box : boxes_) backend_.restore(box->windowId());
  // The application comes back with the window that had the activation before: the open box,
  // or else the focused page.
  if (!boxes_.empty()) {
    bringBoxForward();
    return;
  }
  Form* back = focusOnBox_ ? nullptr : focused_;
  if (back && back->visible()) {
    for (Form* f : forms_) f->active_ = f == back;
    backend_.raise(back->windowId_);
    backend_.focus(back->windowId_);
  }
}

// The open box comes to the front with the focus, back from minimised if the desktop let the
// learner minimise it: a page it disables would otherwise leave nothing to click.
void Application::bringBoxForward() {
  if (boxes_.empty()) return;
  const platform::WindowId box = boxes_.back()->windowId();
  if (backend_.isMinimized(box)) backend_.restore(box);
  backend_.raise(box);
  backend_.focus(box);
}

bool Application::anyFormOnScreen() const {
  return std::any_of(forms_.begin(), forms_.end(), [](Form* f) { return f->visible() && !f->minimized_; });
}

void Application::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    showError(e.what());
  }
}

int Application::runBox(std::unique_ptr<DialogBox> box, bool disablesOthers, bool idle) {
  pointer_->cancelCapture();
  pointer_->endHint();
  // The layer's own boxes take over the focused page while open; the platform's message box
  // (which disables nothing) leaves it alone, so a click on the page behind it raises nothing.
  const bool ownsFocus = disablesOthers;
  if (ownsFocus) {
    savedFocus_.push_back({focused_, focusOnBox_});
    focusOnBox_ = true;
  }
  Form* activeBefore = nullptr;
  for (Form* f : forms_)
    if (f->active_) activeBefore = f;
  std::vector<Form*> disabled;
  if (disablesOthers)
    for (Form* f : forms_)
      if (f->visible() && f->windowEnabled_) {
        f->windowEnabled_ = false;
        disabled.push_back(f);
      }
  for (Form* f : forms_) f->active_ = false;
  boxes_.push_back(box.get());
  box->show();
  if (AccessHooks* a = accessHooks()) a->boxOpened(*box);
  runLoop([&] { return box->result().has_value(); }, idle);
  if (AccessHooks* a = accessHooks()) a->boxClosing(*box);
  box->hide();
  boxes_.pop_back();
  for (Form* f : disabled) f->windowEnabled_ = true;
  if (ownsFocus) {
    focused_ = savedFocus_.back().page;
    focusOnBox_ = savedFocus_.back().onBox;
    savedFocus_.pop_back();
  }
  // The window that was active before gets the activation back; it is the focused page
  // already, so no activation event comes of it.
  if (activeBefore && activeBefore->visible()) {
    activeBefore->active_ = true;
    backend_.focus(activeBefore->windowId_);
  } else if (!boxes_.empty()) {
    backend_.focus(boxes_.back()->windowId());
  }
  return box->result().value_or(-1);
}

void Application::showMessage(std::string_view text) {
  DialogDesc desc;
  desc.caption = title_;
  desc.text = std::string(text);
  desc.buttons = {{"OK", 1}};
  desc.cancelResult = 2;
  desc.copyOnCtrlC = true;
  desc.font = messageFont();
  runBox(std::make_unique<DialogBox>(backend_, desc), true, true);
}

int Application::messageBox(std::string_view text, std::string_view caption, unsigned flags) {
  bool portuguese = language_.rfind("pt", 0) == 0;
  DialogDesc desc;
  desc.caption = std::string(caption);
  desc.text = std::string(text);
  desc.icon = (flags & kMbIconQuestion) ? DialogDesc::Icon::Question : DialogDesc::Icon::None;
  desc.buttons = {{portuguese ? "Sim" : "Yes", kIdYes}, {portuguese ? "Não" : "No", kIdNo}};
  desc.focusedButton = (flags & kMbDefButton2) ? 1 : 0;
  desc.font = messageFont();
  // No owner: it disables nothing and runs its own loop, without the idle step.
  int result = runBox(std::make_unique<DialogBox>(backend_, desc), false, false);
  return result == kIdYes ? kIdYes : kIdNo;
}

void Application::showError(std::string_view message) {
  DialogDesc desc;
  desc.caption = title_;
  desc.text = withFullStop(message);
  desc.icon = DialogDesc::Icon::Stop;
  desc.buttons = {{"OK", 1}};
  desc.cancelResult = 2;
  desc.copyOnCtrlC = true;
  desc.font = messageFont();
  runBox(std::make_unique<DialogBox>(backend_, desc), true, true);
}

void Application::showMainForm() {
  if (!mainForm_) return;
  mainShown_ = true;
  showForm(*mainForm_);
}

void Application::run() {
  if (!mainShown_) showMainForm();
  runLoop([] { return false; }, true);
}

void Application::handleStartupEvents() {
  while (!quitPosted_)
    if (auto e = backend_.pollEvent()) dispatch(*e); else break;
  paintPending();
}

bool Application::waitsForStartup(const platform::Event& e) const {
  using platform::EventType;
  // A bus request is answered at once; what it asks the pages to do is queued by the bridge.
  if (e.type == EventType::Terminate || e.type == EventType::Expose || e.type == EventType::Readable) return false;
  // A close request always waits: the close handler may lead anywhere.
  if (e.type == EventType::CloseRequest || e.type == EventType::AppCloseRequest) return true;
  for (const DialogBox* box : boxes_)
    if (box->windowId() == e.window) return false;
  // A page disabled under a box runs no handler: a click on it only brings the box forward.
  const Form* form = formOfWindow(e.window);
  return !(form && !form->windowEnabled_);
}

void Application::processPending() {
  while (!terminated_ && step(true, false)) {
  }
  if (!terminated_) {
    idleStep();
    paintPending();
  }
}

void Application::runLoop(const std::function<bool()>& done, bool idle) {
  while (!terminated_ && !done()) step(idle, true);
}

// One turn of the loop: a message if one is waiting, else (idle) the idle step, painting and
// a blocking wait. Returns false when it found nothing to do and did not wait.
bool Application::step(bool idle, bool wait) {
  if (quitPosted_) {
    terminated_ = true;
    return false;
  }
  if (!starting_ && !waiting_.empty()) {
    // What waited for the pages comes before anything newer.
    const platform::Event e = waiting_.front();
    waiting_.pop_front();
    dispatch(e);
    return true;
  }
  if (auto e = backend_.pollEvent()) {
    dispatch(*e);
    return true;
  }
  if (timers_.fireDue(backend_.nowMs())) return true;
  if (idle) idleStep();
  paintPending();
  if (!wait || quitPosted_) return false;
  if (auto e = backend_.waitEvent(timers_.nextDeadline())) dispatch(*e);
  return true;
}

void Application::idleStep() { pointer_->idle(); }

void Application::paintPending() {
  // The page the buffer holds goes first, before drawing another page overwrites what it holds.
  Form* held = nullptr;
  for (Form* f : forms_)
    if (f == frameHolds_) held = f;
  if (held) paintForm(held);
  for (Form* f : forms_)
    if (f != held) paintForm(f);
}

void Application::paintForm(Form* f) {
  if ((f->dirty_.empty() && !f->exposed_) || f->windowId_ == platform::kNoWindow) return;
  platform::WindowGeometry g = backend_.geometry(f->windowId_);
  const int w = std::max(0, g.client.width), h = std::max(0, g.client.height);
  const Rect whole = Rect::ofSize(0, 0, w, h);
  if (f->paintedW_ != w || f->paintedH_ != h || (f->exposed_ && frameHolds_ != f)) {
    // A new client size, or lost pixels that the buffer no longer holds: the whole page is
    // drawn again.
    f->paintedW_ = w;
    f->paintedH_ = h;
    f->dirty_ = {whole};
  }
  f->updateScrollBars(w, h);
  if (!f->visible()) {
    f->exposed_ = false;
    return;
  }
  const int s = backend_.scale();
  if (f == mainForm_ && prepared_.pixels && s == 1 && presentPrepared(*f, w, h)) {
    f->exposed_ = false;
    if (frameHolds_ == f) frameHolds_ = nullptr;
    return;
  }
  // Drawn for the device: s times the client area the page sees, in each direction.
  const int dw = w * s, dh = h * s;
  const std::size_t need = static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh);
  if (frame_.size() < need) frame_.resize(need);
  Canvas canvas(frame_.data(), dw, dh, dw, s);
  std::vector<platform::Rect> changed;
  bool drewWhole = false;
  for (const Rect& r : f->dirty_) {
    Rect area = r.intersect(whole);
    if (area.empty()) continue;
    canvas.resetClip();
    canvas.clipTo(area);
    f->paintTree(canvas);
    drewWhole = drewWhole || area == whole;
    changed.push_back({area.left, area.top, area.width(), area.height()});
  }
  f->dirty_.clear();
  // Part of one page drawn over what the buffer held of another leaves it holding neither.
  if (drewWhole)
    frameHolds_ = f;
  else if (!changed.empty() && frameHolds_ != f)
    frameHolds_ = nullptr;
  if (f == unmapped_ && frameHolds_ == f) {
    // Presented whole with the next paint, which the map's Expose brings or which comes anyway.
    f->exposed_ = true;
    return;
  }
  if (f->exposed_) {
    f->exposed_ = false;
    if (!whole.empty()) changed = {{0, 0, w, h}};
  }
  if (!changed.empty()) backend_.present(f->windowId_, platform::PixelView{frame_.data(), dw, dh, dw}, changed);
}

// The prepared frame serves the first paint only: whatever happens to the page after it is
// drawn live, and so is a first paint at another size or of a part.
bool Application::presentPrepared(Form& form, int width, int height) {
  const platform::PixelView frame = prepared_;
  prepared_ = {};
  const Rect whole = Rect::ofSize(0, 0, width, height);
  if (!starting_ || frame.width != width || frame.height != height ||
      std::none_of(form.dirty_.begin(), form.dirty_.end(), [&](const Rect& r) { return r == whole; }))
    return false;
  form.dirty_.clear();
  const platform::Rect all{0, 0, width, height};
  backend_.present(form.windowId_, frame, std::span(&all, 1));
  return true;
}

void Application::dispatch(const platform::Event& e) {
  using platform::EventType;
  if (starting_ && waitsForStartup(e)) {
    waiting_.push_back(e);
    return;
  }
  // Input and activation messages end a showing hint.
  switch (e.type) {
    case EventType::MouseDown: case EventType::MouseUp: case EventType::MouseDoubleClick:
    case EventType::Wheel: case EventType::KeyDown: case EventType::KeyUp: case EventType::FocusGained:
      pointer_->endHint();
      break;
    default: break;
  }
  if (e.type == EventType::Readable) {
    if (AccessHooks* a = accessHooks()) a->readable();
    return;
  }
  if (e.type == EventType::Terminate) {
    // The desktop is logging off: end without asking.
    quitPosted_ = true;
    return;
  }
  if (e.type == EventType::AppCloseRequest) {
    if (mainForm_) guarded([&] { closeForm(*mainForm_); });
    return;
  }
  if (e.type == EventType::AppMinimized) {
    if (!appMinimized_) minimizeAll();
    return;
  }
  if (e.type == EventType::AppRestored) {
    restoreAll();
    return;
  }
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it)
    if ((*it)->handle(e)) {
      (*it)->refresh();
      return;
    }
  Form* form = formOfWindow(e.window);
  if (!form) return;
  switch (e.type) {
    case EventType::CloseRequest:
      if (form->windowEnabled_) guarded([&] { closeForm(*form); });
      return;
    case EventType::Expose:
      // What the buffer still holds of this page is presented again, not drawn again.
      if (frameHolds_ == form)
        form->exposed_ = true;
      else
        form->invalidate();
      ++exposesSeen_;
      if (starting_) paintPending();
      return;
    case EventType::FocusGained:
      // A notice the desktop has overtaken already (the focus moved on since) is stale.
      if (!form->visible() || form->minimized_ || backend_.focusedWindow() != e.window) return;
      if (!form->windowEnabled_) {
        // A disabled page hands the focus on to the box that disabled it.
        bringBoxForward();
        return;
      }
      for (Form* f : forms_) f->active_ = f == form;
      gotFocus(*form);
      return;
    case EventType::FocusLost:
      form->active_ = false;
      return;
    case EventType::Moved:
      form->moving_ = true;
      form->setBounds({e.outerPosition.x, e.outerPosition.y, form->width(), form->height()});
      form->moving_ = false;
      return;
    case EventType::Resized:
      form->moving_ = true;
      form->setBounds({form->left(), form->top(), e.outerSize.width, e.outerSize.height});
      form->setFrameSize(e.outerSize.width - e.clientSize.width, e.outerSize.height - e.clientSize.height);
      form->moving_ = false;
      form->updateScrollBars(e.clientSize.width, e.clientSize.height);
      form->invalidate();
      return;
    case EventType::Minimized:
      // Minimising the main window minimises the whole application. So does minimising the
      // last page on the screen: pages have no task-bar entry of their own, and the
      // application's entry is then the one way back to it.
      if (form == mainForm_) {
        minimizeAll();
      } else {
        form->minimized_ = true;
        if (!anyFormOnScreen()) minimizeAll();
      }
      return;
    case EventType::Restored:
      if (form == mainForm_ || appMinimized_) restoreAll(); else form->minimized_ = false;
      return;
    case EventType::MouseDown: case EventType::MouseDoubleClick:
      if (!form->windowEnabled_) {
        // A click on a disabled page brings the open box forward.
        bringBoxForward();
        return;
      }
      guarded([&] { pointer_->mouseEvent(*form, e); });
      return;
    case EventType::MouseMove: case EventType::MouseUp: case EventType::Wheel:
    case EventType::PointerEnter: case EventType::PointerLeave:
      if (form->windowEnabled_) guarded([&] { pointer_->mouseEvent(*form, e); });
      return;
    default:
      return;
  }
}

}  // namespace apostila::ui
