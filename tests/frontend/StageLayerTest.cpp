#include "frontend/StageLayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FrontendTestSupport.h"
#include "cocos2d/testing/Headless.h"
#include "frontend/StageScene.h"
#include "gameplay/GameLayer.h"
#include "gameplay/GameScene.h"
#include "world/MapCreator.h"
#include "world/ResourceFolder.h"

using frontend_test::buttonSounds;
using frontend_test::fadeTarget;
using frontend_test::findChild;
using frontend_test::runningFade;

namespace {

const cocos2d::Vec2 MARKER_POINT(1344, 216);
const cocos2d::Vec2 EMPTY_SPACE(960, 700); // above the wheel's rim, on no board

// Holds one piece of the preview's scenery: once the preview is rebuilt the
// piece has left it (and, held, its address cannot come back).
class PreviewProbe {
public:
    explicit PreviewProbe(MapCreator* preview) : piece_(preview->floorLayer->getChildren().at(0)) { piece_->retain(); }
    ~PreviewProbe() { piece_->release(); }
    PreviewProbe(const PreviewProbe&) = delete;
    PreviewProbe& operator=(const PreviewProbe&) = delete;
    bool rebuilt() const { return piece_->getParent() == nullptr; }

private:
    cocos2d::Node* piece_;
};

class StageLayerTest : public ::testing::Test {
protected:
    // The game's own resources unless a folder is given.
    void open(const std::string& resourceRoot = "") {
        harness = std::make_unique<cocos2d::testing::Headless>(cocos2d::Size(960, 540), resourceRoot);
        StageScene* scene = StageScene::create();
        harness->runWithScene(scene);
        layer = findChild<StageLayer>(scene);
        ASSERT_NE(layer, nullptr);
    }

    // A drag from empty space, one move event per frame, then the release.
    void drag(float pointsPerFrame, int frames) {
        cocos2d::Vec2 finger = EMPTY_SPACE;
        harness->touchBegan(finger);
        for (int i = 0; i < frames; ++i) {
            finger.x += pointsPerFrame;
            harness->touchMoved(finger);
            harness->step(1);
        }
        harness->touchEnded(finger);
        harness->step(3); // what is left of the spin dies out
    }

    // A touch on `point` held for `frames` frames.
    void tap(const cocos2d::Vec2& point, int frames = 0) {
        harness->touchBegan(point);
        harness->step(frames);
        harness->touchEnded(point);
        harness->step(1);
    }

    StageItem* board(int index) const { return layer->boards.at(static_cast<std::size_t>(index)); }

    // The stage and dryness a started play scene received, or -1, -1.
    static std::pair<int, int> startedPlay() {
        GameScene* play = fadeTarget<GameScene>();
        if (play == nullptr) return {-1, -1};
        return {play->gameLayer->stageNumber, play->gameLayer->hp};
    }

    std::unique_ptr<cocos2d::testing::Headless> harness;
    StageLayer* layer = nullptr;
};

TEST_F(StageLayerTest, FirstFrameSelectsBoardZeroWithoutRebuildingThePreview) {
    open();
    ASSERT_EQ(layer->boards.size(), 31u);
    EXPECT_EQ(board(0)->getPosition(), MARKER_POINT);
    EXPECT_EQ(layer->commentLabel->getString(), "non letter");
    EXPECT_EQ(CocosDenshion::SimpleAudioEngine::getInstance()->getBackgroundMusicPath(), "Music/sentaku.mp3");
    EXPECT_FLOAT_EQ(CocosDenshion::SimpleAudioEngine::getInstance()->getBackgroundMusicVolume(), 0.5f);
    PreviewProbe probe(layer->preview);

    harness->step(1);
    EXPECT_FLOAT_EQ(board(0)->getScale(), 0.5f);
    for (int i = 1; i <= 30; ++i) EXPECT_FLOAT_EQ(board(i)->getScale(), 0.2f) << "board " << i;
    EXPECT_EQ(layer->selectedIndex, 0);
    EXPECT_FALSE(board(0)->comment.empty());
    EXPECT_EQ(layer->commentLabel->getString(), board(0)->comment);
    EXPECT_FALSE(probe.rebuilt());

    // Without a touch the wheel stands still.
    harness->step(30);
    EXPECT_EQ(board(0)->getPosition(), MARKER_POINT);
    EXPECT_FALSE(probe.rebuilt());
}

struct Drag {
    float pointsPerFrame;
    int frames;
    int selected;
};

class StageWheelTest : public StageLayerTest, public ::testing::WithParamInterface<Drag> {};

TEST_P(StageWheelTest, DragTurnsTheWheelAboutThreeHundredPointsPerBoard) {
    const Drag& d = GetParam();
    open();
    harness->step(1);
    PreviewProbe probe(layer->preview);
    drag(d.pointsPerFrame, d.frames);

    EXPECT_EQ(layer->selectedIndex, d.selected);
    EXPECT_EQ(layer->previewIndex, d.selected);
    EXPECT_EQ(probe.rebuilt(), d.selected != 0);
    EXPECT_FLOAT_EQ(board(d.selected)->getScale(), 0.5f);
    EXPECT_EQ(layer->commentLabel->getString(), board(d.selected)->comment);
    // The preview shows that stage with its goal door at the origin.
    MapCreator* fresh = MapCreator::create(d.selected);
    EXPECT_FLOAT_EQ(layer->preview->goalX, fresh->goalX);
    EXPECT_EQ(layer->preview->buildings.size(), fresh->buildings.size());
    EXPECT_FLOAT_EQ(layer->preview->buildingLayer->getPositionX(), -fresh->goalX);
    // Every board stays on the rim.
    for (StageItem* b : layer->boards) {
        const cocos2d::Vec2 fromCentre = b->getPosition() - cocos2d::Vec2(1344, 2700);
        EXPECT_NEAR(std::hypot(fromCentre.x, fromCentre.y), 2484.0, 0.5);
    }

    // The wheel stops when the finger stops.
    const cocos2d::Vec2 resting = board(d.selected)->getPosition();
    harness->step(10);
    EXPECT_EQ(board(d.selected)->getPosition(), resting);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, StageWheelTest,
    ::testing::Values(Drag{-10.0f, 30, 1},     // 300 points left: the next board
                      Drag{-20.0f, 30, 2},     // 600 points left: two boards on
                      Drag{8.5f, 50, 30},      // 425 points right: the random board
                      Drag{-5.0f, 10, 0},      // 50 points: board 0 stays under the marker
                      Drag{0.004f, 30, 0}));   // moves within the dead zone turn nothing

TEST_F(StageLayerTest, RandomBoardIsPreviewedAndPlayedAsStageThirty) {
    open();
    harness->step(1);
    drag(8.5f, 50);
    ASSERT_EQ(layer->selectedIndex, 30);
    EXPECT_EQ(layer->commentLabel->getString(), "random");
    EXPECT_NEAR(board(30)->getPositionX(), MARKER_POINT.x, 5.0f);

    // Board 29 now sits where board 0 used to be left of the marker; tapping
    // it plays the board under the marker.
    tap(board(29)->getPosition());
    EXPECT_EQ(startedPlay(), std::make_pair(30, 200));
}

struct Tap {
    int heldFrames;
    bool starts;
};

class StageTapTest : public StageLayerTest, public ::testing::WithParamInterface<Tap> {};

TEST_P(StageTapTest, OnlyATapOfAtMostPointThreeSecondsStartsThePlay) {
    open();
    harness->step(1);
    tap(board(0)->getPosition(), GetParam().heldFrames);
    if (GetParam().starts) {
        EXPECT_EQ(startedPlay(), std::make_pair(0, 200));
        EXPECT_FLOAT_EQ(runningFade()->getDuration(), 2.0f);
    } else {
        EXPECT_EQ(runningFade(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(HoldTimes, StageTapTest,
                         ::testing::Values(Tap{0, true}, Tap{12, true}, Tap{17, true}, // up to 0.28 s
                                           Tap{19, false}, Tap{30, false}));           // from 0.32 s

TEST_F(StageLayerTest, TapOnAnyBoardPlaysTheSelectedOneAndEveryTouchSounds) {
    open();
    harness->step(1);
    drag(-10.0f, 30); // board 1 under the marker, board 0 left of it
    ASSERT_EQ(layer->selectedIndex, 1);
    const unsigned int soundsAfterDrag = buttonSounds();
    EXPECT_EQ(soundsAfterDrag, 1u);

    // A quick touch on empty space: sound, nothing else.
    tap(EMPTY_SPACE);
    EXPECT_EQ(buttonSounds(), 2u);
    EXPECT_EQ(runningFade(), nullptr);

    // Touching board 0 shows its comment until the next frame re-selects.
    harness->touchBegan(board(0)->getPosition());
    EXPECT_EQ(buttonSounds(), 3u);
    EXPECT_EQ(layer->commentLabel->getString(), board(0)->comment);
    harness->touchEnded(board(0)->getPosition());
    harness->step(1);
    EXPECT_EQ(layer->commentLabel->getString(), board(1)->comment);
    EXPECT_EQ(startedPlay(), std::make_pair(1, 200));
}

TEST_F(StageLayerTest, ReleaseAwayFromEveryBoardStartsNothing) {
    open();
    harness->step(1);
    harness->touchBegan(board(0)->getPosition());
    harness->touchEnded(EMPTY_SPACE);
    harness->step(1);
    EXPECT_EQ(runningFade(), nullptr);
    EXPECT_EQ(buttonSounds(), 1u);
}

// Boards so wide that two of them cover the marker at once.
class WideBoardsTest : public StageLayerTest {
protected:
    WideBoardsTest() {
        std::string boardList;
        std::string stages;
        for (int i = 0; i <= 30; ++i) {
            if (i < 30) boardList += "T,wide.png,S,board " + std::to_string(i) + "\n";
            stages += "F,0<n\n";
        }
        folder.write("Select/Data.txt", boardList);
        folder.write("Stage/StageData.txt", stages);
        writeImage("wide.png", 2000, 500);
        writeImage("random.png", 2000, 500);
        writeImage("umbrella_0.png", 200, 200);
        writeImage("stageMask.png", 1920, 1080);
        writeImage("StageBoard_comment.png", 64, 64);
        writeImage("floor_0.png", 800, 200);
    }
    ~WideBoardsTest() override { harness.reset(); } // before its folder goes

    void writeImage(const std::string& name, int width, int height) {
        cocos2d::testing::Image image;
        image.width = width;
        image.height = height;
        image.rgba.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 200);
        ASSERT_TRUE(image.savePng(folder.path() + "/" + name));
    }

    ResourceFolder folder;
};

TEST_F(WideBoardsTest, TwoBoardsUnderTheMarkerSelectTheHigherAndRebuildThePreviewOnce) {
    open(folder.path());
    harness->step(1);
    ASSERT_EQ(layer->selectedIndex, 0);
    EXPECT_FLOAT_EQ(board(1)->getScale(), 0.2f);

    PreviewProbe stageZero(layer->preview);
    drag(-15.0f, 10); // half a board step: the marker between boards 0 and 1
    EXPECT_FLOAT_EQ(board(0)->getScale(), 0.5f);
    EXPECT_FLOAT_EQ(board(1)->getScale(), 0.5f);
    EXPECT_EQ(layer->selectedIndex, 1);
    EXPECT_EQ(layer->previewIndex, 1);
    EXPECT_EQ(layer->commentLabel->getString(), "board 1\n");
    EXPECT_TRUE(stageZero.rebuilt());

    // Both still under the marker: the selection holds, the preview stays.
    PreviewProbe stageOne(layer->preview);
    harness->step(5);
    EXPECT_EQ(layer->selectedIndex, 1);
    EXPECT_FALSE(stageOne.rebuilt());
}

} // namespace
