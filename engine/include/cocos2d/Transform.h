#pragma once
#include "cocos2d/Geometry.h"

namespace cocos2d {

// Scale and translation from a node's local space to the screen, in design
// points. Nothing in the engine rotates, so this is all a transform needs.
struct Transform {
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float translateX = 0.0f;
    float translateY = 0.0f;

    Vec2 apply(const Vec2& p) const { return {p.x * scaleX + translateX, p.y * scaleY + translateY}; }
    // This transform applied after `inner`.
    Transform then(const Transform& inner) const {
        return {scaleX * inner.scaleX, scaleY * inner.scaleY, translateX + scaleX * inner.translateX,
                translateY + scaleY * inner.translateY};
    }
};

} // namespace cocos2d
