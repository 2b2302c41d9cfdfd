#include "cocos2d/TextureCache.h"

#include <SDL_image.h>

#include "TextureBackend.h"
#include "cocos2d/FileUtils.h"
#include "cocos2d/Log.h"

namespace cocos2d {

TextureCache& TextureCache::getInstance() {
    static TextureCache cache;
    return cache;
}

TextureCache::~TextureCache() { removeAllTextures(); }

Texture2D* TextureCache::addImage(const std::string& path) {
    const std::string fullPath = FileUtils::getInstance()->fullPathForFilename(path);
    if (fullPath.empty()) {
        reportOnce(path, "cannot find the image", "");
        return nullptr;
    }
    auto found = textures_.find(fullPath);
    if (found != textures_.end()) return found->second;

    sdl::SurfacePtr pixels(IMG_Load(fullPath.c_str()));
    if (pixels == nullptr) {
        reportOnce(path, "cannot decode the image", IMG_GetError());
        return nullptr;
    }
    const Size size(static_cast<float>(pixels->w), static_cast<float>(pixels->h));
    Texture2D* texture = Texture2D::createWithBackend(std::make_unique<Texture2D::Backend>(std::move(pixels)), size, path);
    if (texture == nullptr) return nullptr;
    texture->retain();
    textures_.emplace(fullPath, texture);
    return texture;
}

void TextureCache::removeUnusedTextures() {
    for (auto it = textures_.begin(); it != textures_.end();) {
        if (it->second->getReferenceCount() == 1) {
            it->second->release();
            it = textures_.erase(it);
        } else {
            ++it;
        }
    }
}

void TextureCache::removeAllTextures() {
    for (auto& entry : textures_) entry.second->release();
    textures_.clear();
    reported_.clear();
}

void TextureCache::reportOnce(const std::string& path, const char* problem, const std::string& detail) {
    if (!reported_.insert(path).second) return;
    if (detail.empty()) {
        log("TextureCache: %s \"%s\"", problem, path.c_str());
    } else {
        log("TextureCache: %s \"%s\": %s", problem, path.c_str(), detail.c_str());
    }
}

} // namespace cocos2d
