// Stand-in entry point until the application delegate lands: opens the
// window on an empty scene so the build and the window can be checked.
#include "app/Common.h"

namespace {

class StandInApp : public cocos2d::Application {
public:
    bool applicationDidFinishLaunching() override {
        auto* director = cocos2d::Director::getInstance();
        director->setOpenGLView(cocos2d::GLViewImpl::create("Puddlestep"));
        director->setAnimationInterval(1.0f / 60.0f);
        director->getOpenGLView()->setDesignResolutionSize(SCREEN_SIZE.width, SCREEN_SIZE.height,
                                                           cocos2d::ResolutionPolicy::SHOW_ALL);
        director->runWithScene(cocos2d::Scene::create());
        return true;
    }
    void applicationDidEnterBackground() override { cocos2d::Director::getInstance()->stopAnimation(); }
    void applicationWillEnterForeground() override { cocos2d::Director::getInstance()->startAnimation(); }
};

} // namespace

int main() {
    StandInApp app;
    return cocos2d::Application::getInstance()->run();
}
