#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

using namespace cocos2d;
using platformtest::near;

namespace {

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeImage("red.png", 200, 100, platformtest::RED);
        folder.writeImage("white.png", 200, 100, platformtest::WHITE);
        folder.writeImage("blue.png", 40, 60, platformtest::BLUE);
        // Left half red, right half blue: shows which way it is mirrored.
        folder.writeImage("split.png", 200, 100, platformtest::RED, platformtest::BLUE, 100);
        harness = std::make_unique<platformtest::Harness>(Size(960, 540), folder.path());
        scene = Scene::create();
        harness->runWithScene(scene);
    }

    Sprite* addSprite(const std::string& file, const Vec2& position, int z = 0) {
        Sprite* sprite = Sprite::create(file);
        sprite->setPosition(position);
        scene->addChild(sprite, z);
        return sprite;
    }

    Color3B drawnAt(const Vec2& point) {
        harness->step();
        return harness->capture().colorAt(point);
    }

    platformtest::FixtureFolder folder;
    std::unique_ptr<platformtest::Harness> harness;
    Scene* scene = nullptr;
};

TEST_F(SpriteTest, DrawsItsImageCentredOnItsPosition) {
    Sprite* sprite = addSprite("red.png", Vec2(960, 540));
    EXPECT_EQ(sprite->getContentSize(), Size(200, 100));
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(sprite->getFileName(), "red.png");

    harness->step();
    const platformtest::Frame frame = harness->capture();
    EXPECT_TRUE(near(frame.colorAt(Vec2(960, 540)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(Vec2(960 - 90, 540 + 40)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(Vec2(960 + 110, 540)), Color3B::BLACK));
    EXPECT_TRUE(near(frame.colorAt(Vec2(960, 540 + 60)), Color3B::BLACK));
}

TEST_F(SpriteTest, TintAndOpacityMultiplyTheImage) {
    struct Case {
        Color3B tint;
        GLubyte opacity;
        GLubyte parentOpacity;
        Color3B expected;
    };
    const Case cases[] = {
        {Color3B::WHITE, 255, 255, Color3B::WHITE},
        {Color3B(0, 255, 0), 255, 255, Color3B::GREEN},
        {Color3B(220, 240, 250), 255, 255, Color3B(220, 240, 250)},
        {Color3B::WHITE, 128, 255, Color3B(128, 128, 128)},
        // A parent's opacity multiplies into its children.
        {Color3B::WHITE, 255, 128, Color3B(128, 128, 128)},
        {Color3B(255, 0, 0), 128, 128, Color3B(64, 0, 0)},
        {Color3B::WHITE, 0, 255, Color3B::BLACK},
    };
    Node* parent = Node::create();
    scene->addChild(parent);
    Sprite* sprite = Sprite::create("white.png");
    sprite->setPosition(Vec2(960, 540));
    parent->addChild(sprite);
    for (const Case& c : cases) {
        sprite->setColor(c.tint);
        sprite->setOpacity(c.opacity);
        parent->setOpacity(c.parentOpacity);
        EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), c.expected))
            << "tint " << int(c.tint.r) << "," << int(c.tint.g) << "," << int(c.tint.b) << " opacity "
            << int(c.opacity) << " parent " << int(c.parentOpacity);
    }
}

TEST_F(SpriteTest, FlipAndNegativeScaleMirrorTheImage) {
    struct Case {
        bool flipped;
        float scaleX;
        Color3B left;
        Color3B right;
    };
    const Case cases[] = {
        {false, 1.0f, Color3B::RED, Color3B::BLUE},
        {true, 1.0f, Color3B::BLUE, Color3B::RED},
        {false, -1.0f, Color3B::BLUE, Color3B::RED},
        {true, -1.0f, Color3B::RED, Color3B::BLUE},
        {true, 2.0f, Color3B::BLUE, Color3B::RED},
    };
    Sprite* sprite = addSprite("split.png", Vec2(960, 540));
    for (const Case& c : cases) {
        sprite->setFlippedX(c.flipped);
        sprite->setScaleX(c.scaleX);
        harness->step();
        const platformtest::Frame frame = harness->capture();
        const float quarter = 50.0f * std::abs(c.scaleX);
        EXPECT_TRUE(near(frame.colorAt(Vec2(960 - quarter, 540)), c.left)) << c.flipped << " " << c.scaleX;
        EXPECT_TRUE(near(frame.colorAt(Vec2(960 + quarter, 540)), c.right)) << c.flipped << " " << c.scaleX;
        // Flipping leaves the box where it was.
        EXPECT_FLOAT_EQ(sprite->getBoundingBox().size.width, 200.0f * std::abs(c.scaleX));
    }
}

TEST_F(SpriteTest, ScaleStretchesAboutTheAnchor) {
    Sprite* sprite = addSprite("red.png", Vec2(400, 300));
    sprite->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    sprite->setScale(2.0f, 3.0f);
    harness->step();
    const platformtest::Frame frame = harness->capture();
    EXPECT_TRUE(near(frame.colorAt(Vec2(400 + 390, 300 + 290)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(Vec2(400 + 410, 300 + 100)), Color3B::BLACK));
    EXPECT_TRUE(near(frame.colorAt(Vec2(400 + 100, 300 + 310)), Color3B::BLACK));
    EXPECT_TRUE(near(frame.colorAt(Vec2(390, 310)), Color3B::BLACK));
}

TEST_F(SpriteTest, HigherZOrderDrawsOnTopAndEqualZKeepsTheOrderAdded) {
    Sprite* low = addSprite("red.png", Vec2(960, 540), 2);
    addSprite("blue.png", Vec2(960, 540), 1);
    EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), Color3B::RED));

    low->setLocalZOrder(0);
    EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), Color3B::BLUE));

    addSprite("white.png", Vec2(960, 540), 1); // same z as blue, added later
    EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), Color3B::WHITE));

    // Children below z 0 draw before their parent's own image.
    Sprite* parent = addSprite("red.png", Vec2(300, 300), 5);
    Sprite* behind = Sprite::create("blue.png");
    behind->setPosition(Vec2(100, 50)); // the parent's centre, in its space
    parent->addChild(behind, -1);
    EXPECT_TRUE(near(drawnAt(Vec2(300, 300)), Color3B::RED));
    behind->setLocalZOrder(1);
    EXPECT_TRUE(near(drawnAt(Vec2(300, 300)), Color3B::BLUE));
}

TEST_F(SpriteTest, EmptySpriteHasNoSizeAndDrawsNothing) {
    Sprite* sprite = Sprite::create();
    sprite->setPosition(Vec2(960, 540));
    scene->addChild(sprite);
    EXPECT_EQ(sprite->getContentSize(), Size::ZERO);
    EXPECT_EQ(sprite->getTexture(), nullptr);
    EXPECT_EQ(sprite->getFileName(), "");
    EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), Color3B::BLACK));
}

TEST_F(SpriteTest, InitWithFileSwapsTheImageAndKeepsTheRest) {
    Sprite* sprite = addSprite("red.png", Vec2(500, 400));
    sprite->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    sprite->setScale(1.5f);
    sprite->setColor(Color3B(0, 0, 255));
    sprite->setOpacity(200);
    sprite->setFlippedX(true);

    ASSERT_TRUE(sprite->initWithFile("blue.png"));
    EXPECT_EQ(sprite->getContentSize(), Size(40, 60));
    EXPECT_EQ(sprite->getFileName(), "blue.png");
    EXPECT_EQ(sprite->getPosition(), Vec2(500, 400));
    EXPECT_EQ(sprite->getAnchorPoint(), Vec2::ANCHOR_BOTTOM_LEFT);
    EXPECT_FLOAT_EQ(sprite->getScale(), 1.5f);
    EXPECT_EQ(sprite->getColor(), Color3B(0, 0, 255));
    EXPECT_EQ(sprite->getOpacity(), 200);
    EXPECT_FALSE(sprite->isFlippedX());
    // Drawn at the new size: 60 × 90 design points from (500, 400).
    harness->step();
    const platformtest::Frame frame = harness->capture();
    EXPECT_GT(frame.colorAt(Vec2(530, 440)).b, 150);
    EXPECT_TRUE(near(frame.colorAt(Vec2(580, 440)), Color3B::BLACK));
}

TEST_F(SpriteTest, MissingFileIsLoggedOnceAndLeavesTheSpriteDrawable) {
    platformtest::LogCapture log;
    Sprite* sprite = addSprite("red.png", Vec2(960, 540));
    EXPECT_FALSE(sprite->initWithFile("nowhere.png"));
    EXPECT_EQ(log.countContaining("\"nowhere.png\""), 1u);
    EXPECT_EQ(sprite->getFileName(), "red.png");
    EXPECT_EQ(sprite->getContentSize(), Size(200, 100));
    EXPECT_TRUE(near(drawnAt(Vec2(960, 540)), Color3B::RED));

    // Created from a missing file: an empty sprite rather than null.
    Sprite* empty = Sprite::create("nowhere.png");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getContentSize(), Size::ZERO);
    EXPECT_EQ(empty->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_EQ(log.countContaining("nowhere.png"), 1u); // not once per attempt
}

TEST_F(SpriteTest, SetTextureSharesTheTextureAndNullClearsIt) {
    Sprite* first = addSprite("red.png", Vec2(300, 300));
    Sprite* second = Sprite::create();
    second->setTexture(first->getTexture());
    EXPECT_EQ(second->getTexture(), first->getTexture());
    EXPECT_EQ(second->getContentSize(), Size(200, 100));
    second->setTexture(nullptr);
    EXPECT_EQ(second->getContentSize(), Size::ZERO);
    EXPECT_EQ(second->getFileName(), "");
}

} // namespace
