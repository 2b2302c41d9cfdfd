#include "characters/HPGauge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CharacterTesting.h"
#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"

using namespace cocos2d;
using characters_testing::fixtureRoot;

namespace {

// A play layer that only holds its dryness: the gauge needs nothing else.
class DrynessOnlyLayer : public GameLayer {
public:
    CC_CREATABLE;
    bool init() override { return Layer::init(); }

protected:
    DrynessOnlyLayer() = default;
};

// The play scene as the gauge sees it: the layer under `gameLayer`, the gauge
// above it.
class GaugeScene : public GameScene {
public:
    CC_CREATABLE;
    bool init(int maxHp) {
        if (!Scene::init()) return false;
        gameLayer = createWithInit<DrynessOnlyLayer>();
        gameLayer->hp = maxHp;
        addChild(gameLayer, 1);
        hpGauge = HPGauge::create(maxHp);
        addChild(hpGauge, 2);
        return true;
    }

protected:
    GaugeScene() = default;
};

class HPGaugeTest : public ::testing::Test {
protected:
    void show(int maxHp) {
        scene = createWithInit<GaugeScene>(maxHp);
        ASSERT_NE(scene, nullptr);
        harness.runWithScene(scene);
    }
    // One frame at dryness `hp`; returns the lines logged during it.
    std::vector<std::string> frameAt(int hp) {
        scene->gameLayer->hp = hp;
        std::vector<std::string> lines;
        const LogSink previous = setLogSink([&](const std::string& line) { lines.push_back(line); });
        harness.step();
        setLogSink(previous);
        return lines;
    }
    HPGauge* gauge() const { return scene->hpGauge; }

    cocos2d::testing::Headless harness{Size(960, 540), fixtureRoot()};
    GaugeScene* scene = nullptr; // weak: run by the director
};

TEST_F(HPGaugeTest, BarAndFrameSitAtTheTopLeftAnchoredMiddleLeft) {
    show(200);
    HPGauge* hpGauge = gauge();
    EXPECT_EQ(hpGauge->maxHp, 200.0f);
    ASSERT_EQ(hpGauge->getChildrenCount(), 2u);
    EXPECT_EQ(hpGauge->getChildren().at(0), hpGauge->bar); // the frame draws on top
    EXPECT_EQ(hpGauge->getChildren().at(1), hpGauge->frame);
    for (Sprite* sprite : {hpGauge->bar, hpGauge->frame}) {
        EXPECT_EQ(sprite->getPosition(), Vec2(192, 972));
        EXPECT_EQ(sprite->getAnchorPoint(), Vec2::ANCHOR_MIDDLE_LEFT);
    }
    EXPECT_EQ(hpGauge->bar->getFileName(), "GameScene/HPwaku.png");
    EXPECT_EQ(hpGauge->frame->getFileName(), "GameScene/HPwaku2.png");

    frameAt(100);
    // Half a bar keeps its left end where it was.
    EXPECT_FLOAT_EQ(hpGauge->bar->getBoundingBox().getMinX(), 192.0f);
    EXPECT_FLOAT_EQ(hpGauge->bar->getBoundingBox().getMaxX(), 192.0f + 150.0f);
    EXPECT_FLOAT_EQ(hpGauge->frame->getScaleX(), 1.0f);
    EXPECT_EQ(hpGauge->frame->getColor(), Color3B::WHITE);
}

struct GaugeCase {
    int hp;
    Color3B color;
    float scaleX;
    const char* logged;
};

class GaugeTable : public HPGaugeTest {
protected:
    void expectFrames(const std::vector<GaugeCase>& cases) {
        for (const GaugeCase& c : cases) {
            SCOPED_TRACE(::testing::Message() << "hp " << c.hp);
            const std::vector<std::string> lines = frameAt(c.hp);
            const Sprite* bar = gauge()->bar;
            EXPECT_EQ(bar->getColor(), c.color);
            EXPECT_FLOAT_EQ(bar->getScaleX(), c.scaleX);
            EXPECT_FLOAT_EQ(bar->getScaleY(), 1.0f);
            EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(c.logged)), 1);
        }
    }
};

TEST_F(GaugeTable, ColourAndWidthFollowTheDrynessEveryFrame) {
    show(200);
    expectFrames({
        {200, Color3B::GREEN, 1.0f, "1.000000"},
        {134, Color3B::GREEN, 0.67f, "0.670000"},
        {133, Color3B::YELLOW, 0.665f, "0.665000"},
        {67, Color3B::YELLOW, 0.335f, "0.335000"},
        {66, Color3B::RED, 0.33f, "0.330000"},
        {0, Color3B::RED, 0.0f, "0.000000"},
        {150, Color3B::GREEN, 0.75f, "0.750000"}, // read afresh, also upwards
        {-10, Color3B::RED, -0.05f, "-0.050000"},
    });
}

// The boundaries are strict: 2/3 and 1/3 in single precision are exactly
// 0.6666667 and 0.33333334 and take the lower colour.
TEST_F(GaugeTable, RatiosExactlyOnABoundaryTakeTheLowerColour) {
    show(3);
    expectFrames({
        {3, Color3B::GREEN, 1.0f, "1.000000"},
        {2, Color3B::YELLOW, 2.0f / 3.0f, "0.666667"},
        {1, Color3B::RED, 1.0f / 3.0f, "0.333333"},
    });
}

TEST_F(HPGaugeTest, NegativeDrynessMirrorsTheBarLeftOfItsAnchor) {
    show(200);
    frameAt(-20);
    const Rect box = gauge()->bar->getBoundingBox();
    EXPECT_FLOAT_EQ(gauge()->bar->getScaleX(), -0.1f);
    EXPECT_FLOAT_EQ(box.getMaxX(), 192.0f);
    EXPECT_FLOAT_EQ(box.getMinX(), 192.0f - 30.0f);
}

} // namespace
