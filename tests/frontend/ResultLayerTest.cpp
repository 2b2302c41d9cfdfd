#include "frontend/ResultLayer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "FrontendTestSupport.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/ResultScene.h"
#include "frontend/TitleLayer.h"
#include "frontend/TitleScene.h"

using frontend_test::fadeTarget;
using frontend_test::findChild;
using frontend_test::runningFade;

namespace {

class ResultLayerTest : public ::testing::Test {
protected:
    void open(int score) {
        ResultScene* scene = ResultScene::create(score);
        harness.runWithScene(scene);
        layer = findChild<ResultLayer>(scene);
        ASSERT_NE(layer, nullptr);
    }

    int visibleLines() const {
        int count = 0;
        for (cocos2d::Label* label : layer->resultLabels) count += label->isVisible() ? 1 : 0;
        return count;
    }

    cocos2d::Label* line(int k) const { return layer->resultLabels.at(static_cast<std::size_t>(k)); }

    cocos2d::testing::Headless harness;
    ResultLayer* layer = nullptr;
};

TEST_F(ResultLayerTest, LongFirstFrameRevealsOneLinePerFrame) {
    open(42);
    ASSERT_EQ(layer->resultLabels.size(), 4u);
    EXPECT_EQ(visibleLines(), 0);
    for (int frame = 1; frame <= 4; ++frame) {
        harness.step(1, frame == 1 ? 10.0f : 1.0f / 60.0f);
        EXPECT_EQ(visibleLines(), frame);
        EXPECT_TRUE(line(frame - 1)->isVisible());
        EXPECT_FALSE(layer->canLeave);
        // A touch before the last line is claimed and does nothing.
        EXPECT_TRUE(layer->onTouchBegan(nullptr, nullptr));
    }
    harness.step(1);
    EXPECT_EQ(runningFade(), nullptr);
    EXPECT_TRUE(layer->canLeave);
}

TEST_F(ResultLayerTest, LinesShowAtOneTwoThreeAndFiveSeconds) {
    open(42);
    const std::array<std::pair<int, int>, 5> schedule = {{{50, 0}, {70, 1}, {130, 2}, {190, 3}, {310, 4}}};
    int frames = 0;
    for (const auto& [atFrame, lines] : schedule) {
        harness.step(atFrame - frames);
        frames = atFrame;
        EXPECT_EQ(visibleLines(), lines) << "after " << frames << " frames";
    }
}

TEST_F(ResultLayerTest, TapAfterTheLastLineFadesToANewTitleOnce) {
    open(42);
    harness.step(1, 10.0f);
    harness.step(4);
    ASSERT_TRUE(layer->canLeave);
    harness.touchBegan(cocos2d::Vec2(100, 100));
    harness.touchBegan(cocos2d::Vec2(200, 100), 1); // a second finger in the same frame
    EXPECT_FALSE(layer->canLeave);
    harness.step(1);
    ASSERT_NE(runningFade(), nullptr);
    EXPECT_FLOAT_EQ(runningFade()->getDuration(), 4.0f);
    TitleScene* title = fadeTarget<TitleScene>();
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->titleLayer->canTap);
}

struct Outcome {
    int score;
    std::array<std::string, 4> texts;
    float lastLineScale; // line 3's height against line 0's
};

class ResultOutcomeTest : public ResultLayerTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(ResultOutcomeTest, ShowsTheTextsOfTheOutcomeAtTheirPlaces) {
    const Outcome& outcome = GetParam();
    open(outcome.score);
    const std::array<float, 4> heights = {810, 710, 610, 360};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(line(k)->getString(), outcome.texts[static_cast<std::size_t>(k)]);
        EXPECT_EQ(line(k)->getPosition(), cocos2d::Vec2(960, heights[static_cast<std::size_t>(k)])) << "line " << k;
        EXPECT_EQ(line(k)->getAnchorPoint(), cocos2d::Vec2::ANCHOR_MIDDLE);
    }
    // Lines 0 to 2 share one size; line 3's differs.
    const float lineHeight = line(0)->getContentSize().height;
    ASSERT_GT(lineHeight, 0.0f);
    EXPECT_FLOAT_EQ(line(1)->getContentSize().height, lineHeight);
    EXPECT_FLOAT_EQ(line(2)->getContentSize().height, lineHeight);
    EXPECT_NEAR(line(3)->getContentSize().height / lineHeight, outcome.lastLineScale, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ResultOutcomeTest,
    ::testing::Values(
        Outcome{0, {"!!ミス!!", "ぬれすぎた!!", "いったん帰ってまた今度いこう", "アイアイガサって大変..."}, 0.8f},
        Outcome{137, {"!!クリア!!", "あまりぬれなかった！", "スコアは137", "ヤッタネ!!"}, 2.0f},
        Outcome{1, {"!!クリア!!", "あまりぬれなかった！", "スコアは1", "ヤッタネ!!"}, 2.0f}));

TEST_P(ResultOutcomeTest, UmbrellaFrameFadesInWithoutCoveringTheText) {
    open(GetParam().score);
    ASSERT_EQ(layer->decorations.size(), 100u);
    for (cocos2d::Sprite* umbrella : layer->decorations) EXPECT_EQ(umbrella->getOpacity(), 0);
    harness.step(360); // every line shown, every umbrella faded in
    ASSERT_EQ(visibleLines(), 4);
    const cocos2d::Rect screen(0, 0, 1920, 1080);
    for (cocos2d::Sprite* umbrella : layer->decorations) {
        const cocos2d::Rect box = umbrella->getBoundingBox();
        EXPECT_EQ(umbrella->getOpacity(), 255);
        EXPECT_GT(box.size.width, 0.0f);
        EXPECT_TRUE(screen.containsPoint(box.origin) &&
                    screen.containsPoint(cocos2d::Vec2(box.getMaxX(), box.getMaxY())));
        for (cocos2d::Label* label : layer->resultLabels) {
            EXPECT_FALSE(box.intersectsRect(label->getBoundingBox())) << label->getString();
        }
    }
}

} // namespace
