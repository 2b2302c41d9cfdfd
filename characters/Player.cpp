#include "characters/Player.h"

using namespace cocos2d;

namespace {

const char* const RIGHT_1 = "GameScene/arukuRight1.png";
const char* const RIGHT_2 = "GameScene/arukuRight2.png"; // also standing, facing right
const char* const RIGHT_3 = "GameScene/arukuRight3.png";
const char* const LEFT_1 = "GameScene/arukuLeft1.png";
const char* const LEFT_2 = "GameScene/arukuLeft2.png"; // also standing, facing left
const char* const LEFT_3 = "GameScene/arukuLeft3.png";

} // namespace

bool Player::init() {
    if (!Sprite::init()) return false;
    frameDelay = 0.3f;
    initWithFile(RIGHT_2); // a missing image is reported by the engine
    setScale(0.18f);
    return true;
}

Player::~Player() { releaseWalk(); }

void Player::walkLeft() { startWalk(LEFT_1, LEFT_2, LEFT_3); }

void Player::walkRight() { startWalk(RIGHT_1, RIGHT_2, RIGHT_3); }

void Player::startWalk(const char* image1, const char* image2, const char* image3) {
    Animation* animation = Animation::create();
    animation->addSpriteFrameWithFileName(image1);
    animation->addSpriteFrameWithFileName(image2);
    animation->addSpriteFrameWithFileName(image3);
    animation->addSpriteFrameWithFileName(image2);
    animation->setDelayPerUnit(frameDelay);
    animation->setRestoreOriginalFrame(true);

    Animate* animate = Animate::create(animation);
    RepeatForever* action = RepeatForever::create(animate);
    action->retain();
    // An earlier walk keeps running under the action manager; only our
    // reference to it goes.
    releaseWalk();
    walkAnimation = animation;
    walkAnimate = animate;
    walkAction = action;
    runAction(walkAction);
}

void Player::stopWalk(int direction) {
    if (walkAction != nullptr) {
        // Still alive through our reference; a no-op for the action manager
        // if the engine has already stopped it (e.g. by a cleanup).
        stopAction(walkAction);
        releaseWalk();
    }
    if (direction == 1) {
        initWithFile(RIGHT_2);
    } else if (direction == 2) {
        initWithFile(LEFT_2);
    }
}

void Player::releaseWalk() {
    if (walkAction != nullptr) walkAction->release();
    walkAction = nullptr;
    walkAnimate = nullptr;
    walkAnimation = nullptr;
}
