#include "weather/Rain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "app/Random.h"
#include "cocos2d/testing/Headless.h"
#include "world/ResourceFolder.h"

namespace {

class RainTest : public ::testing::Test {
protected:
    RainTest() { folder.addImages({"rain.png"}); }
    ~RainTest() override { Random::setSeedSourceForTesting(nullptr); }

    ResourceFolder folder;
    cocos2d::testing::Headless harness{cocos2d::Size(960, 540), folder.path()};
};

TEST_F(RainTest, IsAPaleStretchedStreak) {
    Rain* drop = Rain::create();
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->getFileName(), "rain.png");
    EXPECT_EQ(drop->getColor(), cocos2d::Color3B(220, 240, 250));
    EXPECT_FLOAT_EQ(drop->getScaleX(), 0.3f);
    EXPECT_FLOAT_EQ(drop->getScaleY(), 2.0f);
    EXPECT_EQ(drop->getOpacity(), 200);
    EXPECT_EQ(drop->getAnchorPoint(), cocos2d::Vec2::ANCHOR_MIDDLE);
}

TEST_F(RainTest, FallSpeedIsOneDrawOfAFreshGenerator) {
    std::uint32_t seed = 0;
    Random::setSeedSourceForTesting([&seed] { return seed; });
    std::set<float> speeds;
    for (seed = 0; seed < 120; ++seed) {
        std::mt19937 reference(seed);
        const int expected = std::uniform_int_distribution<int>(18, 23)(reference);
        const float speed = Rain::create()->fallSpeed;
        EXPECT_EQ(speed, static_cast<float>(expected)) << "seed " << seed;
        speeds.insert(speed);
    }
    EXPECT_EQ(speeds, (std::set<float>{18, 19, 20, 21, 22, 23}));
}

TEST_F(RainTest, MissingImageLeavesAnEmptyDrop) {
    std::filesystem::remove(folder.path() + "/rain.png");
    Rain* drop = Rain::create();
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->getFileName(), "");
    EXPECT_GE(drop->fallSpeed, 18);
}

} // namespace
