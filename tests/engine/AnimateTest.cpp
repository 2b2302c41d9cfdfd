#include <gtest/gtest.h>

#include <filesystem>

#include "EngineTestSupport.h"
#include "cocos2d.h"

using namespace cocos2d;

namespace {

// Four tiny images of different sizes in a fixture folder.
class AnimateTest : public enginetest::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        FileUtils::getInstance()->setResourceRoot(
            (std::filesystem::path(__FILE__).parent_path() / "fixtures" / "frames").string());
        scene = runScene();
        sprite = Sprite::create("stand.png");
        scene->addChild(sprite);
    }
    void TearDown() override {
        EngineTest::TearDown();
        FileUtils::getInstance()->setResourceRoot("");
    }

    // The walk of the game: 1, 2, 3, 2 at 0.3 s each.
    Animation* walk() {
        Animation* animation = Animation::create();
        for (const char* name : {"f1.png", "f2.png", "f3.png", "f2.png"}) animation->addSpriteFrameWithFileName(name);
        animation->setDelayPerUnit(0.3f);
        animation->setRestoreOriginalFrame(true);
        return animation;
    }
    std::string shown() const { return sprite->getTexture() != nullptr ? sprite->getTexture()->getPath() : ""; }

    Scene* scene = nullptr;
    Sprite* sprite = nullptr;
};

} // namespace

TEST_F(AnimateTest, ShowsFrameKFromKTimesTheDelayThenRestoresTheStartImage) {
    sprite->runAction(Animate::create(walk()));
    std::vector<std::string> seen;
    for (int i = 0; i < 12; ++i) {
        frames(1, 0.1f);
        seen.push_back(shown());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"f1.png", "f1.png", "f2.png", "f2.png", "f2.png", "f3.png", "f3.png",
                                              "f3.png", "f2.png", "f2.png", "f2.png", "stand.png"}));

    Animate* stopped = Animate::create(walk());
    sprite->runAction(stopped);
    frames(1, 0.65f);
    EXPECT_EQ(shown(), "f3.png");
    sprite->stopAction(stopped); // stopped on its own: the start image is back
    EXPECT_EQ(shown(), "stand.png");
}

TEST_F(AnimateTest, InsideRepeatForeverItCyclesAndStoppingKeepsTheFrameShown) {
    auto* walking = RepeatForever::create(Animate::create(walk()));
    sprite->runAction(walking);
    frames(1, 1.1f);
    EXPECT_EQ(shown(), "f2.png");
    frames(1, 0.1f); // 1.2 s: the cycle starts again
    EXPECT_EQ(shown(), "f1.png");
    frames(1, 2.4f + 0.35f); // two more cycles and a bit
    EXPECT_EQ(shown(), "f2.png");
    sprite->stopAction(walking);
    EXPECT_EQ(shown(), "f2.png");
    frames(5);
    EXPECT_EQ(shown(), "f2.png");
}

TEST_F(AnimateTest, MissingFrameIsLeftOutAndNamedInTheLog) {
    std::vector<std::string> lines;
    LogSink previous = setLogSink([&lines](const std::string& line) { lines.push_back(line); });
    Animation* animation = Animation::create();
    animation->addSpriteFrameWithFileName("f1.png");
    animation->addSpriteFrameWithFileName("GameScene/nothere.png");
    setLogSink(previous);
    EXPECT_EQ(animation->getFrames().size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("GameScene/nothere.png"), std::string::npos);
}
