#pragma once
#include <memory>
#include <string>

#include "cocos2d/Geometry.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

// Bits of the window's OpenGL framebuffer.
struct GLContextAttrs {
    int redBits = 8;
    int greenBits = 8;
    int blueBits = 8;
    int alphaBits = 8;
    int depthBits = 24;
    int stencilBits = 8;
};

enum class ResolutionPolicy {
    // The whole design area is visible, scaled uniformly, with bars on two
    // sides when the window's shape differs.
    SHOW_ALL,
    // Fills the window, stretching.
    EXACT_FIT,
};

class Renderer;

// The window and its renderer. Touches reach the director's event
// dispatcher in design points. The left mouse button is touch 0; touch
// screen fingers are further touches. F11 toggles fullscreen.
class GLView : public Ref {
public:
    // Applies to views created afterwards.
    static void setGLContextAttrs(GLContextAttrs& attrs);
    static GLContextAttrs getGLContextAttrs();

    void setDesignResolutionSize(float width, float height, ResolutionPolicy policy);
    const Size& getDesignResolutionSize() const { return designSize_; }
    // The window's drawable size in pixels.
    Size getFrameSize() const;
    void setFrameSize(float width, float height);

    // Engine internal: called by the application loop.
    // Dispatches pending window and input events.
    void pollEvents();
    bool windowShouldClose() const { return shouldClose_; }
    bool isMinimized() const;
    Renderer& getRenderer();
    void present();

    ~GLView() override;

protected:
    GLView();
    bool initWithTitle(const std::string& title, const Size& frameSize, bool visible);

    struct Impl;
    std::unique_ptr<Impl> impl_;
    Size designSize_;
    bool shouldClose_ = false;
};

} // namespace cocos2d
