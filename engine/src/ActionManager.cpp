#include "cocos2d/ActionManager.h"

#include <algorithm>

#include "cocos2d/Action.h"
#include "cocos2d/Log.h"
#include "cocos2d/Node.h"

namespace cocos2d {

ActionManager::~ActionManager() { removeAllActions(); }

void ActionManager::addAction(Action* action, Node* target, bool paused) {
    if (isRunning(action)) {
        log("cocos2d: runAction of an action that is already running ignored");
        return;
    }
    action->retain();
    target->retain();
    entries_.push_back({action, target, paused, false});
    action->startWithTarget(target);
}

// Marks entry `index` removed, stops its action and lets go of both
// references. The entry itself goes at the next purge.
void ActionManager::drop(std::size_t index) {
    Entry& entry = entries_[index];
    entry.removed = true;
    Action* action = entry.action;
    Node* target = entry.target;
    action->stop();
    action->release();
    target->release();
}

void ActionManager::removeAction(Action* action) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].action == action && !entries_[i].removed) {
            drop(i);
            break;
        }
    }
    purgeRemoved();
}

void ActionManager::removeAllActionsFromTarget(Node* target) {
    ++iterating_; // stop() of one action may stop others of the same target
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].target == target && !entries_[i].removed) drop(i);
    }
    --iterating_;
    purgeRemoved();
}

void ActionManager::removeAllActions() {
    ++iterating_;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!entries_[i].removed) drop(i);
    }
    --iterating_;
    purgeRemoved();
}

void ActionManager::pauseTarget(Node* target) {
    for (Entry& entry : entries_) {
        if (entry.target == target) entry.paused = true;
    }
}

void ActionManager::resumeTarget(Node* target) {
    for (Entry& entry : entries_) {
        if (entry.target == target) entry.paused = false;
    }
}

std::size_t ActionManager::getNumberOfRunningActionsInTarget(const Node* target) const {
    return static_cast<std::size_t>(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.target == target && !entry.removed;
    }));
}

bool ActionManager::isRunning(const Action* action) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& entry) { return entry.action == action && !entry.removed; });
}

void ActionManager::update(float dt) {
    ++iterating_;
    const std::size_t count = entries_.size();
    for (std::size_t i = 0; i < count; ++i) {
        Entry entry = entries_[i];
        if (entry.removed || entry.paused) continue;
        // A step may stop this very action or free its target (RemoveSelf);
        // both stay alive until the step has returned.
        entry.action->retain();
        entry.target->retain();
        entry.action->step(dt);
        if (!entries_[i].removed && entry.action->isDone()) drop(i);
        entry.target->release();
        entry.action->release();
    }
    --iterating_;
    purgeRemoved();
}

void ActionManager::purgeRemoved() {
    if (iterating_ > 0) return;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.removed; }),
                   entries_.end());
}

} // namespace cocos2d
