#include "cocos2d/Layer.h"

#include "cocos2d/Director.h"

namespace cocos2d {

bool Layer::init() {
    if (!Node::init()) return false;
    setContentSize(Director::getInstance()->getWinSize());
    return true;
}

bool Layer::onTouchBegan(Touch*, Event*) { return false; }

void Layer::onTouchMoved(Touch*, Event*) {}

void Layer::onTouchEnded(Touch*, Event*) {}

void Layer::onTouchCancelled(Touch*, Event*) {}

} // namespace cocos2d
