// The data files the game ships with build every stage, building and board
// without a single report.
#include <gtest/gtest.h>

#include "cocos2d/FileUtils.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/StageItem.h"
#include "support/LogCapture.h"
#include "world/MapCreator.h"

namespace {

class ShippedDataTest : public ::testing::Test {
protected:
    ShippedDataTest() { cocos2d::FileUtils::getInstance()->setResourceRoot(""); } // the game's own folder

    cocos2d::testing::Headless harness;
};

TEST_F(ShippedDataTest, EveryStageBuildsWithoutReports) {
    for (int stage = 0; stage <= StageItem::RANDOM_ENTRY_INDEX; ++stage) {
        LogCapture log;
        MapCreator* map = MapCreator::create(stage);
        EXPECT_EQ(log.lines, std::vector<std::string>{"getStageItem"}) << "stage " << stage;
        EXPECT_FALSE(map->shops.empty()) << "stage " << stage;
        EXPECT_GT(map->goalX, 0) << "stage " << stage;
    }
}

TEST_F(ShippedDataTest, EveryBoardReadsWithoutReports) {
    for (int index = 0; index < StageItem::RANDOM_ENTRY_INDEX; ++index) {
        LogCapture log;
        StageItem* entry = StageItem::create(index);
        EXPECT_EQ(log.lines, std::vector<std::string>{"getStageItem"}) << "board " << index;
        EXPECT_FALSE(entry->getFileName().empty()) << "board " << index;
        EXPECT_FALSE(entry->comment.empty()) << "board " << index;
    }
}

} // namespace
