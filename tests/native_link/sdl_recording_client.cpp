// A native SDL window that plays ClassicUO's Linux build for the native link's test: it writes the text it
// takes (SDL text input events) to a log as it comes, and a carriage return for every Return key press,
// so that its log reads as the character stream a client under Wine records. Built by the test from
// Debian's SDL 2; copied under the name ClassicUO it is found as that client, under another name it is not.
// With a frame time, it handles the events that came meanwhile once per frame, as a game does.
//
// sdl_recording_client <log> <title> [lifetime in seconds, 120 by default] [frame time in ms]
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: sdl_recording_client <log> <title> [lifetime-s] [frame-ms]\n");
    return 2;
  }
  std::FILE* log = std::fopen(argv[1], "wb");
  if (!log) return 3;
  const Uint32 lifetimeMs = (argc > 3 ? static_cast<Uint32>(std::atoi(argv[3])) : 120u) * 1000u;
  const Uint32 frameMs = argc > 4 ? static_cast<Uint32>(std::atoi(argv[4])) : 0u;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "sdl_recording_client: %s\n", SDL_GetError());
    return 4;
  }
  SDL_Window* window = SDL_CreateWindow(argv[2], 100, 100, 320, 200, SDL_WINDOW_SHOWN);
  if (!window) {
    std::fprintf(stderr, "sdl_recording_client: %s\n", SDL_GetError());
    return 5;
  }
  SDL_StartTextInput();
  const Uint32 start = SDL_GetTicks();
  for (bool running = true; running && SDL_GetTicks() - start < lifetimeMs;) {
    if (frameMs > 0) SDL_Delay(frameMs);
    else SDL_WaitEventTimeout(nullptr, 100);
    for (SDL_Event event; SDL_PollEvent(&event);) {
      if (event.type == SDL_QUIT) running = false;
      if (event.type == SDL_TEXTINPUT) std::fputs(event.text.text, log);
      if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RETURN) std::fputc('\r', log);
    }
    std::fflush(log);
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  std::fclose(log);
  return 0;
}
