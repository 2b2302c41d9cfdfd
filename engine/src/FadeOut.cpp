#include "cocos2d/FadeOut.h"

namespace cocos2d {

FadeOut* FadeOut::create(float duration) { return createWithInit<FadeOut>(duration); }

bool FadeOut::init(float duration) { return FadeTo::init(duration, 0); }

} // namespace cocos2d
