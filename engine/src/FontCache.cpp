#include "FontCache.h"

#include "cocos2d/FileUtils.h"
#include "cocos2d/Log.h"

namespace cocos2d {

FontCache& FontCache::getInstance() {
    static FontCache cache;
    return cache;
}

TTF_Font* FontCache::font(const std::string& path, int pointSize) {
    const auto key = std::make_pair(path, pointSize);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second.get();

    if (!started_) {
        if (TTF_Init() != 0) {
            log("Label: cannot start the font renderer: %s", TTF_GetError());
            return nullptr;
        }
        started_ = true;
    }
    const std::string fullPath = FileUtils::getInstance()->fullPathForFilename(path);
    sdl::FontPtr font(fullPath.empty() ? nullptr : TTF_OpenFont(fullPath.c_str(), pointSize));
    if (font == nullptr) {
        if (reported_.insert(path).second) log("Label: cannot open the font \"%s\"", path.c_str());
        return nullptr;
    }
    TTF_Font* shared = font.get();
    fonts_.emplace(key, std::move(font));
    return shared;
}

void FontCache::clear() {
    fonts_.clear();
    reported_.clear();
    if (started_) TTF_Quit();
    started_ = false;
}

} // namespace cocos2d
