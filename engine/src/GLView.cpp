#include "cocos2d/GLView.h"

#include <algorithm>

#if defined(__linux__)
#include <dlfcn.h> // keeping the GL driver loaded, see keepDriversLoaded
#include <link.h>
#endif

#include "GLViewBackend.h"
#include "TextureBackend.h"
#include "cocos2d/Application.h"
#include "cocos2d/Director.h"
#include "cocos2d/EventDispatcher.h"
#include "cocos2d/Log.h"

namespace cocos2d {

namespace {

GLContextAttrs& contextAttrs() {
    static GLContextAttrs attrs;
    return attrs;
}

void applyContextAttrs() {
    const GLContextAttrs& attrs = contextAttrs();
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, attrs.redBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, attrs.greenBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, attrs.blueBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, attrs.alphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, attrs.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, attrs.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

// The GL driver leaks memory each time SDL unloads it and takes a third of a
// second to load again (a test opens many views); once loaded, every library
// stays for the life of the process.
void keepDriversLoaded() {
#if defined(__linux__)
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0') {
                dlopen(info->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            }
            return 0;
        },
        nullptr);
#endif
}

EventDispatcher* dispatcher() { return Director::getInstance()->getEventDispatcher(); }

} // namespace

// --- Impl ------------------------------------------------------------------

bool GLView::Impl::enableOffscreenFrame() {
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(sdlRenderer.get(), &width, &height);
    offscreenFrame.reset(SDL_CreateTexture(sdlRenderer.get(), SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_TARGET,
                                           width, height));
    if (offscreenFrame == nullptr) {
        log("GLView: cannot make an offscreen frame: %s", SDL_GetError());
        return false;
    }
    renderer->setRootTarget(offscreenFrame.get());
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(sdlRenderer.get(), &info) == 0 && SDL_strncmp(info.name, "opengl", 6) == 0) {
        finishDriverFrame = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
    }
    return true;
}

Vec2 GLView::Impl::windowToView(float windowX, float windowY) const {
    int windowW = 1;
    int windowH = 1;
    int outputW = 1;
    int outputH = 1;
    SDL_GetWindowSize(window.get(), &windowW, &windowH);
    SDL_GetRendererOutputSize(sdlRenderer.get(), &outputW, &outputH);
    // Window coordinates are not pixels on high-density displays.
    const float pixelX = windowX * static_cast<float>(outputW) / static_cast<float>(std::max(windowW, 1));
    const float pixelY = windowY * static_cast<float>(outputH) / static_cast<float>(std::max(windowH, 1));
    return renderer->pixelToView(pixelX, pixelY);
}

// --- GLView ----------------------------------------------------------------

void GLView::setGLContextAttrs(GLContextAttrs& attrs) { contextAttrs() = attrs; }

GLContextAttrs GLView::getGLContextAttrs() { return contextAttrs(); }

GLView::GLView() : impl_(std::make_unique<Impl>()) {}

GLView::~GLView() {
    const bool started = impl_->window != nullptr;
    if (impl_->sdlRenderer != nullptr) Texture2D::Backend::releaseTexturesOf(impl_->sdlRenderer.get());
    impl_.reset();
    if (started) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool GLView::initWithTitle(const std::string& title, const Size& frameSize, bool visible) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        log("GLView: cannot start the video system: %s", SDL_GetError());
        return false;
    }
    // SDL turns batching off when a render driver is named; we want it on.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // The first click on an unfocused window is a touch too.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    applyContextAttrs();

    const Uint32 flags =
        SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | (visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
    sdl::WindowPtr window(SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                           static_cast<int>(frameSize.width), static_cast<int>(frameSize.height),
                                           flags));
    if (window == nullptr) {
        log("GLView: cannot open a window: %s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    const Uint32 rendererFlags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
    sdl::RendererPtr renderer(SDL_CreateRenderer(window.get(), -1, rendererFlags));
    if (renderer == nullptr) {
        // The requested framebuffer bits may be more than the driver offers.
        log("GLView: no renderer with the requested context (%s); trying the driver's defaults", SDL_GetError());
        SDL_GL_ResetAttributes();
        renderer.reset(SDL_CreateRenderer(window.get(), -1, rendererFlags));
    }
    if (renderer == nullptr) {
        log("GLView: no accelerated renderer (%s); drawing in software", SDL_GetError());
        renderer.reset(SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
    }
    if (renderer == nullptr) {
        log("GLView: cannot make a renderer: %s", SDL_GetError());
        window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    keepDriversLoaded();
    impl_->window = std::move(window);
    impl_->sdlRenderer = std::move(renderer);
    impl_->renderer = std::make_unique<SdlRenderer>(impl_->sdlRenderer.get());
    // Until the game sets its design resolution the renderer shows the
    // director's default (1920 × 1080, SHOW_ALL).
    return true;
}

void GLView::setDesignResolutionSize(float width, float height, ResolutionPolicy policy) {
    if (!(width > 0.0f) || !(height > 0.0f)) {
        log("GLView: ignored the design resolution %gx%g", static_cast<double>(width), static_cast<double>(height));
        return;
    }
    designSize_ = Size(width, height);
    if (impl_->renderer != nullptr) impl_->renderer->setDesignResolution(designSize_, policy);
}

Size GLView::getFrameSize() const {
    int width = 0;
    int height = 0;
    if (impl_->sdlRenderer != nullptr) SDL_GetRendererOutputSize(impl_->sdlRenderer.get(), &width, &height);
    return Size(static_cast<float>(width), static_cast<float>(height));
}

void GLView::setFrameSize(float width, float height) {
    if (impl_->window == nullptr) return;
    SDL_SetWindowSize(impl_->window.get(), static_cast<int>(width), static_cast<int>(height));
    if (impl_->renderer != nullptr) impl_->renderer->beginFrame();
}

bool GLView::isMinimized() const {
    return impl_->window != nullptr && (SDL_GetWindowFlags(impl_->window.get()) & SDL_WINDOW_MINIMIZED) != 0;
}

Renderer& GLView::getRenderer() { return *impl_->renderer; }

void GLView::present() {
    SdlRenderer& renderer = *impl_->renderer;
    renderer.endFrame();
    if (impl_->offscreenFrame != nullptr) {
        SDL_RenderFlush(impl_->sdlRenderer.get());
        // Nothing is shown, so nothing else makes the driver draw the frame:
        // a software GL then keeps every frame's uploads queued and its
        // memory grows for as long as the frames go on. Waiting for the
        // frame also makes read-backs and memory figures exact.
        if (impl_->finishDriverFrame != nullptr) impl_->finishDriverFrame();
    } else {
        SDL_RenderPresent(impl_->sdlRenderer.get());
    }
    renderer.beginFrame();
}

// --- events ----------------------------------------------------------------

void GLView::pollEvents() {
    if (impl_->window == nullptr) return;
    const Uint32 windowId = SDL_GetWindowID(impl_->window.get());
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_QUIT:
            shouldClose_ = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != windowId) break;
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) shouldClose_ = true;
            impl_->handleWindowEvent(event.window.event);
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_F11 && event.key.repeat == 0) impl_->toggleFullscreen();
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            // Touch screens also send mouse events; their fingers come below.
            if (event.button.button == SDL_BUTTON_LEFT && event.button.which != SDL_TOUCH_MOUSEID) {
                const bool down = event.type == SDL_MOUSEBUTTONDOWN;
                if (down == impl_->mouseDown) break;
                impl_->mouseDown = down;
                dispatcher()->dispatchTouch(down ? TouchPhase::BEGAN : TouchPhase::ENDED, 0,
                                            impl_->windowToView(static_cast<float>(event.button.x),
                                                                static_cast<float>(event.button.y)));
            }
            break;
        case SDL_MOUSEMOTION:
            if (impl_->mouseDown && event.motion.which != SDL_TOUCH_MOUSEID) {
                dispatcher()->dispatchTouch(
                    TouchPhase::MOVED, 0,
                    impl_->windowToView(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y)));
            }
            break;
        case SDL_FINGERDOWN:
        case SDL_FINGERMOTION:
        case SDL_FINGERUP:
            impl_->handleFinger(event.type, event.tfinger.fingerId, event.tfinger.x, event.tfinger.y);
            break;
        default:
            break;
        }
    }
}

void GLView::Impl::handleWindowEvent(Uint8 windowEvent) {
    switch (windowEvent) {
    case SDL_WINDOWEVENT_MINIMIZED:
        minimized = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        minimized = false;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        focusLost = true;
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        focusLost = false;
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // SHOW_ALL again for the new size, from the next frame on.
        renderer->beginFrame();
        return;
    default:
        return;
    }
    updateBackground();
}

void GLView::Impl::updateBackground() {
    const bool background = minimized || focusLost;
    if (background == inBackground) return;
    inBackground = background;
    if (background) cancelTouches();
    Application* application = Application::getInstance();
    if (application == nullptr) return;
    if (background) {
        application->applicationDidEnterBackground();
    } else {
        application->applicationWillEnterForeground();
    }
}

void GLView::Impl::cancelTouches() {
    // A button or finger released while we were away never reports back.
    if (mouseDown) {
        mouseDown = false;
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        dispatcher()->dispatchTouch(TouchPhase::CANCELLED, 0,
                                    windowToView(static_cast<float>(x), static_cast<float>(y)));
    }
    for (const auto& finger : fingers) {
        dispatcher()->dispatchTouch(TouchPhase::CANCELLED, finger.second, Vec2());
    }
    fingers.clear();
}

void GLView::Impl::handleFinger(Uint32 type, SDL_FingerID finger, float x, float y) {
    int windowW = 0;
    int windowH = 0;
    SDL_GetWindowSize(window.get(), &windowW, &windowH);
    const Vec2 point = windowToView(x * static_cast<float>(windowW), y * static_cast<float>(windowH));
    auto known = fingers.find(finger);
    if (type == SDL_FINGERDOWN) {
        if (known != fingers.end()) return;
        int id = 1; // the smallest free id; 0 is the mouse
        while (std::any_of(fingers.begin(), fingers.end(), [id](const auto& entry) { return entry.second == id; })) {
            ++id;
        }
        fingers.emplace(finger, id);
        dispatcher()->dispatchTouch(TouchPhase::BEGAN, id, point);
        return;
    }
    if (known == fingers.end()) return;
    const int id = known->second;
    if (type == SDL_FINGERUP) {
        fingers.erase(known);
        dispatcher()->dispatchTouch(TouchPhase::ENDED, id, point);
    } else {
        dispatcher()->dispatchTouch(TouchPhase::MOVED, id, point);
    }
}

void GLView::Impl::toggleFullscreen() {
    const bool fullscreen = (SDL_GetWindowFlags(window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (SDL_SetWindowFullscreen(window.get(), fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        log("GLView: cannot switch fullscreen: %s", SDL_GetError());
    }
    renderer->beginFrame();
}

} // namespace cocos2d
