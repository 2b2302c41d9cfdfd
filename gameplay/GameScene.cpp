#include "gameplay/GameScene.h"

#include "characters/HPGauge.h"
#include "gameplay/GameLayer.h"

GameScene* GameScene::create(int stageNumber, int hp) { return cocos2d::createWithInit<GameScene>(stageNumber, hp); }

bool GameScene::init(int stageNumber, int hp) {
    if (!Scene::init()) return false;
    gameLayer = GameLayer::create(stageNumber, hp);
    addChild(gameLayer, 1);
    // Same starting value as the layer, so a fresh stage shows a full bar.
    hpGauge = HPGauge::create(hp);
    addChild(hpGauge, 2);
    return true;
}
