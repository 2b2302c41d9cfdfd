#include "frontend/StageLayer.h"

#include <cmath>

#include "gameplay/GameScene.h"

namespace {

const char* const STAGE_MUSIC = "Music/sentaku.mp3";
const char* const BUTTON_SOUND = "Music/button.mp3";
const char* const FONT_FILE = "fonts/851H-kktt.ttf";

// The wheel's centre lies far above the screen; only the lowest stretch of
// its rim crosses the picture.
const cocos2d::Vec2 WHEEL_CENTER(SCREEN_SIZE.width * 0.7f, SCREEN_SIZE.height * 2.5f);
// Where the marker stands and board 0 starts.
const cocos2d::Vec2 MARKER_POINT(SCREEN_SIZE.width * 0.7f, SCREEN_SIZE.height * 0.2f);
const float WHEEL_RADIUS = SCREEN_SIZE.height * 2.3f;
constexpr int BOARD_COUNT = StageItem::RANDOM_ENTRY_INDEX + 1;
// Boards cover 6 of the wheel's 2π radians, 0.2 rad apart.
constexpr float BOARD_ANGLE_SPAN = 6.0f;
constexpr float BOARD_SCALE = 0.2f;
constexpr float SELECTED_SCALE = 0.5f;
constexpr float SPIN_FRICTION = 0.001f;  // design points per frame
constexpr float SPIN_DEAD_ZONE = 0.005f; // design points
constexpr float SPIN_DIVISOR = 1500.0f;  // design points of drag per radian
constexpr float TAP_TIME = 0.3f;         // seconds
constexpr int STARTING_DRYNESS = 200;
constexpr float FADE_TIME = 2.0f; // seconds

// Z-orders of the layer's children.
constexpr int MARKER_Z = 1;
constexpr int BOARD_Z = 2;
constexpr int COMMENT_BOARD_Z = 3;
constexpr int COMMENT_LABEL_Z = 5;

} // namespace

bool StageLayer::init() {
    if (!Layer::init()) return false;
    selectedIndex = 0;
    previewIndex = 0;
    spin = 0;
    holdTime = 0;

    auto* audio = CocosDenshion::SimpleAudioEngine::getInstance();
    audio->preloadBackgroundMusic(STAGE_MUSIC);
    audio->preloadEffect(BUTTON_SOUND);
    audio->setBackgroundMusicVolume(0.5f);
    audio->playBackgroundMusic(STAGE_MUSIC, true);

    auto* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = CC_CALLBACK_2(StageLayer::onTouchBegan, this);
    listener->onTouchMoved = CC_CALLBACK_2(StageLayer::onTouchMoved, this);
    listener->onTouchEnded = CC_CALLBACK_2(StageLayer::onTouchEnded, this);
    cocos2d::Director::getInstance()->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, this);

    preview = MapCreator::create(0);
    stencil = cocos2d::Sprite::create("stageMask.png");
    stencil->setAnchorPoint(cocos2d::Vec2::ANCHOR_BOTTOM_LEFT);
    stencil->setPosition(0, 0);
    // The preview shows only where the mask image is not fully transparent.
    clipper = cocos2d::ClippingNode::create();
    clipper->setStencil(stencil);
    clipper->setInverted(false);
    clipper->setAlphaThreshold(0.0f);
    clipper->addChild(preview);
    addChild(clipper);

    previewStage(0);
    createDecorations();
    createBoards();
    createCommentLabel();
    scheduleUpdate();
    return true;
}

void StageLayer::previewStage(int stage) {
    preview->clearScenery();
    preview->loadStage(stage);
    preview->showGoal();
}

void StageLayer::createDecorations() {
    cocos2d::Sprite* commentBoard = cocos2d::Sprite::create("StageBoard_comment.png");
    commentBoard->setPosition(SCREEN_SIZE.width * 0.2f, SCREEN_SIZE.height * 0.6f);
    addChild(commentBoard, COMMENT_BOARD_Z);

    marker = cocos2d::Sprite::create("umbrella_0.png");
    marker->setPosition(MARKER_POINT);
    addChild(marker, MARKER_Z);
}

void StageLayer::createBoards() {
    for (int i = 0; i < BOARD_COUNT; ++i) {
        StageItem* board = StageItem::create(i);
        // MARKER_POINT turned counter-clockwise about the centre.
        const float theta = static_cast<float>(i) / static_cast<float>(BOARD_COUNT - 1) * BOARD_ANGLE_SPAN;
        board->setPosition(WHEEL_CENTER.x + WHEEL_RADIUS * std::sin(theta),
                           WHEEL_CENTER.y - WHEEL_RADIUS * std::cos(theta));
        board->setScale(BOARD_SCALE);
        addChild(board, BOARD_Z);
        boards.pushBack(board);
    }
}

void StageLayer::createCommentLabel() {
    commentLabel = cocos2d::Label::create("non letter", FONT_FILE, 40, cocos2d::Size::ZERO,
                                          cocos2d::TextHAlignment::LEFT, cocos2d::TextVAlignment::TOP);
    // The comment rows run downwards from this corner.
    commentLabel->setAnchorPoint(cocos2d::Vec2::ANCHOR_TOP_LEFT);
    commentLabel->setPosition(SCREEN_SIZE.width * 0.1f, SCREEN_SIZE.height * 0.85f);
    addChild(commentLabel, COMMENT_LABEL_Z);
}

void StageLayer::update(float dt) {
    if (touchSeen_) holdTime += dt;
    applyFriction();
    // A drag of d turns the wheel by about d / 1500 radians on the next
    // frame; storing the quotient lets the rest die out within two frames,
    // so the wheel stops when the finger stops.
    spin = spin / SPIN_DIVISOR;

    int overlapping = -1;
    for (int i = 0; i < static_cast<int>(boards.size()); ++i) {
        StageItem* board = boards.at(static_cast<std::size_t>(i));
        if (turnBoard(board)) {
            board->setScale(SELECTED_SCALE);
            commentLabel->setString(board->comment);
            selectedIndex = i;
            overlapping = i;
        } else {
            board->setScale(BOARD_SCALE);
        }
    }
    // Of two boards under the marker the higher index wins; the preview is
    // rebuilt once for it, not once per overlapping board and frame.
    if (overlapping >= 0) select(overlapping);
}

void StageLayer::applyFriction() {
    if (spin > 0) {
        spin -= SPIN_FRICTION;
        if (spin <= SPIN_DEAD_ZONE) spin = 0;
    } else if (spin < 0) {
        spin += SPIN_FRICTION;
        if (spin >= -SPIN_DEAD_ZONE) spin = 0;
    }
}

bool StageLayer::turnBoard(StageItem* board) {
    const cocos2d::Vec2 d = board->getPosition() - WHEEL_CENTER;
    const float c = std::cos(spin);
    const float s = std::sin(spin);
    board->setPosition(WHEEL_CENTER + cocos2d::Vec2(d.x * c - d.y * s, d.x * s + d.y * c));
    // The box at last frame's scale decides.
    return board->getBoundingBox().intersectsRect(marker->getBoundingBox());
}

void StageLayer::select(int index) {
    if (index == previewIndex) return;
    previewStage(index);
    previewIndex = index;
}

bool StageLayer::onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* /*event*/) {
    touchSeen_ = true;
    holdTime = 0;
    spin = 0; // a new touch stops the wheel
    CocosDenshion::SimpleAudioEngine::getInstance()->playEffect(BUTTON_SOUND, false, 1.0f, 0.0f, 1.0f);
    // Shown until the next frame with a board under the marker.
    for (StageItem* board : boards) {
        if (board->getBoundingBox().containsPoint(touch->getLocation())) commentLabel->setString(board->comment);
    }
    return true;
}

void StageLayer::onTouchMoved(cocos2d::Touch* touch, cocos2d::Event* /*event*/) {
    // Only the latest move of a frame counts.
    spin = touch->getDelta().x;
}

void StageLayer::onTouchEnded(cocos2d::Touch* touch, cocos2d::Event* /*event*/) {
    // Fingers lifted in the frame of the starting tap would each build a
    // play scene that the next one throws away.
    if (playStarted_ || holdTime > TAP_TIME) return;
    for (StageItem* board : boards) {
        if (!board->getBoundingBox().containsPoint(touch->getLocation())) continue;
        // Whichever board was tapped, the one under the marker is played.
        // One scene is enough when the touch lies on two boards.
        cocos2d::Director::getInstance()->replaceScene(cocos2d::TransitionFade::create(
            FADE_TIME, GameScene::create(selectedIndex, STARTING_DRYNESS), cocos2d::Color3B::WHITE));
        playStarted_ = true;
        return;
    }
}
