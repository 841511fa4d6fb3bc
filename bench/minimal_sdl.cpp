// The yardstick for the course's start-up on a display: a minimal SDL2 program that maps one
// window of the start page's size and puts one frame on it once the server has exposed it, the
// same way and with the same settings as the course's backend, then ends at once (or, with
// "stay", waits to be killed).
#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

int main(int argc, char** argv) {
  // "stay": keep the frame on screen until killed, for a watcher that ends the program itself.
  const bool stay = argc > 1 && std::strcmp(argv[1], "stay") == 0;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");  // a shared-memory image, no OpenGL
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "minimal_sdl: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Curso", 199, 103, 648, 514, SDL_WINDOW_SHOWN);
  if (window == nullptr) {
    std::fprintf(stderr, "minimal_sdl: %s\n", SDL_GetError());
    return 1;
  }
  const Uint32 until = SDL_GetTicks() + 500;
  for (SDL_Event e; SDL_GetTicks() < until;) {
    if (SDL_WaitEventTimeout(&e, 10) && e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) break;
  }
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window);
  if (stay)
    for (;;) pause();
  // Ends at the frame, as the course's measuring driver does, so neither pays for its teardown.
  std::_Exit(0);
}
