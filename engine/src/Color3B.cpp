#include "cocos2d/Color3B.h"

namespace cocos2d {

const Color3B Color3B::WHITE(255, 255, 255);
const Color3B Color3B::BLACK(0, 0, 0);
const Color3B Color3B::RED(255, 0, 0);
const Color3B Color3B::GREEN(0, 255, 0);
const Color3B Color3B::BLUE(0, 0, 255);
const Color3B Color3B::YELLOW(255, 255, 0);

} // namespace cocos2d
