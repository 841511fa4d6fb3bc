// Keyboard and mouse vocabulary shared by the backends: key codes, modifier and button states.
// Keys are named by what the layer needs to recognise (Enter, Esc, Ctrl+C, Alt+F4); letters
// follow the keyboard layout, so Key::C is the key that types "c".
#pragma once

#include <cstdint>

namespace apostila::platform {

enum class Key : std::uint16_t {
  Unknown,
  Return, Escape, Tab, Space, Backspace, Delete, Insert,
  Left, Right, Up, Down, Home, End, PageUp, PageDown,
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Shift, Control, Alt, Super, Menu,
};

constexpr Key letterKey(char c) {  // 'a'..'z' or 'A'..'Z'
  const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return static_cast<Key>(static_cast<int>(Key::A) + (lower - 'a'));
}

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  friend constexpr bool operator==(Modifiers, Modifiers) = default;
  friend constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return {a.shift || b.shift, a.ctrl || b.ctrl, a.alt || b.alt};
  }
};

inline constexpr Modifiers kShift{true, false, false};
inline constexpr Modifiers kCtrl{false, true, false};
inline constexpr Modifiers kAlt{false, false, true};

enum class MouseButton : std::uint8_t { None, Left, Right, Middle };

// Which buttons are held down.
struct MouseButtons {
  bool left = false;
  bool right = false;
  bool middle = false;
  constexpr bool any() const { return left || right || middle; }
  constexpr bool held(MouseButton b) const {
    return b == MouseButton::Left ? left : b == MouseButton::Right ? right : b == MouseButton::Middle && middle;
  }
  constexpr void set(MouseButton b, bool down) {
    if (b == MouseButton::Left) left = down;
    if (b == MouseButton::Right) right = down;
    if (b == MouseButton::Middle) middle = down;
  }
  friend constexpr bool operator==(MouseButtons, MouseButtons) = default;
};

}  // namespace apostila::platform
