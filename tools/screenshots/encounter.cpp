#include "app/Common.h"
#include "cocos2d/testing/Headless.h"
#include "gameplay/GameScene.h"
#include "gameplay/GameLayer.h"
#include "characters/UmbrellaCreator.h"
#include "characters/Umbrella.h"
#include "characters/Player.h"
// Screenshot of an encounter: the player sheltering under a passer-by whose
// patience is past half, so the question mark shows. Build against a build
// tree's libraries (see tools/screenshots/README.md).
int main(int argc, char** argv) {
    cocos2d::setLogSink([](const std::string&) {});
    cocos2d::testing::Headless h(cocos2d::Size(1920, 1080), argc > 1 ? argv[1] : "");
    auto* scene = GameScene::create(3, 200);
    h.runWithScene(scene);
    h.step(150);
    GameLayer* layer = scene->gameLayer;
    h.touchBegan(cocos2d::Vec2(1500, 500)); h.step(60); h.touchEnded(cocos2d::Vec2(1500, 500)); h.step(1);
    Umbrella* u = layer->umbrellaCreator->umbrellas[0];
    u->isActive = false;
    u->initWithFile("GameScene/umbrellaman_0.png");
    u->direction = 2; u->moveDirection = 0; u->irritationLimit = 180;
    u->setPosition(layer->player->getPositionX() + 90, 378); u->setOpacity(255);
    layer->irritation[0] = 120;
    h.step(2);
    h.capture().savePng(argc > 2 ? argv[2] : "encounter.png");
    return 0;
}
