#include "cocos2d/Blink.h"

#include <cmath>

#include "cocos2d/Node.h"

namespace cocos2d {

Blink* Blink::create(float duration, int blinks) { return createWithInit<Blink>(duration, blinks); }

bool Blink::init(float duration, int blinks) {
    setDuration(duration);
    blinks_ = blinks;
    return true;
}

void Blink::startWithTarget(Node* target) {
    ActionInterval::startWithTarget(target);
    originalVisible_ = target->isVisible();
}

void Blink::update(float t) {
    Node* target = getTarget();
    if (target == nullptr || blinks_ <= 0) return;
    if (t >= 1.0f) {
        target->setVisible(originalVisible_);
        return;
    }
    // Each of the `blinks` slices inverts the visibility for its first half.
    const float slice = 1.0f / static_cast<float>(blinks_);
    const bool firstHalf = std::fmod(t, slice) < slice / 2.0f;
    target->setVisible(firstHalf ? !originalVisible_ : originalVisible_);
}

void Blink::stop() {
    if (Node* target = getTarget()) target->setVisible(originalVisible_);
    ActionInterval::stop();
}

} // namespace cocos2d
