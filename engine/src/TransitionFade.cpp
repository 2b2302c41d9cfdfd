#include "cocos2d/TransitionFade.h"

#include "Renderer.h"
#include "cocos2d/Director.h"

namespace cocos2d {

TransitionFade* TransitionFade::create(float duration, Scene* scene, const Color3B& color) {
    return createWithInit<TransitionFade>(duration, scene, color);
}

bool TransitionFade::init(float duration, Scene* scene, const Color3B& color) {
    if (!initWithDuration(duration, scene)) return false;
    color_ = color;
    return true;
}

void TransitionFade::drawTransition(Renderer& renderer, const Transform& parentTransform, float parentOpacity,
                                    float t) {
    // First half: the out-scene disappears under the colour; second half: the
    // in-scene comes out of it.
    const bool firstHalf = t < 0.5f;
    if (Scene* shown = firstHalf ? getOutScene() : getInScene()) shown->visit(renderer, parentTransform, parentOpacity);
    const float cover = firstHalf ? t * 2.0f : (1.0f - t) * 2.0f;
    const Size screen = Director::getInstance()->getWinSize();
    const Vec2 a = parentTransform.apply(Vec2(0.0f, 0.0f));
    const Vec2 b = parentTransform.apply(Vec2(screen.width, screen.height));
    renderer.fillRect(Rect(a.x, a.y, b.x - a.x, b.y - a.y), color_, cover * parentOpacity);
}

} // namespace cocos2d
