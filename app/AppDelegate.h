#pragma once
#include "app/Common.h"

// The engine calls it back to ask for the window's context attributes, once
// when launching has finished, and whenever the window goes to the
// background or comes back.
class AppDelegate : public cocos2d::Application {
public:
    AppDelegate() = default;
    ~AppDelegate() override = default;

    // Opens the window unless the director already has one, fixes 60 frames
    // per second and the 1920 × 1080 design area, runs the title. False only
    // when no window could be opened.
    bool applicationDidFinishLaunching() override;
    // Stops the main loop; music and effects are left alone.
    void applicationDidEnterBackground() override;
    void applicationWillEnterForeground() override;
    // 8 bits per colour channel and alpha, 24 depth bits, 8 stencil bits.
    void initGLContextAttrs() override;
};
