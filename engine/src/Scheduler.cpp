#include "cocos2d/Scheduler.h"

#include <algorithm>

#include "TimeTolerance.h"
#include "cocos2d/Node.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

void Scheduler::scheduleUpdate(Node* target, bool paused) {
    for (const UpdateEntry& entry : updates_) {
        if (entry.target == target && !entry.removed) return;
    }
    updates_.push_back({target, paused, false});
}

void Scheduler::unscheduleUpdate(Node* target) {
    for (UpdateEntry& entry : updates_) {
        if (entry.target == target) entry.removed = true;
    }
    purgeRemoved();
}

Scheduler::Timer* Scheduler::findTimer(SEL_SCHEDULE selector, const Ref* target) {
    for (Timer& timer : timers_) {
        if (timer.target == target && timer.selector == selector && !timer.removed) return &timer;
    }
    return nullptr;
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay,
                         bool paused) {
    if (Timer* existing = findTimer(selector, target)) {
        existing->interval = interval;
        return;
    }
    timers_.push_back({target, selector, interval, 0.0f, delay, repeat, 0, paused, false});
}

void Scheduler::unschedule(SEL_SCHEDULE selector, Ref* target) {
    if (Timer* timer = findTimer(selector, target)) {
        timer->removed = true;
        purgeRemoved();
    }
}

void Scheduler::unscheduleAllForTarget(Ref* target) {
    for (Timer& timer : timers_) {
        if (timer.target == target) timer.removed = true;
    }
    for (UpdateEntry& entry : updates_) {
        if (static_cast<Ref*>(entry.target) == target) entry.removed = true;
    }
    purgeRemoved();
}

void Scheduler::unscheduleAll() {
    for (Timer& timer : timers_) timer.removed = true;
    for (UpdateEntry& entry : updates_) entry.removed = true;
    purgeRemoved();
}

bool Scheduler::isScheduled(SEL_SCHEDULE selector, const Ref* target) const {
    return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& timer) {
        return timer.target == target && timer.selector == selector && !timer.removed;
    });
}

void Scheduler::pauseTarget(Ref* target) {
    for (Timer& timer : timers_) {
        if (timer.target == target) timer.paused = true;
    }
    for (UpdateEntry& entry : updates_) {
        if (static_cast<Ref*>(entry.target) == target) entry.paused = true;
    }
}

void Scheduler::resumeTarget(Ref* target) {
    for (Timer& timer : timers_) {
        if (timer.target == target) timer.paused = false;
    }
    for (UpdateEntry& entry : updates_) {
        if (static_cast<Ref*>(entry.target) == target) entry.paused = false;
    }
}

void Scheduler::update(float dt) {
    ++iterating_;
    // Entries appended by callbacks lie beyond these counts: they wait for
    // the next frame. Elements are re-read by index because callbacks may
    // grow the vectors.
    const std::size_t updateCount = updates_.size();
    for (std::size_t i = 0; i < updateCount; ++i) {
        UpdateEntry entry = updates_[i];
        if (entry.removed || entry.paused) continue;
        entry.target->retain();
        entry.target->update(dt);
        entry.target->release();
    }
    const std::size_t timerCount = timers_.size();
    for (std::size_t i = 0; i < timerCount; ++i) {
        if (timers_[i].removed || timers_[i].paused) continue;
        advanceTimer(i, dt);
    }
    --iterating_;
    purgeRemoved();
}

void Scheduler::advanceTimer(std::size_t index, float dt) {
    timers_[index].elapsed += dt;
    bool firedThisFrame = false;
    for (;;) {
        const Timer& timer = timers_[index];
        if (timer.removed || timer.paused) return;
        const bool waitingForDelay = timer.fired == 0 && timer.delay > 0.0f;
        const float due = waitingForDelay ? timer.delay : timer.interval;
        if (due <= 0.0f) {
            // An every-frame timer fires once per frame with the frame time.
            if (firedThisFrame) return;
            firedThisFrame = true;
            timers_[index].elapsed = 0.0f;
            fireTimer(index, dt);
            continue;
        }
        if (timer.elapsed + kTimeTolerance < due) return;
        timers_[index].elapsed = std::max(0.0f, timer.elapsed - due);
        firedThisFrame = true;
        fireTimer(index, due);
    }
}

void Scheduler::fireTimer(std::size_t index, float argument) {
    Timer& timer = timers_[index];
    ++timer.fired;
    // The last firing retires the timer before the call, so that the
    // callback can schedule the same selector anew.
    if (timer.repeat != kRepeatForever && timer.fired > timer.repeat) timer.removed = true;
    Ref* target = timer.target;
    SEL_SCHEDULE selector = timer.selector;
    target->retain();
    (target->*selector)(argument);
    target->release();
}

void Scheduler::purgeRemoved() {
    if (iterating_ > 0) return;
    updates_.erase(std::remove_if(updates_.begin(), updates_.end(), [](const UpdateEntry& e) { return e.removed; }),
                   updates_.end());
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [](const Timer& t) { return t.removed; }),
                  timers_.end());
}

} // namespace cocos2d
