#pragma once
#include <vector>

#include "app/Common.h"

class MapCreator;
class Player;
class RainManager;
class UmbrellaCreator;

// The play layer: owns the whole stage (scenery, rain, player, umbrella
// people and their irritation marks) and runs it frame by frame. Gameplay
// counts frames: speeds are design points per frame at 60 frames per second.
//
// Index i of `irritation`, `questionMarks`, `angerMarks` and the spawner's
// `umbrellas` is the same umbrella person.
class GameLayer : public cocos2d::Layer {
public:
    CC_CREATABLE;
    static GameLayer* create(int stageNumber, int hp);
    bool init(int stageNumber, int hp);

    // One frame of play; the frame time is not read.
    void update(float dt) override;

    // Steering: the right half of the view walks right, the left half left.
    bool onTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event) override;
    void onTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event) override;

    // True under the eaves of a building or under any umbrella.
    bool isSheltered();

    // Person `index` leaves through a door and comes back out of a random
    // shop's door as a new passer-by, once per re-arm period.
    void respawnAtShop(int index);
    // Person `index` has lost patience and shoves the player away.
    void pushAway(int index);

    // Timed callbacks; the frame time is ignored.
    void restoreFacing(float);
    void restoreControl(float);
    void rearmShopRespawn(float);

    int stageNumber = 0;
    int hp = 0;                // dryness: exposed frames the player can still take
    int wetSoundCountdown = 0; // exposed frames until the exposure sound plays again
    bool shopRespawnReady = false;
    bool stageActive = false; // false once the stage has ended: one result scene only
    bool controlEnabled = false;
    bool setupDone = false;

    RainManager* rainBehind = nullptr;           // weak: child at z 0
    RainManager* rainFront = nullptr;            // weak: child at z 4
    Player* player = nullptr;                    // weak: child at z 2
    cocos2d::Sprite* cameraTarget = nullptr;     // weak: child at z 0, kept centred by the camera
    UmbrellaCreator* umbrellaCreator = nullptr;  // weak: child at z 3
    MapCreator* mapCreator = nullptr;            // weak: child at z 0
    cocos2d::MoveBy* playerPushMove = nullptr;   // weak: the move last run on the player by pushAway
    cocos2d::MoveBy* personPushMove = nullptr;   // weak: the move last run on a person by pushAway

    float walkSpeed = 0; // design points per frame
    int moveState = 0;   // 0 standing, 1 walking right, 2 walking left
    int personCount = 0;
    bool followPending = false; // the camera starts with the first touch
    bool standing = false;      // no walk animation started since the last release

    std::vector<int> irritation;
    std::vector<cocos2d::Sprite*> questionMarks; // weak: children at z 0
    std::vector<cocos2d::Sprite*> angerMarks;    // weak: children at z 0

    ~GameLayer() override = default;

protected:
    GameLayer() = default;

private:
    void setUpPeople();
    void drawPersonStart(int index);
    // The people the per-person loops visit: `personCount`, or fewer when
    // the spawner holds fewer.
    int peopleInPlay() const;

    void scrollCamera();
    void movePlayer();
    void testGoal();
    void drainIfExposed();
    void testRunningDry();
    void endStage(int score);

    void runEncounter(int index);
    void testDoors(int index);
    void testContact(int index);
    void showIrritation(int index);
    void placeLeavingCopy(int index);
};
