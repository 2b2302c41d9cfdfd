#pragma once
#include <string>

#include "app/Common.h"

// One building of the street: the image "building_<n>.png" and line n of the
// shop data file. Its x values start relative to the building's left edge;
// the scenery builder shifts them into stage coordinates when it places it.
// Owned by the building layer of its MapCreator.
class ShopBase : public cocos2d::Sprite {
public:
    CC_CREATABLE;
    static ShopBase* create(int buildingId, int slotIndex);
    bool init(int buildingId, int slotIndex);
    // Fills the shop fields from line `buildingId` of the shop data file.
    void loadShopData(int buildingId);

    int buildingId = 0;
    int slotIndex = 0; // column in its row, from 0
    std::string shopName;
    float entranceX = 0;     // x of the door, design points
    int isShop = 0;          // 1: umbrella people use the door and it may be the goal
    float shelterLeftX = 0;  // the span under the eaves, design points
    float shelterRightX = 0;

protected:
    ShopBase() = default;
};
