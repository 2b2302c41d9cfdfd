#pragma once
#include <vector>

#include "SdlHandles.h"
#include "cocos2d/Texture2D.h"

namespace cocos2d {

// The pixels behind a Texture2D. An image can be loaded before any window
// exists (game objects are built in tests without one), so the decoded
// surface waits here until the first draw uploads it to that renderer.
struct Texture2D::Backend {
    explicit Backend(sdl::SurfacePtr pixels);
    ~Backend();
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;

    // The texture on `renderer`, uploaded on first use; null when it cannot
    // be made (or its renderer went away after the upload freed the pixels).
    SDL_Texture* textureFor(SDL_Renderer* renderer);

    // Destroys every texture living on `renderer` before the renderer itself
    // goes; SDL would free them behind our owners' backs otherwise.
    static void releaseTexturesOf(SDL_Renderer* renderer);

private:
    sdl::SurfacePtr pixels_;
    sdl::TexturePtr texture_;
    SDL_Renderer* owner_ = nullptr; // weak: owned by the view
    bool lost_ = false;

    static std::vector<Backend*>& live();
};

} // namespace cocos2d
