#include "characters/Umbrella.h"

#include <cmath>

#include "app/Random.h"

using namespace cocos2d;

namespace {

const char* const MOB_IMAGE = "GameScene/umbrellaMob.png";     // kind 0
const char* const MAN_IMAGE = "GameScene/umbrellaman_0.png";   // kind 1

constexpr double PI = 3.14159265358979323846;

// x of the street's left end, design points.
float leftEnd() { return -0.1f * SCREEN_SIZE.width; }
// y of a passer-by entering the street, design points.
float streetY() { return 0.35f * SCREEN_SIZE.height; }

// A drawn integer r stands for r / 100 seconds.
float seconds(int hundredths) { return static_cast<float>(hundredths) / 100.0f; }

} // namespace

Umbrella* Umbrella::create(float stageWidth) { return createWithInit<Umbrella>(stageWidth); }

bool Umbrella::init(float stageWidth) {
    if (!Sprite::init()) return false;
    direction = 0;
    isActive = false;
    canRespawn = true;
    isWalking = true;
    this->stageWidth = stageWidth;

    std::mt19937 generator = Random::makeGenerator();
    schedule(CC_SCHEDULE_SELECTOR(Umbrella::activate), seconds(Random::between(generator, 100, 1300)));
    scheduleOnce(CC_SCHEDULE_SELECTOR(Umbrella::pauseWalking), seconds(Random::between(generator, 100, 1300)));

    bobPhase = 0;
    scheduleUpdate();
    return true;
}

// Keeps firing at its interval; setting the flag again changes nothing.
void Umbrella::activate(float) { isActive = true; }

void Umbrella::pauseWalking(float) {
    isWalking = false;
    direction = moveDirection; // stops but keeps its heading
    moveDirection = 0;
    std::mt19937 generator = Random::makeGenerator();
    scheduleOnce(CC_SCHEDULE_SELECTOR(Umbrella::startWalking), seconds(Random::between(generator, 100, 300)));
}

void Umbrella::startWalking(float) {
    moveDirection = direction;
    isWalking = true;
    std::mt19937 generator = Random::makeGenerator();
    scheduleOnce(CC_SCHEDULE_SELECTOR(Umbrella::pauseWalking), seconds(Random::between(generator, 500, 1300)));
}

void Umbrella::update(float) {
    if (!isActive) return;
    move();
    respawnIfOutside();
    if (isWalking) bob();
}

void Umbrella::move() {
    if (moveDirection == 1) {
        setPositionX(getPositionX() + speed);
    } else if (moveDirection == 2) {
        setPositionX(getPositionX() - speed);
    }
}

// The ends themselves still belong to the street.
void Umbrella::respawnIfOutside() {
    const float x = getPositionX();
    if (x > stageWidth || x < leftEnd()) respawn();
}

// Single-precision phase steps: one sink-and-rise cycle is 61 frames and ends
// back at the starting height.
void Umbrella::bob() {
    bobPhase += 0.02f;
    if (bobPhase > 0.6f) bobPhase = -0.6f;
    setPositionY(static_cast<float>(getPositionY() + -6.0 * std::sin(bobPhase * PI / 6.0)));
}

void Umbrella::respawn() {
    if (!canRespawn) return;
    // One generator, drawn in this order: kind, patience, speed, direction.
    std::mt19937 generator = Random::makeGenerator();
    kind = Random::between(generator, 0, 1);
    if (kind == 0) {
        initWithFile(MOB_IMAGE);
        irritationLimit = Random::between(generator, 180, 360);
    } else {
        initWithFile(MAN_IMAGE);
        irritationLimit = Random::between(generator, 240, 420);
    }
    speed = static_cast<float>(Random::between(generator, 500, 900)) / 100.0f;
    moveDirection = Random::between(generator, 1, 2);
    direction = moveDirection;

    if (moveDirection == 1) {
        setPosition(leftEnd(), streetY());
    } else {
        setPosition(stageWidth, streetY());
    }
    applyFacing();
    holdRespawn();
}

void Umbrella::holdRespawn() {
    canRespawn = false;
    // Already scheduled after the first call: the engine keeps the running
    // timer, so the next tick stays on the 6-second grid.
    schedule(CC_SCHEDULE_SELECTOR(Umbrella::rearmRespawn), 6.0f);
}

void Umbrella::rearmRespawn(float) { canRespawn = true; }

void Umbrella::applyFacing(float) {
    if (direction == 1) {
        setFlipX(true);
    } else if (direction == 2) {
        setFlippedX(false);
    }
}
