#include "cocos2d/Follow.h"

#include <algorithm>

#include "cocos2d/Director.h"
#include "cocos2d/Node.h"

namespace cocos2d {

Follow* Follow::create(Node* followed, const Rect& boundary) { return createWithInit<Follow>(followed, boundary); }

bool Follow::init(Node* followed, const Rect& boundary) {
    if (followed == nullptr) return false;
    followed_ = followed;
    followed_->retain();
    boundary_ = boundary;
    return true;
}

Follow::~Follow() {
    if (followed_ != nullptr) followed_->release();
}

namespace {
// Keeps the screen span [0, screen] inside [min, max] of the layer (already
// scaled); a boundary narrower than the screen is centred.
float clampToBoundary(float position, float screen, float min, float max) {
    const float lowest = screen - max;
    const float highest = -min;
    if (lowest > highest) return (lowest + highest) / 2.0f;
    return std::clamp(position, lowest, highest);
}
} // namespace

void Follow::step(float) {
    Node* target = getTarget();
    if (target == nullptr) return;
    const Size screen = Director::getInstance()->getWinSize();
    const float scaleX = target->getScaleX();
    const float scaleY = target->getScaleY();
    Vec2 position(screen.width / 2.0f - followed_->getPositionX() * scaleX,
                  screen.height / 2.0f - followed_->getPositionY() * scaleY);
    if (!boundary_.equals(Rect::ZERO)) {
        position.x = clampToBoundary(position.x, screen.width, boundary_.getMinX() * scaleX,
                                     boundary_.getMaxX() * scaleX);
        position.y = clampToBoundary(position.y, screen.height, boundary_.getMinY() * scaleY,
                                     boundary_.getMaxY() * scaleY);
    }
    target->setPosition(position);
}

bool Follow::isDone() const { return false; }

} // namespace cocos2d
