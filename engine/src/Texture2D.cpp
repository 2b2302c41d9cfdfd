#include "cocos2d/Texture2D.h"

#include <algorithm>

#include "TextureBackend.h"
#include "cocos2d/Log.h"

namespace cocos2d {

// --- Texture2D ---------------------------------------------------------------

Texture2D::Texture2D() = default;
Texture2D::~Texture2D() = default;

Texture2D* Texture2D::createWithBackend(std::unique_ptr<Backend> backend, const Size& size, const std::string& path) {
    return createWithInit<Texture2D>(std::move(backend), size, path);
}

bool Texture2D::init(std::unique_ptr<Backend> backend, const Size& size, const std::string& path) {
    if (backend == nullptr) return false;
    backend_ = std::move(backend);
    size_ = size;
    path_ = path;
    return true;
}

// --- Backend -----------------------------------------------------------------

Texture2D::Backend::Backend(sdl::SurfacePtr pixels) : pixels_(std::move(pixels)) { live().push_back(this); }

Texture2D::Backend::~Backend() {
    auto& all = live();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

std::vector<Texture2D::Backend*>& Texture2D::Backend::live() {
    // Never destroyed: textures may still go during static destruction.
    static auto* backends = new std::vector<Backend*>();
    return *backends;
}

SDL_Texture* Texture2D::Backend::textureFor(SDL_Renderer* renderer) {
    if (texture_ != nullptr && owner_ == renderer) return texture_.get();
    if (pixels_ == nullptr) {
        if (!lost_) {
            lost_ = true;
            log("Texture2D: an image uploaded to a closed window cannot be drawn again");
        }
        return nullptr;
    }
    texture_.reset(SDL_CreateTextureFromSurface(renderer, pixels_.get()));
    if (texture_ == nullptr) {
        log("Texture2D: cannot upload an image: %s", SDL_GetError());
        pixels_.reset();
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_BLEND);
    owner_ = renderer;
    pixels_.reset(); // the renderer keeps its own copy
    return texture_.get();
}

void Texture2D::Backend::releaseTexturesOf(SDL_Renderer* renderer) {
    for (Backend* backend : live()) {
        if (backend->owner_ == renderer) {
            backend->texture_.reset();
            backend->owner_ = nullptr;
        }
    }
}

} // namespace cocos2d
