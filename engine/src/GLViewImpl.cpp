#include "cocos2d/GLViewImpl.h"

#include <SDL.h>

namespace cocos2d {

namespace {

// The largest 16:9 window that leaves the desktop some room around it.
Size fittingFrameSize() {
    constexpr float ROOM = 0.9f;
    const Size sizes[] = {{1920, 1080}, {1600, 900}, {1280, 720}, {960, 540}};
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return Size(1280, 720);
    for (const Size& size : sizes) {
        if (size.width <= static_cast<float>(usable.w) * ROOM && size.height <= static_cast<float>(usable.h) * ROOM) {
            return size;
        }
    }
    return Size(640, 360);
}

} // namespace

GLViewImpl* GLViewImpl::create(const std::string& viewName) { return createWithInit<GLViewImpl>(viewName, Size::ZERO); }

GLViewImpl* GLViewImpl::createWithRect(const std::string& viewName, const Rect& rect) {
    return createWithInit<GLViewImpl>(viewName, rect.size);
}

bool GLViewImpl::init(const std::string& viewName, const Size& frameSize) {
    if (frameSize.width > 0.0f && frameSize.height > 0.0f) return initWithTitle(viewName, frameSize, true);
    // The desktop's size is known once the video system runs.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return initWithTitle(viewName, Size(1280, 720), true);
    const Size size = fittingFrameSize();
    const bool opened = initWithTitle(viewName, size, true);
    SDL_QuitSubSystem(SDL_INIT_VIDEO); // initWithTitle holds its own
    return opened;
}

} // namespace cocos2d
