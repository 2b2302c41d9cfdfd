#include "world/MapCreator.h"

#include <cstdlib>

#include "frontend/StageItem.h"
#include "world/Split.h"

namespace {

const char* const STAGE_DATA_FILE = "Stage/StageData.txt";
constexpr float COLUMN_WIDTH = 800.0f;
constexpr float PARALLAX_DIVISOR = 8.0f;

// Background tiles and buildings stand on it; floor tiles stand on y 0.
float groundLine() {
    return static_cast<float>(SCREEN_SIZE.height * 0.185);
}

} // namespace

MapCreator* MapCreator::create(int stage) {
    return cocos2d::createWithInit<MapCreator>(stage);
}

bool MapCreator::init(int stage) {
    if (!Layer::init()) return false;
    stageWidth = 0;
    floorLayer = cocos2d::Layer::create();
    addChild(floorLayer, 4);
    backgroundLayer = cocos2d::Layer::create();
    addChild(backgroundLayer, 2);
    buildingLayer = cocos2d::Layer::create();
    addChild(buildingLayer, 3);
    // Drawn beneath the three layers; nothing refers to it afterwards.
    addChild(StageItem::create(1));
    loadStage(stage);
    scheduleUpdate();
    return true;
}

void MapCreator::loadStage(int stage) {
    stageLine_ = DataLine(STAGE_DATA_FILE, stage);
    for (const std::string& entry : split(stageLine_.text(), '<')) {
        if (entry.empty()) continue;
        const char key = entry[0];
        if (key == 'n') break;
        const std::vector<std::string> tokens = split(entry, ',');
        if (key == 'B') {
            addBackgrounds(tokens);
        } else if (key == 'F') {
            addFloors(tokens);
        } else if (key == 'S') {
            addBuildings(tokens);
        } else if (key == 'G') {
            setGoal(tokens);
        }
    }
}

void MapCreator::addBackgrounds(const std::vector<std::string>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        addTile(backgroundLayer, "background_%d.png", tokens[i], COLUMN_WIDTH * static_cast<float>(i - 1),
                groundLine());
    }
}

void MapCreator::addFloors(const std::vector<std::string>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        addTile(floorLayer, "floor_%d.png", tokens[i], COLUMN_WIDTH * static_cast<float>(i - 1), 0.0f);
    }
}

void MapCreator::addTile(cocos2d::Layer* layer, const char* nameFormat, const std::string& token, float x,
                         float y) {
    const std::string name = cocos2d::__String::createWithFormat(nameFormat, std::atoi(token.c_str()))->getCString();
    // Checked first so that the report names the stage line and comes alone.
    if (!cocos2d::FileUtils::getInstance()->isFileExist(name)) {
        if (DataLine::firstNoticeOfMissing(name)) {
            stageLine_.report("no image \"%s\", its column stays empty", name.c_str());
        }
        return;
    }
    cocos2d::Sprite* tile = cocos2d::Sprite::create(name);
    if (tile == nullptr) return; // undecodable: the engine has named the file
    tile->setAnchorPoint(cocos2d::Vec2::ANCHOR_BOTTOM_LEFT);
    tile->setPosition(x, y);
    layer->addChild(tile);
}

void MapCreator::addBuildings(const std::vector<std::string>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const int slot = static_cast<int>(i - 1);
        const float x = COLUMN_WIDTH * static_cast<float>(slot);
        ShopBase* building = ShopBase::create(std::atoi(tokens[i].c_str()), slot);
        building->setAnchorPoint(cocos2d::Vec2::ANCHOR_BOTTOM_LEFT);
        building->setPosition(x, groundLine());
        // Shop data is relative to the building's left edge.
        building->entranceX += x;
        building->shelterLeftX += x;
        building->shelterRightX += x;
        buildingLayer->addChild(building);
        if (building->isShop == 1) shops.pushBack(building);
        buildings.pushBack(building);
    }
    // The key token counts as well: n buildings make (n + 1) columns. A row
    // without buildings keeps the width of the previous row.
    if (tokens.size() > 1) stageWidth = static_cast<float>(tokens.size()) * COLUMN_WIDTH;
}

void MapCreator::setGoal(const std::vector<std::string>& tokens) {
    if (tokens.size() < 2) {
        stageLine_.report("\"G\" needs a value, the goal stays at %g", static_cast<double>(goalX));
        return;
    }
    // Further values are ignored.
    const int index = std::atoi(tokens[1].c_str());
    if (index < 0 || static_cast<std::size_t>(index) >= shops.size()) {
        stageLine_.report("goal %d names no shop (%zu placed so far), the goal stays at %g", index, shops.size(),
                          static_cast<double>(goalX));
        return;
    }
    goalX = shops.at(static_cast<std::size_t>(index))->entranceX;
}

void MapCreator::update(float /*dt*/) {
    backgroundLayer->setPositionX(scrollX / PARALLAX_DIVISOR);
}

float MapCreator::setScrollX(float x) {
    scrollX = x;
    return scrollX;
}

void MapCreator::showGoal() {
    const cocos2d::Vec2 shifted(-goalX, static_cast<float>(SCREEN_SIZE.height * 0.3));
    buildingLayer->setPosition(shifted);
    backgroundLayer->setPosition(shifted);
    floorLayer->setPosition(shifted);
}

void MapCreator::clearScenery() {
    buildingLayer->removeAllChildren();
    backgroundLayer->removeAllChildren();
    floorLayer->removeAllChildren();
    buildings.clear();
    shops.clear();
}
