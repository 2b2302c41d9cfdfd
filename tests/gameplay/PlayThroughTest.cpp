// Every stage of the shipped data, walked straight right with the passers-by
// kept off the street: the play ends as the difficulty table says, and the
// table agrees with what the data gives.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "GameplayFixture.h"

using namespace gameplay_test;

namespace {

const std::string RESOURCES = sourceFolder() + "/../../resources";
const int STAGE_COUNT = 31;
const int FADE_FRAMES = 120;    // the stage-select fade, 2 s, spent standing
const float START_X = 960.0f;   // where the player waits
const float WALK_STEP = 10.0f;  // design points per frame

std::vector<std::string> cut(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

struct Span {
    float left;
    float right;
};

// What the data says about one stage when walking straight right.
struct Walk {
    float goalX = 0;
    int framesWalked = 0;  // frames from the first step to the frame at the door
    int exposedFrames = 0; // exposed frames on the way, the fade included
    int score = 0;         // the result screen's score: dryness left, or 0
};

Walk walkFromData(int stage, float playerHalfWidth) {
    const auto shopLines = cut(readFile(RESOURCES + "/Shop/ShopData.txt"), '\n');
    const auto stageLines = cut(readFile(RESOURCES + "/Stage/StageData.txt"), '\n');
    std::vector<Span> spans;
    std::vector<float> doors; // of the shops, in placement order
    float goalX = -1;
    for (const std::string& entry : cut(stageLines.at(static_cast<std::size_t>(stage)), '<')) {
        const auto tokens = cut(entry, ',');
        if (entry.empty()) continue;
        if (entry[0] == 'n') break;
        if (entry[0] == 'G') goalX = doors.at(static_cast<std::size_t>(std::atoi(tokens.at(1).c_str())));
        if (entry[0] != 'S') continue;
        for (std::size_t column = 0; column + 1 < tokens.size(); ++column) {
            const float x = 800.0f * static_cast<float>(column);
            const auto shop = cut(shopLines.at(static_cast<std::size_t>(std::atoi(tokens[column + 1].c_str()))), ',');
            float door = 0, left = 0, right = 0;
            bool isShop = false;
            for (std::size_t i = 0; i + 1 < shop.size(); ++i) {
                if (shop[i] == "G") door = std::strtof(shop[i + 1].c_str(), nullptr);
                if (shop[i] == "S") isShop = std::atoi(shop[i + 1].c_str()) == 1;
                if (shop[i] == "M" && i + 2 < shop.size()) {
                    left = std::strtof(shop[i + 1].c_str(), nullptr);
                    right = std::strtof(shop[i + 2].c_str(), nullptr);
                }
            }
            spans.push_back({x + left, x + right});
            if (isShop) doors.push_back(x + door);
        }
    }

    auto exposedAt = [&spans](float x) {
        for (const Span& span : spans) {
            if (x > span.left && x < span.right) return false;
        }
        return true;
    };

    Walk walk;
    walk.goalX = goalX;
    int hp = 200;
    bool dry = false;
    auto spendFrame = [&](float x) {
        if (!exposedAt(x)) return;
        ++walk.exposedFrames;
        if (--hp < 0 && !dry) dry = true;
    };
    for (int frame = 0; frame < FADE_FRAMES; ++frame) spendFrame(START_X);
    for (int step = 1;; ++step) {
        const float x = START_X + WALK_STEP * static_cast<float>(step);
        if (x - playerHalfWidth <= goalX && goalX <= x + playerHalfWidth) {
            walk.framesWalked = step;
            walk.score = dry ? 0 : hp;
            return walk;
        }
        spendFrame(x);
    }
}

// One row of resources/DIFFICULTY.md, by stage.
struct TableRow {
    float goalX = 0;
    int framesWalked = 0;
    int exposedFrames = 0;
    int dryness = -1; // -1: "miss"
};

std::vector<TableRow> readDifficultyTable() {
    std::vector<TableRow> rows;
    for (const std::string& line : cut(readFile(RESOURCES + "/DIFFICULTY.md"), '\n')) {
        const auto cells = cut(line, '|');
        if (cells.size() < 12 || cells[1].find_first_of("0123456789") != 1) continue;
        TableRow row;
        row.goalX = std::strtof(cells[6].c_str(), nullptr);
        row.framesWalked = std::atoi(cells[7].c_str());
        row.exposedFrames = std::atoi(cells[9].c_str());
        row.dryness = cells[10].find("miss") != std::string::npos ? -1 : std::atoi(cells[10].c_str());
        rows.push_back(row);
    }
    return rows;
}

class PlayThroughTest : public GameplayTest, public ::testing::WithParamInterface<int> {
protected:
    PlayThroughTest() : GameplayTest(RESOURCES) {}
};

TEST_P(PlayThroughTest, StraightWalkRightEndsAsTheTableSays) {
    const int stage = GetParam();
    const auto table = readDifficultyTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(STAGE_COUNT));
    const TableRow& row = table[static_cast<std::size_t>(stage)];

    open(heldBackSeed(), stage);
    const float halfWidth = layer->player->getBoundingBox().size.width / 2.0f;
    const Walk expected = walkFromData(stage, halfWidth);
    EXPECT_FLOAT_EQ(expected.goalX, row.goalX);
    EXPECT_FLOAT_EQ(layer->mapCreator->goalX, row.goalX);
    EXPECT_EQ(expected.framesWalked, row.framesWalked);
    EXPECT_EQ(expected.exposedFrames, row.exposedFrames);
    EXPECT_EQ(expected.score, row.dryness < 0 ? 0 : row.dryness);

    step(FADE_FRAMES);
    headless->touchBegan(cocos2d::Vec2(1500, 540));
    int frames = 0;
    while (resultScore() < 0 && frames < expected.framesWalked + 10) {
        step();
        ++frames;
    }
    EXPECT_EQ(resultScore(), expected.score);
    if (row.dryness >= 0) {
        EXPECT_EQ(frames, expected.framesWalked); // the door ended it, not the rain
    }
    EXPECT_EQ(linesEqualTo("G--------O---------A--------L"), row.dryness >= 0 ? 1 : 0);
    headless->touchEnded(cocos2d::Vec2(1500, 540));
}

INSTANTIATE_TEST_SUITE_P(EveryStage, PlayThroughTest, ::testing::Range(0, STAGE_COUNT));

} // namespace
