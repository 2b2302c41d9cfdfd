#include "frontend/ResultScene.h"

#include "frontend/ResultLayer.h"

ResultScene* ResultScene::create(int score) {
    return cocos2d::createWithInit<ResultScene>(score);
}

bool ResultScene::init(int score) {
    if (!Scene::init()) return false;
    addChild(ResultLayer::create(score));
    return true;
}
