// Preloaded into the game (LD_PRELOAD) by startup_bench: at the first
// SDL_RenderPresent it writes the monotonic clock, in nanoseconds, to the
// file descriptor named by PUDDLESTEP_PRESENT_FD and ends the process. The
// game itself is not changed.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

struct SDL_Renderer;

extern "C" void SDL_RenderPresent(SDL_Renderer* renderer) {
    using Fn = void (*)(SDL_Renderer*);
    static Fn real = [] {
        void* found = dlsym(RTLD_NEXT, "SDL_RenderPresent");
        Fn fn = nullptr;
        std::memcpy(&fn, &found, sizeof fn);
        return fn;
    }();
    if (real != nullptr) real(renderer);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char* fdName = std::getenv("PUDDLESTEP_PRESENT_FD");
    if (fdName == nullptr) return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%lld\n",
                                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    if (write(std::atoi(fdName), text, static_cast<std::size_t>(length)) < 0) _exit(3);
    _exit(0);
}
