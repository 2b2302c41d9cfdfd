#pragma once
#include "cocos2d/FadeTo.h"

namespace cocos2d {

// Fades the target out to opacity 0 over `duration` seconds.
class FadeOut : public FadeTo {
public:
    CC_CREATABLE;
    static FadeOut* create(float duration);
    bool init(float duration);

protected:
    FadeOut() = default;
};

} // namespace cocos2d
