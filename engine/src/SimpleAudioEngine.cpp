#include "SimpleAudioEngine.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "SdlHandles.h"
#include "cocos2d/FileUtils.h"
#include "cocos2d/Log.h"

namespace CocosDenshion {

using cocos2d::log;

namespace {

constexpr int MIXING_CHANNELS = 16;

std::unique_ptr<SimpleAudioEngine>& instance() {
    static std::unique_ptr<SimpleAudioEngine> engine;
    return engine;
}

int toMixerVolume(float volume) {
    return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * static_cast<float>(MIX_MAX_VOLUME)));
}

} // namespace

struct SimpleAudioEngine::Impl {
    bool audioStarted = false;
    bool device = false;
    bool musicStopped = true;
    std::unordered_map<std::string, cocos2d::sdl::MusicPtr> music;
    std::unordered_map<std::string, cocos2d::sdl::ChunkPtr> effects;
    std::unordered_map<std::string, unsigned int> effectPlays;
    std::unordered_set<std::string> reported;

    // The full path of a sound, or "" after one log line per file.
    std::string locate(const std::string& path) {
        std::string fullPath = cocos2d::FileUtils::getInstance()->fullPathForFilename(path);
        if (fullPath.empty()) reportOnce(path, "cannot find the sound");
        return fullPath;
    }

    void reportOnce(const std::string& path, const char* problem) {
        if (!reported.insert(path).second) return;
        log("SimpleAudioEngine: %s \"%s\"", problem, path.c_str());
    }

    Mix_Music* track(const std::string& path) {
        auto found = music.find(path);
        if (found != music.end()) return found->second.get();
        const std::string fullPath = locate(path);
        if (fullPath.empty() || !device) return nullptr;
        cocos2d::sdl::MusicPtr loaded(Mix_LoadMUS(fullPath.c_str()));
        if (loaded == nullptr) {
            reportOnce(path, "cannot decode the music");
            return nullptr;
        }
        return music.emplace(path, std::move(loaded)).first->second.get();
    }

    Mix_Chunk* effect(const std::string& path) {
        auto found = effects.find(path);
        if (found != effects.end()) return found->second.get();
        const std::string fullPath = locate(path);
        if (fullPath.empty() || !device) return nullptr;
        cocos2d::sdl::ChunkPtr loaded(Mix_LoadWAV(fullPath.c_str()));
        if (loaded == nullptr) {
            reportOnce(path, "cannot decode the effect");
            return nullptr;
        }
        return effects.emplace(path, std::move(loaded)).first->second.get();
    }
};

SimpleAudioEngine* SimpleAudioEngine::getInstance() {
    // The constructor is private, hence no make_unique.
    if (instance() == nullptr) instance().reset(new SimpleAudioEngine());
    return instance().get();
}

void SimpleAudioEngine::end() { instance().reset(); }

SimpleAudioEngine::SimpleAudioEngine() : impl_(std::make_unique<Impl>()) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        log("SimpleAudioEngine: no audio device (%s); staying silent", SDL_GetError());
        return;
    }
    impl_->audioStarted = true;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        log("SimpleAudioEngine: no audio device (%s); staying silent", Mix_GetError());
        return;
    }
    impl_->device = true;
    Mix_AllocateChannels(MIXING_CHANNELS);
}

SimpleAudioEngine::~SimpleAudioEngine() {
    if (impl_->device) {
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
    }
    impl_->music.clear();
    impl_->effects.clear();
    if (impl_->device) Mix_CloseAudio();
    if (impl_->audioStarted) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SimpleAudioEngine::hasAudioDevice() const { return impl_->device; }

// --- music -----------------------------------------------------------------

void SimpleAudioEngine::preloadBackgroundMusic(const char* filePath) { impl_->track(filePath); }

void SimpleAudioEngine::playBackgroundMusic(const char* filePath, bool loop) {
    musicPath_ = filePath;
    impl_->musicStopped = false;
    Mix_Music* track = impl_->track(musicPath_);
    if (track == nullptr) return;
    // Starting a track halts the one playing.
    if (Mix_PlayMusic(track, loop ? -1 : 1) != 0) {
        log("SimpleAudioEngine: cannot play \"%s\": %s", filePath, Mix_GetError());
        return;
    }
    Mix_VolumeMusic(toMixerVolume(musicVolume_));
}

void SimpleAudioEngine::stopBackgroundMusic(bool releaseData) {
    impl_->musicStopped = true;
    if (impl_->device) Mix_HaltMusic();
    if (releaseData) impl_->music.erase(musicPath_);
}

bool SimpleAudioEngine::isBackgroundMusicPlaying() const {
    // Without a device the request stands for the sound.
    if (!impl_->device) return !impl_->musicStopped && !musicPath_.empty();
    return Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
}

void SimpleAudioEngine::setBackgroundMusicVolume(float volume) {
    musicVolume_ = std::clamp(volume, 0.0f, 1.0f);
    if (impl_->device) Mix_VolumeMusic(toMixerVolume(musicVolume_));
}

// --- effects ---------------------------------------------------------------

void SimpleAudioEngine::preloadEffect(const char* filePath) { impl_->effect(filePath); }

unsigned int SimpleAudioEngine::playEffect(const char* filePath, bool loop, float pitch, float pan, float gain) {
    (void)pitch; // the mixer cannot change pitch; effects play at their own
    ++impl_->effectPlays[filePath];
    Mix_Chunk* chunk = impl_->effect(filePath);
    if (chunk == nullptr) return 0;
    const int channel = Mix_PlayChannel(-1, chunk, loop ? -1 : 0);
    if (channel < 0) return 0; // every channel busy
    Mix_Volume(channel, toMixerVolume(gain));
    // -1 left .. 1 right; (255, 255) also clears an earlier pan on the channel.
    const float clamped = std::clamp(pan, -1.0f, 1.0f);
    const auto left = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f - clamped)));
    const auto right = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f + clamped)));
    Mix_SetPanning(channel, left, right);
    return static_cast<unsigned int>(channel) + 1;
}

unsigned int SimpleAudioEngine::getEffectPlayCount(const std::string& filePath) const {
    auto found = impl_->effectPlays.find(filePath);
    return found != impl_->effectPlays.end() ? found->second : 0;
}

} // namespace CocosDenshion
