#pragma once
// Timing shared by the frame benchmarks.
#include <ctime>

#include <SDL.h>

namespace bench {

// CPU seconds of every thread of the process: the GL driver rasterizes on
// threads of its own.
inline double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Waits until the driver has finished every frame handed to it, so that the
// next measurement is charged with none of its work.
inline void finishFrames(SDL_Renderer* sdl) {
    Uint8 pixel[4];
    const SDL_Rect one{0, 0, 1, 1};
    SDL_RenderReadPixels(sdl, &one, SDL_PIXELFORMAT_RGBA32, pixel, 4);
}

} // namespace bench
