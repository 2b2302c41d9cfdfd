#include <gtest/gtest.h>

#include "PlatformTestSupport.h"

using namespace cocos2d;
using platformtest::near;

namespace {

class TextureCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeImage("red.png", 30, 20, platformtest::RED);
        folder.writeImage("nested/blue.png", 10, 10, platformtest::BLUE);
        std::FILE* broken = std::fopen(folder.file("broken.png").c_str(), "wb");
        std::fputs("not an image", broken);
        std::fclose(broken);
    }

    platformtest::FixtureFolder folder;
};

TEST_F(TextureCacheTest, LoadsEachFileOnceAndSharesIt) {
    platformtest::Harness harness(Size(480, 270), folder.path());
    TextureCache& cache = TextureCache::getInstance();
    Texture2D* red = cache.addImage("red.png");
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->getContentSize(), Size(30, 20));
    EXPECT_EQ(red->getPath(), "red.png");
    EXPECT_EQ(cache.addImage("red.png"), red);
    EXPECT_NE(cache.addImage("nested/blue.png"), nullptr);
    EXPECT_EQ(cache.getTextureCount(), 2u);

    Sprite* a = Sprite::create("red.png");
    Sprite* b = Sprite::create("red.png");
    EXPECT_EQ(a->getTexture(), b->getTexture());
}

TEST_F(TextureCacheTest, RemoveUnusedTexturesKeepsTheOnesInUse) {
    platformtest::Harness harness(Size(480, 270), folder.path());
    TextureCache& cache = TextureCache::getInstance();
    Sprite* user = Sprite::create("red.png");
    user->retain();
    cache.addImage("nested/blue.png");
    AutoreleasePool::getInstance().clear(); // as the end of a frame does
    cache.removeUnusedTextures();
    EXPECT_EQ(cache.getTextureCount(), 1u);
    EXPECT_EQ(cache.addImage("red.png"), user->getTexture());
    user->release();
}

TEST_F(TextureCacheTest, MissingOrBrokenFilesGiveNullAndOneLogLineEach) {
    platformtest::Harness harness(Size(480, 270), folder.path());
    platformtest::LogCapture log;
    TextureCache& cache = TextureCache::getInstance();
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(cache.addImage("absent.png"), nullptr);
        EXPECT_EQ(cache.addImage("broken.png"), nullptr);
    }
    EXPECT_EQ(log.countContaining("\"absent.png\""), 1u);
    EXPECT_EQ(log.countContaining("\"broken.png\""), 1u);
    EXPECT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(cache.getTextureCount(), 0u);
}

// Game objects are built in tests without a window; their images are drawn
// once a window exists.
TEST_F(TextureCacheTest, ImagesLoadedBeforeAnyWindowAreDrawnLater) {
    FileUtils::getInstance()->setResourceRoot(folder.path());
    Sprite* early = Sprite::create("red.png");
    ASSERT_EQ(early->getContentSize(), Size(30, 20));
    early->retain();

    platformtest::Harness harness(Size(960, 540), folder.path());
    Scene* scene = Scene::create();
    early->setPosition(Vec2(960, 540));
    early->setScale(10.0f);
    scene->addChild(early);
    early->release();
    harness.runWithScene(scene);
    harness.step();
    EXPECT_TRUE(near(harness.capture().colorAt(Vec2(960, 540)), Color3B::RED));
}

} // namespace
