// Small Xlib helpers shared by the X11 parts of the SDL backend: atoms, reading a 32-bit
// property, and writing the properties every window of the program carries. Included only by
// .cpp files: it brings in the X headers, whose macros clash with the backend's own names.
#pragma once

#include <X11/Xlib.h>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace apostila::platform::x11 {

Atom atom(Display* d, const char* name);

// A 32-bit-format property as longs (Xlib's representation), empty if absent or of another type.
std::vector<unsigned long> longProperty(Display* d, Window w, Atom property, Atom type);

void setAtoms(Display* d, Window w, const char* property, std::initializer_list<const char*> values);
void setWindowProperty(Display* d, Window w, const char* property, Window value);

// WM_CLASS apostila/Apostila and _NET_WM_PID: what tells the desktop the windows are one program's.
void setClassAndPid(Display* d, Window w);

// A text for the desktop, in both of its forms: the ICCCM property (WM_NAME, WM_ICON_NAME) as
// Latin-1 STRING when the text fits in Latin-1 and as compound text otherwise, which is what
// ICCCM allows there, and the EWMH property (_NET_WM_NAME, _NET_WM_ICON_NAME) in UTF-8.
void setText(Display* d, Window w, const char* icccmProperty, const char* ewmhProperty, std::string_view utf8);

}  // namespace apostila::platform::x11
