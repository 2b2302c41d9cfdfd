#include "cocos2d/Action.h"

#include <algorithm>

#include "TimeTolerance.h"

namespace cocos2d {

void ActionInterval::startWithTarget(Node* target) {
    FiniteTimeAction::startWithTarget(target);
    elapsed_ = 0.0f;
}

void ActionInterval::step(float dt) {
    elapsed_ += dt;
    const float duration = getDuration();
    const bool reachedEnd = elapsed_ + kTimeTolerance >= duration;
    update(reachedEnd ? 1.0f : std::max(0.0f, elapsed_ / duration));
}

bool ActionInterval::isDone() const { return elapsed_ + kTimeTolerance >= getDuration(); }

void ActionInstant::startWithTarget(Node* target) {
    FiniteTimeAction::startWithTarget(target);
    done_ = false;
}

void ActionInstant::step(float) {
    if (done_) return;
    done_ = true;
    execute();
}

} // namespace cocos2d
