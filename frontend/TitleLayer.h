#pragma once
#include "app/Common.h"
#include "frontend/TitleNode.h"
#include "weather/RainManager.h"
#include "world/MapCreator.h"

// Stage 1's street in the rain with the figure standing in it, under the
// logo, over the title music. The first tap plays the button sound, fades
// through white to the stage select and sends the figure walking off.
class TitleLayer : public cocos2d::Layer {
public:
    CREATE_FUNC(TitleLayer)
    bool init() override;
    // While leaving: the figure walks 10 design points per frame (not scaled
    // by the frame time).
    void update(float dt) override;
    // The first tap leaves; every touch is claimed.
    bool onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event) override;

    // The figure's walk, built on the tap; null until then. Weak: the
    // running action is held by the engine.
    cocos2d::Animation* leaveAnimation = nullptr;
    cocos2d::Animate* leaveAnimate = nullptr;
    cocos2d::RepeatForever* leaveAction = nullptr;
    // Weak: children of this layer, drawn in this order.
    RainManager* rainBehind = nullptr;
    MapCreator* titleMap = nullptr;
    cocos2d::Sprite* walker = nullptr;
    RainManager* rainFront = nullptr;
    TitleNode* titleNode = nullptr;
    bool canTap = false;    // true until the first tap is taken
    bool isLeaving = false; // true once the figure walks off

    ~TitleLayer() override = default;

protected:
    TitleLayer() = default;

private:
    void addScenery();
    void startLeaving();
};
