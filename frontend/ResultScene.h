#pragma once
#include "app/Common.h"

// The end of every play: the result lines for a score (0 is a miss).
class ResultScene : public cocos2d::Scene {
public:
    CC_CREATABLE;
    static ResultScene* create(int score);
    bool init(int score);

    ~ResultScene() override = default;

protected:
    ResultScene() = default;
};
