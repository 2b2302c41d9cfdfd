#pragma once
#include <vector>

namespace cocos2d {

class Action;
class Node;

// Runs every node's actions once per frame, in the order they were started.
// Holds a reference to each running action and to its target; a finished
// action is stopped and dropped. Actions of a node that is not running wait.
class ActionManager {
public:
    void addAction(Action* action, Node* target, bool paused);
    void removeAction(Action* action);
    void removeAllActionsFromTarget(Node* target);
    void pauseTarget(Node* target);
    void resumeTarget(Node* target);
    std::size_t getNumberOfRunningActionsInTarget(const Node* target) const;
    void update(float dt);

private:
    struct Entry {
        Action* action;
        Node* target;
        bool paused;
        bool removed;
    };
    std::vector<Entry> entries_;
};

} // namespace cocos2d
