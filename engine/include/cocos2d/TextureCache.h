#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace cocos2d {

class Texture2D;

// Loads each image file once and shares it. Holds one reference per texture
// until `removeUnusedTextures` or `removeAllTextures`.
class TextureCache {
public:
    static TextureCache& getInstance();
    // Lets go of what is still cached when the process ends.
    ~TextureCache();

    // A resource path relative to the resource folder. Null when the file is
    // missing or cannot be decoded; the first failure of each file writes one
    // log line naming it (a missing image asked for every frame stays quiet).
    Texture2D* addImage(const std::string& path);
    // Drops the textures that only the cache still holds.
    void removeUnusedTextures();
    // Drops every texture and forgets which files were reported missing.
    void removeAllTextures();
    std::size_t getTextureCount() const { return textures_.size(); }

private:
    void reportOnce(const std::string& path, const char* problem, const std::string& detail);

    std::unordered_map<std::string, Texture2D*> textures_; // retained, by full path
    std::unordered_set<std::string> reported_;
};

} // namespace cocos2d
