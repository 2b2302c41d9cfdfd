#include "GameplayFixture.h"
#include "characters/HPGauge.h"

using namespace gameplay_test;

namespace {

const cocos2d::SEL_SCHEDULE REARM = CC_SCHEDULE_SELECTOR(GameLayer::rearmShopRespawn);

class GameSceneTest : public GameplayTest {};

TEST_F(GameSceneTest, OpensWithLayerBelowGaugeAndTheStageAtRest) {
    open(heldBackSeed(), 0, 137);

    EXPECT_EQ(scene->gameLayer->getLocalZOrder(), 1);
    EXPECT_EQ(scene->hpGauge->getLocalZOrder(), 2);
    EXPECT_FLOAT_EQ(scene->hpGauge->maxHp, 137.0f);
    EXPECT_EQ(layer->hp, 137);
    EXPECT_EQ(layer->stageNumber, 0);

    EXPECT_EQ(layer->player->getPosition(), cocos2d::Vec2(960, 324));
    EXPECT_EQ(layer->player->getLocalZOrder(), 2);
    EXPECT_EQ(layer->player->getFileName(), "GameScene/arukuRight2.png");
    EXPECT_EQ(layer->player->getNumberOfRunningActions(), 0u);
    EXPECT_EQ(layer->cameraTarget->getPosition(), cocos2d::Vec2(960, 540));
    EXPECT_EQ(layer->mapCreator->getLocalZOrder(), 0);
    EXPECT_EQ(layer->rainBehind->maxDrops, 120);
    EXPECT_EQ(layer->rainBehind->getLocalZOrder(), 0);
    EXPECT_EQ(layer->rainFront->maxDrops, 260);
    EXPECT_EQ(layer->rainFront->getLocalZOrder(), 4);
    EXPECT_EQ(layer->umbrellaCreator->getLocalZOrder(), 3);
    EXPECT_FLOAT_EQ(person(0)->stageWidth, 5600.0f);

    EXPECT_TRUE(layer->stageActive);
    EXPECT_TRUE(layer->controlEnabled);
    EXPECT_TRUE(layer->setupDone);
    EXPECT_TRUE(layer->followPending);
    EXPECT_TRUE(layer->standing);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_EQ(layer->wetSoundCountdown, 15);
    EXPECT_FLOAT_EQ(layer->walkSpeed, 10.0f);
    EXPECT_EQ(CocosDenshion::SimpleAudioEngine::getInstance()->getBackgroundMusicPath(), "Music/gameScene.mp3");

    ASSERT_EQ(layer->personCount, 25);
    ASSERT_EQ(layer->irritation.size(), 25u);
    ASSERT_EQ(layer->questionMarks.size(), 25u);
    ASSERT_EQ(layer->angerMarks.size(), 25u);
    for (std::size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(layer->irritation[i], 0);
        for (cocos2d::Sprite* mark : {layer->questionMarks[i], layer->angerMarks[i]}) {
            EXPECT_FALSE(mark->isVisible());
            EXPECT_FLOAT_EQ(mark->getScale(), 0.3f);
            EXPECT_EQ(mark->getLocalZOrder(), 0);
            EXPECT_EQ(mark->getParent(), layer);
        }
    }
    EXPECT_EQ(layer->questionMarks[0]->getFileName(), "GameScene/hatena.png");
    EXPECT_EQ(layer->angerMarks[0]->getFileName(), "GameScene/ikari.png");
}

// Everybody drew 1: nobody is placed, the one shop re-entry of set-up only
// used up the ready flag, and no re-arm timer exists.
TEST_F(GameSceneTest, PeopleHeldBackAtSetUpStayOffTheStreet) {
    open(heldBackSeed());
    step(120);

    EXPECT_FALSE(layer->shopRespawnReady);
    EXPECT_FALSE(layer->isScheduled(REARM));
    for (Umbrella* p : layer->umbrellaCreator->umbrellas) {
        EXPECT_EQ(p->getFileName(), "");
        EXPECT_EQ(p->getPositionX(), 0.0f); // only bobbing, if at all, in place
        EXPECT_LE(p->getPositionY(), 0.0f);
        EXPECT_FALSE(p->canRespawn);
    }
    EXPECT_EQ(linesStartingWith("fjilidhshifh"), 0);
}

// Everybody drew 0: each one starts at a street end and the re-arm timer runs.
TEST_F(GameSceneTest, PeopleDrawingZeroStartAtAStreetEnd) {
    open(seedWhere([](std::mt19937& g) { return Random::between(g, 0, 1) == 0; }));

    EXPECT_FALSE(layer->shopRespawnReady);
    EXPECT_TRUE(layer->isScheduled(REARM));
    for (Umbrella* p : layer->umbrellaCreator->umbrellas) {
        EXPECT_NE(p->getFileName(), "");
        EXPECT_TRUE(p->getPositionX() == -192.0f || p->getPositionX() == 5600.0f) << p->getPositionX();
        EXPECT_FLOAT_EQ(p->getPositionY(), 378.0f);
    }
}

} // namespace
