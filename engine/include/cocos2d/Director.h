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

// Runs one scene at a time and drives the frames. The order of one frame
// (`mainLoop`):
//   1. input: the view's pending window and touch events are dispatched;
//   2. actions: every running action steps;
//   3. updates and timers (see Scheduler);
//   4. a scene change asked for since the previous frame takes effect: the
//      old scene is exited, cleaned up and released, the new one entered;
//   5. drawing: the running scene is drawn and presented;
//   6. the autorelease pool is drained.
class Director {
public:
    static Director* getInstance();
    // Ends every scene and frees the director (tests, process exit).
    static void destroyInstance();

    void runWithScene(Scene* scene);
    // Replaces the running scene at the next frame. A TransitionScene takes
    // over the running scene itself.
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
    // The design resolution (the whole visible area), in design points.
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
