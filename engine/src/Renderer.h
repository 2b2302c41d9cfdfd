#pragma once
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
};

} // namespace cocos2d
