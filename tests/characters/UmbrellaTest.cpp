#include "characters/Umbrella.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CharacterTesting.h"

using namespace cocos2d;
using characters_testing::Draws;
using characters_testing::findSeed;
using characters_testing::framesFor;
using characters_testing::SeedControl;
using characters_testing::Stage;

namespace {

constexpr float LEFT_END = -192.0f; // -0.1 x screen width
constexpr float STREET_Y = 378.0f;  // 0.35 x screen height

// What `init` draws: the activation interval and the first pause, 1/100 s.
struct InitDraws {
    int activation;
    int firstPause;
};
InitDraws initDraws(std::uint32_t seed) {
    Draws draws(seed);
    const int activation = draws.next(100, 1300);
    return {activation, draws.next(100, 1300)};
}

// What `respawn` draws, in its order.
struct RespawnDraws {
    int kind;
    int limit;
    int speed; // 1/100 design points per frame
    int direction;
};
RespawnDraws respawnDraws(std::uint32_t seed) {
    Draws draws(seed);
    RespawnDraws result{};
    result.kind = draws.next(0, 1);
    result.limit = result.kind == 0 ? draws.next(180, 360) : draws.next(240, 420);
    result.speed = draws.next(500, 900);
    result.direction = draws.next(1, 2);
    return result;
}

class UmbrellaTest : public ::testing::Test {
protected:
    Umbrella* addPerson(float stageWidth) {
        Umbrella* person = Umbrella::create(stageWidth);
        EXPECT_NE(person, nullptr);
        person->setScale(1.6f); // as the spawner does
        stage.scene()->addChild(person);
        return person;
    }
    // Steps until `done` holds; returns the frames taken (limit + 1 if never).
    template <class Done>
    int stepUntil(Done done, int limit) {
        for (int frame = 1; frame <= limit; ++frame) {
            stage.step();
            if (done()) return frame;
        }
        return limit + 1;
    }

    SeedControl seeds;
    Stage stage;
};

TEST_F(UmbrellaTest, NeverPlacedPersonStaysInvisibleAtTheOriginAndNeverRespawns) {
    Umbrella* person = addPerson(3000);
    EXPECT_FALSE(person->isActive);
    EXPECT_TRUE(person->isWalking);
    EXPECT_TRUE(person->canRespawn);
    EXPECT_EQ(person->direction, 0);

    for (int frame = 0; frame < 14 * 60; ++frame) { // activation comes within 13 s
        stage.step();
        ASSERT_EQ(person->getPositionX(), 0.0f) << "frame " << frame;
        // Only the bobbing moves it, within one sink depth below the origin
        // (near 0 the float steps are fine enough to leave a trace above).
        ASSERT_LE(person->getPositionY(), 0.001f);
        ASSERT_GE(person->getPositionY(), -30.0f);
    }
    EXPECT_TRUE(person->isActive);
    EXPECT_TRUE(person->canRespawn); // respawn never ran
    EXPECT_EQ(person->getFileName(), "");
    EXPECT_EQ(person->getContentSize(), Size::ZERO);
    EXPECT_EQ(person->moveDirection, 0);
    EXPECT_EQ(person->speed, 0.0f);
}

// Each timed operation builds its own generator; with one fixed seed every
// operation's draws are known in advance.
TEST_F(UmbrellaTest, LifeCycleWaitsForActivationThenWalksBobsAndPausesOnItsOwnClock) {
    seeds.seed = findSeed([](std::uint32_t seed) {
        const InitDraws draws = initDraws(seed);
        return draws.activation <= 300 && draws.firstPause >= draws.activation + 200 &&
               respawnDraws(seed).direction == 2;
    });
    const InitDraws timers = initDraws(seeds.seed);
    const int pause = Draws(seeds.seed).next(100, 300);
    const int walk = Draws(seeds.seed).next(500, 1300);
    const float stageWidth = 100000;

    Umbrella* person = addPerson(stageWidth);
    person->respawn(); // enters from the right end, heading left
    ASSERT_EQ(person->moveDirection, 2);
    const float speed = person->speed;

    // Inactive: placed but neither moving nor bobbing.
    const int activated = stepUntil([&] {
        EXPECT_EQ(person->getPosition(), Vec2(stageWidth, STREET_Y));
        return person->isActive;
    }, 14 * 60);
    EXPECT_NEAR(activated, framesFor(timers.activation), 1);

    // Walking: speed per frame; one bob cycle of 61 frames sinks for 30
    // frames, rises for 31 and ends at the starting height.
    float x = person->getPositionX();
    float y = person->getPositionY();
    for (int frame = 1; frame <= 61; ++frame) {
        stage.step();
        const float expectedX = x - speed;
        ASSERT_EQ(person->getPositionX(), expectedX) << "frame " << frame;
        x = expectedX;
        if (frame <= 30) {
            ASSERT_LT(person->getPositionY(), y) << "frame " << frame;
        } else if (frame <= 60) {
            ASSERT_GT(person->getPositionY(), y) << "frame " << frame;
        } else {
            ASSERT_GE(person->getPositionY(), y); // the phase is back at 0: no visible step
        }
        if (frame == 30) {
            EXPECT_NEAR(person->getPositionY(), STREET_Y - 29.0f, 0.5f);
        }
        y = person->getPositionY();
    }
    EXPECT_EQ(person->getPositionY(), STREET_Y);
    EXPECT_LT(person->getPositionX(), stageWidth); // entered, not sent back

    // First pause: stops, keeps its heading, no bobbing.
    const int paused = activated + 61 + stepUntil([&] { return !person->isWalking; }, 14 * 60);
    EXPECT_NEAR(paused, framesFor(timers.firstPause), 1);
    EXPECT_EQ(person->moveDirection, 0);
    EXPECT_EQ(person->direction, 2);
    const Vec2 standingAt = person->getPosition();
    const int pausedFor = stepUntil([&] {
        if (!person->isWalking) {
            EXPECT_EQ(person->getPosition(), standingAt);
        }
        return person->isWalking;
    }, 4 * 60);
    EXPECT_NEAR(pausedFor, framesFor(pause), 1);
    EXPECT_EQ(person->moveDirection, 2);

    // Walks on in the same direction until the next pause.
    const float resumedAt = person->getPositionX();
    stage.step();
    EXPECT_EQ(person->getPositionX(), resumedAt - speed);
    const int walkedFor = 1 + stepUntil([&] { return !person->isWalking; }, 14 * 60);
    EXPECT_NEAR(walkedFor, framesFor(walk), 1);
}

// A person with no movement of its own is put at x and given one frame; a
// moving one starts next to an end and lands on it or one point past it.
TEST_F(UmbrellaTest, ExitTestRespawnsOnlyStrictlyBeyondTheEnds) {
    struct Case {
        float x;
        int moveDirection;
        float speed;
        bool respawns;
    };
    const float stageWidth = 1000;
    const std::vector<Case> cases = {
        {1000, 0, 0, false}, {1001, 0, 0, true}, {-192, 0, 0, false}, {-193, 0, 0, true},
        {0, 0, 0, false},    {995, 1, 5, false}, {995, 1, 6, true},   {-187, 2, 5, false},
        {-187, 2, 6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "x " << c.x << " moving " << c.moveDirection << " by " << c.speed);
        Umbrella* person = addPerson(stageWidth);
        person->activate(0);
        person->isWalking = false;
        person->moveDirection = c.moveDirection;
        person->direction = c.moveDirection;
        person->speed = c.speed;
        person->setPosition(c.x, 100);
        stage.step();
        EXPECT_EQ(!person->canRespawn, c.respawns);
        if (c.respawns) {
            EXPECT_EQ(person->getPositionY(), STREET_Y);
        } else {
            EXPECT_EQ(person->getPosition(), Vec2(c.x + (c.moveDirection == 2 ? -c.speed : c.speed), 100));
        }
    }
}

TEST_F(UmbrellaTest, RespawnDrawsKindLimitSpeedAndDirectionInOrderFromOneGenerator) {
    const float stageWidth = 2500;
    for (int kind = 0; kind <= 1; ++kind) {
        for (int direction = 1; direction <= 2; ++direction) {
            SCOPED_TRACE(::testing::Message() << "kind " << kind << " direction " << direction);
            seeds.seed = findSeed([&](std::uint32_t seed) {
                const RespawnDraws draws = respawnDraws(seed);
                return draws.kind == kind && draws.direction == direction;
            });
            const RespawnDraws expected = respawnDraws(seeds.seed);
            Umbrella* person = addPerson(stageWidth);
            person->setFlipX(direction == 2); // respawn must set the facing itself
            const int seedsBefore = seeds.seedsTaken;

            person->respawn();

            EXPECT_EQ(seeds.seedsTaken - seedsBefore, 1);
            EXPECT_EQ(person->kind, kind);
            EXPECT_EQ(person->irritationLimit, expected.limit);
            EXPECT_EQ(person->speed, static_cast<float>(expected.speed) / 100.0f);
            EXPECT_EQ(person->moveDirection, direction);
            EXPECT_EQ(person->direction, direction);
            EXPECT_EQ(person->getFileName(), kind == 0 ? "GameScene/umbrellaMob.png" : "GameScene/umbrellaman_0.png");
            EXPECT_EQ(person->getContentSize(), kind == 0 ? Size(120, 150) : Size(140, 160));
            EXPECT_EQ(person->getPosition(), Vec2(direction == 1 ? LEFT_END : stageWidth, STREET_Y));
            EXPECT_EQ(person->isFlippedX(), direction == 1);
            EXPECT_FLOAT_EQ(person->getScaleX(), 1.6f);
            EXPECT_FLOAT_EQ(person->getScaleY(), 1.6f);
            EXPECT_FALSE(person->canRespawn);
            EXPECT_FALSE(person->isActive); // respawn does not activate
        }
    }
}

// Called every frame (as an exit test would) on a person that is kept out
// of the street, respawn acts at once and then once after each 6 s tick.
TEST_F(UmbrellaTest, RespawnActsOncePerRearmTick) {
    const std::uint32_t first = findSeed([](std::uint32_t seed) { return respawnDraws(seed).kind == 0; });
    const std::uint32_t later = findSeed([](std::uint32_t seed) { return respawnDraws(seed).kind == 1; });
    Umbrella* person = addPerson(1000);
    seeds.seed = first;
    person->respawn();
    seeds.seed = later; // any further effective respawn shows as kind 1
    const int limitAfterFirst = person->irritationLimit;

    std::vector<int> respawnFrames;
    for (int frame = 1; frame <= 12 * 60 + 30; ++frame) {
        person->setPosition(5000, 0);
        person->respawn();
        if (person->getPositionX() != 5000) respawnFrames.push_back(frame);
        if (respawnFrames.empty()) {
            ASSERT_EQ(person->kind, 0);
            ASSERT_EQ(person->irritationLimit, limitAfterFirst);
        }
        stage.step();
    }
    ASSERT_EQ(respawnFrames.size(), 2u);
    EXPECT_NEAR(respawnFrames[0], 6 * 60 + 1, 1);
    EXPECT_NEAR(respawnFrames[1], 12 * 60 + 1, 1);
    EXPECT_EQ(person->kind, 1);
}

// One re-arm timer per person, started by its first hold: a later hold does
// not push the next tick back.
TEST_F(UmbrellaTest, HoldRespawnKeepsTheFirstSixSecondGrid) {
    Umbrella* person = addPerson(1000);
    person->holdRespawn();
    stage.step(5 * 60);
    EXPECT_FALSE(person->canRespawn);
    person->holdRespawn();
    const int firstTick = 5 * 60 + stepUntil([&] { return person->canRespawn; }, 12 * 60);
    EXPECT_NEAR(firstTick, 6 * 60, 1);

    person->holdRespawn();
    EXPECT_FALSE(person->canRespawn);
    const int secondTick = firstTick + stepUntil([&] { return person->canRespawn; }, 12 * 60);
    EXPECT_NEAR(secondTick, 12 * 60, 1);
}

TEST_F(UmbrellaTest, PersonThatLeftWhileHeldComesBackAtTheFirstFrameAfterTheTick) {
    seeds.seed = findSeed([](std::uint32_t seed) { return initDraws(seed).firstPause >= 900; });
    Umbrella* person = addPerson(1000);
    person->activate(0);
    person->holdRespawn();
    person->direction = person->moveDirection = 1;
    person->speed = 5;
    person->setPosition(995, STREET_Y);

    float lastX = person->getPositionX();
    const int tick = stepUntil([&] {
        // Still held: walks on beyond the end of the street.
        if (!person->canRespawn) {
            EXPECT_EQ(person->getPositionX(), lastX + 5);
        }
        lastX = person->getPositionX();
        return person->canRespawn;
    }, 7 * 60);
    EXPECT_NEAR(tick, 6 * 60, 1);
    EXPECT_GT(person->getPositionX(), 1000.0f); // the tick's own frame moved it on

    stage.step();
    EXPECT_FALSE(person->canRespawn);
    // Placed after this frame's move: exactly at an end.
    const float x = person->getPositionX();
    EXPECT_TRUE(x == LEFT_END || x == 1000) << "x " << x;
}

TEST_F(UmbrellaTest, ApplyFacingMirrorsRightHeadingShowsLeftAsDrawnAndIgnoresOthers) {
    struct Case {
        int direction;
        bool flippedBefore;
        bool flippedAfter;
    };
    const std::vector<Case> cases = {
        {1, false, true}, {1, true, true},  {2, true, false}, {2, false, false},
        {0, true, true},  {0, false, false}, {3, true, true},
    };
    Umbrella* person = addPerson(1000);
    for (const Case& c : cases) {
        person->direction = c.direction;
        person->setFlipX(c.flippedBefore);
        person->applyFacing();
        EXPECT_EQ(person->isFlippedX(), c.flippedAfter)
            << "direction " << c.direction << " flipped before " << c.flippedBefore;
    }
}

} // namespace
