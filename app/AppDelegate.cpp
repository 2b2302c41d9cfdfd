#include "app/AppDelegate.h"

#include "frontend/TitleScene.h"

bool AppDelegate::applicationDidFinishLaunching() {
    cocos2d::Director* director = cocos2d::Director::getInstance();
    cocos2d::GLView* view = director->getOpenGLView();
    if (view == nullptr) {
        view = cocos2d::GLViewImpl::create("Puddlestep");
        if (view == nullptr) {
            // Without a window there is nothing to run; the application
            // loop ends the program with a failure code.
            cocos2d::log("AppDelegate: the window \"Puddlestep\" could not be opened");
            return false;
        }
        director->setOpenGLView(view);
    }
    director->setAnimationInterval(1.0f / 60.0f);
    // The title is built before the design resolution is set; it places
    // everything from SCREEN_SIZE, not from the view.
    TitleScene* scene = TitleScene::create();
    view->setDesignResolutionSize(SCREEN_SIZE.width, SCREEN_SIZE.height, cocos2d::ResolutionPolicy::SHOW_ALL);
    director->runWithScene(scene);
    return true;
}

void AppDelegate::applicationDidEnterBackground() {
    cocos2d::Director::getInstance()->stopAnimation();
}

void AppDelegate::applicationWillEnterForeground() {
    cocos2d::Director::getInstance()->startAnimation();
}

void AppDelegate::initGLContextAttrs() {
    cocos2d::GLContextAttrs attrs;
    attrs.redBits = 8;
    attrs.greenBits = 8;
    attrs.blueBits = 8;
    attrs.alphaBits = 8;
    attrs.depthBits = 24;
    attrs.stencilBits = 8;
    cocos2d::GLView::setGLContextAttrs(attrs);
}
