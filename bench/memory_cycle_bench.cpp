// Peak resident memory over one full cycle of the four screens, headless:
// title → stage select → stage 0 played to the door (holding right) →
// result → title, with the shipped resources, driven by touches as a player
// would. Prints the peak (VmHWM) after the cycle, beside the peak of the
// bare process with its window open (the baseline, same run).
//
// Runs on SDL's offscreen video driver and dummy audio unless the
// environment names others. Measure a build without sanitizers: their shadow
// memory counts as resident.

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Common.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/ResultScene.h"
#include "frontend/StageScene.h"
#include "frontend/TitleScene.h"
#include "gameplay/GameScene.h"

using namespace cocos2d;

namespace {

constexpr int SCREEN_LIMIT = 60 * 60; // frames to wait for a screen: a minute of play
const Vec2 CENTRE(SCREEN_SIZE.width / 2.0f, SCREEN_SIZE.height / 2.0f);
const Vec2 MARKER_POINT(SCREEN_SIZE.width * 0.7f, SCREEN_SIZE.height * 0.2f); // board 0 at the start
const Vec2 RIGHT_HALF(SCREEN_SIZE.width * 0.75f, SCREEN_SIZE.height / 2.0f);

// Peak resident set of this process, kilobytes.
long peakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

template <typename S> bool showing() { return dynamic_cast<S*>(Director::getInstance()->getRunningScene()) != nullptr; }

// Steps until screen S runs (a fade finished); false after SCREEN_LIMIT.
template <typename S> bool stepUntil(testing::Headless& headless, const char* name) {
    for (int frame = 0; frame < SCREEN_LIMIT; ++frame) {
        if (showing<S>()) return true;
        headless.step();
    }
    std::fprintf(stderr, "memory_cycle_bench: the %s screen never came\n", name);
    return false;
}

void tap(testing::Headless& headless, const Vec2& point) {
    headless.touchBegan(point);
    headless.step();
    headless.touchEnded(point);
    headless.step();
}

bool runCycle(testing::Headless& headless) {
    headless.runWithScene(TitleScene::create());
    headless.step(60);
    tap(headless, CENTRE);
    if (!stepUntil<StageScene>(headless, "stage select")) return false;
    headless.step(30);
    tap(headless, MARKER_POINT);
    if (!stepUntil<GameScene>(headless, "play")) return false;
    headless.touchBegan(RIGHT_HALF);
    const bool ended = stepUntil<ResultScene>(headless, "result");
    headless.touchEnded(RIGHT_HALF);
    if (!ended) return false;
    // Taps are taken once every result line is shown.
    for (int frame = 0; frame < SCREEN_LIMIT && !showing<TitleScene>(); frame += 30) {
        tap(headless, CENTRE);
        headless.step(28);
    }
    return stepUntil<TitleScene>(headless, "title");
}

} // namespace

int main() {
    std::FILE* logFile = std::fopen("/dev/null", "w");
    setLogSink([logFile](const std::string& line) { std::fprintf(logFile, "%s\n", line.c_str()); });
    bool done = false;
    long baseline = 0;
    long peak = 0;
    {
        testing::Headless headless(Size(1280, 720));
        baseline = peakKb();
        done = runCycle(headless);
        peak = peakKb();
    }
    setLogSink(nullptr);
    std::fclose(logFile);
    if (!done) return 1;
    std::printf("Peak resident memory (VmHWM), one cycle title -> select -> play stage 0 -> result -> title:\n");
    std::printf("  whole cycle:   %7.1f MB (target < 150)\n", static_cast<double>(peak) / 1024.0);
    std::printf("  window only:   %7.1f MB (baseline: the process with its window open), ratio %.2f\n",
                static_cast<double>(baseline) / 1024.0, static_cast<double>(peak) / static_cast<double>(baseline));
    return 0;
}
