#include "cocos2d/Scene.h"

#include "cocos2d/Director.h"

namespace cocos2d {

bool Scene::init() {
    if (!Node::init()) return false;
    setContentSize(Director::getInstance()->getWinSize());
    return true;
}

} // namespace cocos2d
