#pragma once
#include <string>

#include "app/Common.h"

// One board of the stage wheel: its picture and description, from line n of
// the stage list file, or the random board, which has no line.
class StageItem : public cocos2d::Sprite {
public:
    static constexpr int RANDOM_ENTRY_INDEX = 30;

    CC_CREATABLE;
    static StageItem* create(int index);
    bool init(int index);
    void makeRandomEntry();
    // Applies the key/value fields of line `index` of the stage list file.
    void loadEntry(int index);

    int paramL = 0; // stored only; nothing reads it
    int paramW = 0; // stored only; nothing reads it
    std::string comment; // UTF-8 rows, each ending in a line feed

protected:
    StageItem() = default;
};
