// SDL's key and modifier codes in the backend's own terms.
#pragma once

#include <SDL2/SDL.h>

#include "ui/platform/Input.h"
#include "ui/platform/Window.h"

namespace apostila::platform {

Key keyFromSdl(SDL_Keycode code);
Modifiers modifiersFromSdl(Uint16 mod);
MouseButton buttonFromSdl(Uint8 button);
SDL_SystemCursor sdlCursor(CursorShape shape);

}  // namespace apostila::platform
