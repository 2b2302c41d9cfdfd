#include "frontend/TitleLayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrontendTestSupport.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/StageScene.h"
#include "frontend/TitleNode.h"
#include "frontend/TitleScene.h"
#include "support/LogCapture.h"

using frontend_test::buttonSounds;
using frontend_test::fadeTarget;
using frontend_test::runningFade;

namespace {

// The title with the game's own resources.
class TitleLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        scene = TitleScene::create();
        harness.runWithScene(scene);
        layer = scene->titleLayer;
        ASSERT_NE(layer, nullptr);
    }

    cocos2d::testing::Headless harness;
    TitleScene* scene = nullptr;
    TitleLayer* layer = nullptr;
};

TEST_F(TitleLayerTest, FigureStandsStillUntilTheTap) {
    harness.step(30);
    EXPECT_EQ(layer->walker->getPosition(), cocos2d::Vec2(576, 324));
    EXPECT_EQ(layer->walker->getFileName(), "GameScene/arukuRight2.png");
    EXPECT_FALSE(layer->isLeaving);
    EXPECT_TRUE(layer->canTap);
    EXPECT_EQ(CocosDenshion::SimpleAudioEngine::getInstance()->getBackgroundMusicPath(), "Music/title.mp3");
    EXPECT_EQ(layer->rainBehind->spawnMinX, -960);
    EXPECT_EQ(layer->rainFront->spawnMaxX, 2880);
}

TEST_F(TitleLayerTest, OnlyTheFirstTapLeavesAndEveryTapIsClaimed) {
    LogCapture log; // each stage select screen builds 31 boards and one more for its preview
    harness.touchBegan(cocos2d::Vec2(300, 900));
    harness.touchEnded(cocos2d::Vec2(300, 900));
    // A second tap before the fade has begun (once it has, the engine holds touches back).
    harness.touchBegan(cocos2d::Vec2(1500, 200));
    harness.touchMoved(cocos2d::Vec2(1400, 200));
    harness.touchEnded(cocos2d::Vec2(1400, 200));
    EXPECT_TRUE(layer->onTouchBegan(nullptr, nullptr));

    EXPECT_EQ(buttonSounds(), 1u);
    EXPECT_FALSE(layer->canTap);
    EXPECT_TRUE(layer->isLeaving);
    int boardsBuilt = 0;
    for (const std::string& line : log.lines) boardsBuilt += line == "getStageItem" ? 1 : 0;
    EXPECT_EQ(boardsBuilt, 32) << "one stage select screen";

    harness.step(1);
    ASSERT_NE(runningFade(), nullptr);
    EXPECT_FLOAT_EQ(runningFade()->getDuration(), 2.0f);
    EXPECT_EQ(runningFade()->getOutScene(), scene);
    EXPECT_NE(fadeTarget<StageScene>(), nullptr);
}

TEST_F(TitleLayerTest, FigureWalksOffTenPointsPerFrameCyclingItsWalkImages) {
    harness.touchBegan(cocos2d::Vec2(960, 540));
    std::vector<std::string> images;
    std::vector<int> frames; // how many frames each image stayed
    for (int frame = 1; frame <= 80; ++frame) {
        harness.step(1);
        ASSERT_FLOAT_EQ(layer->walker->getPositionX(), 576.0f + 10.0f * static_cast<float>(frame)) << frame;
        const std::string& image = layer->walker->getFileName();
        if (images.empty() || images.back() != image) {
            images.push_back(image);
            frames.push_back(0);
        }
        ++frames.back();
    }
    EXPECT_FLOAT_EQ(layer->walker->getPositionY(), 324.0f);
    const std::vector<std::string> expected = {"GameScene/arukuRight1.png", "GameScene/arukuRight2.png",
                                               "GameScene/arukuRight3.png", "GameScene/arukuRight2.png",
                                               "GameScene/arukuRight1.png"};
    EXPECT_EQ(images, expected);
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) EXPECT_NEAR(frames[i], 18, 1) << "0.3 s per image";
}

TEST_F(TitleLayerTest, PromptBlinksOverTwoSecondsWhileTheLogoStays) {
    TitleNode* node = layer->titleNode;
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->logo->getPosition(), cocos2d::Vec2(960, 756));
    EXPECT_EQ(node->tapPrompt->getPosition(), cocos2d::Vec2(960, 216));
    EXPECT_EQ(node->tapPrompt->getOpacity(), 255);
    harness.step(60);
    EXPECT_LE(node->tapPrompt->getOpacity(), 5);
    harness.step(60);
    EXPECT_GE(node->tapPrompt->getOpacity(), 250);
    EXPECT_EQ(node->logo->getOpacity(), 255);
}

} // namespace
