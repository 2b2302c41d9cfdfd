#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;
using enginetest::Probe;
using enginetest::RecordingRenderer;

using NodeTest = enginetest::EngineTest;

namespace {
std::vector<std::string> drawOrder(Node* root) {
    RecordingRenderer renderer;
    root->visit(renderer, Transform{}, 1.0f);
    return renderer.names();
}
} // namespace

TEST_F(NodeTest, DrawsNegativeZBeforeParentOthersAfterEqualZInArrivalOrder) {
    Probe* root = Probe::create("root");
    root->addChild(Probe::create("b0"), 0);
    root->addChild(Probe::create("a1"), 1);
    root->addChild(Probe::create("m1"), -1);
    root->addChild(Probe::create("c0"), 0);
    root->addChild(Probe::create("m2"), -2);
    root->addChild(Probe::create("d1"), 1);
    EXPECT_EQ(drawOrder(root), (std::vector<std::string>{"m2", "m1", "root", "b0", "c0", "a1", "d1"}));

    // A node moved to another z comes last among its new equals.
    root->getChildren().at(0)->setLocalZOrder(1); // m2
    EXPECT_EQ(drawOrder(root), (std::vector<std::string>{"m1", "root", "b0", "c0", "a1", "d1", "m2"}));
}

TEST_F(NodeTest, InvisibleSubtreeIsSkippedAndOpacityMultipliesDown) {
    Probe* root = Probe::create("root");
    Probe* hidden = Probe::create("hidden");
    hidden->addChild(Probe::create("hiddenChild"));
    hidden->setVisible(false);
    Probe* half = Probe::create("half");
    half->setOpacity(128);
    Probe* quarter = Probe::create("quarter");
    quarter->setOpacity(128);
    half->addChild(quarter);
    root->addChild(hidden);
    root->addChild(half);

    RecordingRenderer renderer;
    root->visit(renderer, Transform{}, 1.0f);
    ASSERT_EQ(renderer.names(), (std::vector<std::string>{"root", "half", "quarter"}));
    EXPECT_NEAR(renderer.calls[1].opacity, 128.0f / 255.0f, 1e-6);
    EXPECT_NEAR(renderer.calls[2].opacity, (128.0f / 255.0f) * (128.0f / 255.0f), 1e-6);
}

TEST_F(NodeTest, VisitComposesPositionScaleAndAnchorDownTheTree) {
    Probe* parent = Probe::create("parent");
    parent->setPosition(100, 50);
    parent->setScale(2.0f);
    Probe* child = Probe::create("child");
    child->setContentSize(Size(10, 20));
    child->setAnchorPoint(Vec2::ANCHOR_MIDDLE);
    child->setPosition(5, 5);
    parent->addChild(child);

    RecordingRenderer renderer;
    parent->visit(renderer, Transform{}, 1.0f);
    ASSERT_EQ(renderer.calls.size(), 2u);
    // child box in parent space: (0, -5) .. (10, 15); parent doubles and moves it.
    EXPECT_TRUE(renderer.calls[1].box.equals(Rect(100, 40, 20, 40)));
}

TEST_F(NodeTest, BoundingBoxFollowsAnchorScaleAndPositionAndMirrorsNegativeScale) {
    struct Case {
        Vec2 anchor;
        Size size;
        float scaleX, scaleY;
        Vec2 position;
        Rect expected;
    };
    const Case cases[] = {
        {Vec2::ANCHOR_BOTTOM_LEFT, Size(100, 50), 1, 1, Vec2(10, 20), Rect(10, 20, 100, 50)},
        {Vec2::ANCHOR_MIDDLE, Size(100, 50), 1, 1, Vec2(10, 20), Rect(-40, -5, 100, 50)},
        {Vec2::ANCHOR_MIDDLE, Size(100, 50), 0.5f, 2, Vec2(0, 0), Rect(-25, -50, 50, 100)},
        {Vec2::ANCHOR_TOP_RIGHT, Size(100, 50), 1, 1, Vec2(0, 0), Rect(-100, -50, 100, 50)},
        // Mirrored about the anchor, still a normalized rectangle.
        {Vec2::ANCHOR_BOTTOM_LEFT, Size(100, 50), -1, 1, Vec2(10, 0), Rect(-90, 0, 100, 50)},
        {Vec2(0.25f, 0.0f), Size(100, 50), -2, -1, Vec2(0, 0), Rect(-150, -50, 200, 50)},
        {Vec2::ANCHOR_MIDDLE, Size::ZERO, 3, 3, Vec2(7, 8), Rect(7, 8, 0, 0)},
    };
    for (const Case& c : cases) {
        Node* node = Node::create();
        node->setAnchorPoint(c.anchor);
        node->setContentSize(c.size);
        node->setScale(c.scaleX, c.scaleY);
        node->setPosition(c.position);
        Rect box = node->getBoundingBox();
        EXPECT_TRUE(box.equals(c.expected)) << "scale " << c.scaleX << "," << c.scaleY << " got " << box.origin.x
                                            << "," << box.origin.y << " " << box.size.width << "x"
                                            << box.size.height;
    }
}

TEST_F(NodeTest, DefaultsAndLayerSceneSize) {
    Node* node = Node::create();
    EXPECT_EQ(node->getAnchorPoint(), Vec2::ZERO);
    EXPECT_EQ(node->getOpacity(), 255);
    EXPECT_TRUE(node->isVisible());
    Layer* layer = Layer::create();
    EXPECT_EQ(layer->getContentSize(), Size(1920, 1080));
    EXPECT_EQ(layer->getAnchorPoint(), Vec2::ZERO);
    EXPECT_EQ(layer->getPosition(), Vec2::ZERO);
    EXPECT_FALSE(layer->onTouchBegan(nullptr, nullptr));
    EXPECT_EQ(Scene::create()->getContentSize(), Size(1920, 1080));
}

TEST_F(NodeTest, TreeHoldsChildrenAndRemovalReleasesThem) {
    Node* parent = Node::create();
    parent->retain();
    bool destroyed = false;
    Probe* child = Probe::create("child");
    child->destroyed = &destroyed;
    parent->addChild(child, 3, 42);
    AutoreleasePool::getInstance().clear();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(parent->getChildByTag(42), child);
    EXPECT_EQ(child->getParent(), parent);
    EXPECT_EQ(child->getLocalZOrder(), 3);

    parent->addChild(child); // already has a parent: ignored
    EXPECT_EQ(parent->getChildrenCount(), 1u);

    child->removeFromParent();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(parent->getChildrenCount(), 0u);

    bool grandchildDestroyed = false;
    Probe* grandchild = Probe::create("grandchild");
    grandchild->destroyed = &grandchildDestroyed;
    Node* middle = Node::create();
    middle->addChild(grandchild);
    parent->addChild(middle);
    AutoreleasePool::getInstance().clear();
    parent->release();
    EXPECT_TRUE(grandchildDestroyed);
}

TEST_F(NodeTest, UpdatesTimersAndActionsWaitUntilEnteredAndEndOnCleanup) {
    Scene* scene = runScene();
    Probe* probe = Probe::create("probe");
    probe->retain(); // kept apart from the scene for a while
    probe->scheduleUpdate();
    probe->schedule(CC_SCHEDULE_SELECTOR(Probe::tick), 0.5f);
    probe->runAction(MoveBy::create(1.0f, Vec2(60, 0)));
    frames(60); // one second away from the scene: nothing moves
    EXPECT_EQ(probe->updates, 0);
    EXPECT_EQ(probe->ticks, 0);
    EXPECT_EQ(probe->getPositionX(), 0.0f);

    scene->addChild(probe); // entering a running node enters the child
    EXPECT_TRUE(probe->isRunning());
    frames(30);
    EXPECT_EQ(probe->updates, 30);
    EXPECT_EQ(probe->ticks, 1);
    EXPECT_NEAR(probe->getPositionX(), 30.0f, 1e-3);

    probe->removeFromParentAndCleanup(false); // paused, kept
    frames(60);
    EXPECT_EQ(probe->updates, 30);
    EXPECT_NEAR(probe->getPositionX(), 30.0f, 1e-3);
    scene->addChild(probe); // resumes where it stood
    frames(15);
    EXPECT_EQ(probe->updates, 45);
    EXPECT_EQ(probe->ticks, 1); // 0.25 s into the second half second
    EXPECT_NEAR(probe->getPositionX(), 45.0f, 1e-3);

    probe->removeFromParent(); // with cleanup: ended for good
    EXPECT_FALSE(probe->isScheduled(CC_SCHEDULE_SELECTOR(Probe::tick)));
    EXPECT_EQ(probe->getNumberOfRunningActions(), 0u);
    scene->addChild(probe);
    frames(60);
    EXPECT_EQ(probe->updates, 45);
    EXPECT_EQ(probe->ticks, 1);
    probe->release();
}

TEST_F(NodeTest, LifecycleReachesEveryDescendant) {
    Scene* scene = runScene();
    Probe* parent = Probe::create("parent", &journal);
    parent->addChild(Probe::create("child", &journal));
    scene->addChild(parent);
    EXPECT_EQ(journal, (std::vector<std::string>{"parent.enter", "child.enter"}));
    journal.clear();
    parent->removeFromParent();
    EXPECT_EQ(journal, (std::vector<std::string>{"parent.exit", "child.exit", "parent.cleanup", "child.cleanup"}));
}

TEST_F(NodeTest, NodeMayRemoveItselfFromItsOwnUpdate) {
    Scene* scene = runScene();
    bool destroyed = false;
    Probe* probe = Probe::create("probe");
    probe->destroyed = &destroyed;
    Probe* raw = probe;
    probe->onUpdate = [raw](float) {
        raw->removeFromParent();
        raw->setPosition(1, 1); // still alive until its update returns
    };
    probe->scheduleUpdate();
    scene->addChild(probe);
    frames(1);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(scene->getChildrenCount(), 0u);
}
