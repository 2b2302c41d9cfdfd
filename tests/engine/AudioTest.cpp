#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include <SDL_mixer.h>

#include "PlatformTestSupport.h"
#include "SimpleAudioEngine.h"

using namespace cocos2d;
using CocosDenshion::SimpleAudioEngine;

namespace {

// A short 16-bit mono tone as a WAV file.
void writeTone(const std::string& path, float seconds) {
    const std::uint32_t rate = 22050;
    const auto samples = static_cast<std::uint32_t>(static_cast<float>(rate) * seconds);
    std::ofstream out(path, std::ios::binary);
    auto put32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    put32(36 + samples * 2);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out.write("data", 4);
    put32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000.0 * std::sin(i * 0.06))));
    }
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (hadOld_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTone(folder.file("music.wav"), 1.0f);
        writeTone(folder.file("other.wav"), 1.0f);
        writeTone(folder.file("effect.wav"), 0.1f);
        FileUtils::getInstance()->setResourceRoot(folder.path());
    }
    void TearDown() override { SimpleAudioEngine::end(); }

    platformtest::FixtureFolder folder;
};

TEST_F(AudioTest, PlaysMusicAndEffectsOnADevice) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SimpleAudioEngine* audio = SimpleAudioEngine::getInstance();
    ASSERT_TRUE(audio->hasAudioDevice());

    audio->preloadBackgroundMusic("music.wav");
    audio->playBackgroundMusic("music.wav", true);
    EXPECT_TRUE(audio->isBackgroundMusicPlaying());
    EXPECT_EQ(audio->getBackgroundMusicPath(), "music.wav");
    audio->playBackgroundMusic("other.wav", true); // replaces the track
    EXPECT_EQ(audio->getBackgroundMusicPath(), "other.wav");
    EXPECT_TRUE(audio->isBackgroundMusicPlaying());
    audio->setBackgroundMusicVolume(0.5f);
    EXPECT_FLOAT_EQ(audio->getBackgroundMusicVolume(), 0.5f);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    audio->setBackgroundMusicVolume(3.0f);
    EXPECT_FLOAT_EQ(audio->getBackgroundMusicVolume(), 1.0f);

    audio->preloadEffect("effect.wav");
    const unsigned int first = audio->playEffect("effect.wav");
    const unsigned int second = audio->playEffect("effect.wav");
    EXPECT_GT(first, 0u);
    EXPECT_GT(second, 0u);
    EXPECT_NE(first, second); // two channels at once
    EXPECT_EQ(audio->getEffectPlayCount("effect.wav"), 2u);

    audio->stopBackgroundMusic();
    EXPECT_FALSE(audio->isBackgroundMusicPlaying());
}

TEST_F(AudioTest, MissingFilesAreSilentAndLoggedOnce) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    platformtest::LogCapture log;
    SimpleAudioEngine* audio = SimpleAudioEngine::getInstance();
    audio->preloadEffect("Music/absent.mp3");
    EXPECT_EQ(audio->playEffect("Music/absent.mp3"), 0u);
    EXPECT_EQ(audio->playEffect("Music/absent.mp3"), 0u);
    audio->playBackgroundMusic("Music/gone.mp3", true);
    audio->playBackgroundMusic("Music/gone.mp3", true);
    EXPECT_EQ(log.countContaining("\"Music/absent.mp3\""), 1u);
    EXPECT_EQ(log.countContaining("\"Music/gone.mp3\""), 1u);
    EXPECT_EQ(audio->getEffectPlayCount("Music/absent.mp3"), 2u);
    EXPECT_EQ(audio->getBackgroundMusicPath(), "Music/gone.mp3");
}

TEST_F(AudioTest, WithoutADeviceEverythingIsSilentButRecorded) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    platformtest::LogCapture log;
    SimpleAudioEngine* audio = SimpleAudioEngine::getInstance();
    EXPECT_FALSE(audio->hasAudioDevice());
    EXPECT_EQ(log.countContaining("no audio device"), 1u);

    audio->preloadBackgroundMusic("music.wav");
    audio->playBackgroundMusic("music.wav", true);
    audio->setBackgroundMusicVolume(0.5f);
    EXPECT_EQ(audio->getBackgroundMusicPath(), "music.wav");
    EXPECT_TRUE(audio->isBackgroundMusicPlaying());
    EXPECT_FLOAT_EQ(audio->getBackgroundMusicVolume(), 0.5f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(audio->playEffect("effect.wav"), 0u);
    EXPECT_EQ(audio->getEffectPlayCount("effect.wav"), 3u);
    EXPECT_EQ(audio->getEffectPlayCount("never.wav"), 0u);
    audio->stopBackgroundMusic(true);
    EXPECT_FALSE(audio->isBackgroundMusicPlaying());
    EXPECT_EQ(log.lines.size(), 1u);
}

} // namespace
