#include "cocos2d/testing/Headless.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <SDL_image.h>

#include "EngineShutdown.h"
#include "GLViewBackend.h"
#include "SimpleAudioEngine.h"
#include "cocos2d/Director.h"
#include "cocos2d/EventDispatcher.h"
#include "cocos2d/FileUtils.h"
#include "cocos2d/Log.h"
#include "cocos2d/Scene.h"

namespace cocos2d::testing {

namespace {

constexpr Size DESIGN_SIZE(1920.0f, 1080.0f);

// A hidden window whose frames stay in a texture for read-back.
class HeadlessView : public GLView {
public:
    CC_CREATABLE;
    bool init(const Size& frameSize) {
        return initWithTitle("Headless", frameSize, false) && impl_->enableOffscreenFrame();
    }
    SdlRenderer& renderer() { return *impl_->renderer; }
    SDL_Renderer* sdl() { return impl_->sdlRenderer.get(); }
    SDL_Texture* frame() { return impl_->offscreenFrame.get(); }

protected:
    HeadlessView() = default;
};

// The pixel showing a design point (y up), the design area shown whole
// (SHOW_ALL) in a frame of `width` × `height`.
int pixelIndex(int width, int height, const Vec2& designPoint) {
    const float scale = std::min(static_cast<float>(width) / DESIGN_SIZE.width,
                                 static_cast<float>(height) / DESIGN_SIZE.height);
    const int shownW = static_cast<int>(std::lround(DESIGN_SIZE.width * scale));
    const int shownH = static_cast<int>(std::lround(DESIGN_SIZE.height * scale));
    const int left = (width - shownW) / 2;
    const int top = (height - shownH) / 2;
    const int x = std::clamp(left + static_cast<int>(std::floor(designPoint.x * scale)), left, left + shownW - 1);
    const int y = std::clamp(top + static_cast<int>(std::floor((DESIGN_SIZE.height - designPoint.y) * scale)), top,
                             top + shownH - 1);
    return (y * width + x) * 4;
}

} // namespace

// --- Image -------------------------------------------------------------------

Color3B Image::colorAt(const Vec2& designPoint) const {
    if (rgba.empty()) return Color3B::BLACK;
    const std::size_t i = static_cast<std::size_t>(pixelIndex(width, height, designPoint));
    return Color3B(rgba[i], rgba[i + 1], rgba[i + 2]);
}

std::uint8_t Image::alphaAt(const Vec2& designPoint) const {
    if (rgba.empty()) return 0;
    return rgba[static_cast<std::size_t>(pixelIndex(width, height, designPoint)) + 3];
}

bool Image::savePng(const std::string& path) const {
    if (rgba.empty()) return false;
    sdl::SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(rgba.data()), width, height,
                                                               32, width * 4, SDL_PIXELFORMAT_RGBA32));
    return surface != nullptr && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

// --- Headless ----------------------------------------------------------------

Headless::Headless(const Size& frameSize, const std::string& resourceRoot) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!resourceRoot.empty()) FileUtils::getInstance()->setResourceRoot(resourceRoot);
    HeadlessView* view = createWithInit<HeadlessView>(frameSize);
    if (view == nullptr) {
        log("Headless: cannot open a view of %gx%g", static_cast<double>(frameSize.width),
            static_cast<double>(frameSize.height));
        return;
    }
    view->setDesignResolutionSize(DESIGN_SIZE.width, DESIGN_SIZE.height, ResolutionPolicy::SHOW_ALL);
    view->retain();
    view_ = view;
    Director::getInstance()->setOpenGLView(view);
}

Headless::~Headless() {
    Director::destroyInstance();
    CocosDenshion::SimpleAudioEngine::end();
    releaseEngineCaches();
    if (view_ != nullptr) view_->release(); // closes the window
    quitSdl();
}

void Headless::runWithScene(Scene* scene) { Director::getInstance()->runWithScene(scene); }

void Headless::step(int frames, float dt) {
    Director* director = Director::getInstance();
    for (int i = 0; i < frames; ++i) {
        if (view_ != nullptr) view_->pollEvents();
        director->mainLoop(dt);
    }
}

void Headless::touchBegan(const Vec2& designPoint, int touchId) {
    Director::getInstance()->getEventDispatcher()->dispatchTouch(
        TouchPhase::BEGAN, touchId, Vec2(designPoint.x, DESIGN_SIZE.height - designPoint.y));
}

void Headless::touchMoved(const Vec2& designPoint, int touchId) {
    Director::getInstance()->getEventDispatcher()->dispatchTouch(
        TouchPhase::MOVED, touchId, Vec2(designPoint.x, DESIGN_SIZE.height - designPoint.y));
}

void Headless::touchEnded(const Vec2& designPoint, int touchId) {
    Director::getInstance()->getEventDispatcher()->dispatchTouch(
        TouchPhase::ENDED, touchId, Vec2(designPoint.x, DESIGN_SIZE.height - designPoint.y));
}

Image Headless::capture() const {
    Image image;
    auto* view = static_cast<HeadlessView*>(view_);
    if (view == nullptr || view->frame() == nullptr) return image;
    SDL_QueryTexture(view->frame(), nullptr, nullptr, &image.width, &image.height);
    image.rgba.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4);
    // Drawing always ends back on the frame texture, so it is the target here.
    if (SDL_RenderReadPixels(view->sdl(), nullptr, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), image.width * 4) != 0) {
        log("Headless: cannot read the frame back: %s", SDL_GetError());
        image = Image();
    }
    return image;
}

} // namespace cocos2d::testing
