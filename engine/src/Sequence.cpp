#include "cocos2d/Sequence.h"

#include <algorithm>

namespace cocos2d {

Sequence* Sequence::createWithList(const std::vector<FiniteTimeAction*>& actions) {
    return createWithInit<Sequence>(actions);
}

bool Sequence::init(const std::vector<FiniteTimeAction*>& actions) {
    float duration = 0.0f;
    for (FiniteTimeAction* action : actions) {
        if (action == nullptr) continue; // the classic trailing nullptr
        actions_.pushBack(action);
        duration += action->getDuration();
    }
    setDuration(duration);
    return true;
}

void Sequence::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    current_ = 0;
    if (!actions_.empty()) actions_.at(0)->startWithTarget(target);
}

void Sequence::step(float dt) {
    ActionInterval::step(dt); // keeps getElapsed() right for a RepeatForever around it
    float remaining = dt;
    while (current_ < actions_.size()) {
        FiniteTimeAction* action = actions_.at(current_);
        action->step(remaining);
        // The step may have ended this sequence (RemoveSelf cleans the
        // target up, which stops its actions): touch nothing more.
        if (getTarget() == nullptr || !action->isDone()) return;
        // The time the finished action did not use goes to the next one, so
        // an instant action after it runs in the same frame.
        if (auto* interval = dynamic_cast<ActionInterval*>(action)) {
            remaining = std::max(0.0f, interval->getElapsed() - interval->getDuration());
        }
        action->stop();
        ++current_;
        if (current_ < actions_.size()) actions_.at(current_)->startWithTarget(getTarget());
    }
}

bool Sequence::isDone() const { return current_ >= actions_.size(); }

// Driven by `step`, which runs the inner actions with the frame time itself.
void Sequence::update(float) {}

void Sequence::stop() {
    if (current_ < actions_.size() && getTarget() != nullptr) actions_.at(current_)->stop();
    ActionInterval::stop();
}

} // namespace cocos2d
