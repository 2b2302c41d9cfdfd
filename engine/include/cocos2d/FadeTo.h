#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Color3B.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Changes the target's opacity to `opacity` (0..255) over `duration` seconds,
// starting from the opacity the target has when the action starts.
class FadeTo : public ActionInterval {
public:
    CC_CREATABLE;
    static FadeTo* create(float duration, GLubyte opacity);
    bool init(float duration, GLubyte opacity);
    void startWithTarget(Node* target) override;
    void update(float t) override;

protected:
    FadeTo() : ActionInterval(0.0f) {}

private:
    GLubyte fromOpacity_ = 0;
    GLubyte toOpacity_ = 0;
};

} // namespace cocos2d
