#pragma once
#include <map>
#include <vector>

#include "cocos2d/Geometry.h"

namespace cocos2d {

class EventListenerTouchOneByOne;
class Node;
class Touch;

enum class TouchPhase { BEGAN, MOVED, ENDED, CANCELLED };

// Delivers touches to listeners in scene-graph order: the listener of the
// node drawn last (on top) first; listeners of one node in the order they
// were added. Visibility does not matter. A listener only hears while its
// node is in the running scene; it goes away when its node is cleaned up.
//
// A touch belongs to the listeners whose `onTouchBegan` returned true; its
// moves and end go to them alone. A touch nobody claims, or one that began
// while the dispatcher was disabled, is forgotten: its moves and end go
// nowhere. While disabled every event is dropped; a touch that ends then is
// forgotten too.
class EventDispatcher {
public:
    // Holds a reference to the listener until its node is cleaned up.
    void addEventListenerWithSceneGraphPriority(EventListenerTouchOneByOne* listener, Node* node);
    void removeEventListener(EventListenerTouchOneByOne* listener);
    void removeEventListenersForTarget(Node* node);
    // While disabled (during a transition) touches are dropped.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }

    // Engine internal and tests: one touch event at `viewPoint`, design
    // points with y down.
    void dispatchTouch(TouchPhase phase, int touchId, const Vec2& viewPoint);
    std::size_t getListenerCount() const { return listeners_.size(); }

    ~EventDispatcher();

private:
    void beginTouch(int touchId, const Vec2& viewPoint);
    void continueTouch(TouchPhase phase, int touchId, const Vec2& viewPoint);
    void forgetTouch(int touchId);
    bool isRegistered(const EventListenerTouchOneByOne* listener) const;
    std::vector<EventListenerTouchOneByOne*> listenersByPriority() const;

    std::vector<EventListenerTouchOneByOne*> listeners_; // retained
    std::map<int, Touch*> touches_;                      // retained, by touch id
    // The listeners that claimed each touch, in the order they claimed it;
    // weak: a listener leaves these lists when it is removed.
    std::map<int, std::vector<EventListenerTouchOneByOne*>> claims_;
    bool enabled_ = true;
};

} // namespace cocos2d
