#pragma once
#include "app/Common.h"

class TitleLayer;

// The first screen, and the one every result returns to (always built anew).
class TitleScene : public cocos2d::Scene {
public:
    CREATE_FUNC(TitleScene)
    bool init() override;

    TitleLayer* titleLayer = nullptr; // weak: child

    ~TitleScene() override = default;

protected:
    TitleScene() = default;
};
