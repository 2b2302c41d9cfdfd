#pragma once
#include "cocos2d/Action.h"
#include "cocos2d/Macros.h"

namespace cocos2d {

// Restarts its inner action each time it finishes, for ever; it never ends on
// its own. Stopping it stops the inner action where it stands: an Animate
// inside keeps the frame it shows.
class RepeatForever : public ActionInterval {
public:
    CC_CREATABLE;
    static RepeatForever* create(ActionInterval* action);
    bool init(ActionInterval* action);

    void startWithTarget(Node* target) override;
    void step(float dt) override;
    bool isDone() const override { return false; }
    void update(float) override {}
    ActionInterval* getInnerAction() const { return inner_; }

    ~RepeatForever() override;

protected:
    RepeatForever() : ActionInterval(0.0f) {}

private:
    ActionInterval* inner_ = nullptr; // retained
};

} // namespace cocos2d
