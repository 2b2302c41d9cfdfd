#pragma once
#include "app/Common.h"

class GameLayer;
class HPGauge;

// One play of one stage: the play layer with the dryness gauge fixed above it.
// The gauge reads the layer's `hp` through `gameLayer` every frame.
class GameScene : public cocos2d::Scene {
public:
    CC_CREATABLE;
    static GameScene* create(int stageNumber, int hp);
    bool init(int stageNumber, int hp);

    GameLayer* gameLayer = nullptr; // weak: child at z 1
    HPGauge* hpGauge = nullptr;     // weak: child at z 2

    ~GameScene() override = default;

protected:
    GameScene() = default;
};
