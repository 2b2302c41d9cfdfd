#include "weather/Rain.h"

#include "app/Random.h"

bool Rain::init() {
    if (!Sprite::init()) return false;
    initWithFile("rain.png"); // a missing image leaves an empty sprite
    setColor(cocos2d::Color3B(220, 240, 250));
    setScale(0.3f, 2.0f);
    setOpacity(200);
    std::mt19937 generator = Random::makeGenerator();
    fallSpeed = static_cast<float>(Random::between(generator, 18, 23));
    return true;
}
