// Readable one-line descriptions of events, so that a failing test says what it got.
#include "ui/platform/Event.h"

#include <sstream>

namespace apostila::platform {
namespace {

const char* typeName(EventType t) {
  switch (t) {
    case EventType::MouseMove: return "MouseMove";
    case EventType::MouseDown: return "MouseDown";
    case EventType::MouseUp: return "MouseUp";
    case EventType::MouseDoubleClick: return "MouseDoubleClick";
    case EventType::Wheel: return "Wheel";
    case EventType::PointerEnter: return "PointerEnter";
    case EventType::PointerLeave: return "PointerLeave";
    case EventType::KeyDown: return "KeyDown";
    case EventType::KeyUp: return "KeyUp";
    case EventType::CloseRequest: return "CloseRequest";
    case EventType::Expose: return "Expose";
    case EventType::FocusGained: return "FocusGained";
    case EventType::FocusLost: return "FocusLost";
    case EventType::Moved: return "Moved";
    case EventType::Resized: return "Resized";
    case EventType::Minimized: return "Minimized";
    case EventType::Restored: return "Restored";
    case EventType::AppCloseRequest: return "AppCloseRequest";
    case EventType::AppMinimized: return "AppMinimized";
    case EventType::AppRestored: return "AppRestored";
    case EventType::Terminate: return "Terminate";
    case EventType::Readable: return "Readable";
  }
  return "?";
}

const char* buttonName(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return "left";
    case MouseButton::Right: return "right";
    case MouseButton::Middle: return "middle";
    case MouseButton::None: break;
  }
  return "none";
}

}  // namespace

std::string describe(const Event& e) {
  std::ostringstream out;
  out << typeName(e.type);
  if (e.window != kNoWindow) out << " window " << e.window;
  switch (e.type) {
    case EventType::MouseDown:
    case EventType::MouseUp:
    case EventType::MouseDoubleClick:
      out << ' ' << buttonName(e.button);
      [[fallthrough]];
    case EventType::MouseMove:
      out << " at " << e.client.x << ',' << e.client.y << " (screen " << e.screen.x << ',' << e.screen.y << ')';
      break;
    case EventType::Wheel:
      out << ' ' << e.wheel;
      break;
    case EventType::KeyDown:
    case EventType::KeyUp:
      out << " key " << static_cast<int>(e.key);
      if (e.mods.ctrl) out << " +ctrl";
      if (e.mods.alt) out << " +alt";
      if (e.mods.shift) out << " +shift";
      if (!e.text.empty()) out << " text \"" << e.text << '"';
      break;
    case EventType::Moved:
      out << " to " << e.outerPosition.x << ',' << e.outerPosition.y;
      break;
    case EventType::Resized:
      out << " outer " << e.outerSize.width << 'x' << e.outerSize.height << " client " << e.clientSize.width
          << 'x' << e.clientSize.height;
      break;
    default:
      break;
  }
  return out.str();
}

}  // namespace apostila::platform
