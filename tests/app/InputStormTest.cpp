// Touch storms on every screen and through every scene change: a thousand
// fingers in one frame, touches in every frame of every fade, two fingers
// on both halves in play. Each screen changes scenes once, and the player
// walks one way at a time.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "SimpleAudioEngine.h"
#include "app/Random.h"
#include "characters/Player.h"
#include "frontend/ResultLayer.h"
#include "frontend/TitleLayer.h"
#include "support/FullCycle.h"
#include "support/LogCapture.h"

namespace {

using cocos2d::Vec2;
using cycle::running;
using cycle::runningLayer;

constexpr int STORM = 1000; // fingers in one frame
constexpr int TITLE_FADE_FRAMES = 120;
constexpr int SELECT_FADE_FRAMES = 120;
constexpr int RESULT_FADE_FRAMES = 240;
constexpr int LAST_LINE_FRAME = 300; // the result's last line shows after 5 s
constexpr int HELD = 5000; // a finger id outside every storm

unsigned int buttonSounds() {
    return CocosDenshion::SimpleAudioEngine::getInstance()->getEffectPlayCount("Music/button.mp3");
}

cocos2d::TransitionScene* runningFade() {
    return dynamic_cast<cocos2d::TransitionScene*>(cocos2d::Director::getInstance()->getRunningScene());
}

class InputStormTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSeeds_ = Random::setSeedSourceForTesting([this] { return nextSeed_++; });
        headless = std::make_unique<cocos2d::testing::Headless>(cocos2d::Size(192, 108));
        headless->runWithScene(TitleScene::create());
        game = std::make_unique<cycle::FullCycle>(*headless);
    }
    void TearDown() override {
        game.reset();
        headless.reset();
        Random::setSeedSourceForTesting(previousSeeds_);
    }

    // `count` fingers spread over the screen (or all at `at`), pressed,
    // dragged and lifted before the next frame.
    void storm(int count = STORM, const Vec2* at = nullptr) {
        auto where = [at](int id) {
            if (at != nullptr) return *at;
            return Vec2(static_cast<float>((id * 37) % 1920), static_cast<float>((id * 53) % 1080));
        };
        for (int id = 0; id < count; ++id) headless->touchBegan(where(id), id);
        for (int id = 0; id < count; ++id) headless->touchMoved(where(id) + Vec2(25, 3), id);
        for (int id = 0; id < count; ++id) headless->touchEnded(where(id) + Vec2(25, 3), id);
    }

    // Steps through a fade with a short tap in every frame; true when the
    // fade ended on `expected`.
    bool tapThroughFade(cocos2d::Scene* expected, int frames) {
        for (int i = 0; i < frames + 5 && runningFade() != nullptr; ++i) {
            game->tap(i % 2 == 0 ? cycle::RIGHT_HALF : cycle::LEFT_HALF, i % 7);
        }
        return cocos2d::Director::getInstance()->getRunningScene() == expected;
    }

    // Every title, stage select and play scene builds stage entries: the
    // title and play one (their scenery's), the stage select 32.
    std::size_t entriesBuilt() const { return log.countContaining("getStageItem"); }

    LogCapture log;
    std::unique_ptr<cocos2d::testing::Headless> headless;
    std::unique_ptr<cycle::FullCycle> game;

private:
    std::uint32_t nextSeed_ = 1;
    Random::SeedSource previousSeeds_;
};

TEST_F(InputStormTest, TitleTakesOnlyTheFirstTapOfAStormAndOfItsFade) {
    game->step(3);
    const unsigned int soundsBefore = buttonSounds();
    const std::size_t entriesBefore = entriesBuilt();
    storm();
    EXPECT_EQ(buttonSounds(), soundsBefore + 1);
    game->step();
    cocos2d::TransitionScene* fade = runningFade();
    ASSERT_NE(fade, nullptr);
    cocos2d::Scene* select = fade->getInScene();
    ASSERT_NE(dynamic_cast<StageScene*>(select), nullptr);
    EXPECT_EQ(entriesBuilt(), entriesBefore + 32) << "one stage select built";

    EXPECT_TRUE(tapThroughFade(select, TITLE_FADE_FRAMES));
    EXPECT_EQ(buttonSounds(), soundsBefore + 1) << "touches during the fade reach no screen";
    EXPECT_EQ(entriesBuilt(), entriesBefore + 32);
}

TEST_F(InputStormTest, StageSelectStartsOnePlayForAStormOfTaps) {
    ASSERT_TRUE(game->toSelect()) << game->failure;
    game->step(3);
    auto* layer = runningLayer<StageLayer>();
    ASSERT_NE(layer, nullptr);
    const Vec2 board = layer->boards.at(0)->getPosition() + Vec2(7, 5);
    const unsigned int soundsBefore = buttonSounds();
    const std::size_t entriesBefore = entriesBuilt();

    storm(STORM, &board);
    EXPECT_EQ(buttonSounds(), soundsBefore + STORM) << "a button sound for every touch";
    EXPECT_EQ(entriesBuilt(), entriesBefore + 1) << "one play scene built";
    game->step();
    cocos2d::TransitionScene* fade = runningFade();
    ASSERT_NE(fade, nullptr);
    auto* play = dynamic_cast<GameScene*>(fade->getInScene());
    ASSERT_NE(play, nullptr);

    EXPECT_TRUE(tapThroughFade(play, SELECT_FADE_FRAMES));
    EXPECT_EQ(entriesBuilt(), entriesBefore + 1);
    EXPECT_TRUE(play->gameLayer->followPending) << "no touch of the fade reached play";
    EXPECT_EQ(play->gameLayer->moveState, 0);
}

TEST_F(InputStormTest, ManyFingersDraggingTurnTheWheelAndTheTapPlaysTheSelectedStage) {
    ASSERT_TRUE(game->toSelect()) << game->failure;
    constexpr int FINGERS = 100;
    for (int id = 0; id < FINGERS; ++id) headless->touchBegan(Vec2(static_cast<float>(id * 19), 1000), id);
    for (int frame = 0; frame < 40; ++frame) {
        // Each finger drags its own way; the latest move of a frame counts.
        for (int id = 0; id < FINGERS; ++id) {
            const float dx = static_cast<float>((id * 7 + frame * 13) % 81 - 30);
            headless->touchMoved(Vec2(static_cast<float>(id * 19) + dx * static_cast<float>(frame), 1000), id);
        }
        game->step();
    }
    // Released above the boards, after the tap time: nothing starts.
    for (int id = 0; id < FINGERS; ++id) headless->touchEnded(Vec2(static_cast<float>(id * 19), 1000), id);
    game->step(5);
    auto* layer = runningLayer<StageLayer>();
    ASSERT_NE(layer, nullptr);
    EXPECT_NE(layer->selectedIndex, 0) << "the wheel turned";
    EXPECT_EQ(layer->previewIndex, layer->selectedIndex);

    const int selected = layer->selectedIndex;
    game->tap(layer->boards.at(static_cast<std::size_t>(selected))->getPosition() + Vec2(7, 5));
    ASSERT_NE(runningFade(), nullptr);
    auto* play = dynamic_cast<GameScene*>(runningFade()->getInScene());
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->gameLayer->stageNumber, selected);
}

TEST_F(InputStormTest, PlayStormWalksOneWayAtATimeAndStopsOnRelease) {
    ASSERT_TRUE(game->toSelect()) << game->failure;
    ASSERT_TRUE(game->toPlay(0)) << game->failure;
    GameLayer* layer = running<GameScene>()->gameLayer;

    for (int id = 0; id < STORM; ++id) headless->touchBegan(id % 2 == 0 ? cycle::RIGHT_HALF : cycle::LEFT_HALF, id);
    EXPECT_EQ(layer->moveState, 2) << "the latest press decides";
    EXPECT_EQ(layer->player->getNumberOfRunningActions(), 1u) << "one walk animation";
    const float x = layer->player->getPositionX();
    game->step();
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), x - 10);

    for (int id = 0; id < STORM; ++id) headless->touchMoved(Vec2(960, 540), id);
    for (int id = 0; id < STORM; ++id) headless->touchEnded(Vec2(960, 540), id);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_TRUE(layer->standing);
    EXPECT_EQ(layer->player->walkAction, nullptr);
    game->step(5);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), x - 10);

    storm(); // pressed, dragged and lifted at once: standing still afterwards
    EXPECT_EQ(layer->moveState, 0);
    game->step(5);
    EXPECT_FLOAT_EQ(layer->player->getPositionX(), x - 10);
}

TEST_F(InputStormTest, TwoFingersOnBothHalvesFollowTheLatestAndEitherLiftStops) {
    ASSERT_TRUE(game->toSelect()) << game->failure;
    ASSERT_TRUE(game->toPlay(0)) << game->failure;
    GameLayer* layer = running<GameScene>()->gameLayer;
    Player* player = layer->player;
    const float x = player->getPositionX();

    headless->touchBegan(cycle::RIGHT_HALF, 1);
    const cocos2d::RepeatForever* rightWalk = player->walkAction;
    ASSERT_NE(rightWalk, nullptr);
    game->step();
    EXPECT_FLOAT_EQ(player->getPositionX(), x + 10);

    headless->touchBegan(cycle::LEFT_HALF, 2);
    EXPECT_EQ(layer->moveState, 2);
    EXPECT_EQ(player->walkAction, rightWalk) << "the right walk keeps running";
    EXPECT_EQ(player->getNumberOfRunningActions(), 1u);
    game->step();
    EXPECT_FLOAT_EQ(player->getPositionX(), x) << "one step left, none right";

    headless->touchEnded(cycle::RIGHT_HALF, 1);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_EQ(player->walkAction, nullptr);
    EXPECT_EQ(player->getFileName(), "GameScene/arukuLeft2.png") << "stands facing the last direction";
    game->step(3);
    EXPECT_FLOAT_EQ(player->getPositionX(), x) << "the finger still down walks no more";

    headless->touchEnded(cycle::LEFT_HALF, 2);
    EXPECT_EQ(layer->moveState, 0);
    EXPECT_EQ(player->getFileName(), "GameScene/arukuLeft2.png");
    game->step(3);
    EXPECT_FLOAT_EQ(player->getPositionX(), x);
}

TEST_F(InputStormTest, ResultTakesTouchesOnlyAfterItsLastLineAndLeavesOnce) {
    ASSERT_TRUE(game->toSelect()) << game->failure;
    ASSERT_TRUE(game->toPlay(0)) << game->failure;
    // The finger stays down through the change to the result screen.
    headless->touchBegan(cycle::RIGHT_HALF, HELD);
    int frames = 0;
    while (running<ResultScene>() == nullptr && frames++ < 2000) game->step();
    ASSERT_NE(running<ResultScene>(), nullptr);
    storm();
    headless->touchEnded(cycle::RIGHT_HALF, HELD);

    int tapped = 0;
    while (running<ResultScene>() != nullptr && tapped < LAST_LINE_FRAME + 30) {
        storm(10);
        game->step();
        ++tapped;
    }
    ASSERT_NE(runningFade(), nullptr);
    EXPECT_GE(tapped, LAST_LINE_FRAME) << "left before every line was shown";
    EXPECT_LE(tapped, LAST_LINE_FRAME + 5);
    auto* title = dynamic_cast<TitleScene*>(runningFade()->getInScene());
    ASSERT_NE(title, nullptr);
    const std::size_t entriesBefore = entriesBuilt();

    EXPECT_TRUE(tapThroughFade(title, RESULT_FADE_FRAMES));
    EXPECT_EQ(entriesBuilt(), entriesBefore) << "no second title built";
    EXPECT_TRUE(title->titleLayer->canTap) << "no touch of the fade reached the new title";
}

} // namespace
