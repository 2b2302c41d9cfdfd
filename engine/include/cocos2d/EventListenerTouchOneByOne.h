#pragma once
#include <functional>

#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

class Event;
class Node;
class Touch;

// Receives touches one at a time. A touch belongs to the listener whose
// `onTouchBegan` returned true; its moves and its end go only there. With
// swallowing on, a claimed touch reaches no listener below.
class EventListenerTouchOneByOne : public Ref {
public:
    CREATE_FUNC(EventListenerTouchOneByOne)
    bool init() { return true; }

    void setSwallowTouches(bool swallow) { swallow_ = swallow; }
    bool isSwallowTouches() const { return swallow_; }

    std::function<bool(Touch*, Event*)> onTouchBegan;
    std::function<void(Touch*, Event*)> onTouchMoved;
    std::function<void(Touch*, Event*)> onTouchEnded;
    std::function<void(Touch*, Event*)> onTouchCancelled;

    // The node whose place in the scene graph orders this listener; weak.
    Node* getAssociatedNode() const { return node_; }

protected:
    EventListenerTouchOneByOne() = default;

private:
    friend class EventDispatcher;
    bool swallow_ = false;
    Node* node_ = nullptr;
};

} // namespace cocos2d
