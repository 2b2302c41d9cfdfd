#pragma once
#include "cocos2d/FadeTo.h"

namespace cocos2d {

// Fades the target to full opacity (255) over `duration` seconds.
class FadeIn : public FadeTo {
public:
    CC_CREATABLE;
    static FadeIn* create(float duration);
    bool init(float duration);

protected:
    FadeIn() = default;
};

} // namespace cocos2d
