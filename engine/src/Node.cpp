#include "cocos2d/Node.h"

#include <algorithm>

#include "DirectorAccess.h"
#include "Renderer.h"
#include "cocos2d/Action.h"
#include "cocos2d/ActionManager.h"
#include "cocos2d/Director.h"
#include "cocos2d/EventDispatcher.h"
#include "cocos2d/Log.h"
#include "cocos2d/Scheduler.h"

namespace cocos2d {

namespace {
// Ties between equal z-orders are broken by this global arrival counter.
unsigned long nextOrderOfArrival = 1;

Scheduler& scheduler() { return *Director::getInstance()->getScheduler(); }
ActionManager& actionManager() { return *Director::getInstance()->getActionManager(); }
} // namespace

Node::Node() = default;

Node::~Node() {
    for (Node* child : children_) child->setParent(nullptr);
    // A node freed without cleanup (never added, or dropped by its last
    // owner) must not leave timers or listeners pointing at it.
    if (Director* director = existingDirector()) {
        director->getScheduler()->unscheduleAllForTarget(this);
        director->getEventDispatcher()->removeEventListenersForTarget(this);
    }
}

bool Node::init() { return true; }

// --- tree -------------------------------------------------------------------

void Node::addChild(Node* child) { addChild(child, child != nullptr ? child->localZOrder_ : 0); }

void Node::addChild(Node* child, int localZOrder) {
    if (child == nullptr) {
        log("cocos2d: addChild with a null child ignored");
        return;
    }
    insertChild(child, localZOrder);
}

void Node::addChild(Node* child, int localZOrder, int tag) {
    if (child == nullptr) {
        log("cocos2d: addChild with a null child ignored");
        return;
    }
    child->tag_ = tag;
    insertChild(child, localZOrder);
}

void Node::insertChild(Node* child, int localZOrder) {
    if (child->parent_ != nullptr || child == this) {
        log("cocos2d: addChild of a node that already has a parent ignored");
        return;
    }
    children_.pushBack(child);
    child->setParent(this);
    child->localZOrder_ = localZOrder;
    child->orderOfArrival_ = nextOrderOfArrival++;
    childrenDirty_ = true;
    if (running_) child->onEnter();
}

void Node::removeChild(Node* child, bool cleanup) {
    if (child == nullptr || child->parent_ != this) return;
    // Keep the child alive through its own onExit and cleanup.
    child->retain();
    if (child->running_) child->onExit();
    if (cleanup) child->cleanup();
    child->setParent(nullptr);
    children_.eraseObject(child);
    child->release();
}

void Node::removeFromParent() { removeFromParentAndCleanup(true); }

void Node::removeFromParentAndCleanup(bool cleanup) {
    if (parent_ != nullptr) parent_->removeChild(this, cleanup);
}

void Node::removeAllChildren() { removeAllChildrenWithCleanup(true); }

void Node::removeAllChildrenWithCleanup(bool cleanup) {
    Vector<Node*> old;
    old.swap(children_);
    for (Node* child : old) {
        if (child->running_) child->onExit();
        if (cleanup) child->cleanup();
        child->setParent(nullptr);
    }
}

Node* Node::getChildByTag(int tag) const {
    for (Node* child : children_) {
        if (child->tag_ == tag) return child;
    }
    return nullptr;
}

void Node::setLocalZOrder(int z) {
    if (z == localZOrder_) return;
    localZOrder_ = z;
    // A node moved to another z-order comes last among its new equals.
    orderOfArrival_ = nextOrderOfArrival++;
    if (parent_ != nullptr) parent_->childrenDirty_ = true;
}

void Node::sortAllChildren() {
    if (!childrenDirty_) return;
    std::stable_sort(children_.begin(), children_.end(), [](const Node* a, const Node* b) {
        if (a->localZOrder_ != b->localZOrder_) return a->localZOrder_ < b->localZOrder_;
        return a->orderOfArrival_ < b->orderOfArrival_;
    });
    childrenDirty_ = false;
}

// --- geometry -----------------------------------------------------------------

void Node::setPosition(const Vec2& position) { position_ = position; }

void Node::setPosition(float x, float y) { setPosition(Vec2(x, y)); }

void Node::setPositionX(float x) { setPosition(Vec2(x, position_.y)); }

void Node::setPositionY(float y) { setPosition(Vec2(position_.x, y)); }

void Node::setAnchorPoint(const Vec2& anchor) { anchorPoint_ = anchor; }

void Node::setContentSize(const Size& size) { contentSize_ = size; }

void Node::setScale(float scale) {
    setScaleX(scale);
    setScaleY(scale);
}

void Node::setScale(float scaleX, float scaleY) {
    setScaleX(scaleX);
    setScaleY(scaleY);
}

void Node::setScaleX(float scaleX) { scaleX_ = scaleX; }

void Node::setScaleY(float scaleY) { scaleY_ = scaleY; }

Transform Node::getNodeToParentTransform() const {
    // p_parent = position + scale × (p_local − anchor × contentSize)
    return {scaleX_, scaleY_, position_.x - scaleX_ * anchorPoint_.x * contentSize_.width,
            position_.y - scaleY_ * anchorPoint_.y * contentSize_.height};
}

Rect Node::getBoundingBox() const {
    Transform transform = getNodeToParentTransform();
    Vec2 a = transform.apply(Vec2(0.0f, 0.0f));
    Vec2 b = transform.apply(Vec2(contentSize_.width, contentSize_.height));
    float minX = std::min(a.x, b.x);
    float minY = std::min(a.y, b.y);
    return Rect(minX, minY, std::max(a.x, b.x) - minX, std::max(a.y, b.y) - minY);
}

// --- actions ------------------------------------------------------------------

Action* Node::runAction(Action* action) {
    if (action == nullptr) {
        log("cocos2d: runAction with a null action ignored");
        return nullptr;
    }
    actionManager().addAction(action, this, !running_);
    return action;
}

void Node::stopAction(Action* action) {
    if (action != nullptr) actionManager().removeAction(action);
}

void Node::stopAllActions() { actionManager().removeAllActionsFromTarget(this); }

std::size_t Node::getNumberOfRunningActions() const {
    return actionManager().getNumberOfRunningActionsInTarget(this);
}

// --- scheduling ---------------------------------------------------------------

void Node::scheduleUpdate() { scheduler().scheduleUpdate(this, !running_); }

void Node::unscheduleUpdate() { scheduler().unscheduleUpdate(this); }

void Node::schedule(SEL_SCHEDULE selector, float interval) {
    scheduler().schedule(selector, this, interval, Scheduler::kRepeatForever, 0.0f, !running_);
}

void Node::scheduleOnce(SEL_SCHEDULE selector, float delay) {
    scheduler().schedule(selector, this, 0.0f, 0, delay, !running_);
}

void Node::unschedule(SEL_SCHEDULE selector) { scheduler().unschedule(selector, this); }

void Node::unscheduleAllCallbacks() { scheduler().unscheduleAllForTarget(this); }

bool Node::isScheduled(SEL_SCHEDULE selector) const { return scheduler().isScheduled(selector, this); }

void Node::update(float) {}

// --- lifecycle ----------------------------------------------------------------

void Node::onEnter() {
    running_ = true;
    scheduler().resumeTarget(this);
    actionManager().resumeTarget(this);
    // A copy: an entering child may add or remove its siblings.
    Vector<Node*> children(children_);
    for (Node* child : children) {
        if (child->parent_ == this && !child->running_) child->onEnter();
    }
}

void Node::onExit() {
    scheduler().pauseTarget(this);
    actionManager().pauseTarget(this);
    Vector<Node*> children(children_);
    for (Node* child : children) {
        if (child->parent_ == this && child->running_) child->onExit();
    }
    running_ = false;
}

void Node::cleanup() {
    stopAllActions();
    unscheduleAllCallbacks();
    Director::getInstance()->getEventDispatcher()->removeEventListenersForTarget(this);
    Vector<Node*> children(children_);
    for (Node* child : children) child->cleanup();
}

// --- drawing ------------------------------------------------------------------

void Node::visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity) {
    if (!visible_) return;
    Transform transform = parentTransform.then(getNodeToParentTransform());
    float opacity = parentOpacity * static_cast<float>(opacity_) / 255.0f;
    sortAllChildren();
    std::size_t i = 0;
    for (; i < children_.size() && children_.at(i)->localZOrder_ < 0; ++i) {
        children_.at(i)->visit(renderer, transform, opacity);
    }
    draw(renderer, transform, opacity);
    for (; i < children_.size(); ++i) children_.at(i)->visit(renderer, transform, opacity);
}

void Node::draw(Renderer&, const Transform&, float) {}

} // namespace cocos2d
