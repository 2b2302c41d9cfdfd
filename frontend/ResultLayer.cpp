#include "frontend/ResultLayer.h"

#include <string>

#include "frontend/TitleScene.h"

namespace {

const char* const FONT_FILE = "fonts/851H-kktt.ttf";
constexpr float FADE_TIME = 4.0f; // seconds

// The umbrella frame: 100 small umbrellas round a rectangle inset from the
// screen's edges, every other one a little further in, fading in one after
// another so that the frame closes while the lines appear. The text stays
// well inside it.
constexpr int DECORATION_COUNT = 100;
constexpr float DECORATION_SCALE = 0.25f;   // of the 200-point marker image
constexpr float FRAME_INSET = 60.0f;        // design points from the screen edge
constexpr float FRAME_STAGGER = 30.0f;      // design points further in, every other one
constexpr float DECORATION_DELAY = 0.04f;   // seconds between neighbours
constexpr float DECORATION_FADE_IN = 1.0f;  // seconds

// The point at `t` (0..1) along the frame rectangle, clockwise from its
// top-left corner, `inset` points inside the screen.
cocos2d::Vec2 pointOnFrame(float t, float inset) {
    const float width = SCREEN_SIZE.width - 2 * inset;
    const float height = SCREEN_SIZE.height - 2 * inset;
    float along = t * 2 * (width + height);
    const float left = inset;
    const float right = SCREEN_SIZE.width - inset;
    const float bottom = inset;
    const float top = SCREEN_SIZE.height - inset;
    if (along < width) return {left + along, top};
    along -= width;
    if (along < height) return {right, top - along};
    along -= height;
    if (along < width) return {right - along, bottom};
    along -= width;
    return {left, bottom + along};
}

} // namespace

ResultLayer* ResultLayer::create(int score) {
    return cocos2d::createWithInit<ResultLayer>(score);
}

bool ResultLayer::init(int score) {
    if (!Layer::init()) return false;
    shownCount = 0;
    canLeave = false;
    elapsed = 0.0f;
    this->score = score;

    auto* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = CC_CALLBACK_2(ResultLayer::onTouchBegan, this);
    listener->onTouchMoved = CC_CALLBACK_2(ResultLayer::onTouchMoved, this);
    listener->onTouchEnded = CC_CALLBACK_2(ResultLayer::onTouchEnded, this);
    cocos2d::Director::getInstance()->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, this);

    createDecorations();
    if (score != 0) {
        createClearLabels();
    } else {
        createMissLabels();
    }
    scheduleUpdate();
    return true;
}

void ResultLayer::createDecorations() {
    // Ten rounds of ten: the round picks the tenth of the frame, the place
    // the spot within it.
    for (int round = 0; round < 10; ++round) {
        for (int place = 0; place < 10; ++place) {
            const int index = round * 10 + place;
            const float t = static_cast<float>(index) / static_cast<float>(DECORATION_COUNT);
            const float inset = FRAME_INSET + (index % 2 == 1 ? FRAME_STAGGER : 0.0f);
            cocos2d::Sprite* umbrella = cocos2d::Sprite::create("umbrella_0.png");
            umbrella->setScale(DECORATION_SCALE);
            umbrella->setPosition(pointOnFrame(t, inset));
            // Invisible until its turn, then fades in.
            umbrella->setOpacity(0);
            umbrella->runAction(cocos2d::Sequence::create(
                cocos2d::FadeTo::create(DECORATION_DELAY * static_cast<float>(index), 0),
                cocos2d::FadeIn::create(DECORATION_FADE_IN), nullptr));
            addChild(umbrella);
            decorations.pushBack(umbrella);
        }
    }
}

void ResultLayer::createClearLabels() {
    static const Line CLEAR[4] = {
        {"!!クリア!!", 100, 100},
        {"あまりぬれなかった！", 100, 100},
        {"スコアは%d", 100, 100},
        {"ヤッタネ!!", 200, 150},
    };
    createLabels(CLEAR);
}

void ResultLayer::createMissLabels() {
    static const Line MISS[4] = {
        {"!!ミス!!", 100, 100},
        {"ぬれすぎた!!", 100, 100},
        {"いったん帰ってまた今度いこう", 100, 100},
        {"アイアイガサって大変...", 80, 150},
    };
    createLabels(MISS);
}

void ResultLayer::createLabels(const Line (&lines)[4]) {
    for (int k = 0; k < 4; ++k) {
        const Line& line = lines[k];
        const std::string text = cocos2d::__String::createWithFormat(line.text, score)->getCString();
        cocos2d::Label* label = cocos2d::Label::create(text, FONT_FILE, line.fontSize, cocos2d::Size::ZERO,
                                                       cocos2d::TextHAlignment::LEFT, cocos2d::TextVAlignment::TOP);
        // Line 3 stands lower than the regular step would put it: 810 - 3 × 150.
        label->setPosition(SCREEN_SIZE.width * 0.5f, SCREEN_SIZE.height * 0.75f - static_cast<float>(k * line.spacing));
        label->setVisible(false);
        addChild(label);
        resultLabels.pushBack(label);
    }
}

void ResultLayer::update(float dt) {
    elapsed += dt;
    const float t = revealTimes[shownCount];
    if (t == 0.0f) {
        if (!canLeave) canLeave = true;
    } else if (elapsed >= t) {
        // One line per frame, however long the frame was.
        resultLabels.at(static_cast<std::size_t>(shownCount))->setVisible(true);
        ++shownCount;
    }
}

bool ResultLayer::onTouchBegan(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {
    if (canLeave) {
        cocos2d::Director::getInstance()->replaceScene(
            cocos2d::TransitionFade::create(FADE_TIME, TitleScene::create(), cocos2d::Color3B::WHITE));
        canLeave = false;
    }
    return true;
}

void ResultLayer::onTouchMoved(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {}

void ResultLayer::onTouchEnded(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {}
