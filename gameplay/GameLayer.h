#pragma once
// Stand-in until the play layer lands: only what the stage select hands over.
#include "app/Common.h"

class GameLayer : public cocos2d::Layer {
public:
    CC_CREATABLE;
    static GameLayer* create(int stageNumber, int hp);
    bool init(int stageNumber, int hp);

    int stageNumber = 0;
    int hp = 0;

protected:
    GameLayer() = default;
};
