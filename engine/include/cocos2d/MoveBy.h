#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Geometry.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Moves the target by `delta` design points over `duration` seconds. Moves
// add up: the target may move by other means at the same time.
class MoveBy : public ActionInterval {
public:
    CC_CREATABLE;
    static MoveBy* create(float duration, const Vec2& delta);
    bool init(float duration, const Vec2& delta);
    void startWithTarget(Node* target) override;
    void update(float t) override;

protected:
    MoveBy() : ActionInterval(0.0f) {}

private:
    Vec2 delta_;
    float previousT_ = 0.0f;
};

} // namespace cocos2d
