// The accessibility protocol over the message bus, answered from the tree.
#include "ui/access/Bridge.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/Application.h"
#include "ui/access/Dbus.h"
#include "ui/access/Tree.h"

namespace apostila::access {

namespace {

constexpr const char* kRootPath = "/org/a11y/atspi/accessible/root";
constexpr const char* kPathPrefix = "/org/a11y/atspi/accessible/";
constexpr const char* kNullPath = "/org/a11y/atspi/null";
constexpr const char* kAccessible = "org.a11y.atspi.Accessible";
constexpr const char* kApplicationIface = "org.a11y.atspi.Application";
constexpr const char* kComponent = "org.a11y.atspi.Component";
constexpr const char* kAction = "org.a11y.atspi.Action";
constexpr const char* kText = "org.a11y.atspi.Text";
constexpr const char* kImage = "org.a11y.atspi.Image";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr int kCoordScreen = 0;
constexpr std::uint32_t kLayerWidget = 3, kLayerWindow = 7;

const char* roleName(Role r) {
  switch (r) {
    case Role::Alert: return "alert";
    case Role::Dialog: return "dialog";
    case Role::Frame: return "frame";
    case Role::Image: return "image";
    case Role::Label: return "label";
    case Role::Panel: return "panel";
    case Role::PushButton: return "push button";
    case Role::Application: return "application";
  }
  return "unknown";
}

const char* localizedRoleName(Role r) {
  switch (r) {
    case Role::Alert: return "alerta";
    case Role::Dialog: return "caixa de diálogo";
    case Role::Frame: return "janela";
    case Role::Image: return "imagem";
    case Role::Label: return "rótulo";
    case Role::Panel: return "painel";
    case Role::PushButton: return "botão";
    case Role::Application: return "aplicativo";
  }
  return "desconhecido";
}

// UTF-8 text counted and cut in characters, as the protocol's offsets are.
std::vector<std::size_t> characterStarts(const std::string& s) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < s.size(); ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) starts.push_back(i);
  return starts;
}

std::string slice(const std::string& s, int from, int to) {
  const std::vector<std::size_t> starts = characterStarts(s);
  const int count = static_cast<int>(starts.size());
  if (to < 0 || to > count) to = count;
  if (from < 0) from = 0;
  if (from >= to) return {};
  const std::size_t a = starts[static_cast<std::size_t>(from)];
  const std::size_t b = to == count ? s.size() : starts[static_cast<std::size_t>(to)];
  return s.substr(a, b - a);
}

int characterCount(const std::string& s) { return static_cast<int>(characterStarts(s).size()); }

// Reads an a{sv} of booleans into the two status flags.
void readStatus(const DbusApi& d, DBusMessageIter* dict, bool& isEnabled, bool& screenReader) {
  if (d.dbus_message_iter_get_arg_type(dict) != DBUS_TYPE_ARRAY) return;
  DBusMessageIter entry;
  d.dbus_message_iter_recurse(dict, &entry);
  while (d.dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_DICT_ENTRY) {
    DBusMessageIter kv, v;
    d.dbus_message_iter_recurse(&entry, &kv);
    const char* key = nullptr;
    if (d.dbus_message_iter_get_arg_type(&kv) == DBUS_TYPE_STRING) d.dbus_message_iter_get_basic(&kv, &key);
    d.dbus_message_iter_next(&kv);
    if (key && d.dbus_message_iter_get_arg_type(&kv) == DBUS_TYPE_VARIANT) {
      d.dbus_message_iter_recurse(&kv, &v);
      if (d.dbus_message_iter_get_arg_type(&v) == DBUS_TYPE_BOOLEAN) {
        dbus_bool_t b = 0;
        d.dbus_message_iter_get_basic(&v, &b);
        if (std::strcmp(key, "IsEnabled") == 0) isEnabled = b;
        if (std::strcmp(key, "ScreenReaderEnabled") == 0) screenReader = b;
      }
    }
    d.dbus_message_iter_next(&entry);
  }
}

// The arguments of a call, read in order.
class In {
 public:
  In(const DbusApi& d, DBusMessage* m) : d_(d) { ok_ = d_.dbus_message_iter_init(m, &it_); }
  std::int32_t i() { return basic<std::int32_t>(DBUS_TYPE_INT32); }
  std::uint32_t u() { return basic<std::uint32_t>(DBUS_TYPE_UINT32); }
  bool b() { return basic<dbus_bool_t>(DBUS_TYPE_BOOLEAN) != 0; }
  std::string s() {
    const char* p = basic<const char*>(DBUS_TYPE_STRING);
    return p ? p : "";
  }
  DBusMessageIter* iter() { return &it_; }

 private:
  template <class T>
  T basic(int type) {
    T v{};
    if (ok_ && d_.dbus_message_iter_get_arg_type(&it_) == type) {
      d_.dbus_message_iter_get_basic(&it_, &v);
      ok_ = d_.dbus_message_iter_next(&it_);
    } else {
      ok_ = false;
    }
    return v;
  }
  const DbusApi& d_;
  DBusMessageIter it_;
  bool ok_ = false;
};

void makePipe(int fds[2]) {
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) fds[0] = fds[1] = -1;
}

}  // namespace

Bridge::Bridge(ui::Application& application) : app_(&application) {}

Bridge::~Bridge() {
  if (ui::accessHooks() == this) ui::accessHooks() = nullptr;
  if (app_) app_->backend().watchReadable({});
  unpublish();
  if (session_) {
    d_->dbus_connection_close(session_);
    d_->dbus_connection_unref(session_);
  }
  for (int fd : poke_)
    if (fd >= 0) ::close(fd);
}

void Bridge::start() {
  if (session_ || !app_) return;
  // Without a session bus there is nothing to follow; an unset address must not make the
  // library start a bus of its own.
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (!address || !*address) return;
  d_ = DbusApi::get();
  if (!d_) return;
  DBusError error;
  d_->dbus_error_init(&error);
  session_ = d_->dbus_bus_get_private(DBUS_BUS_SESSION, &error);
  d_->dbus_error_free(&error);
  if (!session_) return;
  d_->dbus_connection_set_exit_on_disconnect(session_, false);
  makePipe(poke_);
  // Without an error argument these do not wait for the bus's answer.
  d_->dbus_bus_add_match(session_,
                         "type='signal',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',"
                         "path='/org/a11y/bus',arg0='org.a11y.Status'",
                         nullptr);
  d_->dbus_bus_add_match(session_,
                         "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
                         "member='NameOwnerChanged',arg0='org.a11y.Bus'",
                         nullptr);
  ui::accessHooks() = this;
  askStatus();
  watch();
}

void Bridge::askStatus() {
  DBusMessage* m = d_->dbus_message_new_method_call("org.a11y.Bus", "/org/a11y/bus", kProperties, "GetAll");
  if (!m) return;
  Out(*d_, m).s("org.a11y.Status");
  // Asking must not start the desktop's accessibility service where nothing else has.
  d_->dbus_message_set_auto_start(m, false);
  dbus_uint32_t serial = 0;
  if (d_->dbus_connection_send(session_, m, &serial)) statusSerial_ = serial;
  d_->dbus_message_unref(m);
  d_->dbus_connection_flush(session_);
}

void Bridge::watch() {
  if (!app_) return;
  std::vector<int> fds;
  int fd = -1;
  if (session_ && d_->dbus_connection_get_unix_fd(session_, &fd)) fds.push_back(fd);
  if (bus_ && d_->dbus_connection_get_unix_fd(bus_, &fd)) fds.push_back(fd);
  if (poke_[0] >= 0) fds.push_back(poke_[0]);
  app_->backend().watchReadable(fds);
}

void Bridge::poke() {
  const char byte = 1;
  if (poke_[1] >= 0) [[maybe_unused]] auto n = ::write(poke_[1], &byte, 1);
}

void Bridge::send(DBusConnection* c, DBusMessage* m) {
  if (!m) return;
  d_->dbus_connection_send(c, m, nullptr);
  d_->dbus_message_unref(m);
  d_->dbus_connection_flush(c);
  // Flushing may have read messages in: they would wait for the socket's next byte.
  if (d_->dbus_connection_get_dispatch_status(c) == DBUS_DISPATCH_DATA_REMAINS) poke();
}

void Bridge::readable() {
  if (!app_ || !session_) return;
  char buffer[64];
  while (poke_[0] >= 0 && ::read(poke_[0], buffer, sizeof buffer) > 0) {
  }
  for (bool more = true; more;) {
    more = false;
    if (session_) {
      d_->dbus_connection_read_write(session_, 0);
      // A lost session bus ends the connection from inside the loop.
      while (session_) {
        DBusMessage* m = d_->dbus_connection_pop_message(session_);
        if (!m) break;
        more = true;
        handleSession(m);
        d_->dbus_message_unref(m);
      }
    }
    if (bus_) {
      d_->dbus_connection_read_write(bus_, 0);
      while (bus_) {
        DBusMessage* m = d_->dbus_connection_pop_message(bus_);
        if (!m) break;
        more = true;
        handleBus(m);
        d_->dbus_message_unref(m);
      }
    }
  }
  watch();
  // What the requests asked the pages to do runs now, after every answer has gone: a click
  // that opens a modal box runs the box's loop from here, and that loop serves the bus.
  if (tree_) {
    Tree* t = tree_.get();
    ++running_;
    t->runQueued();
    if (--running_ == 0) retired_.clear();
  }
}

void Bridge::handleSession(DBusMessage* m) {
  const int type = d_->dbus_message_get_type(m);
  if (type == DBUS_MESSAGE_TYPE_METHOD_RETURN || type == DBUS_MESSAGE_TYPE_ERROR) {
    if (d_->dbus_message_get_reply_serial(m) != statusSerial_) return;
    statusSerial_ = 0;
    bool enabled = false, reader = false;
    if (type == DBUS_MESSAGE_TYPE_METHOD_RETURN) {
      DBusMessageIter it;
      if (d_->dbus_message_iter_init(m, &it)) readStatus(*d_, &it, enabled, reader);
    }
    isEnabled_ = enabled;
    screenReader_ = reader;
    setEnabled(isEnabled_ || screenReader_);
    return;
  }
  if (d_->dbus_message_is_signal(m, kProperties, "PropertiesChanged")) {
    In in(*d_, m);
    if (in.s() != "org.a11y.Status") return;
    readStatus(*d_, in.iter(), isEnabled_, screenReader_);
    setEnabled(isEnabled_ || screenReader_);
    return;
  }
  if (d_->dbus_message_is_signal(m, "org.freedesktop.DBus", "NameOwnerChanged")) {
    In in(*d_, m);
    in.s();
    in.s();
    const std::string owner = in.s();
    // The desktop's accessibility service came or went: ask again, or stop publishing.
    if (owner.empty()) {
      isEnabled_ = screenReader_ = false;
      setEnabled(false);
    } else {
      askStatus();
    }
    return;
  }
  if (d_->dbus_message_is_signal(m, "org.freedesktop.DBus.Local", "Disconnected")) {
    setEnabled(false);
    d_->dbus_connection_close(session_);
    d_->dbus_connection_unref(session_);
    session_ = nullptr;
  }
}

void Bridge::setEnabled(bool on) {
  if (on == (bus_ != nullptr)) return;
  if (on) {
    if (!publish()) unpublish();
  } else {
    unpublish();
  }
}

bool Bridge::publish() {
  DBusError error;
  d_->dbus_error_init(&error);
  DBusMessage* call = d_->dbus_message_new_method_call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress");
  DBusMessage* reply = call ? d_->dbus_connection_send_with_reply_and_block(session_, call, 2000, &error) : nullptr;
  if (call) d_->dbus_message_unref(call);
  d_->dbus_error_free(&error);
  if (!reply) return false;
  std::string address = In(*d_, reply).s();
  d_->dbus_message_unref(reply);
  if (address.empty()) return false;

  d_->dbus_error_init(&error);
  bus_ = d_->dbus_connection_open_private(address.c_str(), &error);
  d_->dbus_error_free(&error);
  if (!bus_) return false;
  d_->dbus_connection_set_exit_on_disconnect(bus_, false);
  d_->dbus_error_init(&error);
  const bool registered = d_->dbus_bus_register(bus_, &error);
  d_->dbus_error_free(&error);
  if (!registered) return false;
  busName_ = d_->dbus_bus_get_unique_name(bus_);

  tree_ = std::make_unique<Tree>(*app_);
  tree_->setListener([this](const Notice& n) { emit(n); });

  // Join the desktop: the registry puts our root among its children and gives its own root
  // back, the parent of ours.
  call = d_->dbus_message_new_method_call("org.a11y.atspi.Registry", kRootPath, "org.a11y.atspi.Socket", "Embed");
  if (!call) return false;
  Out(*d_, call).open(DBUS_TYPE_STRUCT).s(busName_).o(kRootPath).close();
  d_->dbus_error_init(&error);
  reply = d_->dbus_connection_send_with_reply_and_block(bus_, call, 2000, &error);
  d_->dbus_message_unref(call);
  d_->dbus_error_free(&error);
  desktopName_ = "org.a11y.atspi.Registry";
  desktopPath_ = kRootPath;
  if (reply) {
    DBusMessageIter it, s;
    if (d_->dbus_message_iter_init(reply, &it) && d_->dbus_message_iter_get_arg_type(&it) == DBUS_TYPE_STRUCT) {
      d_->dbus_message_iter_recurse(&it, &s);
      const char* name = nullptr;
      const char* path = nullptr;
      d_->dbus_message_iter_get_basic(&s, &name);
      d_->dbus_message_iter_next(&s);
      d_->dbus_message_iter_get_basic(&s, &path);
      if (name) desktopName_ = name;
      if (path) desktopPath_ = path;
    }
    d_->dbus_message_unref(reply);
  }
  // What arrived during those calls waits in the library: the next turn serves it.
  poke();
  return true;
}

void Bridge::unpublish() {
  if (tree_) {
    tree_->stop();
    // A queued action may still be running on it, further up the stack.
    if (running_) retired_.push_back(std::move(tree_));
    tree_.reset();
  }
  if (bus_) {
    d_->dbus_connection_close(bus_);
    d_->dbus_connection_unref(bus_);
    bus_ = nullptr;
  }
  busName_.clear();
}

std::string Bridge::pathOf(int id) const {
  if (id == Tree::kRoot) return kRootPath;
  if (id < 0) return kNullPath;
  return kPathPrefix + std::to_string(id);
}

int Bridge::idOfPath(const char* path) const {
  if (!path) return Tree::kNone;
  if (std::strcmp(path, kRootPath) == 0) return Tree::kRoot;
  const std::size_t n = std::strlen(kPathPrefix);
  if (std::strncmp(path, kPathPrefix, n) != 0) return Tree::kNone;
  char* end = nullptr;
  const long v = std::strtol(path + n, &end, 10);
  if (!end || *end || v <= 0 || v > (1L << 30)) return Tree::kNone;
  return static_cast<int>(v);
}

void Bridge::handleBus(DBusMessage* m) {
  if (d_->dbus_message_is_signal(m, "org.freedesktop.DBus.Local", "Disconnected")) {
    unpublish();
    return;
  }
  if (d_->dbus_message_get_type(m) != DBUS_MESSAGE_TYPE_METHOD_CALL) return;
  const char* path = d_->dbus_message_get_path(m);
  if (path && std::strcmp(path, "/org/a11y/atspi/cache") == 0) {
    // No cache is kept for clients: every question reaches the live tree.
    DBusMessage* r = d_->dbus_message_new_method_return(m);
    Out(*d_, r).open(DBUS_TYPE_ARRAY, "((so)(so)(so)iiassusau)").close();
    send(bus_, r);
    return;
  }
  const int id = idOfPath(path);
  if (id == Tree::kNone || !tree_ || !tree_->exists(id)) {
    send(bus_, d_->dbus_message_new_error(m, "org.freedesktop.DBus.Error.UnknownObject", "no such object"));
    return;
  }
  answer(m, id);
}

// One request about one object of the tree.
void Bridge::answer(DBusMessage* call, int id) {
  Tree& t = *tree_;
  const char* ifaceC = d_->dbus_message_get_interface(call);
  const char* memberC = d_->dbus_message_get_member(call);
  const std::string iface = ifaceC ? ifaceC : "", member = memberC ? memberC : "";
  DBusMessage* r = d_->dbus_message_new_method_return(call);
  if (!r) return;
  Out out(*d_, r);
  In in(*d_, call);
  auto ref = [&](Out& o, int of) {
    o.open(DBUS_TYPE_STRUCT);
    if (of == Tree::kNone) o.s(busName_).o(kNullPath);
    else o.s(busName_).o(pathOf(of));
    o.close();
  };
  auto parentRef = [&](Out& o) {
    if (id == Tree::kRoot) o.open(DBUS_TYPE_STRUCT).s(desktopName_).o(desktopPath_).close();
    else ref(o, t.parent(id));
  };
  const Role role = t.role(id);
  const ScreenRect screen = t.extents(id);
  // The coordinates a client asks for: the screen's, or the object's frame's.
  auto place = [&](std::uint32_t coordType) {
    ScreenRect e = screen;
    if (coordType != kCoordScreen) {
      int top = id;
      while (top != Tree::kNone && t.parent(top) != Tree::kRoot && top != Tree::kRoot) top = t.parent(top);
      // Relative to the window (or, for the parent's coordinates, to the same window: the
      // pages' panels have no frame of their own).
      const ScreenRect w = top == Tree::kNone ? ScreenRect{} : t.extents(top);
      e.x -= w.x;
      e.y -= w.y;
    }
    return e;
  };
  std::vector<std::string> interfaces{kAccessible, kComponent};
  if (id == Tree::kRoot) interfaces = {kAccessible, kApplicationIface};
  if (!t.actions(id).empty()) interfaces.push_back(kAction);
  if (t.hasText(id)) interfaces.push_back(kText);
  if (t.isImage(id)) interfaces.push_back(kImage);
  auto has = [&](const std::string& i) {
    for (const std::string& x : interfaces)
      if (x == i) return true;
    return false;
  };
  const std::vector<ActionInfo> actions = t.actions(id);
  const std::string text = t.text(id);

  // A property's value, inside the variant already opened; false for one it does not have.
  auto property = [&](Out& o, const std::string& in_, const std::string& name) -> bool {
    if (in_ == kAccessible) {
      if (name == "Name") return o.open(DBUS_TYPE_VARIANT, "s").s(t.name(id)).close(), true;
      if (name == "Description") return o.open(DBUS_TYPE_VARIANT, "s").s(t.description(id)).close(), true;
      if (name == "HelpText") return o.open(DBUS_TYPE_VARIANT, "s").s("").close(), true;
      if (name == "Locale") return o.open(DBUS_TYPE_VARIANT, "s").s("pt_BR").close(), true;
      if (name == "AccessibleId") return o.open(DBUS_TYPE_VARIANT, "s").s(std::to_string(id)).close(), true;
      if (name == "ChildCount")
        return o.open(DBUS_TYPE_VARIANT, "i").i(static_cast<std::int32_t>(t.children(id).size())).close(), true;
      if (name == "Parent") {
        o.open(DBUS_TYPE_VARIANT, "(so)");
        parentRef(o);
        o.close();
        return true;
      }
    }
    if (in_ == kApplicationIface && id == Tree::kRoot) {
      if (name == "ToolkitName") return o.open(DBUS_TYPE_VARIANT, "s").s("Apostila").close(), true;
      if (name == "Version") return o.open(DBUS_TYPE_VARIANT, "s").s("1.0").close(), true;
      if (name == "AtspiVersion") return o.open(DBUS_TYPE_VARIANT, "s").s("2.1").close(), true;
      if (name == "Id") return o.open(DBUS_TYPE_VARIANT, "i").i(appId_).close(), true;
    }
    if (in_ == kAction && has(kAction) && name == "NActions")
      return o.open(DBUS_TYPE_VARIANT, "i").i(static_cast<std::int32_t>(actions.size())).close(), true;
    if (in_ == kText && has(kText)) {
      if (name == "CharacterCount") return o.open(DBUS_TYPE_VARIANT, "i").i(characterCount(text)).close(), true;
      if (name == "CaretOffset") return o.open(DBUS_TYPE_VARIANT, "i").i(0).close(), true;
    }
    if (in_ == kImage && has(kImage)) {
      if (name == "ImageDescription") return o.open(DBUS_TYPE_VARIANT, "s").s(t.description(id)).close(), true;
      if (name == "ImageLocale") return o.open(DBUS_TYPE_VARIANT, "s").s("pt_BR").close(), true;
    }
    return false;
  };
  static const char* const kPropertyNames[][7] = {
      {"Name", "Description", "HelpText", "Locale", "AccessibleId", "ChildCount", "Parent"},
      {"ToolkitName", "Version", "AtspiVersion", "Id", nullptr},
      {"NActions", nullptr},
      {"CharacterCount", "CaretOffset", nullptr},
      {"ImageDescription", "ImageLocale", nullptr},
  };
  static const char* const kPropertyIfaces[] = {kAccessible, kApplicationIface, kAction, kText, kImage};

  auto fail = [&](const char* error, const char* message) {
    d_->dbus_message_unref(r);
    send(bus_, d_->dbus_message_new_error(call, error, message));
  };
  auto box = [&](Out& o, const ScreenRect& e) { o.open(DBUS_TYPE_STRUCT).i(e.x).i(e.y).i(e.width).i(e.height).close(); };

  if (iface == kProperties) {
    const std::string which = in.s();
    if (member == "Get") {
      const std::string name = in.s();
      if (!property(out, which, name)) return fail("org.freedesktop.DBus.Error.UnknownProperty", "no such property");
    } else if (member == "GetAll") {
      out.open(DBUS_TYPE_ARRAY, "{sv}");
      for (std::size_t k = 0; k < std::size(kPropertyIfaces); ++k) {
        if (which != kPropertyIfaces[k]) continue;
        for (const char* const* p = kPropertyNames[k]; p < kPropertyNames[k] + 7 && *p; ++p) {
          out.open(DBUS_TYPE_DICT_ENTRY).s(*p);
          if (!property(out, which, *p)) out.open(DBUS_TYPE_VARIANT, "s").s("").close();
          out.close();
        }
      }
      out.close();
    } else if (member == "Set") {
      // A client names the application it registered; nothing else can be set.
      const std::string name = in.s();
      if (which == kApplicationIface && name == "Id") {
        DBusMessageIter v;
        if (d_->dbus_message_iter_get_arg_type(in.iter()) == DBUS_TYPE_VARIANT) {
          d_->dbus_message_iter_recurse(in.iter(), &v);
          if (d_->dbus_message_iter_get_arg_type(&v) == DBUS_TYPE_INT32) d_->dbus_message_iter_get_basic(&v, &appId_);
        }
      }
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else if (iface == "org.freedesktop.DBus.Introspectable" && member == "Introspect") {
    std::string xml = "<node>";
    for (const std::string& i : interfaces) xml += "<interface name=\"" + i + "\"/>";
    xml += "</node>";
    out.s(xml);
  } else if (iface == kAccessible) {
    if (member == "GetChildAtIndex") {
      const int index = in.i();
      const std::vector<int> kids = t.children(id);
      ref(out, index >= 0 && static_cast<std::size_t>(index) < kids.size() ? kids[static_cast<std::size_t>(index)] : Tree::kNone);
    } else if (member == "GetChildren") {
      out.open(DBUS_TYPE_ARRAY, "(so)");
      for (int k : t.children(id)) ref(out, k);
      out.close();
    } else if (member == "GetIndexInParent") {
      out.i(id == Tree::kRoot ? -1 : t.indexInParent(id));
    } else if (member == "GetRelationSet") {
      out.open(DBUS_TYPE_ARRAY, "(ua(so))").close();
    } else if (member == "GetRole") {
      out.u(static_cast<std::uint32_t>(role));
    } else if (member == "GetRoleName") {
      out.s(roleName(role));
    } else if (member == "GetLocalizedRoleName") {
      out.s(localizedRoleName(role));
    } else if (member == "GetState") {
      const StateSet s = t.states(id);
      out.open(DBUS_TYPE_ARRAY, "u").u(static_cast<std::uint32_t>(s.bits)).u(static_cast<std::uint32_t>(s.bits >> 32)).close();
    } else if (member == "GetAttributes") {
      out.open(DBUS_TYPE_ARRAY, "{ss}").close();
    } else if (member == "GetApplication") {
      ref(out, Tree::kRoot);
    } else if (member == "GetInterfaces") {
      out.open(DBUS_TYPE_ARRAY, "s");
      for (const std::string& i : interfaces) out.s(i);
      out.close();
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else if (iface == kApplicationIface && id == Tree::kRoot) {
    if (member == "GetLocale") out.s("pt_BR");
    else return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
  } else if (iface == kComponent && has(kComponent)) {
    if (member == "GetExtents") {
      box(out, place(in.u()));
    } else if (member == "GetPosition") {
      const ScreenRect e = place(in.u());
      out.i(e.x).i(e.y);
    } else if (member == "GetSize") {
      out.i(screen.width).i(screen.height);
    } else if (member == "Contains") {
      const int x = in.i(), y = in.i();
      const ScreenRect e = place(in.u());
      out.b(x >= e.x && y >= e.y && x < e.x + e.width && y < e.y + e.height);
    } else if (member == "GetAccessibleAtPoint") {
      int x = in.i(), y = in.i();
      const std::uint32_t coords = in.u();
      if (coords != kCoordScreen) {
        const ScreenRect origin = place(coords);
        x += screen.x - origin.x;
        y += screen.y - origin.y;
      }
      int found = t.at(x, y);
      // Only what lies inside this object counts.
      for (int up = found; up != Tree::kNone; up = t.parent(up)) {
        if (up == id) break;
        if (up == Tree::kRoot) found = Tree::kNone;
        if (up == Tree::kRoot) break;
      }
      ref(out, found == id ? Tree::kNone : found);
    } else if (member == "GetLayer") {
      out.u(role == Role::Frame || role == Role::Dialog || role == Role::Alert ? kLayerWindow : kLayerWidget);
    } else if (member == "GetMDIZOrder") {
      out.n(0);
    } else if (member == "GrabFocus" || member == "ScrollTo" || member == "ScrollToPoint" || member == "SetExtents" ||
               member == "SetPosition" || member == "SetSize") {
      out.b(false);
    } else if (member == "GetAlpha") {
      out.dbl(1.0);
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else if (iface == kAction && has(kAction)) {
    auto at = [&](int i) -> const ActionInfo* {
      return i >= 0 && static_cast<std::size_t>(i) < actions.size() ? &actions[static_cast<std::size_t>(i)] : nullptr;
    };
    if (member == "GetName" || member == "GetLocalizedName" || member == "GetDescription" || member == "GetKeyBinding") {
      const ActionInfo* a = at(in.i());
      if (!a) return fail("org.freedesktop.DBus.Error.InvalidArgs", "no such action");
      out.s(member == "GetName" ? a->name : member == "GetLocalizedName" ? a->localizedName
                                          : member == "GetDescription"   ? a->description : std::string());
    } else if (member == "GetActions") {
      out.open(DBUS_TYPE_ARRAY, "(sss)");
      for (const ActionInfo& a : actions) out.open(DBUS_TYPE_STRUCT).s(a.name).s(a.description).s("").close();
      out.close();
    } else if (member == "DoAction") {
      const bool queued = t.doAction(id, in.i());
      out.b(queued);
      // Answered now; done on the loop's next turn.
      if (queued) poke();
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else if (iface == kText && has(kText)) {
    const int count = characterCount(text);
    if (member == "GetText") {
      const int from = in.i(), to = in.i();
      out.s(slice(text, from, to));
    } else if (member == "GetTextAtOffset" || member == "GetStringAtOffset" || member == "GetTextAfterOffset" ||
               member == "GetTextBeforeOffset") {
      // The whole text is one line and one sentence here: every unit of it is all of it.
      out.s(text).i(0).i(count);
    } else if (member == "GetCharacterAtOffset") {
      const int at = in.i();
      const std::string c = slice(text, at, at + 1);
      std::int32_t code = 0;
      if (!c.empty()) {
        const auto* p = reinterpret_cast<const unsigned char*>(c.data());
        const int extra = c.size() - 1;
        code = extra == 0 ? p[0] : (p[0] & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k) code = (code << 6) | (p[k] & 0x3F);
      }
      out.i(code);
    } else if (member == "GetNSelections") {
      out.i(0);
    } else if (member == "GetSelection") {
      out.i(0).i(0);
    } else if (member == "GetAttributes" || member == "GetAttributeRun") {
      out.open(DBUS_TYPE_ARRAY, "{ss}").close().i(0).i(count);
    } else if (member == "GetDefaultAttributes" || member == "GetDefaultAttributeSet") {
      out.open(DBUS_TYPE_ARRAY, "{ss}").close();
    } else if (member == "GetCharacterExtents") {
      in.i();
      const ScreenRect e = place(in.u());
      out.i(e.x).i(e.y).i(count ? e.width / count : 0).i(e.height);
    } else if (member == "GetRangeExtents") {
      in.i();
      in.i();
      const ScreenRect e = place(in.u());
      out.i(e.x).i(e.y).i(e.width).i(e.height);
    } else if (member == "GetOffsetAtPoint") {
      out.i(0);
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else if (iface == kImage && has(kImage)) {
    if (member == "GetImageExtents") {
      box(out, place(in.u()));
    } else if (member == "GetImagePosition") {
      const ScreenRect e = place(in.u());
      out.i(e.x).i(e.y);
    } else if (member == "GetImageSize") {
      out.i(screen.width).i(screen.height);
    } else {
      return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
    }
  } else {
    return fail("org.freedesktop.DBus.Error.UnknownMethod", "no such method");
  }
  if (d_->dbus_message_get_no_reply(call)) {
    d_->dbus_message_unref(r);
    return;
  }
  send(bus_, r);
}

void Bridge::emit(const Notice& n) {
  if (!bus_ || !tree_) return;
  const char* iface = "org.a11y.atspi.Event.Object";
  const char* member = nullptr;
  std::string detail = n.detail;
  int d1 = n.value, d2 = 0;
  switch (n.kind) {
    case Notice::Kind::StateChanged: member = "StateChanged"; break;
    case Notice::Kind::NameChanged: member = "PropertyChange", detail = "accessible-name"; break;
    case Notice::Kind::TextChanged: member = "TextChanged", detail = "insert"; break;
    case Notice::Kind::ChildAdded: member = "ChildrenChanged", detail = "add"; break;
    case Notice::Kind::ChildRemoved: member = "ChildrenChanged", detail = "remove"; break;
    case Notice::Kind::WindowActivate: iface = "org.a11y.atspi.Event.Window", member = "Activate"; break;
    case Notice::Kind::WindowDeactivate: iface = "org.a11y.atspi.Event.Window", member = "Deactivate"; break;
    case Notice::Kind::WindowCreate: iface = "org.a11y.atspi.Event.Window", member = "Create"; break;
    case Notice::Kind::WindowDestroy: iface = "org.a11y.atspi.Event.Window", member = "Destroy"; break;
  }
  DBusMessage* m = d_->dbus_message_new_signal(pathOf(n.id).c_str(), iface, member);
  if (!m) return;
  Out out(*d_, m);
  std::string text;
  if (n.kind == Notice::Kind::TextChanged) {
    text = tree_->text(n.id);
    d1 = 0;
    d2 = characterCount(text);
  }
  out.s(detail).i(d1).i(d2);
  switch (n.kind) {
    case Notice::Kind::NameChanged: out.open(DBUS_TYPE_VARIANT, "s").s(tree_->name(n.id)).close(); break;
    case Notice::Kind::TextChanged: out.open(DBUS_TYPE_VARIANT, "s").s(text).close(); break;
    case Notice::Kind::ChildAdded: case Notice::Kind::ChildRemoved:
      out.open(DBUS_TYPE_VARIANT, "(so)").open(DBUS_TYPE_STRUCT).s(busName_).o(pathOf(n.child)).close().close();
      break;
    case Notice::Kind::WindowActivate: case Notice::Kind::WindowDeactivate: case Notice::Kind::WindowCreate:
    case Notice::Kind::WindowDestroy:
      out.open(DBUS_TYPE_VARIANT, "s").s(tree_->exists(n.id) ? tree_->name(n.id) : std::string()).close();
      break;
    default: out.open(DBUS_TYPE_VARIANT, "i").i(0).close(); break;
  }
  out.open(DBUS_TYPE_ARRAY, "{sv}").close();
  send(bus_, m);
}

void Bridge::captionChanged(ui::Control& control) {
  if (tree_) tree_->captionChanged(control);
}
void Bridge::visibilityChanged(ui::Control& control) {
  if (tree_) tree_->visibilityChanged(control);
}
void Bridge::enabledChanged(ui::Control& control) {
  if (tree_) tree_->enabledChanged(control);
}
void Bridge::pageActivated(ui::Form* now, ui::Form* before) {
  if (tree_) tree_->pageActivated(now, before);
}
void Bridge::boxOpened(ui::DialogBox& box) {
  if (tree_) tree_->boxOpened(box);
}
void Bridge::boxClosing(ui::DialogBox& box) {
  if (tree_) tree_->boxClosing(box);
}

void Bridge::applicationGone(ui::Application& application) {
  if (&application != app_) return;
  unpublish();
  application.backend().watchReadable({});
  app_ = nullptr;
  if (ui::accessHooks() == this) ui::accessHooks() = nullptr;
}

}  // namespace apostila::access
