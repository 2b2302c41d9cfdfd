#pragma once
#include "app/Common.h"

// The dryness bar at the top left of the play screen. Nobody feeds it: every
// frame it reads the play layer's `hp` itself, so its parent must be the play
// scene (GameScene) with its `gameLayer` set.
class HPGauge : public cocos2d::Node {
public:
    CC_CREATABLE;
    // `maxHp` is the dryness of a full bar; positive.
    static HPGauge* create(int maxHp);
    bool init(int maxHp);

    // Per frame: scale the bar to hp / maxHp (not clamped) and tint it green,
    // yellow or red. `dt` is not used.
    void update(float dt) override;

    cocos2d::Sprite* bar = nullptr;   // weak: child; scaled and tinted
    cocos2d::Sprite* frame = nullptr; // weak: child; drawn over the bar
    float maxHp = 0;

protected:
    HPGauge() = default;

private:
    float readRatio() const;
};
