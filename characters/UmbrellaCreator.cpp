#include "characters/UmbrellaCreator.h"

using namespace cocos2d;

UmbrellaCreator* UmbrellaCreator::create(float stageWidth, int count) {
    return createWithInit<UmbrellaCreator>(stageWidth, count);
}

bool UmbrellaCreator::init(float stageWidth, int count) {
    if (!Node::init()) return false;
    for (int i = 0; i < count; ++i) {
        Umbrella* person = Umbrella::create(stageWidth);
        if (person == nullptr) {
            log("characters/UmbrellaCreator.cpp:%d: umbrella person %d could not be created; left out", __LINE__, i);
            continue;
        }
        umbrellas.push_back(person);
        person->setScale(1.6f);
        addChild(person); // later people draw above earlier ones
    }
    return true;
}
