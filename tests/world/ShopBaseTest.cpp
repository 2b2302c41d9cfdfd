#include "world/ShopBase.h"

#include <gtest/gtest.h>

#include "cocos2d/testing/Headless.h"
#include "support/LogCapture.h"
#include "world/ResourceFolder.h"

namespace {

class ShopBaseTest : public ::testing::Test {
protected:
    ShopBaseTest() { folder.addImages({"building_0.png", "building_1.png"}); }

    // Building 1 reads line 1; line 0 is there to prove the index is used.
    ShopBase* buildingFromLine(const std::string& line) {
        folder.write("Shop/ShopData.txt", "N,other,G,999,M,1,2,S,1\n" + line + "\n");
        return ShopBase::create(1, 4);
    }

    ResourceFolder folder;
    cocos2d::testing::Headless harness{cocos2d::Size(960, 540), folder.path()};
};

TEST_F(ShopBaseTest, KeepsNumberAndSlotAndShowsItsImage) {
    ShopBase* building = buildingFromLine("N,bakery,G,400,M,150,650,S,1");
    EXPECT_EQ(building->buildingId, 1);
    EXPECT_EQ(building->slotIndex, 4);
    EXPECT_EQ(building->getFileName(), "building_1.png");
}

TEST_F(ShopBaseTest, MissingImageLeavesAnEmptySpriteWithItsShopData) {
    folder.write("Shop/ShopData.txt", "G,0\nG,0\nN,corner,G,40,S,1\n");
    ShopBase* building = ShopBase::create(2, 0);
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(building->getFileName(), "");
    EXPECT_EQ(building->shopName, "corner");
    EXPECT_EQ(building->isShop, 1);
}

struct ShopLine {
    std::string line;
    std::string shopName;
    float entranceX;
    int isShop;
    float shelterLeftX;
    float shelterRightX;
};

void PrintTo(const ShopLine& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.line);
}

class ShopDataTest : public ShopBaseTest, public ::testing::WithParamInterface<ShopLine> {};

TEST_P(ShopDataTest, ReadsKeysAndValues) {
    const ShopLine& expected = GetParam();
    LogCapture log;
    ShopBase* building = buildingFromLine(expected.line);
    EXPECT_EQ(building->shopName, expected.shopName);
    EXPECT_FLOAT_EQ(building->entranceX, expected.entranceX);
    EXPECT_EQ(building->isShop, expected.isShop);
    EXPECT_FLOAT_EQ(building->shelterLeftX, expected.shelterLeftX);
    EXPECT_FLOAT_EQ(building->shelterRightX, expected.shelterRightX);
    EXPECT_TRUE(log.lines.empty()) << log.lines.front();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShopDataTest,
    ::testing::Values(ShopLine{"N,bakery,G,400,M,150,650,S,1", "bakery", 400, 1, 150, 650},
                      ShopLine{"G,0,M,0,0,S,0", "", 0, 0, 0, 0},
                      ShopLine{"", "", 0, 0, 0, 0},                  // empty line: all stay unset
                      ShopLine{"S,2", "", 0, 0, 0, 0},               // only the number 1 makes a shop
                      ShopLine{"S,01", "", 0, 1, 0, 0},
                      ShopLine{"S, 1", "", 0, 1, 0, 0},              // atoi skips the blank
                      ShopLine{"G,100", "", 100, 0, 0, 0},           // no S: no shop
                      ShopLine{"X,5,G,300", "", 300, 0, 0, 0},       // X and 5 skipped one by one
                      ShopLine{",G,7", "", 7, 0, 0, 0},              // an empty token is skipped
                      ShopLine{"g,5,n,x", "", 0, 0, 0, 0},           // keys are case-sensitive
                      ShopLine{"G,12.5", "", 12.5f, 0, 0, 0},
                      ShopLine{"G,abc", "", 0, 0, 0, 0},
                      ShopLine{"G, -2.5e2px", "", -250, 0, 0, 0},    // atof reads the longest number prefix
                      ShopLine{"N,a,b", "a", 0, 0, 0, 0},            // a name ends at the comma
                      ShopLine{"G,100,G,200", "", 200, 0, 0, 0},     // a repeated key overwrites
                      ShopLine{"Name,x,Gate,5,Shop,1", "x", 5, 1, 0, 0}, // only the first character counts
                      ShopLine{"G,5,M,1,2\r", "", 5, 0, 1, 2},       // CR ends a number harmlessly
                      ShopLine{"S,1,N,shop\r", "shop\r", 0, 1, 0, 0}, // but stays in a name
                      ShopLine{"M,-10,900.5,N,wide", "wide", 0, 0, -10, 900.5f}));

TEST_F(ShopBaseTest, SameNumberTwiceGivesIndependentBuildings) {
    folder.write("Shop/ShopData.txt", "G,0\nN,bakery,G,400,M,150,650,S,1\n");
    ShopBase* first = ShopBase::create(1, 0);
    ShopBase* second = ShopBase::create(1, 1);
    first->entranceX += 800;
    EXPECT_FLOAT_EQ(second->entranceX, 400);
    EXPECT_EQ(second->shopName, "bakery");
}

// Faulty shop data: one log line naming the file, the line and the fault;
// the building keeps what could be read.
struct FaultyShopData {
    std::string file;
    int buildingId;
    std::string logLine;
    float entranceX;
    float shelterLeftX;
    float shelterRightX;
    std::string shopName;
};

void PrintTo(const FaultyShopData& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.file);
}

class FaultyShopDataTest : public ShopBaseTest, public ::testing::WithParamInterface<FaultyShopData> {};

TEST_P(FaultyShopDataTest, ReportsOnceAndKeepsWhatWasRead) {
    const FaultyShopData& fault = GetParam();
    folder.write("Shop/ShopData.txt", fault.file);
    LogCapture log;
    ShopBase* building = ShopBase::create(fault.buildingId, 0);
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(log.lines, std::vector<std::string>{fault.logLine});
    EXPECT_FLOAT_EQ(building->entranceX, fault.entranceX);
    EXPECT_FLOAT_EQ(building->shelterLeftX, fault.shelterLeftX);
    EXPECT_FLOAT_EQ(building->shelterRightX, fault.shelterRightX);
    EXPECT_EQ(building->shopName, fault.shopName);
    EXPECT_EQ(building->isShop, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyShopDataTest,
    ::testing::Values(
        FaultyShopData{"G,1\n", 1, "Shop/ShopData.txt line 1: no such line, the file has 1", 0, 0, 0, ""},
        FaultyShopData{"", 0, "Shop/ShopData.txt line 0: no such line, the file has 0", 0, 0, 0, ""},
        FaultyShopData{"G,0\nN,x,G", 1, "Shop/ShopData.txt line 1: \"G\" needs a value", 0, 0, 0, "x"},
        FaultyShopData{"G,0\nG,5,M,150", 1, "Shop/ShopData.txt line 1: \"M\" needs two values", 5, 150, 0, ""},
        FaultyShopData{"G,0\nG,5,M", 1, "Shop/ShopData.txt line 1: \"M\" needs two values", 5, 0, 0, ""},
        FaultyShopData{"G,0\nG,5,N\n", 1, "Shop/ShopData.txt line 1: \"N\" needs a value", 5, 0, 0, ""},
        FaultyShopData{"G,0\nG,5,S,1,S,", 1, "Shop/ShopData.txt line 1: \"S\" needs a value", 5, 0, 0, ""}));

TEST_F(ShopBaseTest, MissingShopDataFileIsNamedOnceForAllBuildings) {
    LogCapture log;
    ShopBase::create(1, 0);
    ShopBase::create(0, 1);
    ShopBase::create(1, 2);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Shop/ShopData.txt line 1: the file is missing"});
}

TEST_F(ShopBaseTest, MissingShopDataFileIsReportedOnce) {
    LogCapture log;
    ShopBase* building = ShopBase::create(1, 0);
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Shop/ShopData.txt line 1: the file is missing"});
    EXPECT_EQ(building->getFileName(), "building_1.png");
    EXPECT_EQ(building->isShop, 0);
}

} // namespace
