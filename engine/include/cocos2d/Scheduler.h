#pragma once
#include <vector>

#include "cocos2d/Macros.h"

namespace cocos2d {

class Node;
class Ref;

// Per-frame updates and timers. One `update(dt)` call is one frame:
//   1. every scheduled `Node::update`, in the order they were scheduled;
//   2. every timer whose interval has elapsed, in the order they were made.
// A timer fires once per elapsed interval, so a long frame fires it several
// times. Targets that are paused (not in the running scene) are skipped.
// Callbacks may schedule and unschedule anything, themselves included.
class Scheduler {
public:
    void scheduleUpdate(Node* target, bool paused);
    void unscheduleUpdate(Node* target);

    // `repeat` 0 fires once; kRepeatForever fires until unscheduled. A timer
    // already keyed by (selector, target) only gets the new interval.
    static constexpr unsigned int kRepeatForever = 0xfffffffe;
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay, bool paused);
    void unschedule(SEL_SCHEDULE selector, Ref* target);
    void unscheduleAllForTarget(Ref* target);
    bool isScheduled(SEL_SCHEDULE selector, const Ref* target) const;

    void pauseTarget(Ref* target);
    void resumeTarget(Ref* target);

    void update(float dt);

private:
    struct UpdateEntry {
        Node* target;
        bool paused;
        bool removed;
    };
    struct Timer {
        Ref* target;
        SEL_SCHEDULE selector;
        float interval;
        float elapsed;
        float delay;
        unsigned int repeat;
        unsigned int fired;
        bool paused;
        bool removed;
    };
    std::vector<UpdateEntry> updates_;
    std::vector<Timer> timers_;
};

} // namespace cocos2d
