#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

class Animation;
class Texture2D;

// Shows an Animation's frames on a Sprite target: frame k from k × delay
// seconds on (the last frame stays until the end). Holds a reference to the
// animation; its duration is the animation's when the Animate is made.
class Animate : public ActionInterval {
public:
    CC_CREATABLE;
    static Animate* create(Animation* animation);
    bool init(Animation* animation);

    void startWithTarget(Node* target) override;
    void update(float t) override;
    // Restores the original image when the animation asks for it.
    void stop() override;
    Animation* getAnimation() const { return animation_; }

    ~Animate() override;

protected:
    Animate() : ActionInterval(0.0f) {}

private:
    Animation* animation_ = nullptr;     // retained
    Texture2D* originalFrame_ = nullptr; // retained while running
    bool hasOriginalFrame_ = false;      // started and not yet stopped
    int shownFrame_ = -1;
};

} // namespace cocos2d
