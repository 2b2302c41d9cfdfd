#pragma once
#include <memory>
#include <string>

namespace CocosDenshion {

// Background music (one looping track at a time) and sound effects, by
// resource path. Without an audio device everything is silent after one log
// line; missing files log their name once and play nothing.
class SimpleAudioEngine {
public:
    static SimpleAudioEngine* getInstance();
    static void end();

    void preloadBackgroundMusic(const char* filePath);
    // A new track replaces the one playing.
    void playBackgroundMusic(const char* filePath, bool loop = false);
    void stopBackgroundMusic(bool releaseData = false);
    bool isBackgroundMusicPlaying() const;
    // 0..1.
    void setBackgroundMusicVolume(float volume);
    float getBackgroundMusicVolume() const { return musicVolume_; }

    void preloadEffect(const char* filePath);
    // Returns an id for the playing effect (0 when nothing plays).
    unsigned int playEffect(const char* filePath, bool loop = false, float pitch = 1.0f, float pan = 0.0f,
                            float gain = 1.0f);

    // What was asked of the engine, whether or not a device plays it; tests
    // read these.
    const std::string& getBackgroundMusicPath() const { return musicPath_; }
    unsigned int getEffectPlayCount(const std::string& filePath) const;
    bool hasAudioDevice() const;

    SimpleAudioEngine(const SimpleAudioEngine&) = delete;
    SimpleAudioEngine& operator=(const SimpleAudioEngine&) = delete;
    ~SimpleAudioEngine();

private:
    SimpleAudioEngine();
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string musicPath_;
    float musicVolume_ = 1.0f;
};

} // namespace CocosDenshion
