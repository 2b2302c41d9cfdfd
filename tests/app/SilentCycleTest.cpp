// Without a sound device the game plays the whole cycle silently: one log
// line says so, and every screen still asks for its music and effects.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "SimpleAudioEngine.h"
#include "app/Random.h"
#include "support/FullCycle.h"
#include "support/LogCapture.h"

namespace {

class AudioDriver {
public:
    explicit AudioDriver(const char* name) {
        const char* old = std::getenv("SDL_AUDIODRIVER");
        if (old != nullptr) old_ = old;
        setenv("SDL_AUDIODRIVER", name, 1);
    }
    ~AudioDriver() { setenv("SDL_AUDIODRIVER", old_.c_str(), 1); }
    AudioDriver(const AudioDriver&) = delete;
    AudioDriver& operator=(const AudioDriver&) = delete;

private:
    std::string old_ = "dummy";
};

TEST(SilentCycleTest, WithoutASoundDeviceTheWholeCyclePlays) {
    const Random::SeedSource previousSeeds = Random::setSeedSourceForTesting([] { return 7u; });
    const AudioDriver driver("no-such-driver");
    LogCapture log;
    {
        cocos2d::testing::Headless headless(cocos2d::Size(192, 108));
        headless.runWithScene(TitleScene::create());
        cycle::FullCycle game(headless);
        auto* audio = CocosDenshion::SimpleAudioEngine::getInstance();
        EXPECT_FALSE(audio->hasAudioDevice());

        ASSERT_TRUE(game.toSelect()) << game.failure;
        EXPECT_EQ(audio->getBackgroundMusicPath(), "Music/sentaku.mp3");
        ASSERT_TRUE(game.toPlay(0)) << game.failure;
        EXPECT_EQ(audio->getBackgroundMusicPath(), "Music/gameScene.mp3");
        ASSERT_TRUE(game.toResult(cycle::PlayStyle{})) << game.failure;
        EXPECT_EQ(audio->getBackgroundMusicPath(), "Music/gameScene.mp3") << "play music goes on through the result";
        EXPECT_TRUE(audio->isBackgroundMusicPlaying());
        ASSERT_TRUE(game.toTitle()) << game.failure;
        EXPECT_EQ(audio->getBackgroundMusicPath(), "Music/title.mp3");

        EXPECT_EQ(audio->getEffectPlayCount("Music/button.mp3"), 2u) << "the title's tap and the board's";
    }
    EXPECT_EQ(log.countContaining("no audio device"), 1u);
    EXPECT_EQ(log.countContaining("SimpleAudioEngine"), 1u) << "nothing else to say about sound";
    Random::setSeedSourceForTesting(previousSeeds);
}

} // namespace
