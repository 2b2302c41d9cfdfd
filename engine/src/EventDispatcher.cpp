#include "cocos2d/EventDispatcher.h"

#include <algorithm>
#include <unordered_map>

#include "cocos2d/Director.h"
#include "cocos2d/Event.h"
#include "cocos2d/EventListenerTouchOneByOne.h"
#include "cocos2d/Log.h"
#include "cocos2d/Node.h"
#include "cocos2d/Scene.h"
#include "cocos2d/Touch.h"
#include "cocos2d/TransitionScene.h"
#include "cocos2d/Vector.h"

namespace cocos2d {

namespace {
using DrawOrder = std::unordered_map<const Node*, std::size_t>;

// Numbers the nodes in the order `Node::visit` draws them.
void numberInDrawOrder(Node* node, DrawOrder& order) {
    node->sortAllChildren();
    const Vector<Node*>& children = node->getChildren();
    std::size_t i = 0;
    for (; i < children.size() && children.at(i)->getLocalZOrder() < 0; ++i) numberInDrawOrder(children.at(i), order);
    const std::size_t number = order.size();
    order[node] = number;
    for (; i < children.size(); ++i) numberInDrawOrder(children.at(i), order);
}

void numberScene(Scene* scene, DrawOrder& order) {
    if (scene == nullptr) return;
    if (auto* transition = dynamic_cast<TransitionScene*>(scene)) {
        numberScene(transition->getOutScene(), order);
        numberScene(transition->getInScene(), order);
    }
    numberInDrawOrder(scene, order);
}
} // namespace

EventDispatcher::~EventDispatcher() {
    for (EventListenerTouchOneByOne* listener : listeners_) {
        listener->node_ = nullptr;
        listener->release();
    }
    for (auto& [id, touch] : touches_) touch->release();
}

void EventDispatcher::addEventListenerWithSceneGraphPriority(EventListenerTouchOneByOne* listener, Node* node) {
    if (listener == nullptr || node == nullptr) {
        log("cocos2d: addEventListenerWithSceneGraphPriority needs a listener and a node");
        return;
    }
    if (listener->node_ != nullptr) {
        log("cocos2d: a touch listener can be added once only");
        return;
    }
    listener->node_ = node;
    listener->retain();
    listeners_.push_back(listener);
}

void EventDispatcher::removeEventListener(EventListenerTouchOneByOne* listener) {
    auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it == listeners_.end()) return;
    listeners_.erase(it);
    for (auto& [id, claimers] : claims_) claimers.erase(std::remove(claimers.begin(), claimers.end(), listener), claimers.end());
    listener->node_ = nullptr;
    listener->release();
}

void EventDispatcher::removeEventListenersForTarget(Node* node) {
    std::vector<EventListenerTouchOneByOne*> doomed;
    for (EventListenerTouchOneByOne* listener : listeners_) {
        if (listener->node_ == node) doomed.push_back(listener);
    }
    for (EventListenerTouchOneByOne* listener : doomed) removeEventListener(listener);
}

bool EventDispatcher::isRegistered(const EventListenerTouchOneByOne* listener) const {
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

std::vector<EventListenerTouchOneByOne*> EventDispatcher::listenersByPriority() const {
    DrawOrder order;
    numberScene(Director::getInstance()->getRunningScene(), order);
    auto rank = [&order](const EventListenerTouchOneByOne* listener) -> long {
        auto it = order.find(listener->node_);
        return it == order.end() ? -1 : static_cast<long>(it->second);
    };
    std::vector<EventListenerTouchOneByOne*> sorted(listeners_);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&rank](const auto* a, const auto* b) { return rank(a) > rank(b); });
    return sorted;
}

void EventDispatcher::dispatchTouch(TouchPhase phase, int touchId, const Vec2& viewPoint) {
    if (phase == TouchPhase::BEGAN) {
        beginTouch(touchId, viewPoint);
    } else {
        continueTouch(phase, touchId, viewPoint);
    }
}

void EventDispatcher::beginTouch(int touchId, const Vec2& viewPoint) {
    forgetTouch(touchId); // a touch whose end never came
    if (!enabled_) return;
    Touch* touch = Touch::create(touchId);
    touch->retain();
    touches_[touchId] = touch;
    touch->setTouchInfo(viewPoint, true);

    Event event(Event::Type::TOUCH);
    Vector<EventListenerTouchOneByOne*> ordered; // keeps each alive through its callback
    for (EventListenerTouchOneByOne* listener : listenersByPriority()) ordered.pushBack(listener);
    for (EventListenerTouchOneByOne* listener : ordered) {
        if (!isRegistered(listener) || !listener->onTouchBegan || !listener->node_->isRunning()) continue;
        Node* node = listener->node_;
        node->retain();
        const bool claimed = listener->onTouchBegan(touch, &event);
        node->release();
        if (claimed && isRegistered(listener)) {
            claims_[touchId].push_back(listener);
            if (listener->swallow_) break;
        }
        if (event.isStopped()) break;
    }
    if (claims_[touchId].empty()) forgetTouch(touchId);
}

void EventDispatcher::continueTouch(TouchPhase phase, int touchId, const Vec2& viewPoint) {
    auto found = touches_.find(touchId);
    if (found == touches_.end()) return;
    Touch* touch = found->second;
    touch->retain();
    if (enabled_) {
        touch->setTouchInfo(viewPoint, false);
        Event event(Event::Type::TOUCH);
        Vector<EventListenerTouchOneByOne*> claimers;
        for (EventListenerTouchOneByOne* listener : claims_[touchId]) claimers.pushBack(listener);
        for (EventListenerTouchOneByOne* listener : claimers) {
            if (!isRegistered(listener) || !listener->node_->isRunning()) continue;
            const auto& callback = phase == TouchPhase::MOVED   ? listener->onTouchMoved
                                   : phase == TouchPhase::ENDED ? listener->onTouchEnded
                                                                : listener->onTouchCancelled;
            if (!callback) continue;
            Node* node = listener->node_;
            node->retain();
            callback(touch, &event);
            node->release();
        }
    }
    if (phase == TouchPhase::ENDED || phase == TouchPhase::CANCELLED) forgetTouch(touchId);
    touch->release();
}

void EventDispatcher::forgetTouch(int touchId) {
    claims_.erase(touchId);
    auto found = touches_.find(touchId);
    if (found == touches_.end()) return;
    Touch* touch = found->second;
    touches_.erase(found);
    touch->release();
}

} // namespace cocos2d
