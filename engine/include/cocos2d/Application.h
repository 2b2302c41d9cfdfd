#pragma once

namespace cocos2d {

// The program's frame loop. A game derives its delegate from it, and the
// entry point constructs the delegate and calls `run`.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* getInstance();

    // Asks for the window's context attributes, calls
    // `applicationDidFinishLaunching`, then runs one frame per animation
    // interval until the window closes or the director ends. Sleeps between
    // frames. Minimising the window calls `applicationDidEnterBackground`,
    // restoring it `applicationWillEnterForeground`. Returns the exit code
    // (0 on a normal close).
    int run();

    virtual void initGLContextAttrs() {}
    virtual bool applicationDidFinishLaunching() = 0;
    virtual void applicationDidEnterBackground() = 0;
    virtual void applicationWillEnterForeground() = 0;
};

} // namespace cocos2d
