#include "cocos2d/RepeatForever.h"

#include <algorithm>

#include "TimeTolerance.h"

namespace cocos2d {

RepeatForever* RepeatForever::create(ActionInterval* action) { return createWithInit<RepeatForever>(action); }

bool RepeatForever::init(ActionInterval* action) {
    if (action == nullptr) return false;
    inner_ = action;
    inner_->retain();
    return true;
}

RepeatForever::~RepeatForever() {
    if (inner_ != nullptr) inner_->release();
}

void RepeatForever::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    inner_->startWithTarget(target);
}

void RepeatForever::step(float dt) {
    inner_->step(dt);
    // Restart the inner action as often as the frame covers it, handing on
    // the time it did not use. The inner action is not stopped in between:
    // an Animate keeps its frames flowing from one cycle into the next.
    while (getTarget() != nullptr && inner_->isDone()) {
        const float leftover = std::max(0.0f, inner_->getElapsed() - inner_->getDuration());
        inner_->startWithTarget(getTarget());
        if (inner_->getDuration() <= kTimeTolerance) return; // once per frame at most
        inner_->step(leftover);
    }
}

} // namespace cocos2d
