#include <gtest/gtest.h>

#include "PlatformTestSupport.h"
#include "SdlRenderer.h"

using namespace cocos2d;
using platformtest::near;

namespace {

Color3B pixel(const platformtest::Frame& frame, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) + x) * 4;
    return Color3B(frame.rgba[i], frame.rgba[i + 1], frame.rgba[i + 2]);
}

SdlRenderer& rendererOf(Director* director) {
    return static_cast<SdlRenderer&>(director->getOpenGLView()->getRenderer());
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeImage("white.png", 64, 64, platformtest::WHITE);
        folder.writeImage("red.png", 64, 64, platformtest::RED);
        folder.writeImage("blue.png", 64, 64, platformtest::BLUE);
    }

    // A white design area with a coloured 100-point square in each corner.
    Scene* markedScene() {
        Scene* scene = Scene::create();
        Sprite* background = Sprite::create("white.png");
        background->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        background->setScale(1920.0f / 64.0f, 1080.0f / 64.0f);
        background->setColor(Color3B(128, 128, 128));
        scene->addChild(background);
        const Vec2 corners[] = {{50, 50}, {1870, 50}, {50, 1030}, {1870, 1030}};
        for (const Vec2& corner : corners) {
            Sprite* mark = Sprite::create("red.png");
            mark->setScale(100.0f / 64.0f);
            mark->setPosition(corner);
            scene->addChild(mark);
        }
        return scene;
    }

    platformtest::FixtureFolder folder;
};

TEST_F(RendererTest, ShowAllKeepsTheWholeDesignAreaWithBars) {
    struct Case {
        Size frame;
        SDL_Rect shown; // where the design area lands, pixels
    };
    const Case cases[] = {
        {Size(1000, 1000), {0, 218, 1000, 563}}, // bars above and below
        {Size(1200, 400), {244, 0, 711, 400}},  // bars left and right
        {Size(960, 540), {0, 0, 960, 540}},
    };
    for (const Case& c : cases) {
        platformtest::Harness harness(c.frame, folder.path());
        harness.runWithScene(markedScene());
        harness.step();
        const platformtest::Frame frame = harness.capture();
        ASSERT_EQ(frame.width, static_cast<int>(c.frame.width));
        ASSERT_EQ(frame.height, static_cast<int>(c.frame.height));
        const SDL_Rect& r = c.shown;
        const SDL_Rect& viewport = rendererOf(Director::getInstance()).viewport();
        EXPECT_NEAR(viewport.x, r.x, 1);
        EXPECT_NEAR(viewport.y, r.y, 1);
        EXPECT_NEAR(viewport.w, r.w, 1);
        EXPECT_NEAR(viewport.h, r.h, 1);

        // Each corner mark is inside the picture, nothing is cropped.
        const int inset = 8;
        EXPECT_TRUE(near(pixel(frame, r.x + inset, r.y + inset), Color3B::RED)) << c.frame.width;
        EXPECT_TRUE(near(pixel(frame, r.x + r.w - inset, r.y + inset), Color3B::RED)) << c.frame.width;
        EXPECT_TRUE(near(pixel(frame, r.x + inset, r.y + r.h - inset), Color3B::RED)) << c.frame.width;
        EXPECT_TRUE(near(pixel(frame, r.x + r.w - inset, r.y + r.h - inset), Color3B::RED)) << c.frame.width;
        EXPECT_TRUE(near(pixel(frame, r.x + r.w / 2, r.y + r.h / 2), Color3B(128, 128, 128))) << c.frame.width;
        // The bars stay black.
        if (r.y > 0) {
            EXPECT_TRUE(near(pixel(frame, r.w / 2, r.y / 2), Color3B::BLACK));
            EXPECT_TRUE(near(pixel(frame, r.w / 2, r.y + r.h + r.y / 2), Color3B::BLACK));
        }
        if (r.x > 0) {
            EXPECT_TRUE(near(pixel(frame, r.x / 2, r.h / 2), Color3B::BLACK));
            EXPECT_TRUE(near(pixel(frame, r.x + r.w + r.x / 2, r.h / 2), Color3B::BLACK));
        }
    }
}

TEST_F(RendererTest, NothingSpillsIntoTheBars) {
    platformtest::Harness harness(Size(1000, 1000), folder.path());
    Scene* scene = Scene::create();
    Sprite* wide = Sprite::create("blue.png");
    wide->setPosition(Vec2(960, 540));
    wide->setScale(60.0f); // far larger than the design area
    scene->addChild(wide);
    harness.runWithScene(scene);
    harness.step();
    const platformtest::Frame frame = harness.capture();
    EXPECT_TRUE(near(pixel(frame, 500, 100), Color3B::BLACK));
    EXPECT_TRUE(near(pixel(frame, 500, 500), Color3B::BLUE));
    EXPECT_TRUE(near(pixel(frame, 500, 900), Color3B::BLACK));
}

TEST_F(RendererTest, CountsDrawsAndTextureSwitchesPerFrame) {
    platformtest::Harness harness(Size(960, 540), folder.path());
    Scene* scene = Scene::create();
    harness.runWithScene(scene);
    // Ten of one texture, then alternating two, then one far off screen.
    for (int i = 0; i < 10; ++i) {
        Sprite* sprite = Sprite::create("red.png");
        sprite->setPosition(Vec2(100.0f + 50.0f * i, 200));
        scene->addChild(sprite);
    }
    for (int i = 0; i < 6; ++i) {
        Sprite* sprite = Sprite::create(i % 2 == 0 ? "blue.png" : "white.png");
        sprite->setPosition(Vec2(100.0f + 50.0f * i, 600));
        scene->addChild(sprite);
    }
    Sprite* offScreen = Sprite::create("red.png");
    offScreen->setPosition(Vec2(-500, 600));
    scene->addChild(offScreen);
    Sprite* invisible = Sprite::create("red.png");
    invisible->setOpacity(0);
    scene->addChild(invisible);

    harness.step();
    const SdlRenderer::FrameStats stats = rendererOf(Director::getInstance()).lastFrameStats();
    EXPECT_EQ(stats.drawCalls, 16);
    EXPECT_EQ(stats.textureSwitches, 7);
    harness.step();
    EXPECT_EQ(rendererOf(Director::getInstance()).lastFrameStats().drawCalls, 16); // per frame, not summed
}

TEST_F(RendererTest, BoxWithNegativeSizeIsMirrored) {
    platformtest::FixtureFolder split;
    split.writeImage("split.png", 100, 100, platformtest::RED, platformtest::BLUE, 50);
    platformtest::Harness harness(Size(960, 540), split.path());
    harness.runWithScene(Scene::create());
    Texture2D* texture = TextureCache::getInstance().addImage("split.png");
    ASSERT_NE(texture, nullptr);
    Renderer& renderer = Director::getInstance()->getOpenGLView()->getRenderer();
    renderer.clear(Color3B::BLACK);
    renderer.drawTexture(*texture, Rect(400, 400, 200, 200), false, Color3B::WHITE, 1.0f);
    renderer.drawTexture(*texture, Rect(1200, 400, -200, 200), false, Color3B::WHITE, 1.0f);
    renderer.fillRect(Rect(0, 0, 200, 100), Color3B::GREEN, 1.0f);
    Director::getInstance()->getOpenGLView()->present();
    const platformtest::Frame frame = harness.capture();
    EXPECT_TRUE(near(frame.colorAt(Vec2(450, 500)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(Vec2(550, 500)), Color3B::BLUE));
    // Drawn from 1000 to 1200, mirrored.
    EXPECT_TRUE(near(frame.colorAt(Vec2(1050, 500)), Color3B::BLUE));
    EXPECT_TRUE(near(frame.colorAt(Vec2(1150, 500)), Color3B::RED));
    EXPECT_TRUE(near(frame.colorAt(Vec2(100, 50)), Color3B::GREEN));
}

} // namespace
