#pragma once
#include <string>
#include <unordered_map>

namespace cocos2d {

class Texture2D;

// Loads each image file once and shares it. Holds one reference per texture
// until `removeUnusedTextures` or `removeAllTextures`.
class TextureCache {
public:
    static TextureCache& getInstance();

    // A resource path relative to the resource folder. Null (and one log line
    // naming the file) when the file is missing or cannot be decoded.
    Texture2D* addImage(const std::string& path);
    // Drops the textures that only the cache still holds.
    void removeUnusedTextures();
    void removeAllTextures();
    std::size_t getTextureCount() const { return textures_.size(); }

private:
    std::unordered_map<std::string, Texture2D*> textures_;
};

} // namespace cocos2d
