#pragma once
#include "cocos2d/Node.h"

namespace cocos2d {

// The root of a screen: a screen-sized node that the director runs.
class Scene : public Node {
public:
    CREATE_FUNC(Scene)
    bool init() override;
};

} // namespace cocos2d
