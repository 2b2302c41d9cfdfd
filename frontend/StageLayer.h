#pragma once
#include "app/Common.h"
#include "frontend/StageItem.h"
#include "world/MapCreator.h"

// The wheel of 31 stage boards (board 30 is the random one) turning about a
// centre far above the screen. Horizontal drags turn it; the board under the
// umbrella marker is the selected stage, drawn larger, with its comment and a
// masked preview of its scenery. A short tap on any board plays the selected
// stage with 200 dryness. Counts in seconds of frame time.
class StageLayer : public cocos2d::Layer {
public:
    CREATE_FUNC(StageLayer)
    bool init() override;
    // Turns the wheel by the latest drag and re-selects.
    void update(float dt) override;
    // Every touch plays the button sound, stops the wheel and shows the
    // comment of the board under it; every touch is claimed.
    bool onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event) override;
    // A touch of at most 0.3 s released on a board plays the selected stage.
    void onTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event) override;

    // Rebuilds the preview scenery for `stage`, its goal door at the
    // preview's origin. Re-reads the stage data: call it only on a change.
    void previewStage(int stage);
    void createDecorations();
    void createBoards();
    void createCommentLabel();

    int selectedIndex = 0; // the board last found under the marker; the stage played
    int previewIndex = 0;  // the stage the preview shows
    // The latest horizontal drag in design points, turned by `update` into
    // this frame's rotation in radians (counter-clockwise for positive).
    float spin = 0;
    float holdTime = 0; // seconds since the latest touch began
    // Weak: owned by the node tree.
    cocos2d::Sprite* marker = nullptr;
    cocos2d::Sprite* stencil = nullptr;
    cocos2d::ClippingNode* clipper = nullptr;
    cocos2d::Label* commentLabel = nullptr;
    MapCreator* preview = nullptr; // child of `clipper`
    cocos2d::Vector<StageItem*> boards; // index = stage number

    ~StageLayer() override = default;

protected:
    StageLayer() = default;

private:
    void applyFriction();
    // Moves a board round the wheel by this frame's spin; true when it
    // then overlaps the marker.
    bool turnBoard(StageItem* board);
    void select(int index);

    bool touchSeen_ = false; // holdTime only runs from the first touch on
    bool playStarted_ = false; // a tap has started a stage: later taps start none
};
