#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;
using enginetest::JournalAction;
using enginetest::Probe;

namespace {

class ActionTest : public enginetest::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        scene = runScene();
        node = Probe::create("node", &journal);
        scene->addChild(node);
    }

    Scene* scene = nullptr;
    Probe* node = nullptr;
};

} // namespace

TEST_F(ActionTest, ActionRunBeforeAFrameStepsInItRunDuringUpdatesStepsInTheNext) {
    JournalAction* early = JournalAction::create(nullptr);
    node->runAction(early); // as from a touch handler, before the frame
    frames(1, 0.1f);
    EXPECT_EQ(early->steps, std::vector<float>{0.1f});

    JournalAction* late = JournalAction::create(nullptr);
    late->retain();
    node->onUpdate = [this, late](float) {
        if (node->updates == 1) node->runAction(late);
    };
    node->scheduleUpdate();
    frames(1, 0.2f);
    EXPECT_TRUE(late->steps.empty());
    frames(1, 0.3f);
    EXPECT_EQ(late->steps, std::vector<float>{0.3f}); // that frame's whole dt
    late->release();
}

TEST_F(ActionTest, MoveByAddsItsDeltaOnTopOfOtherMoves) {
    node->setPosition(10, 20);
    node->runAction(MoveBy::create(1.0f, Vec2(120, 0)));
    node->runAction(MoveBy::create(0.5f, Vec2(0, 60)));
    frames(15); // a quarter second
    EXPECT_NEAR(node->getPositionX(), 40.0f, 1e-3);
    EXPECT_NEAR(node->getPositionY(), 50.0f, 1e-3);
    node->setPositionX(node->getPositionX() + 1000); // moved by other means meanwhile
    frames(45);
    EXPECT_NEAR(node->getPositionX(), 1130.0f, 1e-3);
    EXPECT_NEAR(node->getPositionY(), 80.0f, 1e-3);
    EXPECT_EQ(node->getNumberOfRunningActions(), 0u);
}

TEST_F(ActionTest, FadesGoFromTheOpacityAtTheStart) {
    struct Case {
        const char* name;
        GLubyte start;
        std::function<FadeTo*()> make;
        GLubyte atQuarter;
        GLubyte atEnd;
    };
    const Case cases[] = {
        {"FadeTo", 255, [] { return FadeTo::create(1.0f, 55); }, 205, 55},
        {"FadeOut", 200, [] { return FadeOut::create(1.0f); }, 150, 0},
        {"FadeIn", 0, [] { return FadeIn::create(1.0f); }, 64, 255},
        {"FadeIn from half", 128, [] { return FadeIn::create(1.0f); }, 160, 255},
    };
    for (const Case& c : cases) {
        node->setOpacity(c.start);
        node->runAction(c.make());
        frames(15);
        EXPECT_EQ(node->getOpacity(), c.atQuarter) << c.name;
        frames(45);
        EXPECT_EQ(node->getOpacity(), c.atEnd) << c.name;
        EXPECT_EQ(node->getNumberOfRunningActions(), 0u) << c.name;
    }
}

TEST_F(ActionTest, BlinkInvertsTheFirstHalfOfEachSliceAndRestoresTheStart) {
    for (bool startVisible : {true, false}) {
        node->setVisible(startVisible);
        node->runAction(Blink::create(1.0f, 2)); // slices of 0.5 s
        std::vector<bool> seen;
        for (int i = 0; i < 4; ++i) {
            frames(1, 0.125f + (i == 0 ? 0.0f : 0.125f));
            seen.push_back(node->isVisible() == startVisible);
        }
        // t = 0.125, 0.375, 0.625, 0.875
        EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true})) << startVisible;
        frames(1, 0.125f);
        EXPECT_EQ(node->isVisible(), startVisible);
        EXPECT_EQ(node->getNumberOfRunningActions(), 0u);
    }
    Blink* blink = Blink::create(1.5f, 8);
    node->setVisible(true);
    node->runAction(blink);
    frames(1, 0.05f); // hidden now
    EXPECT_FALSE(node->isVisible());
    node->stopAction(blink);
    EXPECT_TRUE(node->isVisible());
}

TEST_F(ActionTest, SequenceHandsOnLeftoverTimeAndRemoveSelfFreesTheTargetWhenTheFadeEnds) {
    node->runAction(Sequence::create(MoveBy::create(0.5f, Vec2(10, 0)), MoveBy::create(0.5f, Vec2(0, 10)), nullptr));
    const Vec2 expected[] = {Vec2(6, 0), Vec2(10, 2), Vec2(10, 8), Vec2(10, 10)};
    for (const Vec2& at : expected) {
        frames(1, 0.3f);
        EXPECT_NEAR(node->getPositionX(), at.x, 1e-4);
        EXPECT_NEAR(node->getPositionY(), at.y, 1e-4);
    }
    EXPECT_EQ(node->getNumberOfRunningActions(), 0u);

    bool destroyed = false;
    Probe* copy = Probe::create("copy", &journal);
    copy->destroyed = &destroyed;
    scene->addChild(copy);
    copy->runAction(Sequence::create(FadeOut::create(1.0f), RemoveSelf::create(), nullptr));
    copy->runAction(RepeatForever::create(MoveBy::create(1.0f, Vec2(1, 0)))); // ends with its node
    frames(59);
    EXPECT_EQ(copy->getParent(), scene);
    EXPECT_GT(copy->getOpacity(), 0);
    frames(1);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(scene->getChildrenCount(), 1u);
}

TEST_F(ActionTest, RepeatForeverCarriesOverTimeAndStoppingItEndsIt) {
    auto* repeat = RepeatForever::create(MoveBy::create(1.0f, Vec2(10, 0)));
    repeat->retain(); // the game keeps its own reference
    node->runAction(repeat);
    frames(1, 2.5f);
    EXPECT_NEAR(node->getPositionX(), 25.0f, 1e-4);
    frames(1, 0.75f);
    EXPECT_NEAR(node->getPositionX(), 32.5f, 1e-4);
    node->stopAction(repeat);
    node->stopAction(repeat); // no longer running: nothing happens
    frames(3);
    EXPECT_NEAR(node->getPositionX(), 32.5f, 1e-4);
    EXPECT_EQ(node->getNumberOfRunningActions(), 0u);
    repeat->release();

    // The title prompt: fade out and in for ever.
    node->setOpacity(255);
    node->runAction(RepeatForever::create(Sequence::create(FadeTo::create(1.0f, 0), FadeTo::create(1.0f, 255), nullptr)));
    frames(1, 1.5f);
    EXPECT_EQ(node->getOpacity(), 128);
    frames(1, 1.0f);
    EXPECT_EQ(node->getOpacity(), 128); // 0.5 s into the next fade-out
}

TEST_F(ActionTest, ManagerHoldsARunningActionUntilItIsDone) {
    const long before = Ref::liveObjectCount();
    node->runAction(MoveBy::create(0.5f, Vec2(1, 1)));
    frames(1); // the pool has let go; only the manager holds it
    EXPECT_EQ(Ref::liveObjectCount(), before + 1);
    frames(29);
    EXPECT_EQ(Ref::liveObjectCount(), before);

    std::vector<std::string> lines;
    LogSink previous = setLogSink([&lines](const std::string& line) { lines.push_back(line); });
    auto* move = MoveBy::create(1.0f, Vec2(60, 0));
    node->runAction(move);
    node->runAction(move); // already running: ignored, not started again
    setLogSink(previous);
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1u);
}

TEST_F(ActionTest, FollowKeepsTheFollowedNodeAtTheScreenCentre) {
    Layer* layer = Layer::create();
    scene->addChild(layer);
    Node* camera = Node::create();
    layer->addChild(camera);
    camera->setPosition(1500, 540);
    layer->runAction(Follow::create(camera));
    frames(1);
    EXPECT_EQ(layer->getPosition(), Vec2(960 - 1500, 0));
    camera->setPositionX(4000);
    layer->setScale(2.0f);
    frames(100);
    EXPECT_EQ(layer->getPosition(), Vec2(960 - 8000, 540 - 1080));
    EXPECT_EQ(layer->getNumberOfRunningActions(), 1u); // never done

    // With a boundary the screen stays inside it.
    Layer* bounded = Layer::create();
    scene->addChild(bounded);
    Node* target = Node::create();
    bounded->addChild(target);
    bounded->runAction(Follow::create(target, Rect(0, 0, 3000, 1080)));
    struct Case {
        float x;
        float expectedLayerX;
    };
    for (const Case& c : {Case{100, 0}, Case{1500, -540}, Case{2900, -1080}}) {
        target->setPosition(c.x, 540);
        frames(1);
        EXPECT_EQ(bounded->getPositionX(), c.expectedLayerX) << c.x;
        EXPECT_EQ(bounded->getPositionY(), 0.0f);
    }
}
