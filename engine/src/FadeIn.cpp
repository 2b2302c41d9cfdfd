#include "cocos2d/FadeIn.h"

namespace cocos2d {

FadeIn* FadeIn::create(float duration) { return createWithInit<FadeIn>(duration); }

bool FadeIn::init(float duration) { return FadeTo::init(duration, 255); }

} // namespace cocos2d
