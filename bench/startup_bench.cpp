// Start-up time of the real game: from just before the process is started to
// the first frame presented (the title screen), by preloading
// libfirst_present_probe.so, which reports the first SDL_RenderPresent and
// ends the process. Alternates with a baseline, this program itself in
// "--bare" mode: SDL video, a window and an accelerated renderer of the same
// kind, one cleared frame presented. Prints the median of each and the
// ratio.
//
//   startup_bench [runs] [game]   (default: 9 runs of puddlestep beside it)
//
// Uses SDL's offscreen video driver unless SDL_VIDEODRIVER names another
// (under xvfb-run: SDL_VIDEODRIVER=x11), and dummy audio unless
// SDL_AUDIODRIVER names another.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <SDL.h>

namespace {

constexpr int TIMEOUT_SECONDS = 20;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

int bareFirstFrame() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 2;
    SDL_Window* window = SDL_CreateWindow("Puddlestep", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1280, 720,
                                          SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_SHOWN);
    if (window == nullptr) return 2;
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (renderer == nullptr) return 2;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer); // the probe ends the process here
    return 4;
}

// Milliseconds from fork to the first present of `argv`; negative on failure.
double timeToFirstPresent(const std::vector<std::string>& args, const std::string& probe) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const long long start = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        // The game's log lines go where a player's would, minus the terminal.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        setenv("LD_PRELOAD", probe.c_str(), 1);
        setenv("PUDDLESTEP_PRESENT_FD", std::to_string(fds[1]).c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    if (child < 0) {
        close(fds[0]);
        return -1;
    }
    alarm(TIMEOUT_SECONDS);
    std::string reply;
    char buffer[64];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0) reply.append(buffer, static_cast<std::size_t>(got));
    alarm(0);
    close(fds[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (reply.empty()) return -1;
    return static_cast<double>(std::atoll(reply.c_str()) - start) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // A sanitizer build's runtime insists on coming first; the probe is tiny.
    setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 0);
    if (argc > 1 && std::string(argv[1]) == "--bare") return bareFirstFrame();
    signal(SIGALRM, [](int) {}); // interrupts a read that waits too long

    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::filesystem::path folder = self.parent_path();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const std::string game = argc > 2 ? argv[2] : (folder / "puddlestep").string();
    const std::string probe = (folder / "libfirst_present_probe.so").string();

    std::vector<double> gameMs;
    std::vector<double> bareMs;
    for (int run = 0; run < runs; ++run) {
        const double g = timeToFirstPresent({game}, probe);
        const double b = timeToFirstPresent({self.string(), "--bare"}, probe);
        if (g < 0 || b < 0) {
            std::fprintf(stderr, "startup_bench: no frame was presented (%s)\n", g < 0 ? game.c_str() : "bare");
            return 1;
        }
        gameMs.push_back(g);
        bareMs.push_back(b);
        std::printf("run %d: game %7.1f ms, bare SDL window %7.1f ms\n", run + 1, g, b);
    }
    const double g = median(gameMs);
    const double b = median(bareMs);
    std::printf("\nStart-up to the first presented frame (title), median of %d runs, video driver %s:\n", runs,
                std::getenv("SDL_VIDEODRIVER"));
    std::printf("  game:               %7.1f ms (target < 400)\n", g);
    std::printf("  bare SDL window:    %7.1f ms (baseline), ratio %.2f\n", b, g / b);
    return 0;
}
