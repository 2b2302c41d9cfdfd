#include "characters/HPGauge.h"

#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"

using namespace cocos2d;

namespace {

// Bar colour bands; the boundaries themselves belong to the lower band.
constexpr float GREEN_ABOVE = 0.6666667f;
constexpr float YELLOW_ABOVE = 0.33333334f;

} // namespace

HPGauge* HPGauge::create(int maxHp) { return createWithInit<HPGauge>(maxHp); }

bool HPGauge::init(int maxHp) {
    if (!Node::init()) return false;
    // Left end fixed, so the bar shrinks towards it.
    const Vec2 leftMiddle(0.1f * SCREEN_SIZE.width, 0.9f * SCREEN_SIZE.height);

    bar = Sprite::create("GameScene/HPwaku.png");
    bar->setPosition(leftMiddle);
    bar->setAnchorPoint(Vec2::ANCHOR_MIDDLE_LEFT);
    addChild(bar);

    frame = Sprite::create("GameScene/HPwaku2.png");
    frame->setPosition(leftMiddle);
    frame->setAnchorPoint(Vec2::ANCHOR_MIDDLE_LEFT);
    addChild(frame);

    this->maxHp = static_cast<float>(maxHp);
    scheduleUpdate();
    return true;
}

float HPGauge::readRatio() const {
    const GameScene* scene = static_cast<GameScene*>(getParent());
    return static_cast<float>(scene->gameLayer->hp) / maxHp;
}

void HPGauge::update(float) {
    const float ratio = readRatio();
    log("%f", ratio);
    if (ratio > GREEN_ABOVE) {
        bar->setColor(Color3B::GREEN);
    } else if (ratio > YELLOW_ABOVE) {
        bar->setColor(Color3B::YELLOW);
    } else {
        bar->setColor(Color3B::RED);
    }
    bar->setScaleX(ratio); // negative hp mirrors the bar left of its anchor
}
