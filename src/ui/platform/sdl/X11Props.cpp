// Xlib helpers shared by X11Desktop and TaskbarEntry.
#include "ui/platform/sdl/X11Props.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <string>

namespace apostila::platform::x11 {

Atom atom(Display* d, const char* name) { return XInternAtom(d, name, False); }

std::vector<unsigned long> longProperty(Display* d, Window w, Atom property, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> out;
  if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actualType, &format, &count, &after, &data) ==
          Success &&
      data != nullptr) {
    if (actualType == type && format == 32) {
      const auto* values = reinterpret_cast<const unsigned long*>(data);
      out.assign(values, values + count);
    }
    XFree(data);
  }
  return out;
}

void setAtoms(Display* d, Window w, const char* property, std::initializer_list<const char*> values) {
  std::vector<Atom> atoms;
  for (const char* v : values) atoms.push_back(atom(d, v));
  XChangeProperty(d, w, atom(d, property), XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

void setWindowProperty(Display* d, Window w, const char* property, Window value) {
  XChangeProperty(d, w, atom(d, property), XA_WINDOW, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&value),
                  1);
}

void setClassAndPid(Display* d, Window w) {
  char name[] = "apostila";
  char klass[] = "Apostila";
  XClassHint hint{name, klass};
  XSetClassHint(d, w, &hint);
  const unsigned long pid = static_cast<unsigned long>(getpid());
  XChangeProperty(d, w, atom(d, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
}

void setText(Display* d, Window w, const char* icccmProperty, const char* ewmhProperty, std::string_view utf8) {
  const std::string text(utf8);
  XChangeProperty(d, w, atom(d, ewmhProperty), atom(d, "UTF8_STRING"), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  char* list[] = {const_cast<char*>(text.c_str())};
  XTextProperty property{};
  if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &property) >= Success) {
    XSetTextProperty(d, w, &property, atom(d, icccmProperty));
    XFree(property.value);
  } else {
    // No converter: still say truthfully what the bytes are.
    XChangeProperty(d, w, atom(d, icccmProperty), atom(d, "UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  }
}

}  // namespace apostila::platform::x11
