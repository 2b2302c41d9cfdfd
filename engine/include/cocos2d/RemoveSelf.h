#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Removes the target from its parent, with cleanup.
class RemoveSelf : public ActionInstant {
public:
    CC_CREATABLE;
    static RemoveSelf* create();
    bool init() { return true; }
    void execute() override;

protected:
    RemoveSelf() = default;
};

} // namespace cocos2d
