// Owning handles for everything the SDL backend gets from SDL, and the checks that turn a
// failed SDL call into a PlatformError carrying SDL's own reason.
#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <string>

#include "ui/platform/PlatformError.h"
#include "ui/platform/sdl/X11Desktop.h"

namespace apostila::platform {

[[noreturn]] inline void throwSdlError(const std::string& what) {
  throw PlatformError(what + ": " + SDL_GetError());
}

inline void sdlCheck(int result, const std::string& what) {
  if (result < 0) throwSdlError(what);
}

template <class T>
T* sdlCheck(T* handle, const std::string& what) {
  if (handle == nullptr) throwSdlError(what);
  return handle;
}

struct SdlWindowDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct SdlCursorDeleter {
  void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
};
struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;
using SdlCursorPtr = std::unique_ptr<SDL_Cursor, SdlCursorDeleter>;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// SDL's video subsystem, from construction to destruction. The failure to start it is what
// a missing display looks like.
class SdlVideo {
 public:
  SdlVideo() {
    X11Desktop::tolerateGoneWindows();  // before SDL installs its handler in front of it
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      const char* display = SDL_getenv("DISPLAY");
      throw PlatformError(display && *display ? std::string("cannot open the display ") + display + ": " + SDL_GetError()
                                              : std::string("cannot open the display: DISPLAY is not set"));
    }
  }
  ~SdlVideo() {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
  }
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;
};

}  // namespace apostila::platform
