#pragma once
#include "cocos2d/Node.h"

namespace cocos2d {

class Touch;
class Event;

// A screen-sized node (the design resolution) anchored at its bottom-left.
// The touch callbacks do nothing until a subclass overrides them and binds
// them to a listener.
class Layer : public Node {
public:
    CREATE_FUNC(Layer)
    bool init() override;

    virtual bool onTouchBegan(Touch* touch, Event* event);
    virtual void onTouchMoved(Touch* touch, Event* event);
    virtual void onTouchEnded(Touch* touch, Event* event);
    virtual void onTouchCancelled(Touch* touch, Event* event);
};

} // namespace cocos2d
