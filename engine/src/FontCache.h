#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>

#include "SdlHandles.h"

namespace cocos2d {

// TrueType fonts opened once per (resource path, size in points) and shared
// by every label. Starts SDL_ttf on first use and stops it in `clear`.
class FontCache {
public:
    static FontCache& getInstance();

    // Weak: owned by the cache until `clear`. Null (and one log line naming
    // the file, the first time) when the font cannot be opened.
    TTF_Font* font(const std::string& path, int pointSize);
    void clear();
    // Fonts opened so far (tests).
    std::size_t size() const { return fonts_.size(); }

private:
    std::map<std::pair<std::string, int>, sdl::FontPtr> fonts_;
    std::set<std::string> reported_;
    bool started_ = false;
};

} // namespace cocos2d
