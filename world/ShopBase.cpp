#include "world/ShopBase.h"

#include <cstdlib>
#include <vector>

#include "world/DataLine.h"
#include "world/Split.h"

namespace {

const char* const SHOP_DATA_FILE = "Shop/ShopData.txt";

} // namespace

ShopBase* ShopBase::create(int buildingId, int slotIndex) {
    return cocos2d::createWithInit<ShopBase>(buildingId, slotIndex);
}

bool ShopBase::init(int buildingId, int slotIndex) {
    if (!Sprite::init()) return false;
    this->buildingId = buildingId;
    this->slotIndex = slotIndex;
    // A missing image leaves an empty sprite that still has its shop data.
    initWithFile(cocos2d::__String::createWithFormat("building_%d.png", buildingId)->getCString());
    loadShopData(buildingId);
    return true;
}

void ShopBase::loadShopData(int buildingId) {
    const DataLine line(SHOP_DATA_FILE, buildingId);
    const std::vector<std::string> tokens = split(line.text(), ',');
    // Only a token's first character counts as its key; any other token is
    // skipped on its own.
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const char key = tokens[i].empty() ? '\0' : tokens[i][0];
        if (key == 'G') {
            entranceX = static_cast<float>(std::atof(line.takeValues(tokens, i, 1)[0].c_str()));
        } else if (key == 'M') {
            const std::vector<std::string> span = line.takeValues(tokens, i, 2);
            shelterLeftX = static_cast<float>(std::atof(span[0].c_str()));
            shelterRightX = static_cast<float>(std::atof(span[1].c_str()));
        } else if (key == 'N') {
            shopName = line.takeValues(tokens, i, 1)[0];
        } else if (key == 'S') {
            isShop = std::atoi(line.takeValues(tokens, i, 1)[0].c_str()) == 1 ? 1 : 0;
        }
    }
}
