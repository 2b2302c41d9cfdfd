#pragma once
#include "cocos2d/Geometry.h"
#include "cocos2d/Macros.h"
#include "cocos2d/Ref.h"

namespace cocos2d {

// One finger (or the mouse) on the screen. Locations are design points.
class Touch : public Ref {
public:
    CC_CREATABLE;
    static Touch* create(int id);
    bool init(int id);

    int getID() const { return id_; }
    // y up, origin at the bottom-left of the design area.
    Vec2 getLocation() const;
    Vec2 getPreviousLocation() const;
    Vec2 getStartLocation() const;
    // y down, origin at the top-left of the design area.
    Vec2 getLocationInView() const { return point_; }
    Vec2 getPreviousLocationInView() const { return previousPoint_; }
    // Movement since the previous event of this touch, y up.
    Vec2 getDelta() const;

    // Engine internal: the new location in view coordinates.
    void setTouchInfo(const Vec2& viewPoint, bool first);

protected:
    Touch() = default;

private:
    int id_ = 0;
    Vec2 point_;
    Vec2 previousPoint_;
    Vec2 startPoint_;
};

} // namespace cocos2d
