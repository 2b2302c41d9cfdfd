#include "gameplay/GameLayer.h"

#include <algorithm>

#include "app/Random.h"
#include "characters/Player.h"
#include "characters/Umbrella.h"
#include "characters/UmbrellaCreator.h"
#include "frontend/ResultScene.h"
#include "weather/RainManager.h"
#include "world/MapCreator.h"
#include "world/ShopBase.h"

using cocos2d::Vec2;
using CocosDenshion::SimpleAudioEngine;

namespace {

const char* const MUSIC = "Music/gameScene.mp3";
const char* const WET_SOUND = "Music/dekusi.mp3";
const char* const PUSH_SOUND = "Music/dekusi2.mp3";
const char* const QUESTION_MARK_IMAGE = "GameScene/hatena.png";
const char* const ANGER_MARK_IMAGE = "GameScene/ikari.png";
const char* const MOB_IMAGE = "GameScene/umbrellaMob.png";
const char* const MAN_IMAGE = "GameScene/umbrellaman_0.png";

const int START_PERSON_COUNT = 25;
const float WALK_SPEED = 10.0f; // design points per frame
const int BEHIND_DROPS = 120;
const int FRONT_DROPS = 260;

// The camera follows the player's x from the middle of the view on; touches
// left and right of the same line steer left and right (view coordinates).
const float CAMERA_THRESHOLD = SCREEN_SIZE.width / 2.0f;
const float CENTRE_LINE = SCREEN_SIZE.width / 2.0f;
const float LEFT_LIMIT = 0.0f;
const float GOAL_HEIGHT = SCREEN_SIZE.height * 0.4f;
const int SOUND_PERIOD = 15; // exposed frames between two exposure sounds

const float ICON_SCALE = 0.3f;
const float ICON_OFFSET = SCREEN_SIZE.height * 0.3f; // above the person's position
const float DOOR_HEIGHT = SCREEN_SIZE.height * 0.4f;
const float REENTRY_HEIGHT = SCREEN_SIZE.height * 0.35f;

const float PUSH_TIME = 0.03f; // seconds
const float PLAYER_PUSH = 200.0f;
const float PERSON_PUSH = 100.0f;
const float BLINK_TIME = 1.5f;
const int BLINKS = 8;
const float FACING_DELAY = 0.2f;
const float CONTROL_LOCK = 1.5f;
const float LEAVING_FADE = 1.0f;
const float ENTERING_FADE = 0.5f;
// Seconds between two shop re-entries: the first comes 6 s after set-up at
// the earliest, later ones every 3 s.
const float FIRST_REARM_PERIOD = 6.0f;
const float REARM_PERIOD = 3.0f;

const int KIND_MOB = 0;
const int KIND_MAN = 1;

void playEffectOnce(const char* path) {
    SimpleAudioEngine::getInstance()->playEffect(path, false, 1.0f, 0.0f, 1.0f);
}

} // namespace

GameLayer* GameLayer::create(int stageNumber, int hp) { return cocos2d::createWithInit<GameLayer>(stageNumber, hp); }

// --- set-up ------------------------------------------------------------------

bool GameLayer::init(int stageNumber, int hp) {
    if (!Layer::init()) return false;

    this->stageNumber = stageNumber;
    this->hp = hp;
    walkSpeed = WALK_SPEED;
    wetSoundCountdown = SOUND_PERIOD;
    moveState = 0;
    personCount = START_PERSON_COUNT;
    followPending = true;
    shopRespawnReady = true;
    standing = true;
    stageActive = true;
    controlEnabled = true;
    setupDone = false;

    auto* audio = SimpleAudioEngine::getInstance();
    audio->preloadBackgroundMusic(MUSIC);
    audio->preloadEffect(WET_SOUND);
    audio->preloadEffect(PUSH_SOUND);

    auto* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = CC_CALLBACK_2(GameLayer::onTouchBegan, this);
    listener->onTouchMoved = CC_CALLBACK_2(GameLayer::onTouchMoved, this);
    listener->onTouchEnded = CC_CALLBACK_2(GameLayer::onTouchEnded, this);
    // A press cut off by minimising the window never sends its release: stop
    // as on a release, or the player would walk on with no finger down.
    listener->onTouchCancelled = CC_CALLBACK_2(GameLayer::onTouchEnded, this);
    cocos2d::Director::getInstance()->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, this);

    player = Player::create();
    player->setPosition(SCREEN_SIZE.width / 2.0f, SCREEN_SIZE.height * 0.3f);
    addChild(player, 2);

    cameraTarget = cocos2d::Sprite::create();
    cameraTarget->setPosition(SCREEN_SIZE.width / 2.0f, SCREEN_SIZE.height / 2.0f);
    addChild(cameraTarget);

    mapCreator = MapCreator::create(stageNumber);
    addChild(mapCreator, 0);

    rainBehind = RainManager::create(BEHIND_DROPS);
    addChild(rainBehind, 0);
    rainFront = RainManager::create(FRONT_DROPS);
    addChild(rainFront, 4);

    umbrellaCreator = UmbrellaCreator::create(mapCreator->stageWidth, personCount);
    addChild(umbrellaCreator, 3);

    setUpPeople();
    setupDone = true;

    // Loads both walks' images and leaves the player standing, facing right.
    player->walkLeft();
    player->stopWalk(2);
    player->walkRight();
    player->stopWalk(1);

    audio->playBackgroundMusic(MUSIC, true);
    scheduleUpdate();
    return true;
}

void GameLayer::setUpPeople() {
    const int spawned = static_cast<int>(umbrellaCreator->umbrellas.size());
    if (spawned < personCount) {
        cocos2d::log("GameLayer: the spawner holds %d of %d umbrella people; the missing ones are left out", spawned,
                     personCount);
    }
    const int count = std::min(personCount, spawned);
    for (int i = 0; i < count; ++i) {
        irritation.push_back(0);

        auto* questionMark = cocos2d::Sprite::create(QUESTION_MARK_IMAGE);
        questionMarks.push_back(questionMark);
        questionMark->setScale(ICON_SCALE);
        questionMark->setVisible(false);
        addChild(questionMark, 0);

        auto* angerMark = cocos2d::Sprite::create(ANGER_MARK_IMAGE);
        angerMarks.push_back(angerMark);
        angerMark->setScale(ICON_SCALE);
        angerMark->setVisible(false);
        addChild(angerMark, 0);

        drawPersonStart(i);
    }
}

// About half of the people start at a street end; the others are held back
// and, never placed, take no part in the stage.
void GameLayer::drawPersonStart(int index) {
    std::mt19937 generator = Random::makeGenerator();
    const int r = Random::between(generator, 0, 1);
    Umbrella* person = umbrellaCreator->umbrellas[static_cast<std::size_t>(index)];
    if (r == 0) {
        shopRespawnReady = false;
        schedule(CC_SCHEDULE_SELECTOR(GameLayer::rearmShopRespawn), FIRST_REARM_PERIOD);
        person->respawn();
    } else {
        person->holdRespawn();
        respawnAtShop(index);
    }
}

int GameLayer::peopleInPlay() const {
    const std::size_t count = std::min({static_cast<std::size_t>(std::max(personCount, 0)),
                                        umbrellaCreator->umbrellas.size(), irritation.size(), questionMarks.size(),
                                        angerMarks.size()});
    return static_cast<int>(count);
}

// --- the frame ---------------------------------------------------------------

void GameLayer::update(float /*dt*/) {
    scrollCamera();
    movePlayer();
    testGoal();
    drainIfExposed();
    testRunningDry();
    const int count = peopleInPlay();
    for (int i = 0; i < count; ++i) runEncounter(i);
}

// The scenery and the rain follow the camera position of the previous frame;
// the camera target takes the player's x only from the middle of the view on.
void GameLayer::scrollCamera() {
    const float cameraX = cameraTarget->getPositionX();
    mapCreator->setScrollX(cameraX);
    rainBehind->setCenterX(cameraX);
    rainFront->setCenterX(cameraX);

    if (player->getPositionX() >= CAMERA_THRESHOLD) cameraTarget->setPositionX(player->getPositionX());
}

void GameLayer::movePlayer() {
    if (player->getPositionX() <= LEFT_LIMIT) player->setPositionX(player->getPositionX() + walkSpeed);

    switch (moveState) {
    case 0:
        player->setPosition(player->getPosition());
        break;
    case 1:
        player->setPositionX(player->getPositionX() + walkSpeed);
        break;
    case 2:
        player->setPositionX(player->getPositionX() - walkSpeed);
        break;
    default:
        break;
    }
}

void GameLayer::testGoal() {
    const Vec2 goal(mapCreator->goalX, GOAL_HEIGHT);
    if (!player->getBoundingBox().containsPoint(goal) || !stageActive) return;
    endStage(hp);
    cocos2d::log("G--------O---------A--------L");
}

void GameLayer::drainIfExposed() {
    if (isSheltered()) return;
    hp -= 1;
    wetSoundCountdown -= 1;
    if (wetSoundCountdown <= 0) {
        wetSoundCountdown = SOUND_PERIOD;
        playEffectOnce(WET_SOUND);
    }
}

void GameLayer::testRunningDry() {
    if (hp < 0 && stageActive) endStage(0);
}

void GameLayer::endStage(int score) {
    stageActive = false;
    cocos2d::Director::getInstance()->replaceScene(ResultScene::create(score));
}

bool GameLayer::isSheltered() {
    bool underEaves = false;
    bool underUmbrella = false;
    const cocos2d::Rect playerBox = player->getBoundingBox();
    const float playerX = player->getPositionX();

    // The box test only finds the buildings worth a look: the player must
    // stand strictly inside the eaves' span to be dry.
    for (ShopBase* building : mapCreator->buildings) {
        if (!building->getBoundingBox().intersectsRect(playerBox)) continue;
        cocos2d::log("[%f],[%f]", static_cast<double>(building->shelterLeftX),
                     static_cast<double>(building->shelterRightX));
        if (playerX > building->shelterLeftX && playerX < building->shelterRightX) underEaves = true;
    }

    // Any overlap with an umbrella keeps the player dry, from either side.
    const int count = peopleInPlay();
    for (int i = 0; i < count; ++i) {
        if (umbrellaCreator->umbrellas[static_cast<std::size_t>(i)]->getBoundingBox().intersectsRect(playerBox)) {
            underUmbrella = true;
            break;
        }
    }
    return underEaves || underUmbrella;
}

// --- touch -------------------------------------------------------------------

bool GameLayer::onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* /*event*/) {
    const float x = touch->getLocationInView().x;

    // The first touch of the stage switches the camera on, whatever else holds.
    if (followPending) {
        runAction(cocos2d::Follow::create(cameraTarget, cocos2d::Rect::ZERO));
        followPending = false;
    }

    if (controlEnabled) {
        if (x > CENTRE_LINE) {
            cocos2d::log("migi");
            moveState = 1;
            if (standing) {
                player->walkRight();
                standing = false;
            }
        } else if (x < CENTRE_LINE) {
            cocos2d::log("hidari");
            moveState = 2;
            if (standing) {
                player->walkLeft();
                standing = false;
            }
        }
    }
    return true;
}

// Sliding across the centre line does not change the direction.
void GameLayer::onTouchMoved(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {}

void GameLayer::onTouchEnded(cocos2d::Touch* /*touch*/, cocos2d::Event* /*event*/) {
    player->stopWalk(moveState);
    moveState = 0;
    standing = true;
}

// --- encounters ----------------------------------------------------------------

void GameLayer::runEncounter(int index) {
    const auto i = static_cast<std::size_t>(index);
    Umbrella* person = umbrellaCreator->umbrellas[i];
    const Vec2 iconPosition(person->getPositionX(), person->getPositionY() + ICON_OFFSET);
    questionMarks[i]->setPosition(iconPosition);
    angerMarks[i]->setPosition(iconPosition);

    testDoors(index);
    if (controlEnabled) testContact(index);
    showIrritation(index);
}

// A person in a doorway may leave through it (or is only kept from
// respawning at the street ends for a while).
void GameLayer::testDoors(int index) {
    Umbrella* person = umbrellaCreator->umbrellas[static_cast<std::size_t>(index)];
    const auto& shops = mapCreator->shops;
    for (std::size_t s = 0; s < shops.size(); ++s) {
        const Vec2 door(shops.at(s)->entranceX, DOOR_HEIGHT);
        // Tested against the person's current box: a re-entry moves it.
        if (!person->getBoundingBox().containsPoint(door)) continue;
        std::mt19937 generator = Random::makeGenerator();
        const int r = Random::between(generator, 0, 3);
        if (r <= 1) {
            respawnAtShop(index);
        } else {
            person->holdRespawn();
        }
    }
}

// Irritation rises only while the player keeps to the side the person faces
// and decays while apart; from behind the umbrella shelters for free.
void GameLayer::testContact(int index) {
    const auto i = static_cast<std::size_t>(index);
    Umbrella* person = umbrellaCreator->umbrellas[i];
    const int half = person->irritationLimit / 2;

    if (!person->getBoundingBox().intersectsRect(player->getBoundingBox())) {
        if (irritation[i] > half) {
            irritation[i] -= 1;
            if (irritation[i] <= half) irritation[i] = half - 1;
        }
        return;
    }

    cocos2d::log("%d hit!", index);
    const float playerX = player->getPositionX();
    const float personX = person->getPositionX();
    const bool facesPlayer =
        (person->direction == 1 && playerX > personX) || (person->direction == 2 && playerX < personX);
    if (!facesPlayer) return;

    irritation[i] += 1;
    if (irritation[i] <= person->irritationLimit) return;
    irritation[i] = 0;
    // Turns to face the other way while shoving.
    person->setFlipX(person->direction == 2);
    pushAway(index);
}

void GameLayer::showIrritation(int index) {
    const auto i = static_cast<std::size_t>(index);
    const int limit = umbrellaCreator->umbrellas[i]->irritationLimit;
    const int half = limit / 2;
    const int nineTenths = (limit / 10) * 9;
    const bool angry = irritation[i] > nineTenths;
    const bool puzzled = !angry && irritation[i] > half;
    questionMarks[i]->setVisible(puzzled);
    angerMarks[i]->setVisible(angry);
}

void GameLayer::pushAway(int index) {
    if (index < 0 || index >= peopleInPlay()) {
        cocos2d::log("GameLayer::pushAway: no umbrella person %d; nothing pushed", index);
        return;
    }
    Umbrella* person = umbrellaCreator->umbrellas[static_cast<std::size_t>(index)];
    // Only a person with a heading can push; the push goes against it.
    float against = 0.0f;
    if (person->direction == 1) {
        against = -1.0f;
    } else if (person->direction == 2) {
        against = 1.0f;
    } else {
        cocos2d::log("GameLayer::pushAway: umbrella person %d has no heading (direction %d); nothing pushed", index,
                     person->direction);
        return;
    }

    controlEnabled = false;
    playEffectOnce(PUSH_SOUND);
    playerPushMove = cocos2d::MoveBy::create(PUSH_TIME, Vec2(against * PLAYER_PUSH, 0.0f));
    personPushMove = cocos2d::MoveBy::create(PUSH_TIME, Vec2(against * PERSON_PUSH, 0.0f));
    // The player stops although the finger may still be down.
    moveState = 0;

    person->runAction(personPushMove);
    player->runAction(playerPushMove);
    player->runAction(cocos2d::Blink::create(BLINK_TIME, BLINKS));

    scheduleOnce(CC_SCHEDULE_SELECTOR(GameLayer::restoreFacing), FACING_DELAY);
    scheduleOnce(CC_SCHEDULE_SELECTOR(GameLayer::restoreControl), CONTROL_LOCK);
}

void GameLayer::respawnAtShop(int index) {
    if (!shopRespawnReady) return;
    if (index < 0 || index >= peopleInPlay()) {
        cocos2d::log("GameLayer::respawnAtShop: no umbrella person %d; nobody re-enters", index);
        return;
    }
    const auto i = static_cast<std::size_t>(index);
    Umbrella* person = umbrellaCreator->umbrellas[i];

    shopRespawnReady = false;
    irritation[i] = 0;
    person->holdRespawn();

    std::mt19937 generator = Random::makeGenerator();
    if (!setupDone) return;

    const auto& shops = mapCreator->shops;
    if (shops.empty()) {
        cocos2d::log("GameLayer::respawnAtShop: stage %d has no shop door; umbrella person %d stays", stageNumber,
                     index);
        return;
    }

    placeLeavingCopy(index);

    const int newDirection = Random::between(generator, 1, 2);
    cocos2d::log("fjilidhshifh%d", person->moveDirection);
    const int newKind = Random::between(generator, 0, 1);

    if (newKind == KIND_MOB) {
        person->initWithFile(MOB_IMAGE);
        person->irritationLimit = Random::between(generator, 180, 360);
    } else {
        person->initWithFile(MAN_IMAGE);
        person->irritationLimit = Random::between(generator, 240, 420);
    }

    const int door = Random::between(generator, 0, static_cast<int>(shops.size()) - 1);
    person->setPosition(shops.at(static_cast<std::size_t>(door))->entranceX, REENTRY_HEIGHT);

    person->kind = newKind;
    person->direction = newDirection;
    person->moveDirection = newDirection;
    person->applyFacing();

    person->setOpacity(0);
    person->runAction(cocos2d::FadeIn::create(ENTERING_FADE));

    // The re-arm timer exists already; this only shortens its period.
    schedule(CC_SCHEDULE_SELECTOR(GameLayer::rearmShopRespawn), REARM_PERIOD);
}

// The person seen leaving: a copy of its look that fades out where it stood,
// beneath the player and the umbrella people.
void GameLayer::placeLeavingCopy(int index) {
    Umbrella* person = umbrellaCreator->umbrellas[static_cast<std::size_t>(index)];
    const char* image = nullptr;
    if (person->kind == KIND_MOB) image = MOB_IMAGE;
    if (person->kind == KIND_MAN) image = MAN_IMAGE;
    if (image == nullptr) return;

    auto* copy = cocos2d::Sprite::create(image);
    if (copy == nullptr) return; // the engine has named the missing file
    if (person->direction == 1) copy->setFlippedX(true);
    copy->setPosition(person->getPosition());
    copy->setScale(person->getScaleX(), person->getScaleY());
    addChild(copy, 0);
    copy->runAction(cocos2d::Sequence::create(cocos2d::FadeOut::create(LEAVING_FADE), cocos2d::RemoveSelf::create(),
                                              nullptr));
}

void GameLayer::restoreFacing(float /*dt*/) {
    for (Umbrella* person : umbrellaCreator->umbrellas) person->applyFacing();
}

void GameLayer::restoreControl(float /*dt*/) { controlEnabled = true; }

void GameLayer::rearmShopRespawn(float /*dt*/) { shopRespawnReady = true; }
