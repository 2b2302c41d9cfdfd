#pragma once
#include "app/Common.h"

// The title logo and the tap prompt, which fades out and back in every
// 2 seconds, starting fully opaque.
class TitleNode : public cocos2d::Node {
public:
    CREATE_FUNC(TitleNode)
    bool init() override;

    cocos2d::Sprite* logo = nullptr;      // weak: child
    cocos2d::Sprite* tapPrompt = nullptr; // weak: child, drawn over the logo
    // Weak: the running blink is held by the engine.
    cocos2d::FadeTo* promptFadeOut = nullptr;
    cocos2d::FadeTo* promptFadeIn = nullptr;
    cocos2d::Sequence* promptBlink = nullptr;
    cocos2d::RepeatForever* promptBlinkForever = nullptr;

    ~TitleNode() override = default;

protected:
    TitleNode() = default;
};
