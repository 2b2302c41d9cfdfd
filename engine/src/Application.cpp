#include "cocos2d/Application.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include <SDL.h>

#include "EngineShutdown.h"
#include "SimpleAudioEngine.h"
#include "cocos2d/Director.h"
#include "cocos2d/GLView.h"
#include "cocos2d/Log.h"

namespace cocos2d {

namespace {

Application* instance = nullptr;

// A frame never advances the game by more than this, however long it took.
constexpr double MAX_FRAME_TIME = 0.1;
// While nothing is drawn, wake up this often (milliseconds) to look again.
constexpr Uint32 IDLE_WAIT_MS = 250;
// SDL_Delay may oversleep by about a millisecond; the rest is slept finely.
constexpr double COARSE_SLEEP_MARGIN = 0.002;

double now() {
    return static_cast<double>(SDL_GetPerformanceCounter()) / static_cast<double>(SDL_GetPerformanceFrequency());
}

void sleepUntil(double deadline) {
    double remaining = deadline - now();
    if (remaining > COARSE_SLEEP_MARGIN) {
        SDL_Delay(static_cast<Uint32>((remaining - COARSE_SLEEP_MARGIN) * 1000.0));
        remaining = deadline - now();
    }
    if (remaining > 0.0) std::this_thread::sleep_for(std::chrono::duration<double>(remaining));
}

} // namespace

Application::Application() {
    if (instance != nullptr) log("Application: a second application replaces the first");
    instance = this;
}

Application::~Application() {
    if (instance == this) instance = nullptr;
}

Application* Application::getInstance() { return instance; }

int Application::run() {
    initGLContextAttrs();
    if (!applicationDidFinishLaunching()) {
        log("Application: launching failed");
        Director::destroyInstance();
        releaseEngineCaches();
        quitSdl();
        return 1;
    }
    Director* director = Director::getInstance();
    GLView* view = director->getOpenGLView();
    if (view == nullptr) {
        log("Application: no window to run in");
        Director::destroyInstance();
        releaseEngineCaches();
        quitSdl();
        return 1;
    }
    view->retain(); // outlives the director's teardown below

    double nextFrame = now();
    double lastFrame = nextFrame;
    bool resumed = true; // the first frame, or the first after a pause
    while (!view->windowShouldClose() && !director->isEndRequested()) {
        view->pollEvents();
        if (view->windowShouldClose()) break;
        if (!director->isAnimating() || view->isMinimized()) {
            // Sleeps until something happens: an idle, minimised game costs nothing.
            SDL_WaitEventTimeout(nullptr, IDLE_WAIT_MS);
            resumed = true;
            continue;
        }
        const double interval = std::max(static_cast<double>(director->getAnimationInterval()), 0.001);
        const double frameStart = now();
        const double elapsed = resumed ? interval : std::clamp(frameStart - lastFrame, 0.0, MAX_FRAME_TIME);
        if (resumed) nextFrame = frameStart;
        resumed = false;
        lastFrame = frameStart;
        director->mainLoop(static_cast<float>(elapsed));

        // A fixed timeline keeps the rhythm; after a long stall it restarts
        // instead of rushing frames to catch up.
        nextFrame += interval;
        if (now() - nextFrame > interval) nextFrame = now();
        sleepUntil(nextFrame);
    }

    Director::destroyInstance();
    CocosDenshion::SimpleAudioEngine::end();
    releaseEngineCaches();
    view->release(); // closes the window
    quitSdl();
    return 0;
}

} // namespace cocos2d
