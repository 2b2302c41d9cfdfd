#pragma once
#include <vector>

#include "app/Common.h"
#include "characters/Umbrella.h"

// Creates all umbrella people of one play and owns them as its children. It
// places nobody and has no per-frame work.
class UmbrellaCreator : public cocos2d::Node {
public:
    CC_CREATABLE;
    // `count` people for a street ending at x `stageWidth` (design points).
    static UmbrellaCreator* create(float stageWidth, int count);
    virtual bool init(float stageWidth, int count);

    // Person i at index i, in creation (and drawing) order; unchanged after
    // init. Weak: the people are owned as children of the spawner. A person
    // that could not be created is left out, so the list may hold fewer than
    // `count`: loops over people stop at its size.
    std::vector<Umbrella*> umbrellas;

protected:
    UmbrellaCreator() = default;
};
