// Stand-in until the play scene lands: an empty play layer that only keeps
// the stage number and the starting dryness, so that the screen cycle links.
#include "gameplay/GameScene.h"

#include "gameplay/GameLayer.h"

GameLayer* GameLayer::create(int stageNumber, int hp) {
    return cocos2d::createWithInit<GameLayer>(stageNumber, hp);
}

bool GameLayer::init(int stageNumber, int hp) {
    if (!Layer::init()) return false;
    this->stageNumber = stageNumber;
    this->hp = hp;
    return true;
}

GameScene* GameScene::create(int stageNumber, int hp) {
    return cocos2d::createWithInit<GameScene>(stageNumber, hp);
}

bool GameScene::init(int stageNumber, int hp) {
    if (!Scene::init()) return false;
    gameLayer = GameLayer::create(stageNumber, hp);
    addChild(gameLayer, 1);
    return true;
}
