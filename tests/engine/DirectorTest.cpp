#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "PlatformTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;
using enginetest::JournalAction;
using enginetest::Probe;
using enginetest::RecordingRenderer;

namespace {

class DirectorTest : public enginetest::EngineTest {
protected:
    // A scene with one updating probe child.
    Scene* sceneWithProbe(const std::string& name, Probe** probe) {
        Scene* scene = Scene::create();
        *probe = Probe::create(name, &journal);
        (*probe)->scheduleUpdate();
        scene->addChild(*probe);
        return scene;
    }
};

} // namespace

TEST_F(DirectorTest, FrameRunsActionsUpdatesTimersSceneChangeThenDrainsThePool) {
    Probe* a = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    EXPECT_EQ(journal, std::vector<std::string>{"a.enter"});
    frames(1);
    journal.clear();

    a->schedule(CC_SCHEDULE_SELECTOR(Probe::tick), 0.0f);
    a->runAction(JournalAction::create(&journal));
    a->onUpdate = [this](float) {
        Probe::create("temp", &journal); // autoreleased: lives to the end of the frame
        Probe* b = nullptr;
        director().replaceScene(sceneWithProbe("b", &b));
        EXPECT_EQ(director().getRunningScene()->getChildren().at(0)->getName(), "a"); // not yet
    };
    frames(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"action", "a.update", "a.tick", "a.exit", "a.cleanup",
                                                 "a.destroyed", "b.enter", "temp.destroyed"}));
    EXPECT_EQ(director().getTotalFrames(), 2u);
}

TEST_F(DirectorTest, ReplaceSceneTakesEffectInTheNextSceneChangeAndTheLastRequestWins) {
    Probe* a = nullptr;
    Probe* b = nullptr;
    Probe* c = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    frames(1);
    journal.clear();
    Scene* second = sceneWithProbe("b", &b);
    Scene* third = sceneWithProbe("c", &c);
    director().replaceScene(second);
    director().replaceScene(third);
    // b is never shown: cleaned up at once, freed with the frame's pool.
    EXPECT_EQ(journal, std::vector<std::string>{"b.cleanup"});
    EXPECT_EQ(director().getRunningScene()->getChildren().at(0), a);
    journal.clear();
    frames(1);
    EXPECT_EQ(director().getRunningScene(), third);
    EXPECT_EQ(journal, (std::vector<std::string>{"a.update", "a.exit", "a.cleanup", "a.destroyed", "c.enter",
                                                 "b.destroyed"}));
    frames(1);
    EXPECT_EQ(c->updates, 1);
    EXPECT_EQ(c->enters, 1);
}

TEST_F(DirectorTest, FadeEntersTheNewSceneAtOnceKeepsTheOldRunningAndHoldsTouchesBack) {
    Probe* a = nullptr;
    Probe* b = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    bool aDestroyed = false;
    a->destroyed = &aDestroyed;
    auto* listener = EventListenerTouchOneByOne::create();
    int touchesOnB = 0;
    listener->onTouchBegan = [&touchesOnB](Touch*, Event*) { return ++touchesOnB > 0; };
    Scene* next = sceneWithProbe("b", &b);
    director().getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, b);
    director().replaceScene(TransitionFade::create(1.0f, next, Color3B::WHITE));

    frames(1); // the transition starts in this frame's scene change
    auto* fade = dynamic_cast<TransitionScene*>(director().getRunningScene());
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(b->enters, 1);
    EXPECT_FALSE(director().getEventDispatcher()->isEnabled());

    frames(30);
    EXPECT_EQ(b->updates, 30); // the new scene lives during the fade
    EXPECT_EQ(a->updates, 31); // and the old one still does
    director().getEventDispatcher()->dispatchTouch(TouchPhase::BEGAN, 0, Vec2(10, 10));
    director().getEventDispatcher()->dispatchTouch(TouchPhase::ENDED, 0, Vec2(10, 10));
    EXPECT_EQ(touchesOnB, 0);

    // Halfway the colour covers all, and the new scene is behind it.
    RecordingRenderer halfway;
    fade->visit(halfway, Transform{}, 1.0f);
    EXPECT_EQ(halfway.names(), (std::vector<std::string>{"b", "fill"}));
    EXPECT_NEAR(halfway.calls[1].opacity, 1.0f, 1e-4);

    frames(29);
    EXPECT_EQ(director().getRunningScene(), fade);
    frames(1); // one second after the start
    EXPECT_EQ(director().getRunningScene(), next);
    EXPECT_TRUE(aDestroyed);
    EXPECT_EQ(b->enters, 1);
    EXPECT_TRUE(director().getEventDispatcher()->isEnabled());
    EXPECT_EQ(b->updates, 60); // entered after the updates of the fade's first frame

    director().getEventDispatcher()->dispatchTouch(TouchPhase::BEGAN, 0, Vec2(10, 10));
    EXPECT_EQ(touchesOnB, 1);
}

TEST_F(DirectorTest, FadeDrawsOutSceneThenInSceneUnderTheColour) {
    Probe* a = nullptr;
    Probe* b = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    director().replaceScene(TransitionFade::create(2.0f, sceneWithProbe("b", &b), Color3B::RED));
    frames(1);
    auto* fade = dynamic_cast<TransitionScene*>(director().getRunningScene());
    ASSERT_NE(fade, nullptr);
    struct Case {
        int frames;
        const char* shown;
        float cover;
    };
    // Frames of 0.25 s: progress 0.125, 0.375, 0.625, 0.875.
    for (const Case& c : {Case{1, "a", 0.25f}, Case{2, "a", 0.75f}, Case{2, "b", 0.75f}, Case{2, "b", 0.25f}}) {
        frames(c.frames, 0.25f);
        RecordingRenderer renderer;
        fade->visit(renderer, Transform{}, 1.0f);
        ASSERT_EQ(renderer.names(), (std::vector<std::string>{c.shown, "fill"}));
        EXPECT_NEAR(renderer.calls[1].opacity, c.cover, 1e-4);
        EXPECT_TRUE(renderer.calls[1].box.equals(Rect(0, 0, 1920, 1080)));
        EXPECT_EQ(renderer.fillColors[0], Color3B::RED);
    }
}

TEST_F(DirectorTest, ReplaceDuringAFadeWaitsForItsEnd) {
    Probe* a = nullptr;
    Probe* b = nullptr;
    Probe* c = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    director().replaceScene(TransitionFade::create(0.5f, sceneWithProbe("b", &b), Color3B::WHITE));
    frames(1);
    Scene* third = sceneWithProbe("c", &c);
    director().replaceScene(third);
    frames(29);
    EXPECT_EQ(c->enters, 0);
    journal.clear();
    frames(1); // the fade ends and c follows in the same step
    EXPECT_EQ(director().getRunningScene(), third);
    EXPECT_EQ(c->enters, 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"a.update", "b.update", "a.exit", "a.cleanup", "a.destroyed",
                                                 "b.exit", "b.cleanup", "b.destroyed", "c.enter"}));
    EXPECT_TRUE(director().getEventDispatcher()->isEnabled());
}

TEST_F(DirectorTest, FadeIntoTheSceneAlreadyShownKeepsItRunning) {
    Probe* a = nullptr;
    Scene* first = sceneWithProbe("a", &a);
    director().runWithScene(first);
    director().replaceScene(TransitionFade::create(0.5f, first, Color3B::WHITE));
    frames(40);
    EXPECT_EQ(director().getRunningScene(), first);
    EXPECT_TRUE(a->isRunning());
    EXPECT_EQ(a->enters, 1);
    EXPECT_EQ(a->updates, 40);
}

TEST_F(DirectorTest, TeardownDuringAFadeFreesBothScenes) {
    Probe* a = nullptr;
    Probe* b = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    a->runAction(RepeatForever::create(MoveBy::create(1.0f, Vec2(1, 0))));
    director().replaceScene(TransitionFade::create(2.0f, sceneWithProbe("b", &b), Color3B::WHITE));
    director().replaceScene(TransitionFade::create(2.0f, Scene::create(), Color3B::WHITE));
    frames(10);
    Director::destroyInstance();
    EXPECT_TRUE(std::count(journal.begin(), journal.end(), "a.destroyed") == 1);
    // the fixture checks that nothing else is left
}

TEST_F(DirectorTest, StoppedAnimationRunsNoFrame) {
    Probe* a = nullptr;
    director().runWithScene(sceneWithProbe("a", &a));
    director().stopAnimation();
    EXPECT_FALSE(director().isAnimating());
    frames(5);
    EXPECT_EQ(a->updates, 0);
    director().startAnimation();
    frames(5);
    EXPECT_EQ(a->updates, 5);
}

TEST_F(DirectorTest, SizesWithoutAViewAreTheDesignResolution) {
    EXPECT_EQ(director().getWinSize(), Size(1920, 1080));
    EXPECT_EQ(director().getVisibleSize(), Size(1920, 1080));
    director().setAnimationInterval(1.0f / 30.0f);
    EXPECT_FLOAT_EQ(director().getAnimationInterval(), 1.0f / 30.0f);
}

TEST_F(DirectorTest, FadeThroughWhiteReachesTheWindow) {
    platformtest::FixtureFolder folder;
    folder.writeImage("green.png", 1920, 1080, platformtest::GREEN);
    platformtest::Harness harness(Size(320, 180), folder.path());
    Scene* first = Scene::create();
    Sprite* backdrop = Sprite::create("green.png");
    backdrop->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    first->addChild(backdrop);
    harness.runWithScene(first);
    harness.step(1);
    EXPECT_TRUE(platformtest::near(harness.capture().colorAt(Vec2(960, 540)), Color3B::GREEN));

    director().replaceScene(TransitionFade::create(1.0f, Scene::create(), Color3B::WHITE));
    harness.step(31); // starts, then half a second
    EXPECT_TRUE(platformtest::near(harness.capture().colorAt(Vec2(960, 540)), Color3B::WHITE));
    harness.step(30); // the empty in-scene is all that is left
    EXPECT_TRUE(platformtest::near(harness.capture().colorAt(Vec2(960, 540)), Color3B::BLACK));
}
