#pragma once
#include "app/Common.h"

// The stage select screen, between the title and play.
class StageScene : public cocos2d::Scene {
public:
    CREATE_FUNC(StageScene)
    bool init() override;

    ~StageScene() override = default;

protected:
    StageScene() = default;
};
