#include "frontend/StageScene.h"

#include "frontend/StageLayer.h"

bool StageScene::init() {
    if (!Scene::init()) return false;
    addChild(StageLayer::create());
    return true;
}
