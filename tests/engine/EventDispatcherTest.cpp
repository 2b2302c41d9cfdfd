#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;
using enginetest::Probe;

namespace {

class EventDispatcherTest : public enginetest::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        scene = runScene();
    }

    // A listener on `node` that notes "<name>.<phase>" and claims the touch
    // when `claims` says so.
    EventListenerTouchOneByOne* listen(Node* node, const std::string& name, bool claims, bool swallow) {
        auto* listener = EventListenerTouchOneByOne::create();
        listener->setSwallowTouches(swallow);
        listener->onTouchBegan = [this, name, claims](Touch*, Event*) {
            journal.push_back(name + ".began");
            return claims;
        };
        listener->onTouchMoved = [this, name](Touch*, Event*) { journal.push_back(name + ".moved"); };
        listener->onTouchEnded = [this, name](Touch*, Event*) { journal.push_back(name + ".ended"); };
        dispatcher().addEventListenerWithSceneGraphPriority(listener, node);
        return listener;
    }
    Node* child(Node* parent, int z) {
        Node* made = Node::create();
        parent->addChild(made, z);
        return made;
    }
    EventDispatcher& dispatcher() { return *director().getEventDispatcher(); }
    void touch(TouchPhase phase, int id = 0, Vec2 at = Vec2(100, 100)) { dispatcher().dispatchTouch(phase, id, at); }

    Scene* scene = nullptr;
};

} // namespace

TEST_F(EventDispatcherTest, NodeDrawnLastHearsFirst) {
    Node* back = child(scene, 0);
    Node* front = child(scene, 2);
    Node* middle = child(scene, 1);
    Node* underBack = child(back, -1);  // drawn before its parent
    Node* overMiddle = child(middle, 0); // drawn after its parent
    listen(back, "back", false, false);
    listen(front, "front", false, false);
    listen(middle, "middle", false, false);
    listen(underBack, "underBack", false, false);
    listen(overMiddle, "overMiddle", false, false);
    listen(front, "front2", false, false); // same node: order added
    touch(TouchPhase::BEGAN);
    EXPECT_EQ(journal, (std::vector<std::string>{"front.began", "front2.began", "overMiddle.began", "middle.began",
                                                 "back.began", "underBack.began"}));
}

TEST_F(EventDispatcherTest, ClaimedTouchStaysWithItsClaimersAndSwallowingStopsIt) {
    Node* back = child(scene, 0);
    Node* middle = child(scene, 1);
    Node* front = child(scene, 2);
    listen(back, "back", true, false);
    listen(middle, "middle", true, true);
    listen(front, "front", false, true); // declines: swallowing does not matter
    touch(TouchPhase::BEGAN);
    touch(TouchPhase::MOVED);
    touch(TouchPhase::ENDED);
    EXPECT_EQ(journal, (std::vector<std::string>{"front.began", "middle.began", "middle.moved", "middle.ended"}));

    // Without swallowing both claimers follow the touch.
    journal.clear();
    Node* top = child(scene, 3);
    listen(top, "top", true, false);
    middle->removeFromParent(); // its listener goes with the cleanup
    touch(TouchPhase::BEGAN, 1);
    touch(TouchPhase::ENDED, 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"top.began", "front.began", "back.began", "top.ended", "back.ended"}));
}

TEST_F(EventDispatcherTest, OnlyRunningNodesHearAndCleanupRemovesTheirListeners) {
    Node* loose = Node::create();
    loose->retain();
    listen(loose, "loose", true, true);
    touch(TouchPhase::BEGAN);
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(dispatcher().getListenerCount(), 1u);

    scene->addChild(loose);
    touch(TouchPhase::BEGAN, 1);
    EXPECT_EQ(journal, std::vector<std::string>{"loose.began"});

    loose->removeFromParentAndCleanup(false); // paused: kept, silent
    touch(TouchPhase::MOVED, 1);
    touch(TouchPhase::BEGAN, 2);
    EXPECT_EQ(journal.size(), 1u);
    EXPECT_EQ(dispatcher().getListenerCount(), 1u);
    loose->cleanup();
    EXPECT_EQ(dispatcher().getListenerCount(), 0u);
    loose->release();
}

TEST_F(EventDispatcherTest, DisabledDispatcherDropsEventsAndLeavesNoHalfClaimedTouch) {
    Node* node = child(scene, 0);
    listen(node, "node", true, true);
    dispatcher().setEnabled(false);
    touch(TouchPhase::BEGAN, 0);
    dispatcher().setEnabled(true);
    touch(TouchPhase::MOVED, 0);
    touch(TouchPhase::ENDED, 0);
    EXPECT_TRUE(journal.empty());

    touch(TouchPhase::BEGAN, 1);
    dispatcher().setEnabled(false);
    touch(TouchPhase::ENDED, 1); // dropped, and the touch is forgotten
    dispatcher().setEnabled(true);
    touch(TouchPhase::MOVED, 1);
    touch(TouchPhase::ENDED, 1);
    EXPECT_EQ(journal, std::vector<std::string>{"node.began"});
}

TEST_F(EventDispatcherTest, TouchReportsDesignPointsInBothOrientationsAndItsDelta) {
    Node* node = child(scene, 0);
    std::vector<std::string> seen;
    auto* listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [](Touch*, Event*) { return true; };
    listener->onTouchMoved = [&seen](Touch* touch, Event*) {
        EXPECT_EQ(touch->getLocationInView(), Vec2(130, 80));
        EXPECT_EQ(touch->getLocation(), Vec2(130, 1000));
        EXPECT_EQ(touch->getPreviousLocation(), Vec2(100, 1020));
        EXPECT_EQ(touch->getStartLocation(), Vec2(100, 1020));
        EXPECT_EQ(touch->getDelta(), Vec2(30, -20));
        seen.push_back("moved");
    };
    listener->onTouchEnded = [&seen](Touch* touch, Event*) {
        EXPECT_EQ(touch->getDelta(), Vec2(10, 5));
        EXPECT_EQ(touch->getStartLocation(), Vec2(100, 1020));
        EXPECT_EQ(touch->getID(), 7);
        seen.push_back("ended");
    };
    dispatcher().addEventListenerWithSceneGraphPriority(listener, node);
    touch(TouchPhase::BEGAN, 7, Vec2(100, 60));
    touch(TouchPhase::MOVED, 7, Vec2(130, 80));
    touch(TouchPhase::ENDED, 7, Vec2(140, 75));
    EXPECT_EQ(seen, (std::vector<std::string>{"moved", "ended"}));
}

TEST_F(EventDispatcherTest, HandlerMayRemoveItsOwnNode) {
    bool destroyed = false;
    Probe* probe = Probe::create("probe");
    probe->destroyed = &destroyed;
    scene->addChild(probe);
    frames(1); // only the scene holds it now
    auto* listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [probe](Touch*, Event*) {
        probe->removeFromParent();
        return true;
    };
    dispatcher().addEventListenerWithSceneGraphPriority(listener, probe);
    touch(TouchPhase::BEGAN);
    touch(TouchPhase::ENDED);
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(dispatcher().getListenerCount(), 0u);
}
