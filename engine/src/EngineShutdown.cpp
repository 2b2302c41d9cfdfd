#include "EngineShutdown.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include "FontCache.h"
#include "cocos2d/AutoreleasePool.h"
#include "cocos2d/TextureCache.h"

namespace cocos2d {

void releaseEngineCaches() {
    AutoreleasePool::getInstance().clear();
    TextureCache::getInstance().removeAllTextures();
    FontCache::getInstance().clear();
    AutoreleasePool::getInstance().clear();
}

void quitSdl() {
    IMG_Quit();
    SDL_Quit();
}

} // namespace cocos2d
