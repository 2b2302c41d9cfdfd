#pragma once
// Shared by the screen tests: finding a screen's layer, reading the scene
// change that a screen asked for, counting button sounds.
#include <string>

#include "SimpleAudioEngine.h"
#include "cocos2d.h"

namespace frontend_test {

// The first child of `parent` of type T, or null.
template <class T>
T* findChild(cocos2d::Node* parent) {
    if (parent == nullptr) return nullptr;
    for (cocos2d::Node* child : parent->getChildren()) {
        if (auto* found = dynamic_cast<T*>(child)) return found;
    }
    return nullptr;
}

// The running fade, once a scene change through one has begun.
inline cocos2d::TransitionFade* runningFade() {
    return dynamic_cast<cocos2d::TransitionFade*>(cocos2d::Director::getInstance()->getRunningScene());
}

// The scene a running fade leads to, as T (null when there is none).
template <class T>
T* fadeTarget() {
    cocos2d::TransitionFade* fade = runningFade();
    return fade == nullptr ? nullptr : dynamic_cast<T*>(fade->getInScene());
}

inline unsigned int buttonSounds() {
    return CocosDenshion::SimpleAudioEngine::getInstance()->getEffectPlayCount("Music/button.mp3");
}

} // namespace frontend_test
