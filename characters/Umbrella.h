#pragma once
#include "app/Common.h"

// One passer-by with an umbrella. It walks along the street at its own speed,
// bobs while walking, pauses now and then on its own random clock, and once
// it has left the street it comes back from one of its ends as a new
// passer-by. Created (and owned as children) by UmbrellaCreator; positions are
// in the spawner's space, in design points.
//
// Direction codes: 0 none, 1 right, 2 left.
class Umbrella : public cocos2d::Sprite {
public:
    CC_CREATABLE;
    // Invisible (no image, zero size) and inactive at the spawner's origin
    // until `respawn` or the play layer places it.
    static Umbrella* create(float stageWidth);
    virtual bool init(float stageWidth);

    // Per frame while active: move, exit test, bobbing. `dt` is not used: the
    // game moves in design points per frame.
    void update(float dt) override;

    // Starts over as a new passer-by at an end of the street, only while
    // `canRespawn` is true; then holds further respawns.
    void respawn();
    // Blocks `respawn` until the next tick of this person's one 6-second
    // re-arm timer (started by its first call).
    void holdRespawn();
    // Shows the facing of `direction`: 1 mirrored, 2 as drawn, else unchanged.
    // The argument is the scheduler's frame time and is not used.
    void applyFacing(float unused = 0.0f);

    // Timer callbacks; the frame time argument is not used.
    void activate(float);
    void startWalking(float);
    void pauseWalking(float);
    void rearmRespawn(float);

    float speed = 0;         // design points per frame
    int direction = 0;       // heading and facing
    int moveDirection = 0;   // current movement; 0 while paused
    int irritationLimit = 0; // patience in play-layer frames
    int kind = 0;            // look: 0 umbrellaMob, 1 umbrellaman_0
    bool isActive = false;   // false until the activation timer first fires
    bool canRespawn = true;
    bool isWalking = true;   // bobbing on; false during a pause
    float stageWidth = 0;    // x of the street's right end, spawner space
    float bobPhase = 0;      // kept in -0.6 .. 0.6

protected:
    Umbrella() = default;

private:
    void move();
    void respawnIfOutside();
    void bob();
};
