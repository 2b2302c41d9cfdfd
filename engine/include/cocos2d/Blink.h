#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Blinks the target `blinks` times over `duration` seconds: the duration is
// cut into `blinks` equal slices, and in the first half of each slice the
// target's visibility is inverted, in the second half it is as it was.
// When it ends or is stopped the target's visibility is what it was at the start.
class Blink : public ActionInterval {
public:
    CC_CREATABLE;
    static Blink* create(float duration, int blinks);
    bool init(float duration, int blinks);
    void startWithTarget(Node* target) override;
    void update(float t) override;
    void stop() override;

protected:
    Blink() : ActionInterval(0.0f) {}

private:
    int blinks_ = 0;
    bool originalVisible_ = true;
};

} // namespace cocos2d
