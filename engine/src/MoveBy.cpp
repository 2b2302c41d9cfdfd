#include "cocos2d/MoveBy.h"

#include "cocos2d/Node.h"

namespace cocos2d {

MoveBy* MoveBy::create(float duration, const Vec2& delta) { return createWithInit<MoveBy>(duration, delta); }

bool MoveBy::init(float duration, const Vec2& delta) {
    setDuration(duration);
    delta_ = delta;
    return true;
}

void MoveBy::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    previousT_ = 0.0f;
}

void MoveBy::update(float t) {
    // Only the progress since the last step is added, so moves by other
    // means (or other MoveBys) in between are kept.
    Node* target = getTarget();
    if (target == nullptr) return;
    target->setPosition(target->getPosition() + delta_ * (t - previousT_));
    previousT_ = t;
}

} // namespace cocos2d
