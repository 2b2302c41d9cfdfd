#pragma once
#include <string>
#include <vector>

#include "app/Common.h"
#include "world/DataLine.h"
#include "world/ShopBase.h"

// The scenery of one stage, built from its line of the stage data file: rows
// of background tiles, floor tiles and buildings on a grid of 800-point
// columns, and the x of the goal door. Coordinates are design points in this
// layer's space, origin bottom-left.
class MapCreator : public cocos2d::Layer {
public:
    CC_CREATABLE;
    static MapCreator* create(int stage);
    bool init(int stage);
    // Builds line `stage` of the stage data file into the three layers.
    void loadStage(int stage);
    // One row from the tokens of one entry; token 0 is the key.
    void addBackgrounds(const std::vector<std::string>& tokens);
    void addFloors(const std::vector<std::string>& tokens);
    void addBuildings(const std::vector<std::string>& tokens);
    // Parallax: the background row follows the scroll at 1/8.
    void update(float dt) override;
    // Stores the x of the point the view follows; returns it.
    float setScrollX(float x);
    // Shifts the scenery so that the goal door lies at x 0 (stage preview).
    void showGoal();
    void clearScenery();

    cocos2d::Layer* floorLayer = nullptr;      // weak: child, z 4
    cocos2d::Layer* buildingLayer = nullptr;   // weak: child, z 3
    cocos2d::Layer* backgroundLayer = nullptr; // weak: child, z 2
    float scrollX = 0;
    float stageWidth = 0; // (values + 1) × 800 of the last building row
    cocos2d::Vector<ShopBase*> buildings; // in placement order
    cocos2d::Vector<ShopBase*> shops;     // the buildings with isShop 1, in placement order
    float goalX = 0;

protected:
    MapCreator() = default;

private:
    // A tile of one row, or nothing (reported) when its image is missing.
    void addTile(cocos2d::Layer* layer, const char* nameFormat, const std::string& token, float x, float y);
    void setGoal(const std::vector<std::string>& tokens);

    DataLine stageLine_; // the line being built, to name it in reports
};
