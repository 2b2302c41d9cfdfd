#pragma once
#include "cocos2d/Color3B.h"
#include "cocos2d/Macros.h"
#include "cocos2d/TransitionScene.h"

namespace cocos2d {

// The out-scene fades to `color` during the first half of `duration`, then
// the in-scene fades in from it during the second half.
class TransitionFade : public TransitionScene {
public:
    CC_CREATABLE;
    static TransitionFade* create(float duration, Scene* scene, const Color3B& color);
    bool init(float duration, Scene* scene, const Color3B& color);

protected:
    TransitionFade() = default;
    void drawTransition(Renderer& renderer, const Transform& parentTransform, float parentOpacity, float t) override;

private:
    Color3B color_;
};

} // namespace cocos2d
