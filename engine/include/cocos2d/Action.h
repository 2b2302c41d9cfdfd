#pragma once
#include "cocos2d/Ref.h"

namespace cocos2d {

class Node;

// One lifecycle for every action: `startWithTarget` once, `step` once per
// frame with the frame time until `isDone`, then `stop`. Composite actions
// (Sequence, RepeatForever) drive their inner actions through the same calls.
class Action : public Ref {
public:
    virtual void startWithTarget(Node* target) { target_ = target; }
    // Advances by `dt` seconds.
    virtual void step(float dt) = 0;
    virtual bool isDone() const = 0;
    // Ends the action; some actions put the target back (Blink, Animate).
    virtual void stop() { target_ = nullptr; }
    Node* getTarget() const { return target_; }

protected:
    Action() = default;

private:
    Node* target_ = nullptr; // weak: the target owns its running actions
};

// An action with a fixed duration in seconds.
class FiniteTimeAction : public Action {
public:
    float getDuration() const { return duration_; }

protected:
    explicit FiniteTimeAction(float duration = 0.0f) : duration_(duration) {}
    void setDuration(float duration) { duration_ = duration; }

private:
    float duration_;
};

// An action spread over its duration: `step` accumulates the time and calls
// `update` with the progress t from 0 to 1. The first step after the start
// counts its full frame time.
class ActionInterval : public FiniteTimeAction {
public:
    void startWithTarget(Node* target) override;
    void step(float dt) override;
    bool isDone() const override;
    // Progress from 0 (start) to 1 (end).
    virtual void update(float t) = 0;
    float getElapsed() const { return elapsed_; }

protected:
    explicit ActionInterval(float duration) : FiniteTimeAction(duration) {}

private:
    float elapsed_ = 0.0f;
};

// An action that happens at once, on its first step.
class ActionInstant : public FiniteTimeAction {
public:
    void startWithTarget(Node* target) override;
    void step(float dt) override;
    bool isDone() const override { return done_; }
    virtual void execute() = 0;

protected:
    ActionInstant() = default;

private:
    bool done_ = false;
};

} // namespace cocos2d
