#include "cocos2d/Director.h"

#include "DirectorAccess.h"
#include "Renderer.h"
#include "TimeTolerance.h"
#include "cocos2d/ActionManager.h"
#include "cocos2d/AutoreleasePool.h"
#include "cocos2d/EventDispatcher.h"
#include "cocos2d/GLView.h"
#include "cocos2d/Log.h"
#include "cocos2d/Scene.h"
#include "cocos2d/Scheduler.h"
#include "cocos2d/TextureCache.h"
#include "cocos2d/TransitionScene.h"

namespace cocos2d {

namespace {
Director* instance = nullptr;
// The game's design resolution, used until a view says otherwise.
constexpr Size kDefaultDesignSize(1920.0f, 1080.0f);
} // namespace

Director* existingDirector() { return instance; }

Director* Director::getInstance() {
    if (instance == nullptr) instance = new Director();
    return instance;
}

void Director::destroyInstance() {
    if (instance == nullptr) {
        AutoreleasePool::getInstance().clear();
        return;
    }
    instance->purge();
    // Objects freed from here on find no director and leave it alone.
    Director* director = instance;
    instance = nullptr;
    delete director;
}

Director::Director()
    : scheduler_(std::make_unique<Scheduler>()),
      actionManager_(std::make_unique<ActionManager>()),
      eventDispatcher_(std::make_unique<EventDispatcher>()) {}

Director::~Director() = default;

void Director::purge() {
    Scene* pending = nextScene_;
    nextScene_ = nullptr;
    endScene(pending);
    Scene* running = runningScene_;
    runningScene_ = nullptr;
    endScene(running);
    // What no scene held: actions on loose nodes, timers of nodes never added.
    actionManager_->removeAllActions();
    scheduler_->unscheduleAll();
    AutoreleasePool::getInstance().clear();
    if (view_ != nullptr) {
        view_->release();
        view_ = nullptr;
    }
    TextureCache::getInstance().removeAllTextures();
    AutoreleasePool::getInstance().clear();
}

void Director::endScene(Scene* scene) {
    if (scene == nullptr) return;
    if (auto* transition = dynamic_cast<TransitionScene*>(scene)) {
        for (Scene* part : {transition->outScene_, transition->inScene_}) {
            if (part == nullptr) continue;
            if (part->isRunning()) part->onExit();
            part->cleanup();
        }
    }
    if (scene->isRunning()) scene->onExit();
    scene->cleanup();
    scene->release();
}

// --- scenes ---------------------------------------------------------------

void Director::runWithScene(Scene* scene) {
    if (scene == nullptr) {
        log("cocos2d: runWithScene with a null scene ignored");
        return;
    }
    if (runningScene_ != nullptr || nextScene_ != nullptr) {
        log("cocos2d: runWithScene while a scene runs; replacing it");
        replaceScene(scene);
        return;
    }
    scene->retain();
    runningScene_ = scene;
    scene->onEnter();
}

void Director::replaceScene(Scene* scene) {
    if (scene == nullptr) {
        log("cocos2d: replaceScene with a null scene ignored");
        return;
    }
    if (scene == nextScene_ || scene == runningScene_) return;
    scene->retain();
    Scene* dropped = nextScene_;
    nextScene_ = scene;
    endScene(dropped);
}

void Director::setNextScene() {
    Scene* next = nextScene_;
    nextScene_ = nullptr;
    if (next == runningScene_) { // the in-scene of a transition that just ended
        next->release();
        return;
    }
    Scene* old = runningScene_;
    if (auto* transition = dynamic_cast<TransitionScene*>(next)) {
        // The transition takes over the running scene, which keeps running.
        transition->outScene_ = old;
        runningScene_ = transition;
        transition->onEnter();
        if (transition->getProgress() >= 1.0f) finishTransition(transition->getInScene());
        return;
    }
    runningScene_ = nullptr;
    endScene(old);
    runningScene_ = next;
    next->onEnter();
}

void Director::advanceTransition(float dt) {
    auto* transition = dynamic_cast<TransitionScene*>(runningScene_);
    if (transition == nullptr) return;
    transition->tick(dt);
    if (transition->getProgress() >= 1.0f) finishTransition(transition->getInScene());
}

void Director::finishTransition(Scene* inScene) {
    auto* transition = dynamic_cast<TransitionScene*>(runningScene_);
    if (transition == nullptr || inScene == nullptr || transition->getInScene() != inScene) {
        log("cocos2d: finishTransition without that transition running ignored");
        return;
    }
    Scene* out = transition->outScene_;
    if (out != nullptr && out != inScene) { // a fade into the scene already shown keeps it
        if (out->isRunning()) out->onExit();
        out->cleanup();
    }
    inScene->retain();
    runningScene_ = inScene; // already entered when the transition started
    transition->onExit();
    transition->cleanup(); // lets go of the in- and the out-scene
    transition->release();
    eventDispatcher_->setEnabled(true);
}

// --- frames -----------------------------------------------------------------

void Director::setAnimationInterval(float seconds) {
    if (seconds > 0.0f) animationInterval_ = seconds;
}

void Director::stopAnimation() { animating_ = false; }

void Director::startAnimation() { animating_ = true; }

void Director::mainLoop(float dt) {
    if (!animating_) return;
    actionManager_->update(dt);
    scheduler_->update(dt);
    if (dynamic_cast<TransitionScene*>(runningScene_) != nullptr) advanceTransition(dt);
    if (nextScene_ != nullptr && dynamic_cast<TransitionScene*>(runningScene_) == nullptr) setNextScene();
    drawScene();
    AutoreleasePool::getInstance().clear();
    ++totalFrames_;
}

void Director::drawScene() {
    if (view_ == nullptr) return;
    Renderer& renderer = view_->getRenderer();
    renderer.clear(Color3B::BLACK);
    if (runningScene_ != nullptr) runningScene_->visit(renderer, Transform{}, 1.0f);
    view_->present();
}

// --- view -------------------------------------------------------------------

void Director::setOpenGLView(GLView* view) {
    if (view == view_) return;
    if (view != nullptr) view->retain();
    if (view_ != nullptr) view_->release();
    view_ = view;
}

Size Director::getWinSize() const {
    if (view_ != nullptr) {
        const Size& design = view_->getDesignResolutionSize();
        if (design.width > 0.0f && design.height > 0.0f) return design;
    }
    return kDefaultDesignSize;
}

Size Director::getVisibleSize() const { return getWinSize(); }

} // namespace cocos2d
