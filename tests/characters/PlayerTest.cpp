#include "characters/Player.h"

#include <gtest/gtest.h>

#include <vector>

#include "CharacterTesting.h"

using namespace cocos2d;
using characters_testing::Stage;

namespace {

const std::string RIGHT_1 = "GameScene/arukuRight1.png";
const std::string RIGHT_2 = "GameScene/arukuRight2.png";
const std::string RIGHT_3 = "GameScene/arukuRight3.png";
const std::string LEFT_1 = "GameScene/arukuLeft1.png";
const std::string LEFT_2 = "GameScene/arukuLeft2.png";
const std::string LEFT_3 = "GameScene/arukuLeft3.png";

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        player = Player::create();
        ASSERT_NE(player, nullptr);
        player->setPosition(960, 324);
        stage.scene()->addChild(player, 2);
    }

    std::string image() const { return player->getFileName(); }
    std::size_t actions() const { return player->getNumberOfRunningActions(); }

    Stage stage;
    Player* player = nullptr; // weak: child of the scene
};

TEST_F(PlayerTest, StartsStandingFacingRightWithoutActions) {
    EXPECT_EQ(image(), RIGHT_2);
    EXPECT_FLOAT_EQ(player->getScaleX(), 0.18f);
    EXPECT_FLOAT_EQ(player->getScaleY(), 0.18f);
    EXPECT_EQ(player->getContentSize(), Size(100, 200));
    EXPECT_EQ(player->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_FLOAT_EQ(player->frameDelay, 0.3f);
    EXPECT_EQ(actions(), 0u);
    EXPECT_EQ(player->walkAction, nullptr);
}

// One cycle is 1, 2, 3, 2 at 0.3 s per image; frames are sampled one frame
// either side of each change at 0, 0.3, 0.6, 0.9 and 1.2 s.
TEST_F(PlayerTest, WalkCycleShowsOneTwoThreeTwoAtPointThreeSecondsEach) {
    struct Walk {
        std::string image1, image2, image3;
        int direction;
        std::string standing;
    };
    const std::vector<Walk> walks = {
        {RIGHT_1, RIGHT_2, RIGHT_3, 1, RIGHT_2},
        {LEFT_1, LEFT_2, LEFT_3, 2, LEFT_2},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.image1);
        if (walk.direction == 1) {
            player->walkRight();
        } else {
            player->walkLeft();
        }
        EXPECT_EQ(actions(), 1u);
        const std::vector<std::pair<int, std::string>> expected = {
            {1, walk.image1},  {17, walk.image1}, {19, walk.image2}, {35, walk.image2},
            {37, walk.image3}, {53, walk.image3}, {55, walk.image2}, {71, walk.image2},
            {73, walk.image1}, {89, walk.image1}, {91, walk.image2},
        };
        int frame = 0;
        for (const auto& [atFrame, file] : expected) {
            stage.step(atFrame - frame);
            frame = atFrame;
            EXPECT_EQ(image(), file) << "at frame " << frame;
        }
        player->stopWalk(walk.direction);
        EXPECT_EQ(image(), walk.standing);
    }
    // Destroyed while walking: the own reference to the walk goes with it
    // (the leak checker watches the teardown).
    player->walkRight();
    stage.step(3);
}

TEST_F(PlayerTest, StopWalkWithoutDirectionKeepsTheWalkImageShown) {
    player->walkRight();
    stage.step(40); // image 3 shows from 0.6 s
    ASSERT_EQ(image(), RIGHT_3);
    player->stopWalk(0);
    EXPECT_EQ(actions(), 0u);
    EXPECT_EQ(player->walkAction, nullptr);
    stage.step(60);
    EXPECT_EQ(image(), RIGHT_3);
}

TEST_F(PlayerTest, StopWalkRightAfterWalkLeftShowsTheRightStandingImage) {
    player->walkLeft();
    stage.step(20);
    ASSERT_EQ(image(), LEFT_2);
    player->stopWalk(1);
    EXPECT_EQ(image(), RIGHT_2);
    EXPECT_EQ(actions(), 0u);
    stage.step(80);
    EXPECT_EQ(image(), RIGHT_2);
    EXPECT_FLOAT_EQ(player->getScaleX(), 0.18f);
    EXPECT_EQ(player->getPosition(), Vec2(960, 324));
}

// The walk action may be long gone when a stop comes: a second stop in a row,
// a stop before any walk, or a walk the engine stopped itself. Under the
// address sanitizer any touch of a freed action fails the test.
TEST_F(PlayerTest, StopWalkWhileStandingShowsLeftImageAndTouchesNoReleasedAction) {
    player->stopWalk(2);
    EXPECT_EQ(image(), LEFT_2);

    player->walkRight();
    stage.step(5);
    player->stopWalk(1);
    stage.step(2); // the autorelease pool has let go of the stopped walk
    player->stopWalk(2);
    EXPECT_EQ(image(), LEFT_2);
    EXPECT_EQ(actions(), 0u);

    player->walkRight();
    stage.step(5);
    player->stopAllActions(); // the engine drops the walk on its own
    stage.step(2);
    player->stopWalk(2);
    EXPECT_EQ(image(), LEFT_2);
    EXPECT_EQ(actions(), 0u);
}

// The play layer's set-up sequence leaves the player standing, facing right.
TEST_F(PlayerTest, SetUpSequenceEndsStandingFacingRight) {
    player->walkLeft();
    player->stopWalk(2);
    player->walkRight();
    player->stopWalk(1);
    stage.step(90);
    EXPECT_EQ(image(), RIGHT_2);
    EXPECT_EQ(actions(), 0u);
}

} // namespace
