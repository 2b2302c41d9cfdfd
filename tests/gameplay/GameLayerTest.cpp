#include "GameplayFixture.h"

using namespace gameplay_test;
using cocos2d::Vec2;

namespace {

const char* const WET_SOUND = "Music/dekusi.mp3";
const char* const PUSH_SOUND = "Music/dekusi2.mp3";
const Vec2 RIGHT_HALF(1500, 540);
const Vec2 LEFT_HALF(100, 540);
const Vec2 CENTRE_LINE(960, 540);

// Nobody on the street unless a test places someone.
class GameLayerTest : public GameplayTest {
protected:
    void SetUp() override {
        GameplayTest::SetUp();
        open(heldBackSeed());
    }

    void checkPushAway(Umbrella* person, int direction);
};

// --- shelter and dryness -------------------------------------------------------

TEST_F(GameLayerTest, UnderEavesNoDrynessIsLost) {
    const unsigned int sounds = plays(WET_SOUND);
    step(300);
    EXPECT_EQ(layer->hp, 200);
    EXPECT_EQ(plays(WET_SOUND), sounds);
}

// The eaves of column 1 span x 900..1500: only a player strictly inside is dry.
TEST_F(GameLayerTest, ShelterSpanIsStrict) {
    const struct {
        float playerX;
        bool sheltered;
    } cases[] = {{899, false}, {900, false}, {901, true}, {1200, true}, {1499, true}, {1500, false}, {2000, false}};
    for (const auto& c : cases) {
        setPlayerX(c.playerX);
        EXPECT_EQ(layer->isSheltered(), c.sheltered) << "x " << c.playerX;
        const int before = layer->hp;
        step();
        EXPECT_EQ(layer->hp, c.sheltered ? before : before - 1) << "x " << c.playerX;
    }
    EXPECT_GT(linesEqualTo("[900.000000],[1500.000000]"), 0);
}

// The countdown pauses under shelter: the sound marks every 15th exposed frame
// of the stage.
TEST_F(GameLayerTest, WetSoundOnEvery15thExposedFrameAcrossShelter) {
    const unsigned int sounds = plays(WET_SOUND);
    setPlayerX(2000);
    step(10);
    setPlayerX(1200);
    step(30);
    setPlayerX(2000);
    step(4);
    EXPECT_EQ(plays(WET_SOUND), sounds);
    EXPECT_EQ(layer->hp, 186);
    step();
    EXPECT_EQ(plays(WET_SOUND), sounds + 1);
    EXPECT_EQ(layer->wetSoundCountdown, 15);
    step(14);
    EXPECT_EQ(plays(WET_SOUND), sounds + 1);
    step();
    EXPECT_EQ(plays(WET_SOUND), sounds + 2);
    EXPECT_EQ(layer->hp, 170);
}

TEST_F(GameLayerTest, RunningDryEndsTheStageOnceWithScoreZero) {
    layer->hp = 3;
    setPlayerX(2000);
    step(3);
    EXPECT_EQ(layer->hp, 0);
    EXPECT_TRUE(layer->stageActive);
    EXPECT_EQ(resultScore(), -1);

    step();
    EXPECT_EQ(layer->hp, -1);
    EXPECT_FALSE(layer->stageActive);
    EXPECT_EQ(resultScore(), 0);
    EXPECT_EQ(linesEqualTo("G--------O---------A--------L"), 0);

    // Frames of the old layer after the end ask for no second result screen,
    // not even at the goal.
    cocos2d::Scene* result = cocos2d::Director::getInstance()->getRunningScene();
    setPlayerX(4400);
    layer->update(1.0f / 60.0f);
    layer->update(1.0f / 60.0f);
    step(2);
    EXPECT_EQ(cocos2d::Director::getInstance()->getRunningScene(), result);
    EXPECT_EQ(linesEqualTo("G--------O---------A--------L"), 0);
}

// The goal door of the fixture stage is at x 4400, height 432.
TEST_F(GameLayerTest, GoalHandsTheRemainingDryness) {
    layer->hp = 150;
    setPlayerX(4350); // box ends at 4395, short of the door
    step();
    EXPECT_TRUE(layer->stageActive);
    setPlayerX(4400);
    step();
    EXPECT_FALSE(layer->stageActive);
    EXPECT_EQ(linesEqualTo("G--------O---------A--------L"), 1);
    EXPECT_EQ(resultScore(), 149); // the frame at 4350 was exposed
}

// With hp 0 at an exposed goal the frame both reaches the goal and runs dry:
// the goal comes first and hands the hp from before the drain.
TEST_F(GameLayerTest, GoalWinsOverRunningDryInTheSameFrame) {
    layer->hp = 0;
    setPlayerX(4400);
    step();
    EXPECT_EQ(layer->hp, -1);
    EXPECT_EQ(linesEqualTo("G--------O---------A--------L"), 1);
    EXPECT_EQ(resultScore(), 0);
}

// --- movement and camera ------------------------------------------------------

TEST_F(GameLayerTest, LeftLimitPushesBackRight) {
    const struct {
        float startX;
        int moveState;
        int frames;
        float endX;
    } cases[] = {
        {0, 0, 1, 10}, {-5, 0, 1, 5}, {-25, 0, 3, 5}, {0, 2, 5, 0}, {10, 2, 3, 0}, {15, 2, 3, -5}, {1, 0, 3, 1},
    };
    for (const auto& c : cases) {
        setPlayerX(c.startX);
        layer->moveState = c.moveState;
        step(c.frames);
        EXPECT_FLOAT_EQ(layer->player->getPositionX(), c.endX) << "from " << c.startX << " state " << c.moveState;
    }
}

// The camera target takes the player's x from 960 on and keeps the last one
// when the player goes back left; scenery gets the previous frame's value.
TEST_F(GameLayerTest, CameraTargetFollowsThePlayerFromTheMiddle) {
    setPlayerX(1234);
    step();
    EXPECT_FLOAT_EQ(layer->cameraTarget->getPositionX(), 1234);
    EXPECT_FLOAT_EQ(layer->mapCreator->scrollX, 960);
    step();
    EXPECT_FLOAT_EQ(layer->mapCreator->scrollX, 1234);

    setPlayerX(959);
    step();
    EXPECT_FLOAT_EQ(layer->cameraTarget->getPositionX(), 1234);
    setPlayerX(960);
    step();
    EXPECT_FLOAT_EQ(layer->cameraTarget->getPositionX(), 960);
    EXPECT_FLOAT_EQ(layer->cameraTarget->getPositionY(), 540);
}

TEST_F(GameLayerTest, ViewScrollsOnlyAfterTheFirstTouch) {
    setPlayerX(1500);
    step(2);
    EXPECT_FLOAT_EQ(layer->getPositionX(), 0);

    // A touch on the centre line steers nowhere but starts the camera.
    headless->touchBegan(CENTRE_LINE);
    EXPECT_FALSE(layer->followPending);
    EXPECT_EQ(layer->moveState, 0);
    step();
    EXPECT_FLOAT_EQ(layer->getPositionX(), 960 - 1500);
    headless->touchEnded(CENTRE_LINE);

    headless->touchBegan(RIGHT_HALF);
    EXPECT_EQ(layer->getNumberOfRunningActions(), 1u); // still the one Follow
    headless->touchEnded(RIGHT_HALF);

    setPlayerX(500);
    step(2);
    EXPECT_FLOAT_EQ(layer->getPositionX(), 960 - 1500);
    EXPECT_EQ(linesEqualTo("migi"), 1);
    EXPECT_EQ(linesEqualTo("hidari"), 0);
}

// --- touch ----------------------------------------------------------------------

TEST_F(GameLayerTest, HalvesOfTheViewSteer) {
    headless->touchBegan(RIGHT_HALF);
    EXPECT_EQ(linesEqualTo("migi"), 1);
    EXPECT_EQ(layer->moveState, 1);
    EXPECT_FALSE(layer->standing);
    EXPECT_GT(layer->player->getNumberOfRunningActions(), 0u);
    step(3);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 990);
    headless->touchEnded(RIGHT_HALF);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_TRUE(layer->standing);
    EXPECT_EQ(layer->player->getFileName(), "GameScene/arukuRight2.png");

    headless->touchBegan(LEFT_HALF);
    EXPECT_EQ(linesEqualTo("hidari"), 1);
    EXPECT_EQ(layer->moveState, 2);
    step(2);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 970);
    headless->touchEnded(LEFT_HALF);
    EXPECT_EQ(layer->player->getFileName(), "GameScene/arukuLeft2.png");
    step();
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 970);
}

TEST_F(GameLayerTest, ACancelledPressStopsLikeARelease) {
    headless->touchBegan(RIGHT_HALF);
    step(2);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 980);
    // What the window sends when it is minimised with the button held.
    cocos2d::Director::getInstance()->getEventDispatcher()->dispatchTouch(cocos2d::TouchPhase::CANCELLED, 0,
                                                                          cocos2d::Vec2(1600, 540));
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_TRUE(layer->standing);
    EXPECT_EQ(layer->player->getFileName(), "GameScene/arukuRight2.png");
    step(2);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 980);
}

// A second finger switches the side but keeps the walk animation; lifting
// either finger stops.
TEST_F(GameLayerTest, SecondFingerSwitchesSideWithTheOldAnimation) {
    headless->touchBegan(RIGHT_HALF, 0);
    cocos2d::Animation* rightWalk = layer->player->walkAnimation;
    headless->touchBegan(LEFT_HALF, 1);
    EXPECT_EQ(layer->moveState, 2);
    EXPECT_EQ(layer->player->walkAnimation, rightWalk);
    step(2);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 940);
    headless->touchEnded(LEFT_HALF, 1);
    EXPECT_EQ(layer->moveState, 0);
    step();
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 940);
    headless->touchEnded(RIGHT_HALF, 0);
}

// --- encounters ------------------------------------------------------------------

// Person 0 faces right at x 920, the player stands at 960 on its right: the
// side it faces. Limit 180: half 90, nine tenths 162.
TEST_F(GameLayerTest, IrritationShowsMarksThenPushesAtTheLimit) {
    placePerson(0, 920, 1, 180);
    const unsigned int pushes = plays(PUSH_SOUND);
    const struct {
        int frame;
        bool question;
        bool anger;
    } checks[] = {{1, false, false}, {90, false, false}, {91, true, false}, {162, true, false},
                  {163, false, true}, {180, false, true}};
    int frame = 0;
    for (const auto& c : checks) {
        step(c.frame - frame);
        frame = c.frame;
        EXPECT_EQ(layer->irritation[0], c.frame);
        EXPECT_EQ(layer->questionMarks[0]->isVisible(), c.question) << "frame " << c.frame;
        EXPECT_EQ(layer->angerMarks[0]->isVisible(), c.anger) << "frame " << c.frame;
    }
    EXPECT_EQ(plays(PUSH_SOUND), pushes);
    EXPECT_TRUE(layer->controlEnabled);

    step(); // counter 181
    EXPECT_EQ(layer->irritation[0], 0);
    EXPECT_FALSE(layer->controlEnabled);
    EXPECT_EQ(plays(PUSH_SOUND), pushes + 1);
    EXPECT_FALSE(layer->questionMarks[0]->isVisible());
    EXPECT_FALSE(layer->angerMarks[0]->isVisible());
    EXPECT_EQ(linesEqualTo("0 hit!"), 181);
    EXPECT_EQ(layer->hp, 200);
}

// Overlap shelters from either side; only a player on the faced side irritates.
TEST_F(GameLayerTest, OnlyTheFacedSideIrritatesButBothShelter) {
    setPlayerX(2000); // no eaves here
    const struct {
        float personX;
        int direction;
        int change;
    } cases[] = {{1960, 2, 0}, {2040, 1, 0}, {2000, 1, 0}, {2000, 2, 0}, {1960, 1, 1}, {2040, 2, 1}};
    for (const auto& c : cases) {
        placePerson(0, c.personX, c.direction, 180);
        layer->irritation[0] = 100;
        step(30);
        EXPECT_EQ(layer->irritation[0], 100 + 30 * c.change) << "person " << c.personX << " dir " << c.direction;
    }
    EXPECT_EQ(layer->hp, 200);
}

// Apart from the player a counter above half falls by one per frame and
// skips from half + 1 to half − 1; at or below half it stays.
TEST_F(GameLayerTest, IrritationDecaysToHalfMinusOne) {
    Umbrella* p = placePerson(0, 3600, 2, 180);
    const struct {
        int start;
        int frames;
        int end;
        bool question;
    } cases[] = {{100, 9, 91, true}, {100, 10, 89, false}, {100, 60, 89, false}, {90, 60, 90, false},
                 {170, 7, 163, false}, {170, 8, 162, true}};
    for (const auto& c : cases) {
        layer->irritation[0] = c.start;
        step(c.frames);
        EXPECT_EQ(layer->irritation[0], c.end) << "from " << c.start << " after " << c.frames;
        EXPECT_EQ(layer->questionMarks[0]->isVisible(), c.question) << "from " << c.start << " after " << c.frames;
    }
    EXPECT_EQ(layer->questionMarks[0]->getPosition(), Vec2(3600, p->getPositionY() + 324));
    EXPECT_EQ(layer->angerMarks[0]->getPosition(), Vec2(3600, p->getPositionY() + 324));
}

// The push goes against the person's heading: player 200, person 100, within
// 0.03 s; the player stops although the finger stays down, the person turns
// back after 0.2 s, and control returns after 1.5 s.
void GameLayerTest::checkPushAway(Umbrella* person, int direction) {
    const float against = direction == 1 ? -1.0f : 1.0f;
    const float personX = person->getPositionX();
    const unsigned int pushes = plays(PUSH_SOUND);
    headless->touchBegan(RIGHT_HALF, 0); // the finger stays down throughout
    layer->irritation[0] = 180;

    headless->step(); // the player steps to 970, still touching: push
    EXPECT_FALSE(layer->controlEnabled);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_EQ(plays(PUSH_SOUND), pushes + 1);
    EXPECT_EQ(person->isFlippedX(), direction == 2); // turned the other way

    headless->step(3);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 970 + against * 200);
    EXPECT_FLOAT_EQ(person->getPositionX(), personX + against * 100);

    headless->step(6); // 0.15 s after the push
    EXPECT_EQ(person->isFlippedX(), direction == 2);
    headless->step(6); // 0.25 s
    EXPECT_EQ(person->isFlippedX(), direction == 1);

    // A new press while locked steers nothing; its release still stops.
    headless->touchBegan(RIGHT_HALF, 1);
    EXPECT_EQ(layer->moveState, 0);
    headless->touchEnded(RIGHT_HALF, 1);

    headless->step(72); // 1.45 s
    EXPECT_FALSE(layer->controlEnabled);
    headless->step(6); // 1.55 s
    EXPECT_TRUE(layer->controlEnabled);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), 970 + against * 200); // the held finger walks no more
    EXPECT_TRUE(layer->player->isVisible());
    EXPECT_EQ(plays(PUSH_SOUND), pushes + 1);
    EXPECT_EQ(linesEqualTo("migi"), 1);

    headless->touchBegan(RIGHT_HALF, 2);
    EXPECT_EQ(layer->moveState, 1);
}

TEST_F(GameLayerTest, PushAwayToTheLeftByAPersonHeadingRight) {
    checkPushAway(placePerson(0, 920, 1, 180), 1);
}

TEST_F(GameLayerTest, PushAwayToTheRightByAPersonHeadingLeft) {
    checkPushAway(placePerson(0, 1000, 2, 180), 2);
}

// Two people at their limit in one frame: the lower index pushes, the other's
// counter freezes (and keeps its mark) while control is off.
TEST_F(GameLayerTest, OnlyTheFirstPersonAtItsLimitPushes) {
    placePerson(0, 920, 1, 180);
    placePerson(1, 930, 1, 180);
    layer->irritation[0] = 180;
    layer->irritation[1] = 180;
    const unsigned int pushes = plays(PUSH_SOUND);
    step();
    EXPECT_EQ(layer->irritation[0], 0);
    EXPECT_EQ(layer->irritation[1], 180);
    EXPECT_EQ(plays(PUSH_SOUND), pushes + 1);
    step(30);
    EXPECT_EQ(layer->irritation[1], 180);
    EXPECT_TRUE(layer->angerMarks[1]->isVisible());
}

// A spawner list shorter than personCount: every per-person loop stops at the
// list's end (the list is reallocated to its size so a read past it is caught).
TEST_F(GameLayerTest, PerPersonLoopsStopAtTheSpawnersList) {
    auto& umbrellas = layer->umbrellaCreator->umbrellas;
    umbrellas.resize(3);
    umbrellas.shrink_to_fit();
    placePerson(2, 920, 1, 180);
    layer->irritation[2] = 180;
    const unsigned int pushes = plays(PUSH_SOUND);
    step(100); // push, facing restored, control back
    EXPECT_EQ(plays(PUSH_SOUND), pushes + 1);
    EXPECT_TRUE(layer->controlEnabled);
}

// --- shop doors -------------------------------------------------------------------

const cocos2d::SEL_SCHEDULE REARM = CC_SCHEDULE_SELECTOR(GameLayer::rearmShopRespawn);

// Everybody starts at a street end (so the 6 s re-arm timer runs) and every
// door test draws the given outcome.
class ShopDoorTest : public GameplayTest {
protected:
    // After set-up every generator gets a seed whose door draw is `wanted`.
    void openWithDoorDraw(const std::function<bool(int doorDraw)>& wanted) {
        open(seedWhere([](std::mt19937& g) { return Random::between(g, 0, 1) == 0; }));
        seed = seedWhere([&wanted](std::mt19937& g) { return wanted(Random::between(g, 0, 3)); });
        parkEveryoneFrom(0);
        door = placePerson(0, 2800, 1, 200);
        door->kind = 0;
    }

    int reentries() const { return linesStartingWith("fjilidhshifh"); }

    Umbrella* door = nullptr; // the person standing in the doorway
};

TEST_F(ShopDoorTest, ReentersAtMostOncePerRearmPeriod) {
    openWithDoorDraw([](int doorDraw) { return doorDraw <= 1; });
    EXPECT_TRUE(layer->isScheduled(REARM));

    step(350); // 5.83 s: the first re-arm comes at 6 s
    EXPECT_EQ(reentries(), 0);
    EXPECT_FALSE(layer->shopRespawnReady);

    const std::size_t childrenBefore = layer->getChildrenCount();
    int frame = 350;
    while (reentries() == 0 && frame < 380) {
        step();
        ++frame;
    }
    ASSERT_EQ(reentries(), 1);
    EXPECT_NEAR(frame, 361, 2);
    EXPECT_EQ(linesEqualTo("fjilidhshifh1"), 1); // moveDirection before the change
    EXPECT_FALSE(layer->shopRespawnReady);

    // One generator, drawn in order: direction, kind, limit, door.
    std::mt19937 g(seed);
    const int direction = Random::between(g, 1, 2);
    const int kind = Random::between(g, 0, 1);
    const int limit = kind == 0 ? Random::between(g, 180, 360) : Random::between(g, 240, 420);
    const int doorIndex = Random::between(g, 0, 1);
    EXPECT_EQ(door->direction, direction);
    EXPECT_EQ(door->moveDirection, direction);
    EXPECT_EQ(door->kind, kind);
    EXPECT_EQ(door->irritationLimit, limit);
    EXPECT_EQ(door->getFileName(), kind == 0 ? "GameScene/umbrellaMob.png" : "GameScene/umbrellaman_0.png");
    EXPECT_EQ(door->getPosition(), Vec2(doorIndex == 0 ? 2800 : 4400, 378));
    EXPECT_EQ(door->isFlippedX(), direction == 1);
    EXPECT_EQ(door->getOpacity(), 0);
    EXPECT_EQ(layer->irritation[0], 0);

    // The leaving copy: the old look where the person stood, beneath everybody.
    ASSERT_EQ(layer->getChildrenCount(), childrenBefore + 1);
    cocos2d::Sprite* copy = nullptr;
    for (cocos2d::Node* child : layer->getChildren()) {
        auto* sprite = dynamic_cast<cocos2d::Sprite*>(child);
        if (sprite != nullptr && sprite->getFileName() == "GameScene/umbrellaMob.png") copy = sprite;
    }
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getFileName(), "GameScene/umbrellaMob.png");
    EXPECT_EQ(copy->getPosition(), Vec2(2800, 378));
    EXPECT_TRUE(copy->isFlippedX());
    EXPECT_FLOAT_EQ(copy->getScale(), 1.6f);
    EXPECT_EQ(copy->getLocalZOrder(), 0);

    step(33); // 0.55 s
    EXPECT_EQ(door->getOpacity(), 255);
    step(33); // 1.1 s
    EXPECT_EQ(layer->getChildrenCount(), childrenBefore);

    // From now on every 3 s.
    step(180 - 66 - 10); // 2.83 s after the first re-entry
    EXPECT_EQ(reentries(), 1);
    step(20); // 3.17 s
    EXPECT_EQ(reentries(), 2);
    step(160); // 5.83 s
    EXPECT_EQ(reentries(), 2);
    step(20);
    EXPECT_EQ(reentries(), 3);
}

TEST_F(ShopDoorTest, DrawOfTwoOrThreeOnlyHoldsTheStreetEndRespawn) {
    openWithDoorDraw([](int doorDraw) { return doorDraw >= 2; });
    step(400);
    EXPECT_EQ(reentries(), 0);
    EXPECT_TRUE(layer->shopRespawnReady);
    EXPECT_FALSE(door->canRespawn);
    EXPECT_EQ(door->getPosition(), Vec2(2800, 378));
}

} // namespace
