#pragma once
// Move-only owners of SDL resources: each frees its resource with the matching
// SDL call when it goes. Engine internal; the public headers never see SDL.

#include <memory>

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

namespace cocos2d::sdl {

struct Deleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
    void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

using WindowPtr = std::unique_ptr<SDL_Window, Deleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, Deleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, Deleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, Deleter>;
using FontPtr = std::unique_ptr<TTF_Font, Deleter>;
using MusicPtr = std::unique_ptr<Mix_Music, Deleter>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, Deleter>;

} // namespace cocos2d::sdl
