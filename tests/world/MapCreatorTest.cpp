#include "world/MapCreator.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "cocos2d/testing/Headless.h"
#include "frontend/StageItem.h"
#include "support/LogCapture.h"
#include "world/ResourceFolder.h"

namespace {

using cocos2d::Vec2;

const float GROUND = static_cast<float>(1080 * 0.185);

// Buildings 3 and 5 are shops, 0, 1 and 4 are not; building 1 has no shelter.
const char* const SHOP_DATA = "G,0,M,0,0,S,0\n"
                              "N,florist,G,100,S,0\n"
                              "N,bakery,G,400,M,150,650,S,1\n"
                              "N,cafe,G,300,M,0,800,S,1\n"
                              "G,0,M,0,0\n"
                              "N,books,G,250,M,100,500,S,1\n";

struct Tile {
    std::string image;
    Vec2 position;
    bool operator==(const Tile& other) const { return image == other.image && position == other.position; }
};

std::ostream& operator<<(std::ostream& out, const Tile& tile) {
    return out << tile.image << " at (" << tile.position.x << ", " << tile.position.y << ")";
}

std::vector<Tile> tilesOf(cocos2d::Layer* layer) {
    std::vector<Tile> tiles;
    for (cocos2d::Node* child : layer->getChildren()) {
        EXPECT_EQ(child->getAnchorPoint(), Vec2::ANCHOR_BOTTOM_LEFT);
        tiles.push_back({static_cast<cocos2d::Sprite*>(child)->getFileName(), child->getPosition()});
    }
    return tiles;
}

// Tiles named by `images`, one per column from x 0, standing on `y`.
std::vector<Tile> row(const std::vector<std::string>& images, float y) {
    std::vector<Tile> tiles;
    for (std::size_t k = 0; k < images.size(); ++k) tiles.push_back({images[k], Vec2(800.0f * k, y)});
    return tiles;
}

std::vector<int> idsOf(const cocos2d::Vector<ShopBase*>& list) {
    std::vector<int> ids;
    for (ShopBase* building : list) ids.push_back(building->buildingId);
    return ids;
}

class MapCreatorTest : public ::testing::Test {
protected:
    MapCreatorTest() {
        folder.addImages({"board.png", "background_0.png", "background_1.png", "background_2.png",
                          "background_4.png", "floor_0.png", "floor_1.png", "building_0.png", "building_1.png",
                          "building_2.png", "building_3.png", "building_4.png", "building_5.png"});
        folder.write("Shop/ShopData.txt", SHOP_DATA);
        folder.write("Select/Data.txt", "L,1,W,1,T,board.png,S,zero\nL,2,W,2,T,board.png,S,one\n");
    }

    MapCreator* mapOfLine(const std::string& line) {
        folder.write("Stage/StageData.txt", line + "\n");
        return MapCreator::create(0);
    }

    ResourceFolder folder;
    cocos2d::testing::Headless harness{cocos2d::Size(960, 540), folder.path()};
};

TEST_F(MapCreatorTest, BuildsTheRowsTheBuildingsAndTheGoalOfALine) {
    MapCreator* map = mapOfLine("B,0,1,1,2<F,0,0,0,0<S,3,0,5,1<G,1<n");

    EXPECT_EQ(tilesOf(map->backgroundLayer),
              row({"background_0.png", "background_1.png", "background_1.png", "background_2.png"}, GROUND));
    EXPECT_EQ(tilesOf(map->floorLayer), row({"floor_0.png", "floor_0.png", "floor_0.png", "floor_0.png"}, 0));
    EXPECT_EQ(tilesOf(map->buildingLayer), row({"building_3.png", "building_0.png", "building_5.png",
                                                "building_1.png"}, GROUND));
    EXPECT_EQ(idsOf(map->buildings), (std::vector<int>{3, 0, 5, 1}));
    EXPECT_EQ(idsOf(map->shops), (std::vector<int>{3, 5}));
    EXPECT_FLOAT_EQ(map->stageWidth, 4000);

    // Shop data moved from building to stage coordinates by the column x.
    ShopBase* books = map->buildings.at(2);
    EXPECT_EQ(books->slotIndex, 2);
    EXPECT_FLOAT_EQ(books->entranceX, 1850);
    EXPECT_FLOAT_EQ(books->shelterLeftX, 1700);
    EXPECT_FLOAT_EQ(books->shelterRightX, 2100);
    ShopBase* florist = map->buildings.at(3); // no M: an empty span at its own x
    EXPECT_FLOAT_EQ(florist->entranceX, 2500);
    EXPECT_FLOAT_EQ(florist->shelterLeftX, 2400);
    EXPECT_FLOAT_EQ(florist->shelterRightX, 2400);
    EXPECT_FLOAT_EQ(map->goalX, 1850);
}

TEST_F(MapCreatorTest, LayersAndStageEntryAreItsChildren) {
    MapCreator* map = mapOfLine("n");
    EXPECT_EQ(map->floorLayer->getLocalZOrder(), 4);
    EXPECT_EQ(map->backgroundLayer->getLocalZOrder(), 2);
    EXPECT_EQ(map->buildingLayer->getLocalZOrder(), 3);
    ASSERT_EQ(map->getChildrenCount(), 4u);
    auto* entry = dynamic_cast<StageItem*>(map->getChildren().at(3));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->getLocalZOrder(), 0);
    EXPECT_EQ(entry->comment, "one\n");
}

struct StageLine {
    std::string line;
    std::vector<std::string> backgrounds;
    std::vector<std::string> floors;
    std::vector<int> buildings;
    std::vector<int> shops;
    float stageWidth;
    float goalX;
};

void PrintTo(const StageLine& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.line);
}

class StageLineTest : public MapCreatorTest, public ::testing::WithParamInterface<StageLine> {};

TEST_P(StageLineTest, BuildsAsWritten) {
    const StageLine& expected = GetParam();
    LogCapture log;
    MapCreator* map = mapOfLine(expected.line);
    EXPECT_EQ(tilesOf(map->backgroundLayer), row(expected.backgrounds, GROUND));
    EXPECT_EQ(tilesOf(map->floorLayer), row(expected.floors, 0));
    EXPECT_EQ(idsOf(map->buildings), expected.buildings);
    EXPECT_EQ(idsOf(map->shops), expected.shops);
    for (ShopBase* building : map->buildings) {
        EXPECT_EQ(building->getPosition(), Vec2(800.0f * building->slotIndex, GROUND));
        EXPECT_EQ(building->getAnchorPoint(), Vec2::ANCHOR_BOTTOM_LEFT);
    }
    EXPECT_FLOAT_EQ(map->stageWidth, expected.stageWidth);
    EXPECT_FLOAT_EQ(map->goalX, expected.goalX);
    EXPECT_EQ(log.lines, std::vector<std::string>{"getStageItem"}); // valid data: no reports
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StageLineTest,
    ::testing::Values(
        StageLine{"n", {}, {}, {}, {}, 0, 0},
        StageLine{"", {}, {}, {}, {}, 0, 0},
        StageLine{"n<S,3<G,0", {}, {}, {}, {}, 0, 0},                        // nothing after the end entry
        StageLine{"B,,4", {"background_0.png", "background_4.png"}, {}, {}, {}, 0, 0}, // empty value: image 0
        StageLine{"S<B,1", {"background_1.png"}, {}, {}, {}, 0, 0},           // no values: width unchanged
        StageLine{"S,1,2,3", {}, {}, {1, 2, 3}, {2, 3}, 3200, 0},            // the key counts as a column
        StageLine{"S,3,0,5,1<", {}, {}, {3, 0, 5, 1}, {3, 5}, 4000, 0},       // trailing "<" changes nothing
        StageLine{"<S,3", {}, {}, {3}, {3}, 1600, 0},                         // leading empty entry skipped
        StageLine{"<<F,1", {}, {"floor_1.png"}, {}, {}, 0, 0},
        StageLine{"S,1,2\r", {}, {}, {1, 2}, {2}, 2400, 0},                   // CR ends the number
        StageLine{"S,1<n\r", {}, {}, {1}, {}, 1600, 0},                       // "n" with CR still ends
        StageLine{"S,3<G,0,7", {}, {}, {3}, {3}, 1600, 300},                  // further goal values ignored
        StageLine{"S,3,5<G,1,7", {}, {}, {3, 5}, {3, 5}, 2400, 1050},
        StageLine{"S,3<S,5,2", {}, {}, {3, 5, 2}, {3, 5, 2}, 2400, 0},        // rows overlap from x 0
        StageLine{"S,3,3<G,1", {}, {}, {3, 3}, {3, 3}, 2400, 1100},           // one number, two buildings
        StageLine{"b,1<f,0<s,3<g,0<x", {}, {}, {}, {}, 0, 0},                 // other keys skipped
        StageLine{"Back,2<Shops,3<Goal,0", {"background_2.png"}, {}, {3}, {3}, 1600, 300},
        StageLine{"S,+3, 5,5x", {}, {}, {3, 5, 5}, {3, 5, 5}, 3200, 0}));    // atoi prefixes

TEST_F(MapCreatorTest, BackgroundFollowsAnEighthOfTheScroll) {
    folder.write("Stage/StageData.txt", "B,0,1<F,0,0<S,3,5<G,1<n\n");
    MapCreator* map = MapCreator::create(0);
    cocos2d::Scene* scene = cocos2d::Scene::create();
    scene->addChild(map);
    harness.runWithScene(scene);
    harness.step();

    EXPECT_FLOAT_EQ(map->setScrollX(800), 800);
    harness.step();
    EXPECT_FLOAT_EQ(map->backgroundLayer->getPositionX(), 100);
    EXPECT_EQ(map->floorLayer->getPosition(), Vec2::ZERO);
    EXPECT_EQ(map->buildingLayer->getPosition(), Vec2::ZERO);

    map->showGoal();
    const Vec2 goalView(-1050, 324);
    EXPECT_EQ(map->buildingLayer->getPosition(), goalView);
    EXPECT_EQ(map->backgroundLayer->getPosition(), goalView);
    EXPECT_EQ(map->floorLayer->getPosition(), goalView);
    harness.step(); // the parallax takes the background's x back; its y stays
    EXPECT_EQ(map->backgroundLayer->getPosition(), Vec2(100, 324));
    EXPECT_EQ(map->buildingLayer->getPosition(), goalView);
}

TEST_F(MapCreatorTest, RebuildingAPreviewEqualsAFreshBuild) {
    folder.write("Stage/StageData.txt", "B,4,4,4<F,1<S,2,4,3,1,0<G,1<n\nB,0,1,1,2<F,0,0,0,0<S,3,0,5,1<G,1<n\n");
    MapCreator* preview = MapCreator::create(0);
    preview->clearScenery();
    preview->loadStage(1);
    MapCreator* fresh = MapCreator::create(1);

    EXPECT_EQ(tilesOf(preview->backgroundLayer), tilesOf(fresh->backgroundLayer));
    EXPECT_EQ(tilesOf(preview->floorLayer), tilesOf(fresh->floorLayer));
    EXPECT_EQ(tilesOf(preview->buildingLayer), tilesOf(fresh->buildingLayer));
    EXPECT_EQ(idsOf(preview->buildings), idsOf(fresh->buildings));
    EXPECT_EQ(idsOf(preview->shops), idsOf(fresh->shops));
    for (std::size_t i = 0; i < fresh->buildings.size(); ++i) {
        EXPECT_FLOAT_EQ(preview->buildings.at(i)->entranceX, fresh->buildings.at(i)->entranceX);
    }
    EXPECT_FLOAT_EQ(preview->goalX, fresh->goalX);
    EXPECT_FLOAT_EQ(preview->stageWidth, fresh->stageWidth);
    EXPECT_EQ(preview->getChildrenCount(), 4u); // the stage entry stays
}

TEST_F(MapCreatorTest, ClearingKeepsGoalAndWidthUntilALineSetsThem) {
    folder.write("Stage/StageData.txt", "S,3,5<G,1\nB,1<n\n");
    MapCreator* map = MapCreator::create(0);
    map->clearScenery();
    map->loadStage(1);
    EXPECT_TRUE(map->buildings.empty());
    EXPECT_TRUE(map->shops.empty());
    EXPECT_EQ(map->buildingLayer->getChildrenCount(), 0u);
    EXPECT_FLOAT_EQ(map->goalX, 1050);
    EXPECT_FLOAT_EQ(map->stageWidth, 2400);
}

// --- faulty stage data: one report naming the line, then what can be built ---

TEST_F(MapCreatorTest, MissingStageFileBuildsNothing) {
    LogCapture log;
    MapCreator* map = MapCreator::create(0);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"getStageItem", "Stage/StageData.txt line 0: the file is missing"}));
    EXPECT_TRUE(map->buildings.empty());
    EXPECT_FLOAT_EQ(map->stageWidth, 0);
}

TEST_F(MapCreatorTest, LinePastTheEndBuildsNothing) {
    folder.write("Stage/StageData.txt", "S,3<G,0\nS,5\n");
    LogCapture log;
    MapCreator* map = MapCreator::create(3);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"getStageItem",
                                                   "Stage/StageData.txt line 3: no such line, the file has 2"}));
    EXPECT_TRUE(map->buildings.empty());
    EXPECT_EQ(map->backgroundLayer->getChildrenCount() + map->floorLayer->getChildrenCount(), 0u);
}

struct FaultyGoal {
    std::string line;
    std::string report;
    float goalX;
};

void PrintTo(const FaultyGoal& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.line);
}

class FaultyGoalTest : public MapCreatorTest, public ::testing::WithParamInterface<FaultyGoal> {};

TEST_P(FaultyGoalTest, LeavesTheGoalWhereItWas) {
    LogCapture log;
    MapCreator* map = mapOfLine(GetParam().line);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"getStageItem", "Stage/StageData.txt line 0: " + GetParam().report}));
    EXPECT_FLOAT_EQ(map->goalX, GetParam().goalX);
}

INSTANTIATE_TEST_SUITE_P(
    Goals, FaultyGoalTest,
    ::testing::Values(
        FaultyGoal{"G,0<S,3", "goal 0 names no shop (0 placed so far), the goal stays at 0", 0},   // before any shop
        FaultyGoal{"S,0,1<G,0", "goal 0 names no shop (0 placed so far), the goal stays at 0", 0}, // no shop placed
        FaultyGoal{"S,3,2<G,2", "goal 2 names no shop (2 placed so far), the goal stays at 0", 0},
        FaultyGoal{"S,3<G,-1", "goal -1 names no shop (1 placed so far), the goal stays at 0", 0},
        FaultyGoal{"S,3<G,0<G,5", "goal 5 names no shop (1 placed so far), the goal stays at 300", 300},
        FaultyGoal{"S,3<G", "\"G\" needs a value, the goal stays at 0", 0},
        FaultyGoal{"S,3<G,0<G,<n", "\"G\" needs a value, the goal stays at 300", 300}));

TEST_F(MapCreatorTest, MissingTileImageLeavesItsColumnEmpty) {
    LogCapture log;
    MapCreator* map = mapOfLine("B,0,9,1<F,0,7");
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{
                  "getStageItem", "Stage/StageData.txt line 0: no image \"background_9.png\", its column stays empty",
                  "Stage/StageData.txt line 0: no image \"floor_7.png\", its column stays empty"}));
    EXPECT_EQ(tilesOf(map->backgroundLayer),
              (std::vector<Tile>{{"background_0.png", Vec2(0, GROUND)}, {"background_1.png", Vec2(1600, GROUND)}}));
    EXPECT_EQ(tilesOf(map->floorLayer), row({"floor_0.png"}, 0));
}

TEST_F(MapCreatorTest, MissingTileImageIsNamedOnceHoweverOftenItIsUsed) {
    LogCapture log;
    MapCreator* map = mapOfLine("B,9,9,0<F,7,7");
    map->clearScenery();
    map->loadStage(0);
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{
                  "getStageItem", "Stage/StageData.txt line 0: no image \"background_9.png\", its column stays empty",
                  "Stage/StageData.txt line 0: no image \"floor_7.png\", its column stays empty"}));
    EXPECT_EQ(tilesOf(map->backgroundLayer), (std::vector<Tile>{{"background_0.png", Vec2(1600, GROUND)}}));
}

TEST_F(MapCreatorTest, UnknownBuildingNumberStandsEmptyWithoutShopData) {
    LogCapture log;
    MapCreator* map = mapOfLine("S,3,9<G,0");
    const std::string report = "Shop/ShopData.txt line 9: no such line, the file has 6";
    EXPECT_NE(std::find(log.lines.begin(), log.lines.end(), report), log.lines.end());
    EXPECT_EQ(idsOf(map->buildings), (std::vector<int>{3, 9}));
    EXPECT_EQ(idsOf(map->shops), std::vector<int>{3});
    EXPECT_EQ(map->buildings.at(1)->getFileName(), "");
    EXPECT_FLOAT_EQ(map->goalX, 300);
}

} // namespace
