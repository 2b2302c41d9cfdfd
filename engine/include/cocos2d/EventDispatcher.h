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
// node drawn on top first. A listener only hears while its node is in the
// running scene; it goes away when its node is cleaned up.
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
    std::vector<EventListenerTouchOneByOne*> listeners_; // retained
    std::map<int, Touch*> touches_;                      // retained, by touch id
    bool enabled_ = true;
};

} // namespace cocos2d
