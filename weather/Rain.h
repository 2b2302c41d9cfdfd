#pragma once
#include "app/Common.h"

// One rain drop: a pale, stretched, half-transparent streak. The rain
// manager places, moves and recycles it.
class Rain : public cocos2d::Sprite {
public:
    CREATE_FUNC(Rain)
    bool init() override;

    float fallSpeed = 0; // design points per frame, 18..23, fixed for the drop's life

protected:
    Rain() = default;
};
