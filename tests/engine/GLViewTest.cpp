#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

using namespace cocos2d;

namespace {

// Records what the application hears from the window.
class RecordingApp : public Application {
public:
    bool applicationDidFinishLaunching() override { return true; }
    void applicationDidEnterBackground() override { ++background; }
    void applicationWillEnterForeground() override { ++foreground; }
    int background = 0;
    int foreground = 0;
};

struct TouchRecord {
    TouchPhase phase;
    int id;
    Vec2 location; // design points, y up
};

class GLViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 960 × 540 window pixels show the design area at half size.
        harness = std::make_unique<platformtest::Harness>(Size(960, 540));
        view = Director::getInstance()->getOpenGLView();
        Scene* scene = Scene::create();
        auto* listener = EventListenerTouchOneByOne::create();
        listener->onTouchBegan = [this](Touch* touch, Event*) {
            touches.push_back({TouchPhase::BEGAN, touch->getID(), touch->getLocation()});
            return true;
        };
        listener->onTouchMoved = [this](Touch* touch, Event*) {
            touches.push_back({TouchPhase::MOVED, touch->getID(), touch->getLocation()});
        };
        listener->onTouchEnded = [this](Touch* touch, Event*) {
            touches.push_back({TouchPhase::ENDED, touch->getID(), touch->getLocation()});
        };
        listener->onTouchCancelled = [this](Touch* touch, Event*) {
            touches.push_back({TouchPhase::CANCELLED, touch->getID(), touch->getLocation()});
        };
        Director::getInstance()->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, scene);
        harness->runWithScene(scene);
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }

    void push(SDL_Event event) { SDL_PushEvent(&event); }
    void mouseButton(Uint32 type, Uint8 button, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
        push(e);
    }
    void mouseMotion(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        push(e);
    }
    void finger(Uint32 type, SDL_FingerID id, float x, float y) {
        SDL_Event e{};
        e.type = type;
        e.tfinger.fingerId = id;
        e.tfinger.x = x;
        e.tfinger.y = y;
        push(e);
    }
    void windowEvent(Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = what;
        e.window.windowID = windowId();
        push(e);
    }
    // The harness's window is the only one.
    static Uint32 windowId() {
        for (Uint32 id = 1; id < 1000; ++id) {
            if (SDL_GetWindowFromID(id) != nullptr) return id;
        }
        return 0;
    }

    std::unique_ptr<platformtest::Harness> harness;
    GLView* view = nullptr;
    std::vector<TouchRecord> touches;
};

TEST_F(GLViewTest, LeftMouseButtonIsTouchZeroInDesignPoints) {
    mouseMotion(10, 10);                              // no button: ignored
    mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 10); // other buttons: ignored
    mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 480, 270);
    mouseMotion(500, 100);
    mouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 960, 0);
    mouseMotion(20, 20);
    view->pollEvents();

    ASSERT_EQ(touches.size(), 3u);
    EXPECT_EQ(touches[0].phase, TouchPhase::BEGAN);
    EXPECT_EQ(touches[0].id, 0);
    EXPECT_EQ(touches[0].location, Vec2(960, 540));
    EXPECT_EQ(touches[1].phase, TouchPhase::MOVED);
    EXPECT_EQ(touches[1].location, Vec2(1000, 880));
    EXPECT_EQ(touches[2].phase, TouchPhase::ENDED);
    EXPECT_EQ(touches[2].location, Vec2(1920, 1080));
}

TEST_F(GLViewTest, FingersAreFurtherTouchesNumberedFromOne) {
    finger(SDL_FINGERDOWN, 77, 0.25f, 0.5f);
    finger(SDL_FINGERDOWN, 88, 0.75f, 0.5f);
    finger(SDL_FINGERMOTION, 77, 0.5f, 0.25f);
    finger(SDL_FINGERUP, 77, 0.5f, 0.25f);
    finger(SDL_FINGERDOWN, 99, 0.1f, 0.1f); // takes the freed id
    view->pollEvents();

    ASSERT_EQ(touches.size(), 5u);
    EXPECT_EQ(touches[0].id, 1);
    EXPECT_EQ(touches[0].location, Vec2(480, 540));
    EXPECT_EQ(touches[1].id, 2);
    EXPECT_EQ(touches[2].phase, TouchPhase::MOVED);
    EXPECT_EQ(touches[2].id, 1);
    EXPECT_EQ(touches[2].location, Vec2(960, 810));
    EXPECT_EQ(touches[3].phase, TouchPhase::ENDED);
    EXPECT_EQ(touches[4].phase, TouchPhase::BEGAN);
    EXPECT_EQ(touches[4].id, 1);
}

TEST_F(GLViewTest, ClosingTheWindowAsksTheLoopToEnd) {
    EXPECT_FALSE(view->windowShouldClose());
    windowEvent(SDL_WINDOWEVENT_CLOSE);
    view->pollEvents();
    EXPECT_TRUE(view->windowShouldClose());
}

TEST_F(GLViewTest, BackgroundAndForegroundAreAnnouncedOncePerChange) {
    RecordingApp app;
    mouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 480, 270);
    windowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    windowEvent(SDL_WINDOWEVENT_MINIMIZED); // still the same background
    view->pollEvents();
    EXPECT_EQ(app.background, 1);
    EXPECT_EQ(app.foreground, 0);
    // A press held while the window went away is cancelled.
    ASSERT_EQ(touches.size(), 2u);
    EXPECT_EQ(touches[1].phase, TouchPhase::CANCELLED);

    windowEvent(SDL_WINDOWEVENT_RESTORED); // unfocused still
    view->pollEvents();
    EXPECT_EQ(app.foreground, 0);
    windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    view->pollEvents();
    EXPECT_EQ(app.background, 1);
    EXPECT_EQ(app.foreground, 1);
}

TEST(GLViewImplTest, DesktopWindowIs16By9AndHonoursTheContextAttributes) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    GLContextAttrs attrs;
    attrs.depthBits = 16;
    GLView::setGLContextAttrs(attrs);
    EXPECT_EQ(GLView::getGLContextAttrs().depthBits, 16);
    {
        GLViewImpl* view = GLViewImpl::create("Puddlestep");
        ASSERT_NE(view, nullptr);
        view->retain();
        const Size frame = view->getFrameSize();
        EXPECT_GE(frame.width, 640.0f);
        EXPECT_NEAR(frame.width / frame.height, 16.0f / 9.0f, 0.01f);
        int depth = 0;
        if (SDL_GL_GetCurrentContext() != nullptr) {
            SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth);
            EXPECT_GE(depth, 16);
        }
        // Until the game sets one the director's default design size holds.
        EXPECT_EQ(view->getDesignResolutionSize(), Size::ZERO);
        view->setFrameSize(800, 600);
        EXPECT_EQ(view->getFrameSize(), Size(800, 600));
        view->release();
    }
    GLContextAttrs defaults;
    GLView::setGLContextAttrs(defaults);
    AutoreleasePool::getInstance().clear();
    SDL_Quit();
}

} // namespace
