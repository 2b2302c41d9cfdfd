#include "frontend/TitleLayer.h"

#include "frontend/StageScene.h"

namespace {

const char* const TITLE_MUSIC = "Music/title.mp3";
const char* const BUTTON_SOUND = "Music/button.mp3";
const char* const STANDING_IMAGE = "GameScene/arukuRight2.png";
constexpr float WALK_STEP = 10.0f;       // design points per frame
constexpr float WALK_FRAME_TIME = 0.3f;  // seconds per walk image
constexpr float FADE_TIME = 2.0f;        // seconds

} // namespace

bool TitleLayer::init() {
    if (!Layer::init()) return false;
    auto* audio = CocosDenshion::SimpleAudioEngine::getInstance();
    audio->preloadBackgroundMusic(TITLE_MUSIC);
    audio->preloadEffect(BUTTON_SOUND);
    canTap = true;
    isLeaving = false;

    auto* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = CC_CALLBACK_2(TitleLayer::onTouchBegan, this);
    listener->onTouchMoved = CC_CALLBACK_2(TitleLayer::onTouchMoved, this);
    listener->onTouchEnded = CC_CALLBACK_2(TitleLayer::onTouchEnded, this);
    cocos2d::Director::getInstance()->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, this);

    addScenery();
    rainBehind->setCenterX(SCREEN_SIZE.width / 2);
    rainFront->setCenterX(SCREEN_SIZE.width / 2);
    audio->playBackgroundMusic(TITLE_MUSIC, true);
    scheduleUpdate();
    return true;
}

void TitleLayer::addScenery() {
    rainBehind = RainManager::create(120);
    addChild(rainBehind);
    titleMap = MapCreator::create(1); // unscrolled: the start of stage 1
    addChild(titleMap);
    walker = cocos2d::Sprite::create(STANDING_IMAGE);
    walker->setScale(0.18f);
    walker->setPosition(SCREEN_SIZE.width * 0.3f, SCREEN_SIZE.height * 0.3f);
    addChild(walker);
    rainFront = RainManager::create(260);
    addChild(rainFront);
    titleNode = TitleNode::create();
    addChild(titleNode);
}

void TitleLayer::update(float /*dt*/) {
    if (isLeaving) walker->setPositionX(walker->getPositionX() + WALK_STEP);
}

bool TitleLayer::onTouchBegan(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {
    if (!canTap) return true;
    CocosDenshion::SimpleAudioEngine::getInstance()->playEffect(BUTTON_SOUND, false, 1.0f, 0.0f, 1.0f);
    // This scene keeps running under the fade, so the figure is seen walking away.
    cocos2d::Director::getInstance()->replaceScene(
        cocos2d::TransitionFade::create(FADE_TIME, StageScene::create(), cocos2d::Color3B::WHITE));
    startLeaving();
    isLeaving = true;
    canTap = false;
    return true;
}

void TitleLayer::startLeaving() {
    leaveAnimation = cocos2d::Animation::create();
    leaveAnimation->addSpriteFrameWithFileName("GameScene/arukuRight1.png");
    leaveAnimation->addSpriteFrameWithFileName("GameScene/arukuRight2.png");
    leaveAnimation->addSpriteFrameWithFileName("GameScene/arukuRight3.png");
    leaveAnimation->addSpriteFrameWithFileName("GameScene/arukuRight2.png");
    leaveAnimation->setDelayPerUnit(WALK_FRAME_TIME);
    leaveAnimation->setRestoreOriginalFrame(true);
    leaveAnimate = cocos2d::Animate::create(leaveAnimation);
    leaveAction = cocos2d::RepeatForever::create(leaveAnimate);
    walker->runAction(leaveAction);
}

void TitleLayer::onTouchMoved(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {}

void TitleLayer::onTouchEnded(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {}
