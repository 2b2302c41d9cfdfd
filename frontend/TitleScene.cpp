#include "frontend/TitleScene.h"

#include "frontend/TitleLayer.h"

bool TitleScene::init() {
    if (!Scene::init()) return false;
    titleLayer = TitleLayer::create();
    addChild(titleLayer);
    return true;
}
