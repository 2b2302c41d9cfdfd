#pragma once
#include "app/Common.h"
#include "weather/Rain.h"

// A curtain of falling drops around a horizontal centre. It adds a drop every
// second frame while it holds at most maxDrops, so it fills up to
// maxDrops + 1; a drop that falls below y 200 goes back to the top, or is
// removed while the curtain is over its limit. Counts in frames, not time.
// Positions are in the manager's own space.
class RainManager : public cocos2d::Node {
public:
    CC_CREATABLE;
    static RainManager* create(int maxDrops);
    bool init(int maxDrops);
    // Drops placed from now on start within one screen width of x; drops
    // already falling keep their x.
    void setCenterX(float x);
    void spawnDrop();
    // A new random start: height 1.00, 1.01 or 1.02 screens, x in the range.
    void placeDrop(Rain* drop);
    void update(float dt) override;

    cocos2d::Vector<Rain*> drops; // in spawn order; each is also a child
    int spawnMinX = 0;            // inclusive range of start x, design points
    int spawnMaxX = 0;
    int maxDrops = 0;
    float spawnTimer = 0; // frames until the next spawn may happen

protected:
    RainManager() = default;
};
