#pragma once
#include "app/Common.h"

// The figure the user steers. It never moves itself: the play layer places and
// moves it and tells it which walk or standing image to show.
//
// Direction codes: 1 right, 2 left, anything else none.
class Player : public cocos2d::Sprite {
public:
    CREATE_FUNC(Player)
    // Standing, facing right, at scale 0.18.
    bool init() override;

    // Starts the looping walk 1-2-3-2 with the left or right images,
    // `frameDelay` seconds per image. A walk that is already running is not
    // stopped (callers put a stopWalk between two walks).
    void walkLeft();
    void walkRight();
    // Stops the current walk if it still runs, then shows the standing image
    // of `direction` (1 right, 2 left); any other value keeps the image shown.
    void stopWalk(int direction);

    // Seconds each walk image stays on screen.
    float frameDelay = 0;
    // The objects of the current walk; all null while standing. `walkAction`
    // holds one reference of the player's own from its walk call until it is
    // stopped, replaced or the player is destroyed, so stopWalk never reaches
    // an action that the engine has already let go of. `walkAnimate` and
    // `walkAnimation` are kept alive through it.
    cocos2d::Animation* walkAnimation = nullptr;
    cocos2d::Animate* walkAnimate = nullptr;
    cocos2d::RepeatForever* walkAction = nullptr;

    ~Player() override;

protected:
    Player() = default;

private:
    void startWalk(const char* image1, const char* image2, const char* image3);
    void releaseWalk();
};
