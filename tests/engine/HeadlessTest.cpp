#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

using namespace cocos2d;
using platformtest::near;

namespace {

TEST(HeadlessTest, CapturesTheFrameAndSavesItAsPng) {
    platformtest::FixtureFolder folder;
    folder.writeImage("green.png", 100, 100, platformtest::GREEN);
    platformtest::Harness harness(Size(640, 360), folder.path());
    Scene* scene = Scene::create();
    Sprite* sprite = Sprite::create("green.png");
    sprite->setPosition(Vec2(300, 200));
    scene->addChild(sprite);
    harness.runWithScene(scene);
    const unsigned long before = Director::getInstance()->getTotalFrames();
    harness.step(3);
    EXPECT_EQ(Director::getInstance()->getTotalFrames(), before + 3);

    const platformtest::Frame frame = harness.capture();
    ASSERT_EQ(frame.width, 640);
    ASSERT_EQ(frame.height, 360);
    EXPECT_TRUE(near(frame.colorAt(Vec2(300, 200)), Color3B::GREEN));
    EXPECT_TRUE(near(frame.colorAt(Vec2(400, 200)), Color3B::BLACK));
    // Design points map with y up: (0, 0) is the bottom-left pixel.
    EXPECT_TRUE(near(frame.colorAt(Vec2(0, 0)), Color3B::BLACK));

    const std::string png = folder.file("frame.png");
    ASSERT_TRUE(frame.savePng(png));
    SDL_Surface* loaded = IMG_Load(png.c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->w, 640);
    EXPECT_EQ(loaded->h, 360);
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    const auto* pixels = static_cast<const Uint8*>(rgba->pixels);
    const int x = 100; // design (300, 200) at scale 1/3, rows from the top
    const int y = 293;
    EXPECT_GT(pixels[y * rgba->pitch + x * 4 + 1], 200);
    EXPECT_LT(pixels[y * rgba->pitch + x * 4], 50);
    SDL_FreeSurface(rgba);
    SDL_FreeSurface(loaded);
}

TEST(HeadlessTest, SetsUpTheDesignAreaAndResourceRoot) {
    platformtest::FixtureFolder folder;
    platformtest::Harness harness(Size(1000, 1000), folder.path());
    GLView* view = Director::getInstance()->getOpenGLView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getDesignResolutionSize(), Size(1920, 1080));
    EXPECT_EQ(view->getFrameSize(), Size(1000, 1000));
    EXPECT_EQ(FileUtils::getInstance()->getResourceRoot(), folder.path());
}

TEST(HeadlessTest, FreesEveryEngineObjectWhenDestroyed) {
    platformtest::FixtureFolder folder;
    folder.writeImage("green.png", 10, 10, platformtest::GREEN);
    const long before = Ref::liveObjectCount();
    {
        platformtest::Harness harness(Size(320, 180), folder.path());
        Scene* scene = Scene::create();
        for (int i = 0; i < 5; ++i) scene->addChild(Sprite::create("green.png"));
        Sprite* kept = Sprite::create("green.png");
        kept->retain(); // let go before the harness goes
        harness.runWithScene(scene);
        harness.step(2);
        kept->release();
        Sprite::create("green.png"); // still in the autorelease pool
    }
    EXPECT_EQ(Ref::liveObjectCount(), before);
    EXPECT_EQ(TextureCache::getInstance().getTextureCount(), 0u);
}

} // namespace
