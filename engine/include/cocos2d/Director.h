#pragma once
#include <memory>

#include "cocos2d/Geometry.h"

namespace cocos2d {

class ActionManager;
class EventDispatcher;
class GLView;
class Renderer;
class Scene;
class Scheduler;

// Runs one scene at a time and drives the frames. The application loop (or
// a test harness) first lets the view dispatch its pending window and touch
// events (`GLView::pollEvents`), then calls `mainLoop`, which runs in order:
//   1. actions: every running action steps (see ActionManager for when a
//      new action takes its first step);
//   2. updates and timers (see Scheduler);
//   3. scene change: a running transition advances and, once its time is
//      up, hands over to its in-scene; then a scene change asked for since
//      the previous frame takes effect: the old scene is exited, cleaned up
//      and released, the new one entered. A change asked for during a
//      transition waits until the transition has ended and then takes
//      effect in that same step;
//   4. drawing, only when there is a view: the running scene is drawn and
//      presented;
//   5. the autorelease pool is drained.
// While the animation is stopped `mainLoop` does nothing.
class Director {
public:
    static Director* getInstance();
    // Ends every scene and frees the director (tests, process exit).
    static void destroyInstance();

    // Enters `scene` at once as the running scene (holds a reference). With
    // a scene already running it acts as `replaceScene`.
    void runWithScene(Scene* scene);
    // Replaces the running scene in the scene-change step of the next frame
    // (holds a reference until then). A TransitionScene takes over the
    // running scene itself. Of several requests before that step the last
    // one wins; the others are cleaned up and released unseen.
    void replaceScene(Scene* scene);
    Scene* getRunningScene() const { return runningScene_; }

    // Seconds between frames (1/60 for 60 frames per second).
    void setAnimationInterval(float seconds);
    float getAnimationInterval() const { return animationInterval_; }
    // While stopped, the application's loop runs no frame: nothing advances
    // and nothing is drawn. The first frame after a restart has a normal
    // frame time, not the time spent stopped.
    void stopAnimation();
    void startAnimation();
    bool isAnimating() const { return animating_; }

    GLView* getOpenGLView() const { return view_; }
    // Holds a reference to the view.
    void setOpenGLView(GLView* view);
    // The design resolution (the whole visible area), in design points:
    // the view's, or 1920 × 1080 while there is no view or its design size
    // has not been set yet.
    Size getWinSize() const;
    Size getVisibleSize() const;

    Scheduler* getScheduler() const { return scheduler_.get(); }
    ActionManager* getActionManager() const { return actionManager_.get(); }
    EventDispatcher* getEventDispatcher() const { return eventDispatcher_.get(); }

    // One frame with the frame time `dt` in seconds.
    void mainLoop(float dt);
    unsigned long getTotalFrames() const { return totalFrames_; }
    // Asks the application loop to end after this frame.
    void end() { endRequested_ = true; }
    bool isEndRequested() const { return endRequested_; }

    // Engine internal: a transition hands its in-scene over once it is done,
    // already entered.
    void finishTransition(Scene* inScene);

    ~Director();

private:
    Director();
    void setNextScene();
    void advanceTransition(float dt);
    void drawScene();
    // Exits (if running), cleans up and releases a scene, a transition with
    // the scenes it holds.
    void endScene(Scene* scene);
    void purge();

    Scene* runningScene_ = nullptr; // retained
    Scene* nextScene_ = nullptr;    // retained
    GLView* view_ = nullptr;        // retained
    std::unique_ptr<Scheduler> scheduler_;
    std::unique_ptr<ActionManager> actionManager_;
    std::unique_ptr<EventDispatcher> eventDispatcher_;
    float animationInterval_ = 1.0f / 60.0f;
    bool animating_ = true;
    bool endRequested_ = false;
    unsigned long totalFrames_ = 0;
};

} // namespace cocos2d
