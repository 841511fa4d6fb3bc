// The accessibility tree over the live pages and boxes.
#include "ui/access/Tree.h"

#include <algorithm>

#include "content/PictureTwins.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/Application.h"
#include "ui/Container.h"
#include "ui/DialogBox.h"
#include "ui/Form.h"
#include "ui/PointerTracker.h"

namespace apostila::access {

namespace {

using content::TImage;
using content::TLabel;
using content::TPanel;
using content::TSpeedButton;

bool isHoverLabel(const ui::Control& c) {
  auto* l = dynamic_cast<const TLabel*>(&c);
  return l && (l->onMouseEnter || l->onMouseLeave);
}

// Where a control lies in its page's client area, in page pixels.
void pagePosition(const ui::Control& c, int& x, int& y) {
  x = 0;
  y = 0;
  const ui::Control* at = &c;
  while (at && !dynamic_cast<const ui::Form*>(at)) {
    x += at->left();
    y += at->top();
    if (const ui::Container* p = at->parent()) {
      x += p->clientOffsetX();
      y += p->clientOffsetY();
    }
    at = at->parent();
  }
}

bool contains(const ScreenRect& r, int x, int y) {
  return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
}

const ActionInfo kClick{"click", "clicar", "Aciona o botão, como um clique do mouse"};
const ActionInfo kShow{"show", "mostrar", "Faz o que o mouse faz ao parar sobre o texto"};
const ActionInfo kHide{"hide", "esconder", "Faz o que o mouse faz ao sair do texto"};

}  // namespace

int deviceScale(const ui::Application& application) { return application.deviceScale(); }

platform::WindowGeometry screenGeometry(ui::Application& application, platform::WindowId window) {
  return application.screenBackend().geometry(window);
}

Tree::Tree(ui::Application& application) : app_(&application) {}

Tree::~Tree() {
  if (ui::accessHooks() == this) ui::accessHooks() = nullptr;
}

int Tree::idOf(const ui::Control& control) {
  auto it = ids_.find(&control);
  if (it != ids_.end()) return it->second;
  controls_.push_back(const_cast<ui::Control*>(&control));
  const int id = static_cast<int>(controls_.size());
  ids_.emplace(&control, id);
  return id;
}

int Tree::idOfBox(const ui::DialogBox& box) const {
  for (const OpenBox& b : boxes_)
    if (b.box == &box) return b.base;
  return kNone;
}

Tree::Target Tree::resolve(int id) const {
  Target t;
  if (!app_) return t;
  if (id == kRoot) {
    t.kind = Kind::App;
    return t;
  }
  if (id > 0 && id <= static_cast<int>(controls_.size())) {
    t.kind = Kind::Control;
    t.control = controls_[static_cast<std::size_t>(id - 1)];
    return t;
  }
  for (const OpenBox& b : boxes_) {
    if (id < b.base || id >= b.base + kBoxBlock) continue;
    const int part = id - b.base;
    t.box = b.box;
    if (part == 0) {
      t.kind = Kind::Box;
    } else if (part == 1) {
      t.kind = Kind::BoxText;
    } else if (static_cast<std::size_t>(part - 2) < b.box->desc().buttons.size()) {
      t.kind = Kind::BoxButton;
      t.index = part - 2;
    }
    return t;
  }
  return t;
}

bool Tree::exists(int id) const { return resolve(id).kind != Kind::None; }

std::vector<int> Tree::children(int id) {
  std::vector<int> out;
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::App:
      for (ui::Form* f : app_->forms()) out.push_back(idOf(*f));
      for (const OpenBox& b : boxes_) out.push_back(b.base);
      break;
    case Kind::Control:
      if (auto* c = dynamic_cast<ui::Container*>(t.control))
        for (ui::Control* child : c->controls()) out.push_back(idOf(*child));
      break;
    case Kind::Box:
      out.push_back(id + 1);
      for (std::size_t i = 0; i < t.box->desc().buttons.size(); ++i) out.push_back(id + 2 + static_cast<int>(i));
      break;
    default: break;
  }
  return out;
}

int Tree::parent(int id) {
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::Control:
      if (dynamic_cast<ui::Form*>(t.control)) return kRoot;
      return t.control->parent() ? idOf(*t.control->parent()) : kRoot;
    case Kind::Box: return kRoot;
    case Kind::BoxText: case Kind::BoxButton: return idOfBox(*t.box);
    default: return kNone;
  }
}

int Tree::indexInParent(int id) {
  const int p = parent(id);
  if (p == kNone) return -1;
  const std::vector<int> siblings = children(p);
  auto it = std::find(siblings.begin(), siblings.end(), id);
  return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

Role Tree::role(int id) const {
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::App: return Role::Application;
    case Kind::Box: return t.box->desc().icon == ui::DialogDesc::Icon::Stop ? Role::Alert : Role::Dialog;
    case Kind::BoxText: return Role::Label;
    case Kind::BoxButton: return Role::PushButton;
    case Kind::Control:
      if (dynamic_cast<ui::Form*>(t.control)) return Role::Frame;
      if (dynamic_cast<TSpeedButton*>(t.control)) return Role::PushButton;
      if (dynamic_cast<TImage*>(t.control)) return Role::Image;
      if (dynamic_cast<TLabel*>(t.control)) return Role::Label;
      return Role::Panel;
    default: return Role::Panel;
  }
}

std::string Tree::name(int id) const {
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::App: return app_->title();
    case Kind::Box: return t.box->desc().caption;
    case Kind::BoxText: return t.box->desc().text;
    case Kind::BoxButton: return t.box->desc().buttons[static_cast<std::size_t>(t.index)].caption;
    case Kind::Control: {
      const ui::Control& c = *t.control;
      if (dynamic_cast<const TImage*>(&c)) return "Figura";
      if (dynamic_cast<const TSpeedButton*>(&c) && c.caption().empty())
        // A glyph alone: its hint says what it does, else it is a button all the same.
        return c.hint().empty() ? "Botão" : c.hint();
      return c.caption();
    }
    default: return {};
  }
}

std::string Tree::description(int id) const {
  const Target t = resolve(id);
  if (t.kind == Kind::Control && dynamic_cast<const TImage*>(t.control)) {
    const ui::Form* f = t.control->form();
    if (!f) return {};
    return content::PictureTwins::carried().description(std::string(f->pageClass().className), t.control->name());
  }
  if (t.kind == Kind::Box) return t.box->desc().text;
  return {};
}

bool Tree::controlShowing(const ui::Control& c) const {
  for (const ui::Control* at = &c; at; at = at->parent())
    if (!at->visible()) return false;
  const ui::Form* f = c.form();
  return f && !f->minimized() && f->windowId() != platform::kNoWindow;
}

bool Tree::controlSensitive(const ui::Control& c) const {
  for (const ui::Control* at = &c; at; at = at->parent())
    if (!at->enabled()) return false;
  const ui::Form* f = c.form();
  return f && f->windowEnabled();
}

StateSet Tree::states(int id) const {
  StateSet s;
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::App: break;
    case Kind::Control: {
      const ui::Control& c = *t.control;
      if (c.visible()) s.add(State::Visible);
      if (controlShowing(c)) s.add(State::Showing);
      if (controlSensitive(c)) {
        s.add(State::Enabled);
        s.add(State::Sensitive);
      }
      if (auto* f = dynamic_cast<const ui::Form*>(&c)) {
        if (f->active() && !app_->openBox()) s.add(State::Active);
        if (f->minimized()) s.add(State::Iconified);
      }
      break;
    }
    case Kind::Box: case Kind::BoxText: case Kind::BoxButton:
      for (State x : {State::Visible, State::Showing, State::Enabled, State::Sensitive}) s.add(x);
      if (t.kind == Kind::Box) {
        s.add(State::Modal);
        if (app_->openBox() == t.box) s.add(State::Active);
      }
      if (t.kind == Kind::BoxButton) {
        s.add(State::Focusable);
        if (t.box->focusedButton() == t.index) s.add(State::Focused);
      }
      break;
    default: break;
  }
  return s;
}

ScreenRect Tree::controlExtents(const ui::Control& c) const {
  const ui::Form* f = c.form();
  if (!f || f->windowId() == platform::kNoWindow) return {};
  const platform::WindowGeometry g = screenGeometry(*app_, f->windowId());
  if (&c == f) return {g.outer.x, g.outer.y, g.outer.width, g.outer.height};
  const int s = deviceScale(*app_);
  int x = 0, y = 0;
  pagePosition(c, x, y);
  return {g.client.x + s * x, g.client.y + s * y, s * c.width(), s * c.height()};
}

ScreenRect Tree::boxPart(const ui::DialogBox& box, const ui::Rect& r) const {
  const platform::WindowGeometry g = screenGeometry(*app_, box.windowId());
  const int s = deviceScale(*app_);
  return {g.client.x + s * r.left, g.client.y + s * r.top, s * r.width(), s * r.height()};
}

ScreenRect Tree::extents(int id) const {
  const Target t = resolve(id);
  switch (t.kind) {
    case Kind::Control: return controlExtents(*t.control);
    case Kind::Box: {
      const platform::WindowGeometry g = screenGeometry(*app_, t.box->windowId());
      return {g.outer.x, g.outer.y, g.outer.width, g.outer.height};
    }
    case Kind::BoxText: return boxPart(*t.box, t.box->textRect());
    case Kind::BoxButton: return boxPart(*t.box, t.box->buttonRect(static_cast<std::size_t>(t.index)));
    default: return {};
  }
}

bool Tree::hasText(int id) const {
  const Target t = resolve(id);
  if (t.kind == Kind::BoxText) return true;
  if (t.kind != Kind::Control) return false;
  return dynamic_cast<const TLabel*>(t.control) || dynamic_cast<const TPanel*>(t.control);
}

std::string Tree::text(int id) const {
  const Target t = resolve(id);
  if (t.kind == Kind::BoxText) return t.box->desc().text;
  return hasText(id) ? t.control->caption() : std::string();
}

bool Tree::isImage(int id) const {
  const Target t = resolve(id);
  return t.kind == Kind::Control && dynamic_cast<const TImage*>(t.control);
}

std::vector<ActionInfo> Tree::actions(int id) const {
  const Target t = resolve(id);
  if (t.kind == Kind::BoxButton) return {kClick};
  if (t.kind != Kind::Control) return {};
  if (dynamic_cast<const TSpeedButton*>(t.control)) return {kClick};
  if (isHoverLabel(*t.control)) return {kShow, kHide};
  return {};
}

bool Tree::doAction(int id, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= actions(id).size()) return false;
  queued_.push_back({id, index});
  return true;
}

void Tree::runQueued() {
  while (!queued_.empty() && app_) {
    const Queued q = queued_.front();
    queued_.pop_front();
    run(q);
  }
}

void Tree::run(const Queued& q) {
  const Target t = resolve(q.id);
  if (t.kind == Kind::BoxButton) {
    // Only the innermost box takes input, as with the pointer.
    if (app_->openBox() == t.box) t.box->press(static_cast<std::size_t>(t.index));
    return;
  }
  if (t.kind != Kind::Control || !controlShowing(*t.control)) return;
  ui::Control& c = *t.control;
  if (auto* button = dynamic_cast<TSpeedButton*>(&c)) {
    // As a left release inside the button: nothing while it or its page is disabled.
    if (!controlSensitive(c)) return;
    app_->pointer().endHint();
    app_->guarded([&] { button->click(); });
    return;
  }
  if (isHoverLabel(c)) {
    // The pointer's enter and leave reach a label enabled or not, but not on a page that a
    // box disables.
    const ui::Form* f = c.form();
    if (!f || !f->windowEnabled()) return;
    if (q.index == 0) app_->guarded([&] { c.mouseEnter(); });
    else app_->guarded([&] { c.mouseLeave(); });
  }
}

int Tree::at(int x, int y) {
  // Boxes lie above the pages; of the pages, the one highest in the stacking order.
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it)
    if (contains(extents(it->base), x, y)) {
      for (int child : children(it->base))
        if (contains(extents(child), x, y)) return child;
      return it->base;
    }
  for (platform::WindowId w : app_->backend().stackingOrder()) {
    ui::Form* f = app_->formOfWindow(w);
    if (!f || !controlShowing(*f) || !contains(extents(idOf(*f)), x, y)) continue;
    int found = idOf(*f);
    // The deepest showing element under the point; later children lie above earlier ones.
    for (bool deeper = true; deeper;) {
      deeper = false;
      const std::vector<int> kids = children(found);
      for (auto k = kids.rbegin(); k != kids.rend(); ++k) {
        if (states(*k).has(State::Showing) && contains(extents(*k), x, y)) {
          found = *k;
          deeper = true;
          break;
        }
      }
    }
    return found;
  }
  return kNone;
}

void Tree::notify(Notice n) {
  if (listener_) listener_(n);
}

void Tree::captionChanged(ui::Control& control) {
  if (!control.form()) return;
  const int id = idOf(control);
  notify({Notice::Kind::NameChanged, id, {}});
  if (hasText(id)) notify({Notice::Kind::TextChanged, id, {}});
}

void Tree::visibilityChanged(ui::Control& control) {
  if (!control.form()) return;
  const int id = idOf(control);
  const bool shown = controlShowing(control);
  notify({Notice::Kind::StateChanged, id, "visible", control.visible() ? 1 : 0});
  notify({Notice::Kind::StateChanged, id, "showing", shown ? 1 : 0});
  // A panel shown or hidden shows or hides what lies on it.
  if (auto* c = dynamic_cast<ui::Container*>(&control); c && !dynamic_cast<ui::Form*>(&control)) {
    for (ui::Control* child : c->controls())
      if (child->visible()) notify({Notice::Kind::StateChanged, idOf(*child), "showing", controlShowing(*child) ? 1 : 0});
  }
  if (dynamic_cast<ui::Form*>(&control))
    notify({shown ? Notice::Kind::WindowCreate : Notice::Kind::WindowDestroy, id, {}});
}

void Tree::enabledChanged(ui::Control& control) {
  if (!control.form()) return;
  const int id = idOf(control);
  const int on = controlSensitive(control) ? 1 : 0;
  notify({Notice::Kind::StateChanged, id, "enabled", on});
  notify({Notice::Kind::StateChanged, id, "sensitive", on});
}

void Tree::pageActivated(ui::Form* now, ui::Form* before) {
  if (before) {
    notify({Notice::Kind::StateChanged, idOf(*before), "active", 0});
    notify({Notice::Kind::WindowDeactivate, idOf(*before), {}});
  }
  if (now) {
    notify({Notice::Kind::StateChanged, idOf(*now), "active", 1});
    notify({Notice::Kind::WindowActivate, idOf(*now), {}});
  }
}

void Tree::boxOpened(ui::DialogBox& box) {
  const int base = nextBoxBase_;
  nextBoxBase_ += kBoxBlock;
  boxes_.push_back({&box, base});
  const int index = static_cast<int>(app_->forms().size() + boxes_.size() - 1);
  notify({Notice::Kind::ChildAdded, kRoot, "add", index, base});
  notify({Notice::Kind::WindowCreate, base, {}});
  notify({Notice::Kind::StateChanged, base, "showing", 1});
  notify({Notice::Kind::WindowActivate, base, {}});
}

void Tree::boxClosing(ui::DialogBox& box) {
  auto it = std::find_if(boxes_.begin(), boxes_.end(), [&](const OpenBox& b) { return b.box == &box; });
  if (it == boxes_.end()) return;
  const int base = it->base;
  const int index = static_cast<int>(app_->forms().size() + static_cast<std::size_t>(it - boxes_.begin()));
  notify({Notice::Kind::WindowDeactivate, base, {}});
  notify({Notice::Kind::StateChanged, base, "showing", 0});
  notify({Notice::Kind::WindowDestroy, base, {}});
  boxes_.erase(it);
  notify({Notice::Kind::ChildRemoved, kRoot, "remove", index, base});
  // What was queued for the box's buttons has nothing left to act on.
  std::erase_if(queued_, [&](const Queued& q) { return q.id >= base && q.id < base + kBoxBlock; });
}

void Tree::readable() {
  if (onReadable_) onReadable_();
}

void Tree::applicationGone(ui::Application& application) {
  if (&application != app_) return;
  app_ = nullptr;
  queued_.clear();
  boxes_.clear();
  listener_ = nullptr;
  if (ui::accessHooks() == this) ui::accessHooks() = nullptr;
}

}  // namespace apostila::access
