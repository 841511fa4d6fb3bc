// The SDL2 backend: SDL windows with their X11 details filled in, the layer's own Left/Top kept
// as the truth, events translated (and echoes of the layer's own requests dropped), and a
// wait that blocks in SDL without polling.
#include "ui/platform/sdl/SdlBackend.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "ui/platform/DeviceScale.h"
#include "ui/platform/sdl/KeyMap.h"

namespace apostila::platform {
namespace {

bool g_alive = false;

// How long after the layer moved a window the window manager's reports of the old place may
// still arrive.
constexpr std::int64_t kMoveEchoMs = 500;

Point leftTop(const FrameExtents& f) { return {f.left, f.top}; }
Size plus(Size s, const FrameExtents& f) { return {s.width + f.horizontal(), s.height + f.vertical()}; }
Size atLeastOne(Size s) { return {std::max(s.width, 1), std::max(s.height, 1)}; }

}  // namespace

bool SdlBackend::prepareSdl() {
  if (g_alive) throw PlatformError("only one SDL backend can exist at a time");
  // SDL_SetHint reports false only when the environment overrides a hint: the user's choice.
  // The layer decides when the program ends; the last window closing is not it.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Termination signals are ours to turn into an event that also wakes the wait.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A click into a window of ours while another program has the focus is a click: the window
  // manager focuses the window and passes the press on, and the learner expects both.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // A desktop program, not a game: leave the compositor alone.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The window-manager details below speak X11.
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
  return true;
}

SdlBackend::SdlBackend() {
  terminateEvent_ = SDL_RegisterEvents(2);
  if (terminateEvent_ == static_cast<Uint32>(-1)) throwSdlError("SDL_RegisterEvents");
  readableEvent_ = terminateEvent_ + 1;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // the task-bar entry's messages, windows destroyed
  signals_ = std::make_unique<SignalWatcher>(terminateEvent_, readableEvent_);
  g_alive = true;
}

SdlBackend::~SdlBackend() {
  windows_.clear();
  waker_.reset();
  x11_.reset();
  g_alive = false;
}

SdlBackend::Native& SdlBackend::get(WindowId window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) throw PlatformError("no window with id " + std::to_string(window));
  return it->second;
}

const SdlBackend::Native& SdlBackend::get(WindowId window) const {
  return const_cast<SdlBackend*>(this)->get(window);
}

WindowId SdlBackend::idOf(Uint32 sdlWindowId) const {
  auto it = bySdlId_.find(sdlWindowId);
  return it == bySdlId_.end() ? kNoWindow : it->second;
}

// ---- The desktop ----------------------------------------------------------------------------

Size SdlBackend::screenSize() const {
  SDL_Rect r;
  sdlCheck(SDL_GetDisplayBounds(0, &r), "SDL_GetDisplayBounds");
  return {r.w, r.h};
}

int SdlBackend::deviceScale() const { return const_cast<SdlBackend*>(this)->desktop().deviceScale(); }

X11Desktop& SdlBackend::desktop() {
  if (!x11_) {
    if (!waker_) {
      waker_.reset(sdlCheck(SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR),
                            "cannot create a window"));
      X11Desktop::settle(waker_.get());
    }
    x11_ = std::make_unique<X11Desktop>(waker_.get());
    if (entryShown_) x11_->entry().show(appTitle_);
  }
  return *x11_;
}

std::int64_t SdlBackend::nowMs() const { return static_cast<std::int64_t>(SDL_GetTicks64()); }

void SdlBackend::beep() {
  if (x11_) x11_->bell();
}

void SdlBackend::setClipboardText(std::string_view utf8) {
  sdlCheck(SDL_SetClipboardText(std::string(utf8).c_str()), "SDL_SetClipboardText");
}

void SdlBackend::setTaskbarEntry(bool shown, std::string_view title) {
  appTitle_ = title;
  entryShown_ = shown;
  if (!x11_) return;  // made with the first window
  if (shown)
    x11_->entry().show(appTitle_);
  else
    x11_->entry().hide();
}

void SdlBackend::setTaskbarEntryMinimized(bool minimized) {
  if (x11_) x11_->entry().setMinimized(minimized);
}

// ---- Windows --------------------------------------------------------------------------------

WindowId SdlBackend::createWindow(const WindowDesc& desc) {
  if (desc.size.width < 0 || desc.size.height < 0) throw PlatformError("a window cannot have a negative size");
  Native w;
  w.kind = desc.kind;
  w.title = desc.title;
  w.outer = desc.outerPosition;
  w.keepOuter = desc.sizeOf == SizeOf::Outer && desc.kind != WindowKind::Tooltip;
  w.outerWanted = desc.size;
  if (desc.kind != WindowKind::Tooltip)
    if (auto it = frameCache_.find(desc.kind); it != frameCache_.end()) w.frame = it->second;
  w.client = atLeastOne(w.keepOuter ? Size{desc.size.width - w.frame.horizontal(), desc.size.height - w.frame.vertical()}
                                    : desc.size);
  open(w);
  // The first native window's id stays the window's id, also when the native window is made
  // again (SDL never gives an id out twice).
  const WindowId id = w.sdlId;
  bySdlId_[w.sdlId] = id;
  windows_.emplace(id, std::move(w));
  return id;
}

// Makes the native window for `w` as the layer last set it up: hidden, with its kind, title,
// place, size and icon.
void SdlBackend::open(Native& w) {
  Uint32 flags = SDL_WINDOW_HIDDEN;
  switch (w.kind) {
    case WindowKind::Page: flags |= SDL_WINDOW_RESIZABLE; break;
    case WindowKind::Dialog: flags |= SDL_WINDOW_SKIP_TASKBAR; break;
    case WindowKind::Tooltip:
      flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
      break;
  }
  // Hidden, a window's given position is where its frame goes.
  w.sdl.reset(sdlCheck(SDL_CreateWindow(w.title.c_str(), w.outer.x, w.outer.y, w.client.width, w.client.height, flags),
                       "cannot create a window"));
  w.sdlId = SDL_GetWindowID(w.sdl.get());
  if (!x11_) {
    x11_ = std::make_unique<X11Desktop>(w.sdl.get());
    if (entryShown_) x11_->entry().show(appTitle_);
  }
  w.xwindow = X11Desktop::xwindowOf(w.sdl.get());
  x11_->prepare(w.xwindow, w.kind);
  x11_->setTitle(w.xwindow, w.title);
  if (!w.icon.empty()) applyIcon(w);
  if (w.kind != WindowKind::Tooltip && !frameCache_.contains(w.kind))
    if (auto frame = x11_->requestFrameExtents(w.xwindow)) adoptFrame(w, *frame);
}

// The frame the window manager really puts around `w`; an outer-sized window keeps its outer
// size, so its client area gives way.
void SdlBackend::adoptFrame(Native& w, FrameExtents frame) {
  frameCache_[w.kind] = frame;
  if (frame == w.frame) return;
  w.frame = frame;
  if (w.keepOuter) {
    w.client = atLeastOne({w.outerWanted.width - frame.horizontal(), w.outerWanted.height - frame.vertical()});
    SDL_SetWindowSize(w.sdl.get(), w.client.width, w.client.height);
  }
}

void SdlBackend::destroyWindow(WindowId window) {
  bySdlId_.erase(get(window).sdlId);
  if (focusWanted_ == window) focusWanted_ = kNoWindow;
  windows_.erase(window);
  std::erase_if(pending_, [&](const Event& e) { return e.window == window; });
}

void SdlBackend::setTitle(WindowId window, std::string_view utf8) {
  Native& w = get(window);
  w.title = utf8;
  SDL_SetWindowTitle(w.sdl.get(), w.title.c_str());
  x11_->setTitle(w.xwindow, w.title);
}

void SdlBackend::setIcon(WindowId window, const IconImage& icon) {
  Native& w = get(window);
  if (icon.pixels == nullptr) throw PlatformError("an icon needs pixels");
  // On a screen that enlarges everything the desktop gets the icon enlarged too, by repeating
  // its pixels, rather than smoothing a 32-pixel picture itself.
  const int s = desktop().deviceScale();
  if (s > 1)
    w.icon = enlargedIcon(icon, s);
  else
    w.icon.assign(icon.pixels, icon.pixels + IconImage::kSide * IconImage::kSide);
  applyIcon(w);
  // The program has one icon: the task-bar entry shows it too.
  x11_->entry().setIcon(icon, s);
}

void SdlBackend::applyIcon(Native& w) {
  const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(w.icon.size()))));
  SdlSurfacePtr surface(sdlCheck(SDL_CreateRGBSurfaceWithFormatFrom(w.icon.data(), side, side, 32, side * 4,
                                                                    SDL_PIXELFORMAT_ARGB8888),
                                 "cannot make the icon"));
  SDL_SetWindowIcon(w.sdl.get(), surface.get());
}

// Where SDL_SetWindowPosition puts a window depends on whether it is mapped: the frame's corner
// while unmapped, the client area's while mapped. Tool tips have no frame either way.
void SdlBackend::place(Native& w) {
  if (w.visible && w.kind != WindowKind::Tooltip) {
    const Point client = w.outer + leftTop(w.frame);
    w.ignoreMovesUntil = nowMs() + kMoveEchoMs;
    w.corrections = 0;
    SDL_SetWindowPosition(w.sdl.get(), client.x, client.y);
  } else {
    SDL_SetWindowPosition(w.sdl.get(), w.outer.x, w.outer.y);
  }
}

void SdlBackend::show(WindowId window) {
  Native& w = get(window);
  if (w.visible) return;
  place(w);
  if (w.kind == WindowKind::Tooltip) {
    // Mapped by hand: SDL_ShowWindow would hand it the input focus when no window manager runs.
    x11_->mapRaised(w.xwindow);
    w.visible = true;
    return;
  }
  if (w.kind == WindowKind::Page) x11_->keepOffTaskbar(w.xwindow);
  SDL_ShowWindow(w.sdl.get());
  w.visible = true;
  w.minimized = false;
  // Window managers focus a newly mapped window, but not always one off the task bar: ask.
  if (w.kind == WindowKind::Page && hasWindowManager()) focus(window);
  if (auto frame = x11_->frameExtents(w.xwindow); frame && *frame != w.frame) {
    adoptFrame(w, *frame);
    place(w);
  }
}

void SdlBackend::hide(WindowId window) {
  Native& w = get(window);
  if (!w.visible) return;
  if (w.kind == WindowKind::Tooltip)
    x11_->unmap(w.xwindow);
  else
    SDL_HideWindow(w.sdl.get());
  w.visible = false;
  w.minimized = false;
}

void SdlBackend::raise(WindowId window) {
  const Native& w = get(window);
  if (x11_) x11_->raise(w.xwindow);
}

void SdlBackend::focus(WindowId window) {
  Native& w = get(window);
  if (!w.visible || w.minimized || w.kind == WindowKind::Tooltip) return;
  focusWanted_ = window;
  if (hasWindowManager())
    SDL_RaiseWindow(w.sdl.get());  // asks the window manager to activate it
  else
    (void)SDL_SetWindowInputFocus(w.sdl.get());  // fails only for an unmapped window: nothing to focus
}

void SdlBackend::minimize(WindowId window) {
  Native& w = get(window);
  if (!w.visible || w.minimized || w.kind == WindowKind::Tooltip) return;
  SDL_MinimizeWindow(w.sdl.get());
  w.minimized = true;
}

void SdlBackend::restore(WindowId window) {
  Native& w = get(window);
  if (!w.minimized) return;
  SDL_RestoreWindow(w.sdl.get());
  w.minimized = false;
}

void SdlBackend::setOuterPosition(WindowId window, Point outer) {
  Native& w = get(window);
  w.outer = outer;
  place(w);
}

void SdlBackend::setClientSize(WindowId window, Size client) {
  Native& w = get(window);
  if (client.width < 0 || client.height < 0) throw PlatformError("a window cannot have a negative size");
  w.client = atLeastOne(client);
  w.keepOuter = false;  // sized by its client area from now on: a frame learnt later adds to it
  SDL_SetWindowSize(w.sdl.get(), w.client.width, w.client.height);
}

WindowGeometry SdlBackend::geometry(WindowId window) const {
  const Native& w = get(window);
  return {Rect(w.outer, plus(w.client, w.frame)), Rect(w.outer + leftTop(w.frame), w.client), w.frame};
}

bool SdlBackend::isVisible(WindowId window) const { return get(window).visible; }
bool SdlBackend::isMinimized(WindowId window) const { return get(window).minimized; }

WindowId SdlBackend::focusedWindow() const {
  SDL_Window* focused = SDL_GetKeyboardFocus();
  if (focused == nullptr) return kNoWindow;
  const WindowId id = idOf(SDL_GetWindowID(focused));
  return id != kNoWindow && get(id).kind != WindowKind::Tooltip ? id : kNoWindow;
}

std::optional<WindowId> SdlBackend::ourWindowAt(XWindow topLevel) const {
  if (topLevel == 0) return std::nullopt;
  for (const auto& [id, w] : windows_)
    if (w.visible && !w.minimized && (w.xwindow == topLevel || x11_->topLevelOf(w.xwindow) == topLevel)) return id;
  return std::nullopt;
}

std::vector<WindowId> SdlBackend::stackingOrder() const {
  std::vector<WindowId> order;
  if (!x11_) return order;
  std::map<XWindow, WindowId> byTopLevel;
  for (const auto& [id, w] : windows_)
    if (w.visible && !w.minimized) byTopLevel[x11_->topLevelOf(w.xwindow)] = id;
  const auto children = x11_->rootChildren();
  for (auto it = children.rbegin(); it != children.rend(); ++it)
    if (auto found = byTopLevel.find(*it); found != byTopLevel.end()) order.push_back(found->second);
  return order;
}

// ---- Pointer --------------------------------------------------------------------------------

// The server's answer: SDL's own global state lags behind pointer warps.
Point SdlBackend::pointerPosition() const {
  if (x11_) return x11_->pointer();
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {x, y};
}

WindowId SdlBackend::windowUnderPointer() const {
  if (!x11_) return kNoWindow;
  return ourWindowAt(x11_->topLevelUnderPointer()).value_or(kNoWindow);
}

bool SdlBackend::capturePointer(WindowId window) {
  Native& w = get(window);
  if (SDL_GetKeyboardFocus() != w.sdl.get()) return false;  // SDL captures for the focused window
  return SDL_CaptureMouse(SDL_TRUE) == 0;
}

void SdlBackend::releasePointer() { SDL_CaptureMouse(SDL_FALSE); }

void SdlBackend::setCursor(WindowId window, CursorShape shape) {
  get(window);
  const int index = static_cast<int>(shape);
  if (index == currentCursor_) return;
  if (!cursors_[index]) cursors_[index].reset(sdlCheck(SDL_CreateSystemCursor(sdlCursor(shape)), "SDL_CreateSystemCursor"));
  SDL_SetCursor(cursors_[index].get());
  currentCursor_ = index;
}

int SdlBackend::cursorDepthBelowHotSpot(CursorShape shape) const {
  const int size = x11_ ? x11_->cursorSize() : 16;
  switch (shape) {
    case CursorShape::Arrow:
    case CursorShape::ArrowWait:
    case CursorShape::Hand: return size;  // their hot spots sit at the top
    default: return size / 2;             // centred hot spots
  }
}

// ---- Pixels ---------------------------------------------------------------------------------

void SdlBackend::present(WindowId window, const PixelView& frame, std::span<const Rect> changed) {
  Native& w = get(window);
  if (changed.empty()) return;
  if (frame.pixels == nullptr) throw PlatformError("present needs pixels");
  // Not SDL's window surface: SDL keeps one per window, in memory shared with the server, for
  // as long as the window lives, hidden or not. One image for all windows does the same work.
  x11_->present(w.xwindow, frame, changed);
}

// ---- Events ---------------------------------------------------------------------------------

std::optional<Event> SdlBackend::pollEvent() {
  for (;;) {
    if (!pending_.empty()) {
      Event e = std::move(pending_.front());
      pending_.pop_front();
      return e;
    }
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return std::nullopt;
    translate(event);
  }
}

std::optional<Event> SdlBackend::waitEvent(std::optional<std::int64_t> deadlineMs) {
  // With no window at all SDL's wait falls back to polling every millisecond.
  if (windows_.empty() && !waker_) {
    waker_.reset(sdlCheck(SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR),
                          "cannot create a window"));
    X11Desktop::settle(waker_.get());
  }
  for (;;) {
    if (!pending_.empty()) return pollEvent();
    int timeout = -1;
    if (deadlineMs) {
      const std::int64_t now = nowMs();
      if (now >= *deadlineMs) return std::nullopt;
      timeout = static_cast<int>(std::min<std::int64_t>(*deadlineMs - now, INT_MAX));
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, timeout))
      translate(event);
    else if (!deadlineMs)
      throwSdlError("SDL_WaitEvent");
  }
}

void SdlBackend::watchReadable(std::span<const int> fds) { signals_->watch(fds); }

Event SdlBackend::pointerEvent(EventType type, WindowId window, int x, int y) const {
  Event e = Event::of(type, window);
  e.client = {x, y};
  const Native& w = get(window);
  e.screen = e.client + w.outer + leftTop(w.frame);
  e.buttons = held_;
  e.mods = modifiersFromSdl(static_cast<Uint16>(SDL_GetModState()));
  return e;
}

void SdlBackend::translate(const SDL_Event& event) {
  if (event.type == terminateEvent_ || event.type == SDL_QUIT) {
    pending_.push_back(Event::of(EventType::Terminate));
    return;
  }
  if (event.type == readableEvent_) {
    pending_.push_back(Event::of(EventType::Readable));
    return;
  }
  switch (event.type) {
    case SDL_WINDOWEVENT:
      translateWindowEvent(event.window);
      break;
    case SDL_MOUSEMOTION:
      if (const WindowId id = idOf(event.motion.windowID))
        pending_.push_back(pointerEvent(EventType::MouseMove, id, event.motion.x, event.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const MouseButton button = buttonFromSdl(event.button.button);
      const WindowId id = idOf(event.button.windowID);
      if (button == MouseButton::None || !id) break;
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      held_.set(button, down);
      // Presses alternate: single, double, single, double...
      const EventType type = !down ? EventType::MouseUp
                             : event.button.clicks >= 2 && event.button.clicks % 2 == 0 ? EventType::MouseDoubleClick
                                                                                         : EventType::MouseDown;
      Event e = pointerEvent(type, id, event.button.x, event.button.y);
      e.button = button;
      pending_.push_back(e);
      break;
    }
    case SDL_MOUSEWHEEL: {
      const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      const WindowId id = idOf(event.wheel.windowID);
      if (notches == 0 || !id) break;
      Event e = pointerEvent(EventType::Wheel, id, event.wheel.mouseX, event.wheel.mouseY);
      e.wheel = notches;
      pending_.push_back(e);
      break;
    }
    case SDL_KEYDOWN: {
      const WindowId id = idOf(event.key.windowID);
      if (!id) break;
      const Native* w = &get(id);
      Event e = Event::of(EventType::KeyDown, id);
      e.key = keyFromSdl(event.key.keysym.sym);
      e.mods = modifiersFromSdl(event.key.keysym.mod);
      e.repeat = event.key.repeat != 0;
      // Without a window manager nobody owns the desktop's close key: it is ours to honour.
      if (!hasWindowManager() && e.key == Key::F4 && e.mods.alt && !e.mods.ctrl) {
        swallowF4Up_ = true;
        if (w->kind != WindowKind::Tooltip) pending_.push_back(Event::of(EventType::CloseRequest, e.window));
        break;
      }
      // The text this press typed follows it in SDL's queue.
      SDL_Event next;
      if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_TEXTINPUT) {
        SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
        e.text = next.text.text;
      }
      pending_.push_back(std::move(e));
      break;
    }
    case SDL_KEYUP: {
      const WindowId id = idOf(event.key.windowID);
      if (!id) break;
      const Key key = keyFromSdl(event.key.keysym.sym);
      if (swallowF4Up_ && key == Key::F4) {
        swallowF4Up_ = false;
        break;
      }
      Event e = Event::of(EventType::KeyUp, id);
      e.key = key;
      e.mods = modifiersFromSdl(event.key.keysym.mod);
      pending_.push_back(e);
      break;
    }
    case SDL_TEXTINPUT: {  // text from an input method, with no key of its own
      const WindowId id = idOf(event.text.windowID);
      if (!id) break;
      Event e = Event::of(EventType::KeyDown, id);
      e.text = event.text.text;
      pending_.push_back(std::move(e));
      break;
    }
    case SDL_SYSWMEVENT: {
      if (!x11_) break;
      if (const XWindow gone = x11_->destroyedWindow(event.syswm.msg))
        for (auto& [id, w] : windows_)
          if (w.xwindow == gone) {
            rebuild(id);
            return;
          }
      switch (x11_->entryNotice(event.syswm.msg)) {
        case TaskbarEntry::Notice::Close: pending_.push_back(Event::of(EventType::AppCloseRequest)); break;
        case TaskbarEntry::Notice::Focus: handFocusBack(); break;
        case TaskbarEntry::Notice::Minimized: pending_.push_back(Event::of(EventType::AppMinimized)); break;
        case TaskbarEntry::Notice::Restored: pending_.push_back(Event::of(EventType::AppRestored)); break;
        case TaskbarEntry::Notice::Nothing: break;
      }
      break;
    }
    default:
      break;
  }
}

void SdlBackend::translateWindowEvent(const SDL_WindowEvent& event) {
  const WindowId id = idOf(event.windowID);
  if (!id) return;
  Native* w = &get(id);
  const bool tooltip = w->kind == WindowKind::Tooltip;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      if (tooltip) return;
      pending_.push_back(Event::of(EventType::CloseRequest, id));
      return;
    case SDL_WINDOWEVENT_EXPOSED:
      pending_.push_back(Event::of(EventType::Expose, id));
      return;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (tooltip) return;
      if (event.event == SDL_WINDOWEVENT_FOCUS_GAINED) focusWanted_ = id;
      pending_.push_back(Event::of(
          event.event == SDL_WINDOWEVENT_FOCUS_GAINED ? EventType::FocusGained : EventType::FocusLost, id));
      return;
    case SDL_WINDOWEVENT_MOVED: {
      if (!w->visible || w->minimized || tooltip) return;
      // Where the server says the client area is now, less the frame it has now.
      if (auto frame = x11_->frameExtents(w->xwindow)) w->frame = *frame;
      const Point outer = x11_->clientOrigin(w->xwindow) - leftTop(w->frame);
      if (outer == w->outer) {
        w->ignoreMovesUntil = 0;  // our own move has landed
        return;
      }
      // Our move landed a frame's corner away from where we asked: a move made while the
      // window manager was still taking the window in can be read as the frame's position, or
      // the frame's as the client's. Ask again, a few times at most. A landing anywhere else is
      // somebody's move (the learner dragging the page just after it came up) and stands.
      const Point off = leftTop(w->frame);
      const bool misread = outer - w->outer == off || w->outer - outer == off;
      if (misread && nowMs() < w->ignoreMovesUntil) {
        if (w->corrections < 3) {
          const Point client = w->outer + leftTop(w->frame);
          SDL_SetWindowPosition(w->sdl.get(), client.x, client.y);
          ++w->corrections;
        }
        return;
      }
      w->outer = outer;
      Event e = Event::of(EventType::Moved, id);
      e.outerPosition = outer;
      pending_.push_back(e);
      return;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      const Size client{event.data1, event.data2};
      if (client == w->client) return;
      // Maximising may change the frame too; the outer size is taken with the frame of now.
      if (w->visible && !tooltip)
        if (auto frame = x11_->frameExtents(w->xwindow)) w->frame = *frame;
      w->client = client;
      Event e = Event::of(EventType::Resized, id);
      e.clientSize = client;
      e.outerSize = plus(client, w->frame);
      pending_.push_back(e);
      return;
    }
    case SDL_WINDOWEVENT_MINIMIZED:
      // A window destroyed from outside is unmapped first, which SDL takes for a minimise.
      if (w->minimized || !w->visible || !x11_->exists(w->xwindow)) return;
      w->minimized = true;
      pending_.push_back(Event::of(EventType::Minimized, id));
      return;
    case SDL_WINDOWEVENT_RESTORED:
      if (!w->minimized) return;
      w->minimized = false;
      pending_.push_back(Event::of(EventType::Restored, id));
      return;
    case SDL_WINDOWEVENT_ENTER:
      pending_.push_back(Event::of(EventType::PointerEnter, id));
      return;
    case SDL_WINDOWEVENT_LEAVE:
      pending_.push_back(Event::of(EventType::PointerLeave, id));
      return;
    default:
      return;
  }
}

// Someone destroyed one of our windows from outside (a tool, another client). The layer still
// holds it as it was, so the backend makes it again under the same id, in the same state, and
// asks for its content again. Nothing is sent to the dead window any more: a request naming it
// fails, and SDL would wait for ever for the server to confirm an unmap.
void SdlBackend::rebuild(WindowId window) {
  Native& w = get(window);
  const bool visible = w.visible, minimized = w.minimized;
  x11_->forgetGoneWindow(w.xwindow);
  bySdlId_.erase(w.sdlId);
  w.sdl.reset();
  w.visible = w.minimized = false;
  open(w);
  bySdlId_[w.sdlId] = window;
  if (!visible) return;
  show(window);
  if (minimized) minimize(window);
  pending_.push_back(Event::of(EventType::Expose, window));
}

// The desktop offered the focus to the task-bar entry (the learner picked the program in the
// task bar or the window switcher): it goes on to the window of ours that should have it.
void SdlBackend::handFocusBack() {
  WindowId to = kNoWindow;
  if (auto it = windows_.find(focusWanted_); it != windows_.end() && it->second.visible && !it->second.minimized)
    to = focusWanted_;
  else
    for (WindowId id : stackingOrder())
      if (get(id).kind != WindowKind::Tooltip) {
        to = id;
        break;
      }
  if (to == kNoWindow) return;
  raise(to);
  focus(to);
}

}  // namespace apostila::platform
