#pragma once
#include <map>
#include <memory>

#include "SdlHandles.h"
#include "SdlRenderer.h"
#include "cocos2d/GLView.h"

namespace cocos2d {

// The SDL side of a view. Engine internal (the headless harness reaches in).
struct GLView::Impl {
    // Destruction order matters: textures, then the renderer, then the window.
    sdl::WindowPtr window;
    sdl::RendererPtr sdlRenderer;
    std::unique_ptr<SdlRenderer> renderer;
    // Headless: frames are drawn into this texture and kept for read-back
    // instead of being presented.
    sdl::TexturePtr offscreenFrame;
    // The GL driver's glFinish when the renderer draws with OpenGL (else
    // null): an offscreen frame ends drawn, as a presented one would.
    void (*finishDriverFrame)() = nullptr;

    bool mouseDown = false;
    std::map<SDL_FingerID, int> fingers; // finger → touch id (from 1)
    bool minimized = false;
    bool focusLost = false;
    bool inBackground = false;

    // Renders every frame into a kept texture of the output's size.
    bool enableOffscreenFrame();
    Vec2 windowToView(float windowX, float windowY) const;

    void handleWindowEvent(Uint8 windowEvent);
    // Minimised or unfocused is the background; tells the application once
    // per change.
    void updateBackground();
    void cancelTouches();
    void handleFinger(Uint32 type, SDL_FingerID finger, float x, float y);
    void toggleFullscreen();
};

} // namespace cocos2d
