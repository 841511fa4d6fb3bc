// Translation tables between SDL's codes and the backend's key, button and cursor names.
#include "ui/platform/sdl/KeyMap.h"

namespace apostila::platform {

Key keyFromSdl(SDL_Keycode code) {
  if (code >= SDLK_a && code <= SDLK_z) return static_cast<Key>(static_cast<int>(Key::A) + (code - SDLK_a));
  if (code >= SDLK_0 && code <= SDLK_9)
    return static_cast<Key>(static_cast<int>(Key::Digit0) + (code - SDLK_0));
  if (code >= SDLK_F1 && code <= SDLK_F12) return static_cast<Key>(static_cast<int>(Key::F1) + (code - SDLK_F1));
  switch (code) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return Key::Return;
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_TAB: return Key::Tab;
    case SDLK_SPACE: return Key::Space;
    case SDLK_BACKSPACE: return Key::Backspace;
    case SDLK_DELETE: return Key::Delete;
    case SDLK_INSERT: return Key::Insert;
    case SDLK_LEFT: return Key::Left;
    case SDLK_RIGHT: return Key::Right;
    case SDLK_UP: return Key::Up;
    case SDLK_DOWN: return Key::Down;
    case SDLK_HOME: return Key::Home;
    case SDLK_END: return Key::End;
    case SDLK_PAGEUP: return Key::PageUp;
    case SDLK_PAGEDOWN: return Key::PageDown;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return Key::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return Key::Control;
    case SDLK_LALT:
    case SDLK_RALT: return Key::Alt;
    case SDLK_LGUI:
    case SDLK_RGUI: return Key::Super;
    case SDLK_APPLICATION: return Key::Menu;
    default: return Key::Unknown;
  }
}

Modifiers modifiersFromSdl(Uint16 mod) {
  return {(mod & KMOD_SHIFT) != 0, (mod & KMOD_CTRL) != 0, (mod & KMOD_ALT) != 0};
}

MouseButton buttonFromSdl(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

SDL_SystemCursor sdlCursor(CursorShape shape) {
  switch (shape) {
    case CursorShape::Arrow: return SDL_SYSTEM_CURSOR_ARROW;
    case CursorShape::Hand: return SDL_SYSTEM_CURSOR_HAND;
    case CursorShape::IBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case CursorShape::Wait: return SDL_SYSTEM_CURSOR_WAIT;
    case CursorShape::ArrowWait: return SDL_SYSTEM_CURSOR_WAITARROW;
    case CursorShape::Cross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case CursorShape::No: return SDL_SYSTEM_CURSOR_NO;
    case CursorShape::SizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case CursorShape::SizeNS: return SDL_SYSTEM_CURSOR_SIZENS;
    case CursorShape::SizeWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case CursorShape::SizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case CursorShape::SizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
  }
  return SDL_SYSTEM_CURSOR_ARROW;
}

}  // namespace apostila::platform
