#pragma once
// Teardown shared by the application loop and the headless harness.

namespace cocos2d {

// Drains the autorelease pool and drops the cached textures and fonts.
void releaseEngineCaches();
// Quits the SDL libraries; call once the view is gone.
void quitSdl();

} // namespace cocos2d
