#include "weather/RainManager.h"

#include "app/Random.h"

namespace {

// A drop is done once its y is below this line (y on the line falls once more).
const double BOTTOM_LINE = SCREEN_SIZE.height * 0.0 + 200;

} // namespace

RainManager* RainManager::create(int maxDrops) {
    return cocos2d::createWithInit<RainManager>(maxDrops);
}

bool RainManager::init(int maxDrops) {
    if (!Node::init()) return false;
    this->maxDrops = maxDrops;
    spawnTimer = 2;
    scheduleUpdate();
    return true;
}

void RainManager::setCenterX(float x) {
    const int center = static_cast<int>(x);
    const int reach = static_cast<int>(SCREEN_SIZE.width);
    spawnMinX = center - reach;
    spawnMaxX = center + reach;
    cocos2d::log("%d,%d", spawnMinX, spawnMaxX);
}

void RainManager::spawnDrop() {
    Rain* drop = Rain::create();
    placeDrop(drop);
    addChild(drop);
    drops.pushBack(drop);
}

void RainManager::placeDrop(Rain* drop) {
    std::mt19937 generator = Random::makeGenerator();
    const int h = Random::between(generator, 100, 102);
    const int x = Random::between(generator, spawnMinX, spawnMaxX);
    drop->setPosition(static_cast<float>(x), SCREEN_SIZE.height * (static_cast<float>(h) * 0.01f));
}

void RainManager::update(float /*dt*/) {
    spawnTimer -= 1;
    if (static_cast<int>(drops.size()) <= maxDrops && spawnTimer < 0) {
        spawnTimer = 1;
        spawnDrop();
    }
    for (std::size_t i = 0; i < drops.size();) {
        Rain* drop = drops.at(i);
        drop->setPositionY(drop->getPositionY() - drop->fallSpeed);
        if (static_cast<double>(drop->getPositionY()) < BOTTOM_LINE) {
            if (static_cast<int>(drops.size()) <= maxDrops) {
                placeDrop(drop);
            } else {
                // The list holds the last reference: it must go after the tree's.
                drop->removeFromParentAndCleanup(true);
                drops.erase(i);
                continue; // the next drop now sits at i and still falls this frame
            }
        }
        ++i;
    }
}
