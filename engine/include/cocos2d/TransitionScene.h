#pragma once
#include "cocos2d/Scene.h"

namespace cocos2d {

// A scene that shows the change from the running scene (out) to a new one
// (in) over `duration` seconds. The in-scene is entered when the transition
// starts, so its updates, timers and actions run during it, and the out-scene
// keeps running until the end. Touches are not delivered until it ends; then
// the out-scene is exited, cleaned up and released, and the in-scene becomes
// the running scene.
class TransitionScene : public Scene {
public:
    void onEnter() override;
    void onExit() override;
    void cleanup() override;
    void visit(Renderer& renderer, const Transform& parentTransform, float parentOpacity) override;
    float getDuration() const { return duration_; }
    Scene* getInScene() const { return inScene_; }
    Scene* getOutScene() const { return outScene_; }
    // Progress 0..1.
    float getProgress() const;

    ~TransitionScene() override;

protected:
    TransitionScene() = default;
    bool initWithDuration(float duration, Scene* inScene);
    // Draws both scenes for progress `t`.
    virtual void drawTransition(Renderer& renderer, const Transform& parentTransform, float parentOpacity, float t) = 0;

private:
    void tick(float dt);
    friend class Director;

    float duration_ = 0.0f;
    float elapsed_ = 0.0f;
    Scene* inScene_ = nullptr;  // retained
    Scene* outScene_ = nullptr; // retained
};

} // namespace cocos2d
