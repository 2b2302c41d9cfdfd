#include "weather/RainManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

#include "app/Random.h"
#include "cocos2d/testing/Headless.h"
#include "support/LogCapture.h"
#include "world/ResourceFolder.h"

namespace {

// The three start heights, computed as the game computes them.
const std::set<float> START_HEIGHTS{1080.0f * (100 * 0.01f), 1080.0f * (101 * 0.01f), 1080.0f * (102 * 0.01f)};

// Drives a manager frame by frame by hand, outside any running scene, and
// ends each frame as the director does, by draining the autorelease pool, so
// a removed drop is really freed.
class RainManagerTest : public ::testing::Test {
protected:
    RainManagerTest() { folder.addImages({"rain.png"}); }
    ~RainManagerTest() override {
        for (cocos2d::Ref* held : held_) held->release();
        Random::setSeedSourceForTesting(nullptr);
    }

    RainManager* makeManager(int maxDrops) {
        RainManager* manager = RainManager::create(maxDrops);
        hold(manager);
        return manager;
    }
    template <class T>
    T* hold(T* object) {
        object->retain();
        held_.push_back(object);
        return object;
    }
    void frame(RainManager* manager) {
        manager->update(1.0f / 60.0f);
        cocos2d::AutoreleasePool::getInstance().clear();
    }

    ResourceFolder folder;
    cocos2d::testing::Headless harness{cocos2d::Size(960, 540), folder.path()};

private:
    std::vector<cocos2d::Ref*> held_;
};

TEST_F(RainManagerTest, StartsEmptyWithTheRangeAtZero) {
    RainManager* manager = makeManager(120);
    EXPECT_EQ(manager->maxDrops, 120);
    EXPECT_FLOAT_EQ(manager->spawnTimer, 2);
    EXPECT_EQ(manager->spawnMinX, 0);
    EXPECT_EQ(manager->spawnMaxX, 0);
    EXPECT_TRUE(manager->drops.empty());
}

TEST_F(RainManagerTest, SpawnsOnTheThirdFrameThenEverySecondUntilOneOverTheLimit) {
    RainManager* manager = makeManager(2);
    std::vector<std::size_t> counts;
    for (int call = 1; call <= 12; ++call) {
        frame(manager);
        counts.push_back(manager->drops.size());
    }
    // The (maxDrops + 1)-th drop comes on call 2 × maxDrops + 3 = 7.
    EXPECT_EQ(counts, (std::vector<std::size_t>{0, 0, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(manager->getChildrenCount(), 3u);
}

TEST_F(RainManagerTest, PopulationReachesAndNeverExceedsMaxDropsPlusOne) {
    RainManager* manager = makeManager(120);
    std::size_t most = 0;
    for (int call = 1; call <= 600; ++call) {
        frame(manager);
        most = std::max(most, manager->drops.size());
        ASSERT_EQ(manager->getChildrenCount(), manager->drops.size());
    }
    EXPECT_EQ(most, 121u);
}

TEST_F(RainManagerTest, DropOnTheBottomLineFallsOnceMoreThenIsRecycled) {
    RainManager* manager = makeManager(5);
    manager->spawnTimer = 1000; // no spawning in this test
    manager->spawnDrop();
    Rain* drop = manager->drops.at(0);
    drop->setPositionY(200 + drop->fallSpeed);

    frame(manager);
    EXPECT_FLOAT_EQ(drop->getPositionY(), 200); // on the line is not below it

    frame(manager);
    ASSERT_EQ(manager->drops.size(), 1u);
    EXPECT_EQ(manager->drops.at(0), drop); // the same sprite back at the top
    EXPECT_EQ(START_HEIGHTS.count(drop->getPositionY()), 1u) << drop->getPositionY();
    EXPECT_EQ(drop->getParent(), manager);
}

TEST_F(RainManagerTest, OverTheLimitLandingDropsAreRemovedUntilBackAtTheLimit) {
    RainManager* manager = makeManager(2);
    manager->spawnTimer = 1000;
    for (int i = 0; i < 4; ++i) manager->spawnDrop();
    Rain* first = hold(manager->drops.at(0));
    Rain* falling = manager->drops.at(1);
    Rain* third = hold(manager->drops.at(2));
    Rain* fourth = manager->drops.at(3);
    first->setPositionY(201);
    falling->setPositionY(1000);
    third->setPositionY(201);
    fourth->setPositionY(201);

    frame(manager);
    // 4 > 2: the first lander goes; 3 > 2: so does the next; at 2 the last is recycled.
    ASSERT_EQ(manager->drops.size(), 2u);
    EXPECT_EQ(manager->drops.at(0), falling);
    EXPECT_EQ(manager->drops.at(1), fourth);
    EXPECT_FLOAT_EQ(falling->getPositionY(), 1000 - falling->fallSpeed); // the one after a removal fell too
    EXPECT_EQ(START_HEIGHTS.count(fourth->getPositionY()), 1u);
    for (Rain* removed : {first, third}) {
        EXPECT_EQ(removed->getParent(), nullptr);
        EXPECT_EQ(removed->getReferenceCount(), 1u); // only this test still holds it
    }
    EXPECT_EQ(manager->getChildrenCount(), 2u);
}

TEST_F(RainManagerTest, WithZeroKeepsOneDropFalling) {
    RainManager* manager = makeManager(0);
    frame(manager);
    frame(manager);
    frame(manager);
    ASSERT_EQ(manager->drops.size(), 1u);
    Rain* firstDrop = hold(manager->drops.at(0));

    int frames = 0;
    while (!manager->drops.empty() && frames < 100) {
        frame(manager);
        ++frames;
    }
    ASSERT_TRUE(manager->drops.empty()) << "the drop never reached the bottom";
    EXPECT_EQ(firstDrop->getParent(), nullptr); // removed, not recycled

    frame(manager); // the countdown kept falling: a new drop at once
    ASSERT_EQ(manager->drops.size(), 1u);
    EXPECT_NE(manager->drops.at(0), firstDrop);

    for (int call = 0; call < 200; ++call) {
        frame(manager);
        ASSERT_LE(manager->drops.size(), 1u);
    }
}

struct CenterCase {
    float x;
    int spawnMinX;
    int spawnMaxX;
    std::string logLine;
};

void PrintTo(const CenterCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.logLine);
}

class SetCenterXTest : public RainManagerTest, public ::testing::WithParamInterface<CenterCase> {};

TEST_P(SetCenterXTest, RangeIsOneScreenWidthEachSideOfTheTruncatedCentre) {
    RainManager* manager = makeManager(10);
    LogCapture log;
    manager->setCenterX(GetParam().x);
    manager->setCenterX(GetParam().x);
    EXPECT_EQ(manager->spawnMinX, GetParam().spawnMinX);
    EXPECT_EQ(manager->spawnMaxX, GetParam().spawnMaxX);
    EXPECT_EQ(log.lines, (std::vector<std::string>{GetParam().logLine, GetParam().logLine})); // every call logs
}

INSTANTIATE_TEST_SUITE_P(Centres, SetCenterXTest,
                         ::testing::Values(CenterCase{960, -960, 2880, "-960,2880"},
                                           CenterCase{0, -1920, 1920, "-1920,1920"},
                                           CenterCase{100.7f, -1820, 2020, "-1820,2020"},
                                           CenterCase{-100.7f, -2020, 1820, "-2020,1820"})); // towards zero

TEST_F(RainManagerTest, PlacesAtXZeroUntilCentredThenWithinTheRange) {
    RainManager* manager = makeManager(10);
    manager->spawnTimer = 1000;
    std::set<float> heights;
    for (int i = 0; i < 60; ++i) {
        manager->spawnDrop();
        const Rain* drop = manager->drops.back();
        EXPECT_FLOAT_EQ(drop->getPositionX(), 0);
        heights.insert(drop->getPositionY());
    }
    EXPECT_EQ(heights, START_HEIGHTS); // only these three, and all of them

    manager->setCenterX(5000);
    Rain* drop = manager->drops.at(0);
    const cocos2d::Vec2 before = manager->drops.at(1)->getPosition();
    int lowest = 1 << 30;
    int highest = -(1 << 30);
    for (int i = 0; i < 400; ++i) {
        manager->placeDrop(drop);
        lowest = std::min(lowest, static_cast<int>(drop->getPositionX()));
        highest = std::max(highest, static_cast<int>(drop->getPositionX()));
    }
    EXPECT_GE(lowest, 3080);
    EXPECT_LE(highest, 6920);
    EXPECT_LT(lowest, 3080 + 400); // the draws spread over the range
    EXPECT_GT(highest, 6920 - 400);
    EXPECT_EQ(manager->drops.at(1)->getPosition(), before); // falling drops keep their x
}

TEST_F(RainManagerTest, EachDrawingOperationBuildsItsOwnGenerator) {
    std::uint32_t nextSeed = 7;
    Random::setSeedSourceForTesting([&nextSeed] { return nextSeed++; });
    RainManager* manager = makeManager(10);
    manager->setCenterX(960);
    manager->spawnDrop(); // seed 7: the drop's speed; seed 8: height, then x

    std::mt19937 speedGenerator(7);
    const int speed = std::uniform_int_distribution<int>(18, 23)(speedGenerator);
    std::mt19937 placeGenerator(8);
    const int h = std::uniform_int_distribution<int>(100, 102)(placeGenerator);
    const int x = std::uniform_int_distribution<int>(-960, 2880)(placeGenerator);

    const Rain* drop = manager->drops.at(0);
    EXPECT_FLOAT_EQ(drop->fallSpeed, static_cast<float>(speed));
    EXPECT_FLOAT_EQ(drop->getPositionX(), static_cast<float>(x));
    EXPECT_FLOAT_EQ(drop->getPositionY(), 1080.0f * (static_cast<float>(h) * 0.01f));
    EXPECT_EQ(nextSeed, 9u);
}

TEST_F(RainManagerTest, RunsEveryFrameInTheRunningScene) {
    cocos2d::Scene* scene = cocos2d::Scene::create();
    RainManager* manager = RainManager::create(120);
    scene->addChild(manager);
    harness.runWithScene(scene);
    harness.step(20);
    EXPECT_GE(manager->drops.size(), 8u);
    EXPECT_LE(manager->drops.size(), 10u);
}

} // namespace
