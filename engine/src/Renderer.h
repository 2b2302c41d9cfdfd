#pragma once
#include <functional>

#include "cocos2d/Color3B.h"
#include "cocos2d/Geometry.h"

namespace cocos2d {

class Texture2D;

// Engine internal: draws into the window's current render target in design
// points (y up); the view maps the design area onto the window.
class Renderer {
public:
    virtual ~Renderer() = default;

    virtual void clear(const Color3B& color) = 0;
    // `texture` stretched over `box`. A box with negative width or height is
    // drawn mirrored on that axis. `opacity` 0..1 multiplies the alpha.
    virtual void drawTexture(Texture2D& texture, const Rect& box, bool flipX, const Color3B& tint, float opacity) = 0;
    virtual void fillRect(const Rect& box, const Color3B& color, float opacity) = 0;

    // Draws what `drawContent` draws only where the pixels that `drawStencil`
    // draws have an alpha above `alphaThreshold` (0..1; 1 or more keeps every
    // pixel the stencil covers at all), or, `inverted`, only where they do
    // not. The stencil itself never shows. A renderer that cannot mask draws
    // the content unmasked.
    virtual void drawClipped(const std::function<void()>& drawStencil, const std::function<void()>& drawContent,
                             float alphaThreshold, bool inverted) {
        (void)drawStencil;
        (void)alphaThreshold;
        (void)inverted;
        drawContent();
    }
};

} // namespace cocos2d
