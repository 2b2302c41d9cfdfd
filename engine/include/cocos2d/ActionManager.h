#pragma once
#include <vector>

namespace cocos2d {

class Action;
class Node;

// Runs every node's actions once per frame, in the order they were started.
// Holds a reference to each running action and to its target; a finished
// action is stopped and dropped. Actions of a node that is not running wait.
//
// Timing: `addAction` starts the action at once (`startWithTarget`); its
// first `step` comes in the next action phase of a frame and gets that
// frame's whole dt. The action phase comes before the updates (see
// Director), so an action run from a touch handler steps in the same frame,
// and one run during frame N's updates or timers first steps in frame N + 1.
// An action started during the action phase itself (by another action)
// also waits for the next frame.
//
// `removeAction` of an action that is not running (finished, stopped, never
// run) does nothing; the manager never touches an action it has dropped.
class ActionManager {
public:
    void addAction(Action* action, Node* target, bool paused);
    void removeAction(Action* action);
    void removeAllActionsFromTarget(Node* target);
    // Stops and drops every action (the director's teardown).
    void removeAllActions();
    void pauseTarget(Node* target);
    void resumeTarget(Node* target);
    std::size_t getNumberOfRunningActionsInTarget(const Node* target) const;
    bool isRunning(const Action* action) const;
    void update(float dt);

    ~ActionManager();

private:
    struct Entry {
        Action* action;
        Node* target;
        bool paused;
        bool removed;
    };
    void drop(std::size_t index);
    void purgeRemoved();

    std::vector<Entry> entries_;
    // While above 0 entries are only marked removed: indices stay valid.
    int iterating_ = 0;
};

} // namespace cocos2d
