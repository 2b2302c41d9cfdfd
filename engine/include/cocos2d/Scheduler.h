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
// times. Targets that are paused (not in the running scene) are skipped and
// their timers' time stands still until they resume.
// Callbacks may schedule and unschedule anything, themselves included; an
// update or timer made during a frame first runs in the next frame.
// The scheduler does not own its targets; it holds one reference to a target
// only while calling it, so a callback may remove its own node.
class Scheduler {
public:
    void scheduleUpdate(Node* target, bool paused);
    void unscheduleUpdate(Node* target);

    // `repeat` 0 fires once; kRepeatForever fires until unscheduled. The
    // first firing comes `delay` seconds after scheduling when `delay` is
    // above 0, else after `interval`; an interval of 0 fires every frame with
    // the frame time. A timer already keyed by (selector, target) only gets
    // the new interval and keeps the time elapsed towards its next firing.
    static constexpr unsigned int kRepeatForever = 0xfffffffe;
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay, bool paused);
    void unschedule(SEL_SCHEDULE selector, Ref* target);
    // Timers and the per-frame update of `target`.
    void unscheduleAllForTarget(Ref* target);
    // Everything (the director's teardown).
    void unscheduleAll();
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
    void advanceTimer(std::size_t index, float dt);
    void fireTimer(std::size_t index, float argument);
    Timer* findTimer(SEL_SCHEDULE selector, const Ref* target);
    void purgeRemoved();

    std::vector<UpdateEntry> updates_;
    std::vector<Timer> timers_;
    // While above 0 entries are only marked removed: indices stay valid.
    int iterating_ = 0;
};

} // namespace cocos2d
