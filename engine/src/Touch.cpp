#include "cocos2d/Touch.h"

#include "cocos2d/Director.h"

namespace cocos2d {

namespace {
// View points have y down from the top of the design area; locations y up.
Vec2 toLocation(const Vec2& viewPoint) {
    return Vec2(viewPoint.x, Director::getInstance()->getWinSize().height - viewPoint.y);
}
} // namespace

Touch* Touch::create(int id) { return createWithInit<Touch>(id); }

bool Touch::init(int id) {
    id_ = id;
    return true;
}

Vec2 Touch::getLocation() const { return toLocation(point_); }

Vec2 Touch::getPreviousLocation() const { return toLocation(previousPoint_); }

Vec2 Touch::getStartLocation() const { return toLocation(startPoint_); }

Vec2 Touch::getDelta() const { return getLocation() - getPreviousLocation(); }

void Touch::setTouchInfo(const Vec2& viewPoint, bool first) {
    if (first) {
        startPoint_ = viewPoint;
        previousPoint_ = viewPoint;
    } else {
        previousPoint_ = point_;
    }
    point_ = viewPoint;
}

} // namespace cocos2d
