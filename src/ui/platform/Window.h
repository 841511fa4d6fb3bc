// What the layer says about a native window when it asks for one, and what it gets back:
// the window's id, its kind, its geometry and the pointer shapes it can show.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "ui/platform/Geometry.h"

namespace apostila::platform {

// Backend-assigned, never reused within a run. 0 is "no window".
using WindowId = std::uint32_t;
inline constexpr WindowId kNoWindow = 0;

enum class WindowKind : std::uint8_t {
  Page,     // sizeable frame with title bar, minimise, maximise and close boxes
  Dialog,   // fixed-size frame, title bar with a close box only; no task-bar entry of its own
  Tooltip,  // no frame, above every other window, never takes the keyboard focus
};

// Whether WindowDesc::size is the outer size (frame included) or the client area's.
enum class SizeOf : std::uint8_t { Outer, Client };

struct WindowDesc {
  WindowKind kind = WindowKind::Page;
  std::string title;       // UTF-8
  Point outerPosition;     // screen position of the outer top-left corner (frame included)
  Size size;
  SizeOf sizeOf = SizeOf::Outer;
};

inline WindowDesc windowDesc(WindowKind kind, std::string title, Point outerPosition, Size size,
                             SizeOf sizeOf = SizeOf::Outer) {
  return {kind, std::move(title), outerPosition, size, sizeOf};
}

// Where a window is. outer includes the frame; client is the client area, also in screen
// coordinates, so client.origin() converts client coordinates into screen coordinates.
struct WindowGeometry {
  Rect outer;
  Rect client;
  FrameExtents frame;
};

enum class CursorShape : std::uint8_t {
  Arrow, Hand, IBeam, Wait, ArrowWait, Cross, No, SizeAll, SizeNS, SizeWE, SizeNWSE, SizeNESW,
};

}  // namespace apostila::platform
