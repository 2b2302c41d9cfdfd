#include <gtest/gtest.h>

#include <functional>

#include "PlatformTestSupport.h"

using namespace cocos2d;

namespace {

constexpr float INTERVAL = 1.0f / 60.0f;

Uint32 firstWindowId() {
    for (Uint32 id = 1; id < 1000; ++id) {
        if (SDL_GetWindowFromID(id) != nullptr) return id;
    }
    return 0;
}

void pushWindowEvent(Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.windowID = firstWindowId();
    SDL_PushEvent(&e);
}

// Calls back once per frame with the frame's number (from 1) and time.
class FrameProbe : public Node {
public:
    CC_CREATABLE;
    bool init(std::function<void(int, float)> onFrame) {
        if (!Node::init()) return false;
        onFrame_ = std::move(onFrame);
        scheduleUpdate();
        return true;
    }
    void update(float dt) override { onFrame_(++frames_, dt); }

private:
    std::function<void(int, float)> onFrame_;
    int frames_ = 0;
};

// Runs a scene in a small window; `onFrame` steers the run.
class LoopApp : public Application {
public:
    explicit LoopApp(std::function<void(LoopApp&, int)> onFrame) : onFrame_(std::move(onFrame)) {}

    void initGLContextAttrs() override { ++contextAsked; }
    bool applicationDidFinishLaunching() override {
        Director* director = Director::getInstance();
        director->setOpenGLView(GLViewImpl::createWithRect("Loop", Rect(0, 0, 320, 180)));
        director->setAnimationInterval(INTERVAL);
        Scene* scene = Scene::create();
        scene->addChild(createWithInit<FrameProbe>([this](int frame, float dt) {
            frameTimes.push_back(dt);
            onFrame_(*this, frame);
        }));
        director->runWithScene(scene);
        return true;
    }
    void applicationDidEnterBackground() override {
        ++background;
        Director::getInstance()->stopAnimation();
    }
    void applicationWillEnterForeground() override {
        ++foreground;
        Director::getInstance()->startAnimation();
    }

    int contextAsked = 0;
    int background = 0;
    int foreground = 0;
    std::vector<float> frameTimes;

private:
    std::function<void(LoopApp&, int)> onFrame_;
};

Uint32 pushFocusGained(Uint32, void*) {
    pushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    return 0;
}

TEST(ApplicationTest, RunsFramesUntilTheDirectorEndsAndResumesWithANormalFrameTime) {
    const long liveBefore = Ref::liveObjectCount();
    LoopApp app([](LoopApp&, int frame) {
        if (frame == 3) {
            // Away for a while: the loop sleeps, then the window comes back.
            pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
            SDL_InitSubSystem(SDL_INIT_TIMER);
            SDL_AddTimer(300, pushFocusGained, nullptr);
        }
        if (frame == 6) Director::getInstance()->end();
    });
    EXPECT_EQ(app.run(), 0);

    EXPECT_EQ(app.contextAsked, 1);
    EXPECT_EQ(app.background, 1);
    EXPECT_EQ(app.foreground, 1);
    ASSERT_EQ(app.frameTimes.size(), 6u);
    EXPECT_FLOAT_EQ(app.frameTimes[0], INTERVAL);
    // The first frame after the pause does not get the time spent away.
    EXPECT_FLOAT_EQ(app.frameTimes[3], INTERVAL);
    for (float dt : app.frameTimes) {
        EXPECT_GE(dt, 0.0f);
        EXPECT_LE(dt, 0.1f);
    }
    EXPECT_EQ(Ref::liveObjectCount(), liveBefore);
}

TEST(ApplicationTest, ClosingTheWindowEndsTheRunNormally) {
    LoopApp app([](LoopApp&, int frame) {
        if (frame == 2) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    });
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(app.frameTimes.size(), 2u);
}

TEST(ApplicationTest, FailedLaunchEndsWithAnError) {
    struct FailingApp : Application {
        bool applicationDidFinishLaunching() override { return false; }
        void applicationDidEnterBackground() override {}
        void applicationWillEnterForeground() override {}
    } app;
    platformtest::LogCapture log;
    EXPECT_NE(app.run(), 0);
    EXPECT_EQ(log.countContaining("launching failed"), 1u);
}

} // namespace
