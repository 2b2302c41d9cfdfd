#include "cocos2d/FadeTo.h"

#include <cmath>

#include "cocos2d/Node.h"

namespace cocos2d {

FadeTo* FadeTo::create(float duration, GLubyte opacity) { return createWithInit<FadeTo>(duration, opacity); }

bool FadeTo::init(float duration, GLubyte opacity) {
    setDuration(duration);
    toOpacity_ = opacity;
    return true;
}

void FadeTo::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    fromOpacity_ = target->getOpacity();
}

void FadeTo::update(float t) {
    Node* target = getTarget();
    if (target == nullptr) return;
    float opacity = static_cast<float>(fromOpacity_) + (static_cast<float>(toOpacity_) - fromOpacity_) * t;
    target->setOpacity(static_cast<GLubyte>(std::lround(opacity)));
}

} // namespace cocos2d
