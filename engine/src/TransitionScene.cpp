#include "cocos2d/TransitionScene.h"

#include <algorithm>

#include "TimeTolerance.h"
#include "cocos2d/Director.h"
#include "cocos2d/EventDispatcher.h"

namespace cocos2d {

bool TransitionScene::initWithDuration(float duration, Scene* inScene) {
    if (!Scene::init() || inScene == nullptr) return false;
    duration_ = std::max(0.0f, duration);
    inScene_ = inScene;
    inScene_->retain();
    return true;
}

TransitionScene::~TransitionScene() {
    if (inScene_ != nullptr) inScene_->release();
    if (outScene_ != nullptr) outScene_->release();
}

void TransitionScene::onEnter() {
    Scene::onEnter();
    // Touches wait for the end: neither screen takes input while they blend.
    Director::getInstance()->getEventDispatcher()->setEnabled(false);
    if (inScene_ != nullptr && !inScene_->isRunning()) inScene_->onEnter();
}

void TransitionScene::onExit() {
    Scene::onExit();
    Director::getInstance()->getEventDispatcher()->setEnabled(true);
}

void TransitionScene::cleanup() {
    Scene::cleanup();
    // The director has exited and cleaned the scenes (or handed the in-scene
    // on) by now; only the references remain.
    if (inScene_ != nullptr) inScene_->release();
    if (outScene_ != nullptr) outScene_->release();
    inScene_ = nullptr;
    outScene_ = nullptr;
}

void TransitionScene::visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity) {
    if (!isVisible()) return;
    drawTransition(renderer, parentTransform, parentOpacity, getProgress());
}

float TransitionScene::getProgress() const {
    if (elapsed_ + kTimeTolerance >= duration_) return 1.0f;
    return std::clamp(elapsed_ / duration_, 0.0f, 1.0f);
}

void TransitionScene::tick(float dt) { elapsed_ += dt; }

} // namespace cocos2d
